#include "ui/JpegDecode.h"

#include "base/Exception.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>

// libjpeg's header expects size_t and FILE to be declared first.
#include <jpeglib.h>

namespace quellar {

namespace {
// libjpeg reports a fatal error through error_exit, which must not return: jump back to the
// decoder's frame (no C++ exception may cross libjpeg's C frames) and raise from there.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void SilentOutput(j_common_ptr) {}

// Decodes into `out`; returns false with the message in `errors` on failure. Kept free of
// objects with destructors, because of the long jump.
bool DecodeInto(std::span<const std::uint8_t> bytes, TRgbImage& out, ErrorManager& errors, bool& tooLarge) {
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = ErrorExit;
    errors.pub.output_message = SilentOutput;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const std::uint64_t pixels = static_cast<std::uint64_t>(info.output_width) * info.output_height;
    if (pixels == 0 || pixels > kMaxJpegPixels || info.output_components != 3) {
        tooLarge = true;
        jpeg_destroy_decompress(&info);
        return false;
    }
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    out.rgb.resize(static_cast<std::size_t>(pixels) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.rgb.data() + static_cast<std::size_t>(info.output_scanline) * out.width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}
} // namespace

TRgbImage DecodeJpeg(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        throw Exception("JPEG error: empty file");
    }
    TRgbImage image;
    ErrorManager errors{};
    bool tooLarge = false;
    if (!DecodeInto(bytes, image, errors, tooLarge)) {
        if (tooLarge) {
            throw Exception("JPEG error: picture too large or not in colour");
        }
        throw Exception(std::string("JPEG error: ") + errors.message);
    }
    return image;
}

TRgbImage LoadJpegFile(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        throw Exception("Cannot open file \"" + fileName + "\"");
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return DecodeJpeg(bytes);
}

} // namespace quellar
