// JPEG pictures of the journal, written with libjpeg: the image codecs that
// come with OGRE here can only encode PNG.
#include "Platform.h"

#include "FileIO.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace Platform
{
bool writeJpegFile(const std::string& path, int width, int height, const unsigned char* rgb, int quality)
{
    if (!rgb || width <= 0 || height <= 0)
        return false;
    // Made in memory and then replacing the old picture as a whole: a run
    // cut short never leaves half a picture of the player's journal.
    unsigned char* bytes = nullptr;
    unsigned long size = 0;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &bytes, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height)
    {
        JSAMPROW row = const_cast<unsigned char*>(rgb + static_cast<size_t>(info.next_scanline) * width * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const bool written = bytes && replaceFile(path, bytes, size) == REPLACE_OK;
    std::free(bytes);
    return written;
}
} // namespace Platform
