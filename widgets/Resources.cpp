// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Resources.h"

#include <QApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QtCore/qglobal.h>

#include <algorithm>

// Outside any namespace: the macro declares the generated registration function.
static void RegisterResources() {
    Q_INIT_RESOURCE(resources);
}

QPixmap widgets::ResourcePicture(const QString& path) {
    InitResources();
    QImageReader reader(path, path.mid(path.lastIndexOf(QLatin1Char('.')) + 1).toLatin1());
    reader.setAutoDetectImageFormat(false); // else Qt asks every plugin first
    return QPixmap::fromImageReader(&reader);
}

namespace {
QString DoubleSizeName(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}
} // namespace

QPixmap widgets::ResourcePicture(const QString& path, qreal ratio) {
    if (ratio > 1.0) {
        QPixmap doubleSize = ResourcePicture(DoubleSizeName(path));
        if (!doubleSize.isNull()) {
            doubleSize.setDevicePixelRatio(2.0);
            return doubleSize;
        }
    }
    return ResourcePicture(path);
}

QIcon widgets::ResourcePictureIcon(const QString& path, qreal ratio) {
    QIcon icon(ResourcePicture(path));
    if (ratio > 1.0)
        icon.addPixmap(ResourcePicture(DoubleSizeName(path))); // picked for the larger size
    return icon;
}

namespace {

class TResourceIconEngine : public QIconEngine {
public:
    TResourceIconEngine(QString pattern, QList<int> sizes)
        : Pattern(std::move(pattern)), Sizes(std::move(sizes)) {
        std::sort(Sizes.begin(), Sizes.end());
    }
    // As Qt's own icons choose: the smallest picture at least as large, else the largest,
    // scaled down to fit.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        if (Sizes.isEmpty())
            return {};
        return QSize(Best(size), Best(size)).boundedTo(size);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        if (Sizes.isEmpty() || size.isEmpty())
            return {};
        QPixmap picture = widgets::ResourcePicture(Pattern.arg(Best(size)));
        const QSize fit = actualSize(size, mode, QIcon::Off);
        if (picture.size() != fit)
            picture = picture.scaled(fit, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
            // Disabled and selected looks come from the style, as for Qt's own icons.
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            const QPixmap styled =
                QApplication::style()->generatedIconPixmap(mode, picture, &option);
            if (!styled.isNull())
                picture = styled;
        }
        return picture;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        const QSize shown = picture.deviceIndependentSize().toSize();
        painter->drawPixmap(QRect(rect.topLeft() + QPoint((rect.width() - shown.width()) / 2,
                                                          (rect.height() - shown.height()) / 2),
                                  shown),
                            picture);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int side : Sizes)
            sizes << QSize(side, side);
        return sizes;
    }
    QString key() const override { return QStringLiteral("TResourceIconEngine"); }
    QIconEngine* clone() const override { return new TResourceIconEngine(Pattern, Sizes); }

private:
    int Best(const QSize& size) const {
        const int wanted = std::max(size.width(), size.height());
        const auto larger = std::lower_bound(Sizes.begin(), Sizes.end(), wanted);
        return larger == Sizes.end() ? Sizes.back() : *larger;
    }

    QString Pattern;
    QList<int> Sizes;
};

} // namespace

QIcon widgets::ResourceIcon(const QString& pattern, const QList<int>& sizes) {
    return QIcon(new TResourceIconEngine(pattern, sizes)); // the icon owns its engine
}

void widgets::InitResources() {
    // The resources live in a static library, whose static initialisers a linker may drop.
    static const bool once = (RegisterResources(), true);
    (void)once;
}
