#include "BoardText.h"

#include <stdexcept>

std::int32_t KindOfChar(char c)
{
    if (c == '.')
        return EmptyCell;
    if (c >= 'a' && c <= 'z')
        return c - 'a';
    if (c >= 'A' && c <= 'S')
        return 26 + (c - 'A');
    throw std::invalid_argument(std::string("not a board character: ") + c);
}

char CharOfKind(std::int32_t kind)
{
    if (kind == EmptyCell)
        return '.';
    if (kind >= 0 && kind < 26)
        return static_cast<char>('a' + kind);
    if (kind >= 26 && kind < 45)
        return static_cast<char>('A' + (kind - 26));
    return '?';
}

TGrid GridFromText(const BoardRows& rows)
{
    TGrid grid;
    for (const std::string& text : rows) {
        if (!grid.empty() && text.size() != grid.front().size())
            throw std::invalid_argument("board rows differ in length: " + text);
        std::vector<std::int32_t> row;
        for (char c : text)
            row.push_back(KindOfChar(c));
        grid.push_back(std::move(row));
    }
    return grid;
}

BoardRows TextFromGrid(const TGrid& grid)
{
    BoardRows rows;
    for (const auto& row : grid) {
        std::string text;
        for (std::int32_t kind : row)
            text += CharOfKind(kind);
        rows.push_back(text);
    }
    return rows;
}

void SetBoard(TLink& engine, const BoardRows& rows)
{
    engine.Grid = GridFromText(rows);
    const int rowCount = static_cast<int>(engine.Grid.size());
    const int colCount = rowCount == 0 ? 0 : static_cast<int>(engine.Grid.front().size());
    engine.Params->Rows = static_cast<std::uint8_t>(rowCount);
    engine.Params->Cols = static_cast<std::uint8_t>(colCount);
    int tiles = 0;
    for (const auto& row : engine.Grid)
        for (std::int32_t kind : row)
            tiles += kind != EmptyCell;
    engine.Params->TilesLeft = static_cast<std::uint8_t>(tiles);
    engine.BoardWidth = BoardBitmapWidth(colCount);
    engine.BoardHeight = BoardBitmapHeight(rowCount);
    engine.BoardDC = platform::Surface(QSize(engine.BoardWidth, engine.BoardHeight), engine.Scale());
}

BoardRows EasyBoard(BoardRows rows)
{
    if (rows.size() < EasySize.Rows)
        rows.resize(EasySize.Rows, std::string(EasySize.Cols, '.'));
    return rows;
}

BoardRows BoardText(const TLink& engine)
{
    return TextFromGrid(engine.Grid);
}

const BoardRows EasyBoardDeadBlock = EasyBoard({
    "..............",
    ".ab...........",
    ".ba...........",
});
