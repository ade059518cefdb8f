// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test pictures made on the fly.

#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

// A JPEG encoded row by row, so a large one never needs its pixels in memory.
inline QByteArray EncodeJpeg(int width, int height, bool progressive = false) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(size_t(width) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = int(cinfo.next_scanline);
        for (int x = 0; x < width; ++x) {
            row[size_t(x) * 3] = JSAMPLE(x * 3 % 256);
            row[size_t(x) * 3 + 1] = JSAMPLE(y * 5 % 256);
            row[size_t(x) * 3 + 2] = JSAMPLE(x < 125 ? 40 : 220);
        }
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&cinfo, &line, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    std::free(out);
    return bytes;
}
