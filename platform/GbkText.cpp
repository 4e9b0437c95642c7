#include "platform/GbkText.h"

#include <iconv.h>

#include <cerrno>

namespace platform {
namespace {

constexpr const char* kFileCodec = "GB18030";

// Runs all of `input` through one iconv conversion. A byte sequence the source codec cannot
// read is handed to `onInvalid`, which writes a stand-in and returns how many bytes to skip.
template <typename OnInvalid>
QByteArray Convert(const char* to, const char* from, const QByteArray& input, OnInvalid onInvalid)
{
    QByteArray output;
    if (input.isEmpty())
        return output;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return output;

    output.resize(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    size_t written = 0;
    while (inLeft > 0) {
        char* out = output.data() + written;
        size_t outLeft = static_cast<size_t>(output.size()) - written;
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        written = static_cast<size_t>(out - output.data());
        if (result != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG) {
            output.resize(output.size() * 2);
            continue;
        }
        // EILSEQ (invalid sequence) or EINVAL (sequence cut off at the end).
        output.resize(static_cast<qsizetype>(written));
        const size_t skip = onInvalid(output, errno == EINVAL ? inLeft : 1);
        written = static_cast<size_t>(output.size());
        output.resize(static_cast<qsizetype>(written + inLeft * 2 + 16));
        in += skip;
        inLeft -= skip;
    }
    iconv_close(cd);
    output.resize(static_cast<qsizetype>(written));
    return output;
}

}  // namespace

QByteArray ToGbk(const QString& text)
{
    // GB18030 encodes every Unicode character; only a lone surrogate has no bytes, and
    // toUtf8() has already replaced those.
    return Convert(kFileCodec, "UTF-8", text.toUtf8(), [](QByteArray& out, size_t) {
        out.append('?');
        return size_t{1};
    });
}

QString FromGbk(const QByteArray& bytes)
{
    const QByteArray utf8 = Convert("UTF-8", kFileCodec, bytes, [](QByteArray& out, size_t skip) {
        out.append("\xEF\xBF\xBD");  // U+FFFD
        return skip;
    });
    return QString::fromUtf8(utf8);
}

}  // namespace platform
