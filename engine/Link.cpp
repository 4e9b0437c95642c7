#include "Link.h"

#include "platform/Sound.h"

#include <chrono>

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

}  // namespace

TLink::TLink(QObject* owner, int scale)
    : QObject(owner), Params(std::make_unique<TGameParams>()), scale_(scale)
{
    const QString background = QStringLiteral("BK");
    if (BackDC.loadBitmap(background, scale_))
        LoadedBitmap = background;
    LoadTileSheet();
}

TLink::~TLink() = default;

void TLink::LoadTileSheet()
{
    const QString name = TileSheetName(PatternSetting);
    if (TileDC.loadBitmap(name, scale_))
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
