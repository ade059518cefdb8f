#include "skins/Skin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringDecoder>
#include <QtEndian>
#include <csetjmp>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>
#include <limits>

namespace {

// A picture this big would take hundreds of megabytes; no skin needs it.
constexpr qint64 MaxPicturePixels = 100'000'000;

bool AcceptableSize(int width, int height) {
    return width > 0 && height > 0 && width <= TSkin::MaxPictureSide &&
           height <= TSkin::MaxPictureSide && qint64(width) * height <= MaxPicturePixels;
}

// An uncompressed bitmap whose header promises more rows than the file holds would be
// read with made-up pixels; such a file is as broken as an unreadable one.
bool BitmapDataComplete(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    char head[54];
    if (file.read(head, sizeof head) != qint64(sizeof head) || head[0] != 'B' || head[1] != 'M')
        return true; // not a Windows bitmap header: the reader judges it
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(head + at); };
    const auto s32 = [&](int at) { return qFromLittleEndian<qint32>(head + at); };
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(head + at); };
    const quint32 headerSize = u32(14);
    const quint32 compression = headerSize >= 40 ? u32(30) : 0;
    if (headerSize < 40 || (compression != 0 && compression != 3))
        return true;
    const qint64 width = s32(18), height = std::abs(qint64(s32(22)));
    const qint64 rowBytes = (width * u16(28) + 31) / 32 * 4;
    return qint64(u32(10)) + rowBytes * height <= file.size();
}

// A background is an opaque picture: a fourth byte or alpha mask in the file, often zero
// as many tools write it, is not transparency.
QImage Opaque(QImage image) {
    if (!image.hasAlphaChannel())
        return image;
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    image.reinterpretAsFormat(QImage::Format_RGB32);
    return image;
}

QImage ReadBitmap(const QString& path) {
    if (!BitmapDataComplete(path))
        return {};
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(int(MaxPicturePixels * 4 / (1024 * 1024)));
    const QSize size = reader.size();
    if (size.isValid() && !AcceptableSize(size.width(), size.height()))
        return {};
    QImage image = reader.read();
    if (image.isNull() || !AcceptableSize(image.width(), image.height()))
        return {};
    return Opaque(std::move(image));
}

// Single-byte text from a settings file: UTF-8 when it is valid UTF-8, else Latin-1.
QString TextOf(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// Formatted input over a byte buffer, with the rules of the scanf family.
class TScanner {
public:
    explicit TScanner(const QByteArray& text) : Text(text) {}

    // The first line as a line reader with a 256-byte buffer returns it: at most 255
    // bytes, the line end included. False at the end of the input.
    bool ReadLine(QByteArray& line) {
        if (Pos >= Text.size())
            return false;
        const qsizetype start = Pos;
        while (Pos < Text.size() && Pos - start < 255) {
            if (Text[Pos++] == '\n')
                break;
        }
        line = Text.mid(start, Pos - start);
        return true;
    }

    // "%d": white space skipped, an optional sign, then decimal digits.
    bool ReadInt(std::int32_t& value) {
        while (Pos < Text.size() && IsSpace(Text[Pos]))
            ++Pos;
        bool negative = false;
        if (Pos < Text.size() && (Text[Pos] == '+' || Text[Pos] == '-'))
            negative = Text[Pos++] == '-';
        const qsizetype digits = Pos;
        qint64 n = 0;
        while (Pos < Text.size() && Text[Pos] >= '0' && Text[Pos] <= '9') {
            // Out-of-range numbers saturate rather than wrap.
            n = std::min<qint64>(n * 10 + (Text[Pos] - '0'), qint64(1) << 40);
            ++Pos;
        }
        if (Pos == digits)
            return false;
        n = negative ? -n : n;
        value = std::int32_t(std::clamp<qint64>(n, std::numeric_limits<std::int32_t>::min(),
                                                std::numeric_limits<std::int32_t>::max()));
        return true;
    }

    // A format of n "%d" conversions separated by blanks: how many were converted
    // before the first that failed.
    int Scan(std::int32_t* values[], int n) {
        for (int i = 0; i < n; ++i)
            if (!ReadInt(*values[i]))
                return i;
        return n;
    }

private:
    static bool IsSpace(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    }

    const QByteArray& Text;
    qsizetype Pos = 0;
};

struct TJpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Escape;
    bool Truncated = false;
};

void JpegFail(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<TJpegError*>(cinfo->err)->Escape, 1);
}

void JpegMessage(j_common_ptr cinfo, int level) {
    // A file that ends early decodes as grey padding; such a picture counts as broken.
    auto* err = reinterpret_cast<TJpegError*>(cinfo->err);
    if (level < 0 && err->Manager.msg_code == JWRN_JPEG_EOF)
        err->Truncated = true;
}

} // namespace

