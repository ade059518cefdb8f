// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/SkinMaker.h"

#include "skins/Pictures.h"
#include "skins/Skin.h"
#include "skins/SkinCheck.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <algorithm>

QImage TSkinMaker::Fill(const QImage& picture, QSize size, bool upscale) {
    if (picture.isNull())
        return {};
    const double scale =
        std::max(double(size.width()) / picture.width(), double(size.height()) / picture.height());
    if (scale > 1.0 && !upscale)
        return {};
    const QImage covering =
        picture.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return covering
        .copy((covering.width() - size.width()) / 2, (covering.height() - size.height()) / 2,
              size.width(), size.height())
        .convertToFormat(QImage::Format_RGB32);
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

bool TSkinMaker::Make(const QString& folder, const QString& picture, QString* why) {
    QImageReader reader(picture);
    reader.setAutoTransform(true); // a photograph's orientation
    const QImage image = reader.read();
    if (image.isNull()) {
        *why = QStringLiteral("cannot read %1: %2").arg(picture, reader.errorString());
        return false;
    }
    const QDir dir(folder);
    if (dir.exists() && !dir.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        *why = QStringLiteral("%1 is not empty: a skin is made only in a new folder").arg(folder);
        return false;
    }
    if (!QDir().mkpath(folder)) {
        *why = QStringLiteral("cannot make the folder %1").arg(folder);
        return false;
    }
    const QImage back = Fill(image, pictures::ShownSize, true);
    const QImage back2x = Fill(image, pictures::ShownSize2x, false);
    if (!back.save(dir.filePath(QStringLiteral("Back.jpg")), "JPG", 92) ||
        (!back2x.isNull() &&
         !back2x.save(dir.filePath(QStringLiteral("Back@2x.jpg")), "JPG", 92))) {
        *why = QStringLiteral("cannot write the pictures into %1").arg(folder);
        return false;
    }
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
    QFile custom(dir.filePath(QStringLiteral("Custom.txt")));
    if (!custom.open(QIODevice::WriteOnly) || custom.write(text.toUtf8()) != text.toUtf8().size()) {
        *why = QStringLiteral("cannot write %1").arg(custom.fileName());
        return false;
    }
    return true;
}
