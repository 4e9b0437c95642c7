#include "platform/GbkText.h"

#include <QStringDecoder>

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace platform {
namespace {

constexpr const char* kFileCodec = "CP936";
constexpr const char* kWideCodec = "GB18030";  // read and written where CP936 has no bytes for a character
constexpr const char* kUtf8 = "UTF-8";
constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";  // U+FFFD
// The room a conversion gets: no character takes more than four bytes per byte of its source.
constexpr qsizetype kMostBytesPerByte = 4;
constexpr qsizetype kSlack = 16;

// One iconv converter per direction, opened on first use and kept, since opening one costs
// far more than converting a name.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (IsOpen())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in` up to the first sequence it cannot, appending to `out`. Returns 0 when all
    // of it was converted, otherwise EILSEQ (a sequence it cannot convert) or EINVAL (one cut
    // off at the end), with `in` and `inLeft` at that sequence.
    int Run(const char*& in, size_t& inLeft, QByteArray& out) const
    {
        if (!IsOpen())
            return EILSEQ;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            const qsizetype written = out.size();
            out.resize(written + static_cast<qsizetype>(inLeft) * kMostBytesPerByte + kSlack);
            char* outPtr = out.data() + written;
            size_t outLeft = static_cast<size_t>(out.size() - written);
            const size_t result = iconv(cd_, const_cast<char**>(&in), &inLeft, &outPtr, &outLeft);
            const int error = errno;
            out.resize(outPtr - out.data());
            if (result != static_cast<size_t>(-1))
                return 0;
            if (error != E2BIG)
                return error;
        }
        return 0;
    }

private:
    bool IsOpen() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    iconv_t cd_;
};

struct Converters {
    Converter toFile{kFileCodec, kUtf8};
    Converter toWide{kWideCodec, kUtf8};
    Converter fromFile{kUtf8, kFileCodec};
    Converter fromWide{kUtf8, kWideCodec};
};

const Converters& Codecs()
{
    thread_local const Converters converters;
    return converters;
}

// The length of the UTF-8 character whose first byte is at `bytes`.
size_t Utf8CharacterLength(const char* bytes)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    return lead >= 0xC0 ? 2 : 1;
}

// Converts the `length` bytes at `in` with `converter` alone; false when they are not one
// whole character of its source codec.
bool ConvertOne(const Converter& converter, const char* in, size_t length, QByteArray& out)
{
    const qsizetype before = out.size();
    if (converter.Run(in, length, out) == 0)
        return true;
    out.resize(before);
    return false;
}

}  // namespace

QByteArray ToGbk(const QString& text)
{
    if (QtPrivate::isAscii(QStringView(text)))
        return text.toLatin1();
    const QByteArray utf8 = text.toUtf8();  // a lone surrogate is already replaced here
    QByteArray output;
    output.reserve(utf8.size() * kMostBytesPerByte + kSlack);  // the converter's room, made once
    const char* in = utf8.constData();
    size_t left = static_cast<size_t>(utf8.size());
    while (Codecs().toFile.Run(in, left, output) != 0) {
        const size_t length = std::min(Utf8CharacterLength(in), left);
        if (!ConvertOne(Codecs().toWide, in, length, output))
            output.append('?');
        in += length;
        left -= length;
    }
    return output;
}

qsizetype Gb18030CharacterLength(QByteArrayView bytes)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x81 || lead == 0xFF || bytes.size() < 2)
        return 1;
    const auto second = static_cast<unsigned char>(bytes[1]);
    return second >= 0x30 && second <= 0x39 ? 4 : 2;
}

QString FromGbk(QByteArrayView bytes)
{
    if (QtPrivate::isAscii(QLatin1StringView(bytes)))
        return QString::fromLatin1(bytes);
    QByteArray utf8;
    utf8.reserve(bytes.size() * kMostBytesPerByte + kSlack);  // the converter's room, made once
    const char* in = bytes.data();
    size_t left = static_cast<size_t>(bytes.size());
    int error;
    while ((error = Codecs().fromFile.Run(in, left, utf8)) != 0) {
        const auto whole = static_cast<size_t>(Gb18030CharacterLength({in, static_cast<qsizetype>(left)}));
        size_t length = std::min(whole, left);
        if (!ConvertOne(Codecs().fromWide, in, length, utf8)) {
            utf8.append(kReplacementUtf8);
            // A sequence cut off by the end of the text is dropped whole, a wrong byte alone.
            length = error == EINVAL || length < whole ? left : 1;
        }
        in += length;
        left -= length;
    }
    // QString::fromUtf8 would drop a leading U+FEFF, which is text here and must survive a save.
    QStringDecoder toText(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return toText(utf8);
}

}  // namespace platform
