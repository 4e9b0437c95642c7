#include "Link.h"

#include "platform/Resources.h"
#include "platform/Sound.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

QString TileSheetName(std::uint8_t pattern)
{
    switch (pattern) {
    case 2:
        return QStringLiteral("ANIMAL2");
    case 3:
        return QStringLiteral("ANIMAL3");
    case 4:
        return QStringLiteral("ANIMAL4");
    default:
        return QStringLiteral("ANIMAL1");
    }
}

const QString BackgroundName = QStringLiteral("BK");

// The device size of the part of a cell from `start` to `end` (board pixels from the cell's
// corner): the same in every cell, because the cell pitch is whole device pixels.
int DeviceSpan(int start, int end, double scale)
{
    return int(platform::DeviceEdge(end, scale) - platform::DeviceEdge(start, scale));
}

}  // namespace

platform::SurfaceScale CellPitchScale(double scale, bool fitting)
{
    const auto snapped = [scale, fitting](int pitch) {
        const double exact = pitch * scale;
        return std::max(1.0, fitting ? std::floor(exact + 1e-9) : std::round(exact)) / pitch;
    };
    return {snapped(CellWidth), snapped(CellHeight)};
}

TLink::TLink(QObject* owner, platform::SurfaceScale scale)
    : QObject(owner), Params(std::make_unique<TGameParams>()), scale_(scale)
{
    if (LoadArtwork(BackDC, BackgroundName))
        LoadedBitmap = BackgroundName;
    LoadTileSheet();
}

// At scale 1 and 2 the artwork made for them is used as it is; at any other scale every slot of
// a sheet is made at exactly the device size of the place it is drawn to in a cell.
bool TLink::LoadArtwork(platform::Surface& surface, const QString& name) const
{
    if (scale_.isWhole())
        return surface.loadBitmap(name, int(scale_.x));
    const bool background = name == BackgroundName;
    const QSize slot = background ? QSize(BackCellWidth, BackCellHeight) : QSize(TileSize, TileSize);
    const QSize grid = background ? QSize(1, BackStripStyles) : QSize(2, KindCount);
    const QSize target = background ? QSize(DeviceSpan(0, BackCellWidth, scale_.x), DeviceSpan(0, BackCellHeight, scale_.y))
                                    : QSize(DeviceSpan(TileLeft, TileLeft + TileSize, scale_.x),
                                            DeviceSpan(TileTop, TileTop + TileSize, scale_.y));
    const QImage sheet = platform::LoadBitmapSlots(name, slot, grid, target);
    if (sheet.isNull())
        return false;
    surface.selectImage(sheet, {double(target.width()) / slot.width(), double(target.height()) / slot.height()});
    return true;
}

void TLink::SetScale(platform::SurfaceScale scale)
{
    if (scale == scale_)
        return;
    scale_ = scale;
    LoadArtwork(BackDC, BackgroundName);
    LoadArtwork(TileDC, TileSheetName(PatternSetting));
    if (BoardDC.isNull())
        return;
    BoardDC = platform::Surface(QSize(BoardWidth, BoardHeight), scale_);
    DrawBoard();
    if (SelRow != EmptyCell)
        DrawCellFramed(SelRow, SelCol, SelectedStyle, FrameOffset, FrameInset);
}

TLink::~TLink() = default;

void TLink::LoadTileSheet()
{
    const QString name = TileSheetName(PatternSetting);
    if (LoadArtwork(TileDC, name))
        LoadedBitmap = name;
    if (Params->Playing)
        RenderBoard();
}

void TLink::SetRandomSource(RandomSource source)
{
    random_ = std::move(source);
}

void TLink::Reseed()
{
    if (!random_)
        generator_.seed(static_cast<std::mt19937::result_type>(
            std::chrono::steady_clock::now().time_since_epoch().count()));
}

std::int32_t TLink::Random(std::int32_t n)
{
    if (random_)
        return random_(n);
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(generator_);
}

void TLink::PlaySoundIfOn(const char* name) const
{
    if (Params->SoundOn)
        platform::PlaySound(QString::fromLatin1(name));
}