namespace {

// The decoder reports fatal errors by a long jump back here. Everything it may touch
// lives in the caller's frame and is reached through pointers that never change after
// setjmp, so nothing is indeterminate after the jump.
bool DecodeInto(const QByteArray* data, jpeg_decompress_struct* cinfo, TJpegError* err,
                QImage* out) {
    if (setjmp(err->Escape)) {
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    jpeg_create_decompress(cinfo);
    jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char*>(data->constData()),
                 static_cast<unsigned long>(data->size()));
    jpeg_read_header(cinfo, TRUE);
    if (!AcceptableSize(int(std::min<JDIMENSION>(cinfo->image_width, 1 << 30)),
                        int(std::min<JDIMENSION>(cinfo->image_height, 1 << 30)))) {
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    cinfo->out_color_space = JCS_RGB; // 24-bit colour, whatever the file holds
    cinfo->scale_num = cinfo->scale_denom = 1;
    jpeg_start_decompress(cinfo);
    *out = QImage(int(cinfo->output_width), int(cinfo->output_height), QImage::Format_RGB888);
    if (out->isNull() || cinfo->output_components != 3) {
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = out->scanLine(int(cinfo->output_scanline));
        jpeg_read_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_decompress(cinfo);
    jpeg_destroy_decompress(cinfo);
    return !err->Truncated;
}

} // namespace

QImage DecodeJpeg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    if (data.isEmpty())
        return {};
    jpeg_decompress_struct cinfo;
    TJpegError err;
    cinfo.err = jpeg_std_error(&err.Manager);
    err.Manager.error_exit = JpegFail;
    err.Manager.emit_message = JpegMessage;
    QImage image;
    if (!DecodeInto(&data, &cinfo, &err, &image))
        return {};
    return image;
}

QString FindSkinFile(const QString& folder, const QString& name) {
    const QString exact = folder + name;
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList entries =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + entry;
    return {};
}

bool ParseCustomText(const QByteArray& raw, TSkin& skin) {
    // Read as a text file is: a CR LF pair is one line end.
    QByteArray text = raw;
    text.replace("\r\n", "\n");
    TScanner in(text);
    bool failed = false;

    QByteArray line;
    if (in.ReadLine(line)) {
        qsizetype begin = 0, end = line.size();
        while (begin < end && quint8(line[begin]) <= 32)
            ++begin;
        while (end > begin && quint8(line[end - 1]) <= 32)
            --end;
        skin.FontName = TextOf(line.mid(begin, end - begin));
    } else {
        failed = true;
    }

    std::int32_t* size[] = {&skin.FontSize};
    failed = in.Scan(size, 1) != 1 || failed;

    std::int32_t r = 255, g = 255, b = 255;
    std::int32_t* colour[] = {&r, &g, &b};
    failed = in.Scan(colour, 3) != 3 || failed;
    skin.FontColor = std::uint32_t(std::clamp(r, 0, 255)) |
                     std::uint32_t(std::clamp(g, 0, 255)) << 8 |
                     std::uint32_t(std::clamp(b, 0, 255)) << 16;

    for (QPoint* p : {&skin.DaysPos, &skin.HoursPos, &skin.MinutesPos, &skin.SecondsPos}) {
        std::int32_t x = p->x(), y = p->y();
        std::int32_t* point[] = {&x, &y};
        failed = in.Scan(point, 2) != 2 || failed;
        *p = QPoint(x, y);
    }
    return !failed;
}

void TSkin::SetDefaults() {
    Background = QImage();
    FontName = QStringLiteral("Times New Roman");
    FontSize = 18;
    FontColor = 0x00FFFFFF;
    DaysPos = QPoint(111, 52);
    HoursPos = QPoint(150, 52);
    MinutesPos = QPoint(186, 52);
    SecondsPos = QPoint(222, 52);
}

bool TSkin::LoadBackground(const QString& base) {
    const qsizetype slash = base.lastIndexOf(QLatin1Char('/'));
    const QString folder = base.left(slash + 1);
    const QString name = base.mid(slash + 1);
    // A bitmap that exists wins, even when it cannot be decoded.
    const QString bmp = FindSkinFile(folder, name + QStringLiteral(".bmp"));
    if (!bmp.isEmpty()) {
        Background = ReadBitmap(bmp);
        return !Background.isNull();
    }
    const QString jpg = FindSkinFile(folder, name + QStringLiteral(".jpg"));
    if (!jpg.isEmpty()) {
        Background = DecodeJpeg(jpg);
        return !Background.isNull();
    }
    return false;
}

bool TSkin::LoadFromFolder(const QString& folder) {
    SetDefaults();
    const QString dir = folder + QLatin1Char('/');
    if (!QFileInfo(dir).isDir())
        return false;
    if (!LoadBackground(dir + QStringLiteral("Back")))
        return false;
    const QString custom = FindSkinFile(dir, QStringLiteral("Custom.txt"));
    if (custom.isEmpty())
        return true;
    QFile file(custom);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    // A settings file is a few lines; anything beyond 64 KiB is not one.
    return ParseCustomText(file.read(65536), *this);
}
