// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/SkinMaker.h"

#include "platform/RegularFile.h"
#include "skins/Pictures.h"
#include "skins/Skin.h"
#include "skins/SkinCheck.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QList>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QRect TSkinMaker::Covering(QSize picture, QSize size) {
    const double scale =
        std::max(double(size.width()) / picture.width(), double(size.height()) / picture.height());
    const QSize part(std::clamp(qRound(size.width() / scale), 1, picture.width()),
                     std::clamp(qRound(size.height() / scale), 1, picture.height()));
    return QRect(
        QPoint((picture.width() - part.width()) / 2, (picture.height() - part.height()) / 2), part);
}

QRgb TSkinMaker::NumberColour(const QImage& back) {
    const TSkin defaults;
    const QPoint centres[] = {defaults.DaysPos, defaults.HoursPos, defaults.MinutesPos,
                              defaults.SecondsPos};
    const QRgb candidates[] = {qRgb(255, 255, 255), qRgb(16, 16, 16)};
    QRgb best = candidates[0];
    double bestWorst = -1;
    for (const QRgb ink : candidates) {
        double worst = 21;
        for (int i = 0; i < 4; ++i) {
            const QRect box =
                TSkin::FieldAt(centres[i], i == 0 ? TSkin::DaysFieldSize : TSkin::FieldSize);
            const double under = TSkinCheck::MeanLuminance(back, box);
            if (under >= 0)
                worst = std::min(worst, TSkinCheck::Contrast(TSkinCheck::Luminance(ink), under));
        }
        if (worst > bestWorst) {
            bestWorst = worst;
            best = ink;
        }
    }
    return best;
}

namespace {

// What Make made, undone unless it is kept: the files, then the folders, deepest first.
class TMade {
public:
    ~TMade() {
        if (Kept)
            return;
        for (auto it = Files.rbegin(); it != Files.rend(); ++it)
            ::unlink(it->constData());
        for (auto it = Folders.rbegin(); it != Folders.rend(); ++it)
            ::rmdir(it->constData());
    }
    // The folder and those above it that do not exist yet.
    bool MakeFolder(const QByteArray& folder, QString* why) {
        for (qsizetype slash = folder.indexOf('/', 1);; slash = folder.indexOf('/', slash + 1)) {
            const QByteArray path = slash < 0 ? folder : folder.left(slash);
            if (::mkdir(path.constData(), 0777) == 0)
                Folders << path;
            else if (errno != EEXIST) {
                *why =
                    QStringLiteral("cannot make the folder %1: %2")
                        .arg(TSkinCheck::Shown(path), QString::fromLocal8Bit(std::strerror(errno)));
                return false;
            }
            if (slash < 0)
                return true;
        }
    }
    bool Write(const QByteArray& file, const QByteArray& bytes, QString* why) {
        QString reason;
        if (!platform::WriteWholeFile(file, bytes, &reason)) {
            *why = QStringLiteral("cannot write %1: %2").arg(TSkinCheck::Shown(file), reason);
            return false;
        }
        Files << file;
        return true;
    }
    bool Kept = false;

private:
    QList<QByteArray> Folders, Files;
};

QByteArray Jpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 92);
    return bytes;
}

// The picture cropped to the window's shape around its centre and scaled to fill it: at
// twice the size when it has the pixels for that, else at the window's. Only the crop is
// decoded where the format can, and it is cut before it is scaled, so that a picture of
// any shape costs little more than the result. Null, with why, when it cannot be read.
QImage ReadCovering(const QByteArray& path, QString* why) {
    const QString shown = TSkinCheck::Shown(path);
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *why = QStringLiteral("cannot read %1: %2")
                   .arg(shown, fd < 0 ? QString::fromLocal8Bit(std::strerror(errno))
                                      : QStringLiteral("not a regular file"));
        if (fd >= 0)
            ::close(fd);
        return {};
    }
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    QImageReader reader(&file);
    reader.setAutoTransform(true); // a photograph's orientation, turned after the reading
    const QSize declared = reader.size();
    if (!declared.isValid()) {
        *why = QStringLiteral("cannot read %1: %2").arg(shown, reader.errorString());
        return {};
    }
    if (!reader.supportsOption(QImageIOHandler::ClipRect) &&
        qint64(declared.width()) * declared.height() > TSkinMaker::MaxPixels) {
        *why = QStringLiteral("%1 is %2 x %3, more than %4 million pixels: this format is read "
                              "whole, at 4 bytes a pixel, so make it smaller first")
                   .arg(shown)
                   .arg(declared.width())
                   .arg(declared.height())
                   .arg(TSkinMaker::MaxPixels / (1024 * 1024));
        return {};
    }
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize upright = turned ? declared.transposed() : declared;
    const QRect part = TSkinMaker::Covering(upright, pictures::ShownSize);
    // A centred part stays centred when mirrored; turned, it is the other way round.
    const QSize size = part.size().width() >= pictures::ShownSize2x.width() &&
                               part.size().height() >= pictures::ShownSize2x.height()
                           ? pictures::ShownSize2x
                           : pictures::ShownSize;
    const QSize cut = turned ? part.size().transposed() : part.size();
    reader.setClipRect(QRect(
        QPoint((declared.width() - cut.width()) / 2, (declared.height() - cut.height()) / 2), cut));
    reader.setScaledSize(turned ? size.transposed() : size);
    const QImage image = reader.read();
    if (image.isNull())
        *why = QStringLiteral("cannot read %1: %2").arg(shown, reader.errorString());
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

bool TSkinMaker::Make(const QByteArray& folder, const QByteArray& picture, QString* why) {
    const QImage read = ReadCovering(picture, why);
    if (read.isNull())
        return false;
    const QString shown = TSkinCheck::Shown(folder);
    if (DIR* dir = ::opendir(folder.constData())) {
        bool empty = true;
        while (const dirent* entry = ::readdir(dir))
            empty =
                empty && (!std::strcmp(entry->d_name, ".") || !std::strcmp(entry->d_name, ".."));
        ::closedir(dir);
        if (!empty) {
            *why =
                QStringLiteral("%1 is not empty: a skin is made only in a new folder").arg(shown);
            return false;
        }
    }
    TMade made;
    if (!made.MakeFolder(folder, why))
        return false;
    const bool twice = read.size() == pictures::ShownSize2x;
    const QImage back =
        twice ? read.scaled(pictures::ShownSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
              : read;
    if (!made.Write(folder + "/Back.jpg", Jpeg(back), why) ||
        (twice && !made.Write(folder + "/Back@2x.jpg", Jpeg(read), why)))
        return false;
    // The default layout, as the bundled skins write it: one item a line.
    const TSkin defaults;
    const QRgb ink = NumberColour(back);
    QString text = QStringLiteral("%1\n%2\n%3 %4 %5\n")
                       .arg(defaults.FontName)
                       .arg(defaults.FontSize)
                       .arg(qRed(ink))
                       .arg(qGreen(ink))
                       .arg(qBlue(ink));
    for (const QPoint& c :
         {defaults.DaysPos, defaults.HoursPos, defaults.MinutesPos, defaults.SecondsPos})
        text += QStringLiteral("%1 %2\n").arg(c.x()).arg(c.y());
    if (!made.Write(folder + "/Custom.txt", text.toUtf8(), why))
        return false;
    made.Kept = true;
    return true;
}
