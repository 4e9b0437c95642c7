#pragma once

#include <QString>

#include <cstdint>

// The short name of a tile's picture on the tile sheet of a Pattern setting (1 to 4; any other
// value is the first sheet, as for the engine), or "空" for an empty cell; in the player's
// language.
QString TileName(int pattern, std::int32_t kind);
