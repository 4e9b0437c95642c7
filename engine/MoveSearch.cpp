// The move searches: is a pair left, how many pairs are there, and which pair to hint.
// They share one scan and leave LinkPath as it was, so that it always holds the link of the
// last accepted click.

#include "Link.h"

TLink::SavedPath TLink::SaveLinkPath() const
{
    return {{PathStartCol, PathStartRow, PathEndCol, PathEndRow,
             PathCorner1Col, PathCorner1Row, PathCorner2Col, PathCorner2Row}};
}

void TLink::RestoreLinkPath(const SavedPath& saved)
{
    const std::int32_t* v = saved.values;
    StorePath4(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
}

// Each unordered pair of cells is examined once, from its earlier cell in row-major order; the
// partner is passed to CanLink first. Partners in later rows start from column 1, so a partner
// may lie to the left of the first cell.
template <typename Found>
void TLink::ScanPairs(Found found)
{
    if (Grid.empty())
        return;
    const int rows = Params->Rows;
    const int cols = Params->Cols;
    for (int i = 1; i < rows; ++i) {
        for (int j = 1; j < cols; ++j) {
            const std::int32_t kind = Grid[i][j];
            if (kind == EmptyCell)
                continue;
            for (int k = i; k < rows; ++k) {
                const std::int32_t* partners = Grid[k].data();
                for (int l = k == i ? j + 1 : 1; l < cols; ++l) {
                    if (partners[l] == kind && CanLink(l, k, j, i) && !found(i, j, k, l))
                        return;
                }
            }
        }
    }
}

bool TLink::FindMove()
{
    const SavedPath saved = SaveLinkPath();
    bool any = false;
    ScanPairs([&](int i, int j, int k, int l) {
        if (Params->HintRequest) {
            HintRow2 = k;
            HintCol2 = l;
            HintRow1 = i;
            HintCol1 = j;
            Params->HintRequest = false;
        }
        any = true;
        return false;
    });
    RestoreLinkPath(saved);
    return any;
}

std::int32_t TLink::CountMoves()
{
    const SavedPath saved = SaveLinkPath();
    Params->PairsAvailable = 0;
    ScanPairs([&](int, int, int, int) {
        ++Params->PairsAvailable;
        return true;
    });
    RestoreLinkPath(saved);
    return Params->PairsAvailable;
}

void TLink::ShowHint()
{
    Params->HintRequest = true;
    if (!FindMove())
        return;
    DrawCellFramed(HintRow1, HintCol1, HintStyle, FrameOffset, FrameInset);
    DrawCellFramed(HintRow2, HintCol2, HintStyle, FrameOffset, FrameInset);
    Changed(true);
}
