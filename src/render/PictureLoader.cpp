#include "render/PictureLoader.h"

#include "platform/Failure.h"
#include "platform/Picture.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <jerror.h>
#include <jpeglib.h>
#include <sstream>
#include <vector>

namespace ov {

namespace {

constexpr int32_t kInvalidPicture = 481;

struct JpegErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onJpegError(j_common_ptr info) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings are let pass except the end of the data arriving early: libjpeg would fill a cut file
// with grey and call it an image, where a cut file is a broken one.
void onJpegMessage(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) onJpegError(info);
}

// libjpeg reports failures by calling error_exit, which must not return: it jumps back here. Nothing
// with a destructor lives in this frame after setjmp, so the jump skips no clean-up; the pixels belong
// to the caller. Returns false with the reason in `why`.
bool decodeJpeg(const unsigned char* data, size_t size, std::vector<uint8_t>& rgb, int32_t& width,
                int32_t& height, std::string& why) {
    jpeg_decompress_struct info;
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onJpegError;
    errors.base.emit_message = onJpegMessage;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        why = errors.message;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        jpeg_destroy_decompress(&info);
        why = "CMYK images are not supported";
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&info);
    if (static_cast<long long>(info.output_width) * info.output_height > kMaxJpegPixels ||
        info.output_width > static_cast<unsigned>(Picture::kMaxPixelsPerSide) ||
        info.output_height > static_cast<unsigned>(Picture::kMaxPixelsPerSide)) {
        jpeg_destroy_decompress(&info);
        why = "larger than " + std::to_string(kMaxJpegPixels) + " pixels or " +
              std::to_string(Picture::kMaxPixelsPerSide) + " pixels a side";
        return false;
    }
    jpeg_start_decompress(&info);
    const size_t stride = size_t{info.output_width} * 3;
    rgb.assign(stride * info.output_height, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = rgb.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    width = static_cast<int32_t>(info.output_width);
    height = static_cast<int32_t>(info.output_height);
    jpeg_destroy_decompress(&info);
    return true;
}

bool isJpeg(std::string_view bytes) {
    return bytes.size() >= 3 && bytes.substr(0, 3) == "\xFF\xD8\xFF";
}

} // namespace

PictureRef pictureFromJpeg(std::string_view bytes) {
    if (!isJpeg(bytes)) throw Failure(kInvalidPicture, "Invalid picture (not a JPEG image)");
    std::vector<uint8_t> rgb;
    int32_t width = 0, height = 0;
    std::string why;
    if (!decodeJpeg(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), rgb, width, height,
                    why))
        throw Failure(kInvalidPicture, "Invalid picture (JPEG: " + why + ")");
    return Picture::fromPixels(width, height, PixelFormat::Rgb24, rgb);
}

PictureRef loadPicture(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Failure(err::FileNotFound, failureText(err::FileNotFound) + ": " + path);
    std::ostringstream ss;
    ss << in.rdbuf();
    std::string bytes = std::move(ss).str();
    if (isJpeg(bytes)) return pictureFromJpeg(bytes);
    return Picture::fromPng(std::move(bytes));
}

} // namespace ov
