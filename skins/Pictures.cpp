// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/Pictures.h"

#include <algorithm>
#include <array>
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jerror.h>
#include <jpeglib.h>
#include <vector>

namespace pictures {

namespace {

using platform::IByteSource;

quint32 U16(const uchar* p) {
    return quint32(p[0]) | quint32(p[1]) << 8;
}
quint32 U32(const uchar* p) {
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

// Reads a stream of bytes from a source in blocks, for the run-length encoded bitmaps,
// whose rows can only be found by reading the ones before them.
class TByteStream {
public:
    TByteStream(IByteSource& source, qint64 offset) : Source(source), Offset(offset) {}
    bool Next(uchar& byte) {
        if (At == Filled) {
            Filled = Source.ReadAt(Offset, reinterpret_cast<char*>(Block.data()), Block.size());
            if (Filled <= 0)
                return false;
            Offset += Filled;
            At = 0;
        }
        byte = Block[size_t(At++)];
        return true;
    }

private:
    IByteSource& Source;
    qint64 Offset;
    std::array<uchar, 65536> Block{};
    qint64 At = 0, Filled = 0;
};

// One colour channel of a bit-field pixel, scaled to 8 bits by repeating its bits (so a
// full 5-bit value is 255).
struct TChannel {
    quint32 Mask = 0;
    int Shift = 0, Bits = 0;

    explicit TChannel(quint32 mask = 0) : Mask(mask) {
        if (!mask)
            return;
        while (!(mask & 1u)) {
            mask >>= 1;
            ++Shift;
        }
        while (mask & 1u) {
            mask >>= 1;
            ++Bits;
        }
    }
    int Of(quint32 pixel) const {
        if (!Bits)
            return 0;
        const quint32 v = (pixel & Mask) >> Shift & ((Bits >= 32 ? 0u : 1u << Bits) - 1u);
        if (Bits >= 8)
            return int(v >> (Bits - 8));
        quint32 out = 0;
        int filled = 0;
        while (filled < 8) {
            out = out << Bits | v;
            filled += Bits;
        }
        return int(out >> (filled - 8));
    }
};

struct TBitmapHeader {
    qint64 DataOffset = 0;
    qint64 Width = 0, Height = 0; // Height positive; TopDown says the row order
    bool TopDown = false;
    int Bits = 0;
    quint32 Compression = 0; // 0 plain, 1 RLE8, 2 RLE4, 3 and 6 bit fields
    std::array<TChannel, 3> Channels;
    std::array<QRgb, 256> Palette{};
};

enum : quint32 { Plain = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };

// What the headers say beyond TBitmapHeader, for the later steps of ReadHeader.
struct TRawHeader {
    quint32 Planes = 0;
    quint32 Colours = 0; // palette entries; 0: as many as the depth allows
    quint32 Masks[3] = {0, 0, 0};
    qint64 PaletteAt = 0;
    int EntrySize = 4; // bytes per palette entry
};

// The file header and the info header (the oldest 12-byte one, or one of 40 bytes or more
// with the bit masks inside or after it) from the head of the file.
bool ReadInfoHeader(const uchar* head, qint64 got, TBitmapHeader& h, TRawHeader& raw,
                    QString& problem) {
    if (got < 26 || head[0] != 'B' || head[1] != 'M') {
        problem = QStringLiteral("not a Windows bitmap");
        return false;
    }
    h.DataOffset = U32(&head[10]);
    const quint32 infoSize = U32(&head[14]);
    raw.PaletteAt = 14 + qint64(infoSize);
    if (infoSize == 12) { // the oldest header: 16-bit sizes, 3-byte palette entries
        h.Width = U16(&head[18]);
        h.Height = U16(&head[20]);
        raw.Planes = U16(&head[22]);
        h.Bits = int(U16(&head[24]));
        raw.EntrySize = 3;
        return true;
    }
    if (infoSize < 40 || got < 54) {
        problem = got < 54
                      ? QStringLiteral("truncated")
                      : QStringLiteral("an unsupported variant: a %1-byte header").arg(infoSize);
        return false;
    }
    h.Width = qint32(U32(&head[18]));
    h.Height = qint32(U32(&head[22]));
    raw.Planes = U16(&head[26]);
    h.Bits = int(U16(&head[28]));
    h.Compression = U32(&head[30]);
    raw.Colours = U32(&head[46]);
    if (infoSize == 64 && h.Compression >= BitFields) {
        // The OS/2 header numbers other codings there.
        problem = QStringLiteral("an unsupported variant: an OS/2 bitmap of coding %1")
                      .arg(h.Compression);
        return false;
    }
    if (h.Compression == BitFields || h.Compression == AlphaBitFields) {
        // In the header from version 2 on, else right after it.
        const qint64 at = infoSize >= 52 ? 54 : raw.PaletteAt;
        if (got < at + 12) {
            problem = QStringLiteral("truncated");
            return false;
        }
        for (int i = 0; i < 3; ++i)
            raw.Masks[i] = U32(&head[size_t(at + 4 * i)]);
        if (infoSize < 52)
            raw.PaletteAt += h.Compression == AlphaBitFields ? 16 : 12;
    }
    return true;
}

// The codings and depths this reader draws.
bool SupportedCoding(const TBitmapHeader& h) {
    switch (h.Compression) {
    case Plain:
        return h.Bits == 1 || h.Bits == 4 || h.Bits == 8 || h.Bits == 16 || h.Bits == 24 ||
               h.Bits == 32;
    case Rle8:
    case Rle4:
        return h.Bits == (h.Compression == Rle8 ? 8 : 4) && !h.TopDown;
    case BitFields:
    case AlphaBitFields:
        return h.Bits == 16 || h.Bits == 32;
    default:
        return false;
    }
}

// The channels of 16- and 32-bit pixels: the masks given, or those of the plain coding.
void SetChannels(TBitmapHeader& h, TRawHeader& raw) {
    if (h.Compression == Plain && h.Bits == 16) {
        raw.Masks[0] = 0x7c00;
        raw.Masks[1] = 0x03e0;
        raw.Masks[2] = 0x001f;
    } else if (h.Compression == Plain && h.Bits == 32) {
        raw.Masks[0] = 0x00ff0000;
        raw.Masks[1] = 0x0000ff00;
        raw.Masks[2] = 0x000000ff;
    }
    for (int i = 0; i < 3; ++i)
        h.Channels[size_t(i)] = TChannel(raw.Masks[i]);
}

// The palette of a picture of 8 bits or fewer; false when it is not all there.
bool ReadPalette(IByteSource& source, TBitmapHeader& h, const TRawHeader& raw) {
    if (h.Bits > 8)
        return true;
    const quint32 count = raw.Colours == 0 || raw.Colours > 256 ? 1u << h.Bits : raw.Colours;
    std::vector<uchar> entries(size_t(count) * size_t(raw.EntrySize));
    if (source.ReadAt(raw.PaletteAt, reinterpret_cast<char*>(entries.data()),
                      qint64(entries.size())) != qint64(entries.size()))
        return false;
    for (quint32 i = 0; i < count; ++i) {
        const uchar* e = &entries[size_t(i) * size_t(raw.EntrySize)];
        h.Palette[i] = qRgb(e[2], e[1], e[0]);
    }
    return true;
}

bool ReadHeader(IByteSource& source, TBitmapHeader& h, QString& problem) {
    // The file header, the largest info header, and bit masks after a short one.
    std::array<uchar, 14 + 124 + 16> head{};
    const qint64 got = source.ReadAt(0, reinterpret_cast<char*>(head.data()), head.size());
    TRawHeader raw;
    if (!ReadInfoHeader(head.data(), got, h, raw, problem))
        return false;
    if (raw.Planes != 1 || h.Width <= 0 || h.Height == 0) {
        problem = QStringLiteral("a header that declares no picture");
        return false;
    }
    h.TopDown = h.Height < 0;
    h.Height = h.TopDown ? -h.Height : h.Height;
    if (!SupportedCoding(h)) {
        problem = QStringLiteral("an unsupported variant: %1 bits a pixel in coding %2%3")
                      .arg(h.Bits)
                      .arg(h.Compression)
                      .arg(h.TopDown ? QStringLiteral(", top-down") : QString());
        return false;
    }
    SetChannels(h, raw);
    if (!ReadPalette(source, h, raw) || h.DataOffset > source.Size()) {
        problem = QStringLiteral("truncated");
        return false;
    }
    return true;
}

QRgb PixelAt(const TBitmapHeader& h, const uchar* row, qint64 x) {
    switch (h.Bits) {
    case 1:
        return h.Palette[size_t(row[x / 8] >> (7 - x % 8) & 1)];
    case 4:
        return h.Palette[size_t(row[x / 2] >> (x % 2 ? 0 : 4) & 0xf)];
    case 8:
        return h.Palette[row[x]];
    case 16: {
        const quint32 p = U16(row + 2 * x);
        return qRgb(h.Channels[0].Of(p), h.Channels[1].Of(p), h.Channels[2].Of(p));
    }
    case 24:
        return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    default: {
        const quint32 p = U32(row + 4 * x);
        return qRgb(h.Channels[0].Of(p), h.Channels[1].Of(p), h.Channels[2].Of(p));
    }
    }
}

bool ReadPlainRows(IByteSource& source, const TBitmapHeader& h, QImage& out) {
    const qint64 stride = (h.Width * h.Bits + 31) / 32 * 4;
    // Every row the header promises must be in the file; the test divides, so that no
    // product of header fields can overflow.
    const qint64 room = source.Size() - h.DataOffset;
    if (h.Height > room / stride)
        return false;
    const qint64 rowBytes = (qint64(out.width()) * h.Bits + 7) / 8;
    std::vector<uchar> row(static_cast<size_t>(rowBytes));
    for (int y = 0; y < out.height(); ++y) {
        const qint64 fileRow = h.TopDown ? y : h.Height - 1 - y;
        if (source.ReadAt(h.DataOffset + fileRow * stride, reinterpret_cast<char*>(row.data()),
                          rowBytes) != rowBytes)
            return false;
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = PixelAt(h, row.data(), x);
    }
    return true;
}

// Run-length encoded rows run from the bottom, so the shown rows come last; the ones
// before them are decoded and dropped, at a cost bounded by the file's size.
bool ReadEncodedRows(IByteSource& source, const TBitmapHeader& h, QImage& out) {
    TByteStream in(source, h.DataOffset);
    const bool four = h.Compression == Rle4;
    qint64 x = 0, r = 0; // column, and row counted from the bottom
    auto put = [&](uchar index) {
        const qint64 y = h.Height - 1 - r;
        if (x < out.width() && y < out.height())
            reinterpret_cast<QRgb*>(out.scanLine(int(y)))[x] = h.Palette[index];
        ++x;
    };
    while (r < h.Height) {
        uchar count, value;
        if (!in.Next(count) || !in.Next(value))
            return false; // the rows shown never came
        if (count > 0) {
            for (int i = 0; i < count && x < h.Width; ++i)
                put(four ? uchar(i % 2 ? value & 0xf : value >> 4) : value);
            continue;
        }
        switch (value) {
        case 0: // end of the row
            x = 0;
            ++r;
            break;
        case 1: // end of the picture
            return true;
        case 2: { // a jump right and up
            uchar dx, dy;
            if (!in.Next(dx) || !in.Next(dy))
                return false;
            x += dx;
            r += dy;
            break;
        }
        default: { // value pixels written out, padded to a 16-bit boundary
            const int bytes = four ? (value + 1) / 2 : value;
            uchar b = 0;
            for (int i = 0; i < value; ++i) {
                if ((!four || i % 2 == 0) && !in.Next(b))
                    return false;
                const uchar index = four ? uchar(i % 2 ? b & 0xf : b >> 4) : b;
                if (x < h.Width)
                    put(index);
            }
            if (bytes % 2 && !in.Next(b))
                return false;
            break;
        }
        }
    }
    return true;
}

// The JPEG decoder reads through this source, which takes blocks from any byte source
// and stops with an end marker when the data runs out.
struct TJpegSource {
    jpeg_source_mgr Manager; // first, so the decoder's pointer is one to this struct
    IByteSource* Bytes;
    qint64 Offset;
    bool RanOut = false; // the file ended before the decoder was done with it
    JOCTET Block[65536];
};

void SourceInit(j_decompress_ptr) {}
void SourceTerm(j_decompress_ptr) {}

boolean SourceFill(j_decompress_ptr cinfo) {
    auto* src = reinterpret_cast<TJpegSource*>(cinfo->src);
    qint64 n = src->Bytes->ReadAt(src->Offset, reinterpret_cast<char*>(src->Block),
                                  qint64(sizeof src->Block));
    if (n <= 0) {
        // The end of the file: an end marker, as the decoder's own sources insert.
        src->RanOut = true;
        src->Block[0] = 0xFF;
        src->Block[1] = JPEG_EOI;
        n = 2;
    } else {
        src->Offset += n;
    }
    src->Manager.next_input_byte = src->Block;
    src->Manager.bytes_in_buffer = size_t(n);
    return TRUE;
}

void SourceSkip(j_decompress_ptr cinfo, long count) {
    auto* src = reinterpret_cast<TJpegSource*>(cinfo->src);
    if (count <= 0)
        return;
    if (size_t(count) <= src->Manager.bytes_in_buffer) {
        src->Manager.next_input_byte += count;
        src->Manager.bytes_in_buffer -= size_t(count);
        return;
    }
    src->Offset += qint64(size_t(count) - src->Manager.bytes_in_buffer);
    src->Manager.bytes_in_buffer = 0;
}

struct TJpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Escape;
    bool DataMissing = false;
    char Text[JMSG_LENGTH_MAX] = {};
};

void JpegFail(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<TJpegError*>(cinfo->err);
    err->Manager.format_message(cinfo, err->Text);
    std::longjmp(err->Escape, 1);
}

void JpegMessage(j_common_ptr cinfo, int level) {
    // Entropy data that ran out before a row was complete: that row is made up.
    auto* err = reinterpret_cast<TJpegError*>(cinfo->err);
    if (level < 0 && err->Manager.msg_code == JWRN_HIT_MARKER)
        err->DataMissing = true;
}

// A progressive picture keeps every coefficient while it is decoded: one needing more
// than this is refused rather than decoded.
constexpr long JpegMemoryLimit = 12L * 1024 * 1024;

// The decoder reports fatal errors by a long jump back here. Everything it may touch
// lives in the caller's frame and is reached through pointers that never change after
// setjmp, so nothing is indeterminate after the jump.
bool DecodeInto(jpeg_decompress_struct* cinfo, TJpegError* err, TJpegSource* src, QSize shown,
                QImage* out, std::vector<JSAMPLE>* row, TPictureInfo* info) {
    if (setjmp(err->Escape)) {
        jpeg_destroy_decompress(cinfo);
        if (info && err->Manager.msg_code == JERR_OUT_OF_MEMORY)
            info->Problem = QStringLiteral("too large to decode (more than 12 MiB while "
                                           "decoding)");
        else if (info)
            info->Problem = QStringLiteral("%1: %2").arg(
                src->RanOut ? QStringLiteral("truncated")
                            : QStringLiteral("not a readable JPEG picture"),
                QString::fromLocal8Bit(err->Text));
        return false;
    }
    jpeg_create_decompress(cinfo);
    cinfo->src = &src->Manager;
    cinfo->mem->max_memory_to_use = JpegMemoryLimit;
    jpeg_read_header(cinfo, TRUE);
    if (info)
        info->Declared = QSize(int(std::min<JDIMENSION>(cinfo->image_width, INT_MAX)),
                               int(std::min<JDIMENSION>(cinfo->image_height, INT_MAX)));
    cinfo->out_color_space = JCS_RGB; // 24-bit colour, whatever the file holds
    jpeg_start_decompress(cinfo);
    if (cinfo->output_components != 3) {
        jpeg_destroy_decompress(cinfo);
        if (info)
            info->Problem = QStringLiteral("an unsupported variant: its colours cannot be read "
                                           "as red, green and blue");
        return false;
    }
    if (cinfo->output_width > JDIMENSION(shown.width())) {
        JDIMENSION left = 0, width = JDIMENSION(shown.width());
        jpeg_crop_scanline(cinfo, &left, &width); // widened to whole blocks
    }
    const int w = int(std::min<JDIMENSION>(cinfo->output_width, JDIMENSION(shown.width())));
    const int h = int(std::min<JDIMENSION>(cinfo->output_height, JDIMENSION(shown.height())));
    *out = QImage(w, h, QImage::Format_RGB888);
    row->resize(size_t(cinfo->output_width) * 3);
    if (out->isNull()) {
        jpeg_destroy_decompress(cinfo);
        if (info)
            info->Problem = QStringLiteral("too large to decode");
        return false;
    }
    while (int(cinfo->output_scanline) < h) {
        const int y = int(cinfo->output_scanline);
        JSAMPROW line = row->data();
        if (jpeg_read_scanlines(cinfo, &line, 1) != 1)
            break;
        std::memcpy(out->scanLine(y), row->data(), size_t(w) * 3);
    }
    // The rows below are never shown; the rest of the file is not read.
    const bool complete = int(cinfo->output_scanline) >= h && !err->DataMissing;
    jpeg_destroy_decompress(cinfo);
    if (!complete && info)
        info->Problem = QStringLiteral("truncated");
    return complete;
}

} // namespace

QImage DecodeBitmap(IByteSource& source, QSize shown, TPictureInfo* info) {
    TPictureInfo ignored;
    TPictureInfo& found = info ? *info : ignored;
    found = TPictureInfo();
    TBitmapHeader h;
    if (!ReadHeader(source, h, found.Problem))
        return {};
    found.Declared =
        QSize(int(std::min<qint64>(h.Width, INT_MAX)), int(std::min<qint64>(h.Height, INT_MAX)));
    QImage out(int(std::min<qint64>(h.Width, shown.width())),
               int(std::min<qint64>(h.Height, shown.height())), QImage::Format_RGB32);
    if (out.isNull()) {
        found.Problem = QStringLiteral("too large to decode");
        return {};
    }
    // What run-length data leaves undrawn has the first palette colour.
    out.fill(h.Bits <= 8 ? h.Palette[0] : qRgb(0, 0, 0));
    const bool ok = h.Compression == Rle8 || h.Compression == Rle4 ? ReadEncodedRows(source, h, out)
                                                                   : ReadPlainRows(source, h, out);
    if (!ok)
        found.Problem = QStringLiteral("truncated");
    return ok ? out : QImage();
}

QImage DecodeJpeg(IByteSource& source, QSize shown, TPictureInfo* info) {
    if (info)
        *info = TPictureInfo();
    if (source.Size() == 0) {
        if (info)
            info->Problem = QStringLiteral("an empty file");
        return {};
    }
    jpeg_decompress_struct cinfo;
    TJpegError err;
    cinfo.err = jpeg_std_error(&err.Manager);
    err.Manager.error_exit = JpegFail;
    err.Manager.emit_message = JpegMessage;
    auto src = std::make_unique<TJpegSource>();
    src->Manager.init_source = SourceInit;
    src->Manager.fill_input_buffer = SourceFill;
    src->Manager.skip_input_data = SourceSkip;
    src->Manager.resync_to_restart = jpeg_resync_to_restart;
    src->Manager.term_source = SourceTerm;
    src->Manager.next_input_byte = nullptr;
    src->Manager.bytes_in_buffer = 0;
    src->Bytes = &source;
    src->Offset = 0;
    QImage image;
    std::vector<JSAMPLE> row;
    if (!DecodeInto(&cinfo, &err, src.get(), shown, &image, &row, info))
        return {};
    return image;
}

} // namespace pictures
