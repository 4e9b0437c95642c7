#include "platform/Jpeg.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace platform {
namespace {

// Larger pictures are refused rather than allocated.
constexpr JDIMENSION kMaxSide = 16384;

// libjpeg reports a fatal error by calling error_exit, which must not return. We jump back
// to the decoder instead of letting libjpeg end the process. No C++ object with a destructor
// lives in the frames between the jump and its target.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void FailDecode(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// A warning means corrupt or truncated data (libjpeg would otherwise fill the gap with grey);
// the picture is refused as a whole.
void RefuseOnWarning(j_common_ptr info, int level)
{
    if (level < 0)
        FailDecode(info);
}

void Quiet(j_common_ptr) {}

// Decodes into `image`; returns false (leaving `image` possibly half filled) on any error.
bool DecodeInto(jpeg_decompress_struct* info, ErrorManager* errors, const QByteArray* data, QImage* image)
{
    if (setjmp(errors->jump))
        return false;

    jpeg_create_decompress(info);
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(data->constData()),
                 static_cast<unsigned long>(data->size()));
    if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK)
        return false;
    if (info->image_width > kMaxSide || info->image_height > kMaxSide)
        return false;
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    if (info->output_components != 3)
        return false;

    *image = QImage(int(info->output_width), int(info->output_height), QImage::Format_RGB32);
    if (image->isNull())
        return false;
    JSAMPARRAY row = (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                                info->output_width * 3, 1);
    while (info->output_scanline < info->output_height) {
        const int y = int(info->output_scanline);
        if (jpeg_read_scanlines(info, row, 1) != 1)
            return false;
        auto* line = reinterpret_cast<QRgb*>(image->scanLine(y));
        const JSAMPLE* rgb = row[0];
        for (JDIMENSION x = 0; x < info->output_width; ++x, rgb += 3)
            line[x] = qRgb(rgb[0], rgb[1], rgb[2]);
    }
    jpeg_finish_decompress(info);
    return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = FailDecode;
    errors.base.emit_message = RefuseOnWarning;
    errors.base.output_message = Quiet;

    QImage image;
    const bool ok = DecodeInto(&info, &errors, &data, &image);
    jpeg_destroy_decompress(&info);
    return ok ? image : QImage();
}

}  // namespace platform
