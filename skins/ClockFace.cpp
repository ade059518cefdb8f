// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/ClockFace.h"

#include "skins/DigitGlyphs.h"
#include "skins/Pictures.h"
#include "skins/Skin.h"

#include <QBackingStore>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <cmath>
#include <utility>

namespace {

// The layout rectangle (at offset in the window) widened to cover whole device pixels: at
// a ratio of 1.5 the boxes' edges fall on half pixels, and a repaint must not leave the
// half-covered pixel at its edge as it was.
QRect WholeDevicePixels(const QRect& rect, QPoint offset, qreal ratio) {
    if (ratio == std::floor(ratio))
        return rect;
    const QRectF layout(rect.translated(offset));
    const QPointF topLeft(std::floor(layout.left() * ratio), std::floor(layout.top() * ratio));
    const QPointF bottomRight(std::ceil(layout.right() * ratio),
                              std::ceil(layout.bottom() * ratio));
    return QRectF(topLeft / ratio, bottomRight / ratio).toAlignedRect().translated(-offset);
}

// The centre of each box in a skin, in the boxes' order.
std::array<QPoint, TClockFace::Boxes> Centres(const TSkin& skin) {
    return {skin.DaysPos, skin.HoursPos, skin.MinutesPos, skin.SecondsPos};
}

} // namespace

TClockFace::TClockFace(QWidget* window, TImage* back, const std::array<TPaintBox*, Boxes>& boxes)
    : Window(window), Background(back), Fields(boxes) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(24);
    font.setBold(true);
    Window->setFont(font);
    SetNumberColour(Qt::white);
}

TClockFace::TClockFace(QWidget* window)
    : TClockFace(window, new TImage(window),
                 {new TPaintBox(window), new TPaintBox(window), new TPaintBox(window),
                  new TPaintBox(window)}) {
    // The design's layout: the skin's defaults place the boxes where the clock's layout has
    // them.
    Window->setFixedSize(pictures::ShownSize);
    Background->setGeometry(QRect(QPoint(0, 0), pictures::ShownSize));
    const std::array<QPoint, Boxes> centres = Centres(TSkin());
    for (int i = 0; i < Boxes; ++i) {
        TPaintBox* box = Fields[size_t(i)];
        box->setGeometry(
            TSkin::FieldAt(centres[size_t(i)], i == 0 ? TSkin::DaysFieldSize : TSkin::FieldSize));
        box->OnPaint = [this](TPaintBox* sender) { Paint(sender); };
    }
}

TClockFace::~TClockFace() = default;

bool TClockFace::WantsDoubleSize() const {
    return Window->devicePixelRatioF() > 1.0;
}

void TClockFace::ApplySkin(const TSkin& skin) {
    {
        // From the top-left corner, at the picture's own size in layout pixels: at a
        // device pixel ratio above 1 the double-size picture, else the picture, scaled
        // smoothly to the canvas's device pixels (the double-size one exactly at 2).
        QImage& canvas = Background->Canvas();
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        if (canvas.devicePixelRatio() == 1.0) {
            painter.drawImage(0, 0, skin.Background);
        } else {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            const QImage& picture =
                skin.Background2x.isNull() ? skin.Background : skin.Background2x;
            const QSizeF size =
                skin.Background2x.isNull() ? QSizeF(picture.size()) : QSizeF(picture.size()) / 2;
            painter.drawImage(QRectF(QPointF(0, 0), size), picture);
        }
    }
    Background->update();

    QFont f = Window->font();
    f.setFamily(skin.FontName);
    f.setPixelSize(TSkin::PointsToPixels(skin.FontSize));
    Window->setFont(f);
    const std::uint32_t c = skin.FontColor;
    SetNumberColour(QColor(int(c & 0xff), int(c >> 8 & 0xff), int(c >> 16 & 0xff)));

    const std::array<QPoint, Boxes> centres = Centres(skin);
    for (int i = 0; i < Boxes; ++i) {
        TPaintBox* box = Fields[size_t(i)];
        box->move(TSkin::FieldAt(centres[size_t(i)], box->size()).topLeft());
    }
}

void TClockFace::SetNumberColour(const QColor& colour) {
    QPalette pal = Window->palette();
    pal.setColor(QPalette::WindowText, colour);
    Window->setPalette(pal);
    NumberPen = QPen(colour); // made once here, not at every tick
}

void TClockFace::ShowNumbers(const std::array<std::int32_t, Boxes>& numbers) {
    for (int i = 0; i < Boxes; ++i)
        UpdateBox(Fields[size_t(i)], numbers[size_t(i)]);
}

void TClockFace::UpdateBox(TPaintBox* box, std::int32_t value) {
    if (box->Tag == value)
        return;
    box->Tag = value;
    // A pixel can change only under the ink of a digit that changed or moved, the old one's
    // or the new one's: repainting just that sends the X server a few hundred pixels
    // instead of the whole box.
    const TNumberPlace place = PlaceNumber(box);
    QRect rect = box->rect();
    if (place.FromDigits() && place.Glyphs == box->Shown.Glyphs) {
        const QRect changed = Digits->Changed(box->Shown.Text, box->Shown.X, box->Shown.Baseline,
                                              place.Text, place.X, place.Baseline);
        rect &= WholeDevicePixels(changed.isNull() ? box->Shown.Ink | place.Ink : changed,
                                  box->pos(), Window->devicePixelRatioF());
    }
    if (!PaintOnWindow(box, place, rect))
        box->repaint(rect);
}

bool TClockFace::PaintOnWindow(TPaintBox* box, const TNumberPlace& place, const QRect& rect) {
    // Where only the background lies under the change, the new number goes straight into
    // the window's buffer, as the widgets would paint it: an idle clock spends most of its
    // second's work walking the widgets otherwise. Anything less plain takes that way.
    QWindow* window = Window->windowHandle();
    QBackingStore* store = Window->backingStore();
    if (!place.FromDigits() || rect.isEmpty() || !box->isVisible() || !Background->HasCanvas() ||
        !window || !window->isExposed() || !store)
        return false;
    const QRect area = rect.translated(box->pos());
    if (!Background->isVisible() || !Background->geometry().contains(area))
        return false;
    for (const TPaintBox* other : Fields)
        if (other != box && other->isVisible() &&
            area.intersects(
                (other->Shown.Ink.isNull() ? other->rect() : other->Shown.Ink & other->rect())
                    .translated(other->pos())))
            return false;
    const QRegion region(area);
    store->beginPaint(region);
    {
        QPainter painter(store->paintDevice());
        if (!rect.contains(place.Ink))
            painter.setClipRect(area); // the digits that stay, and the box's edge
        const QImage& canvas = Background->Canvas();
        const QRectF source(area.translated(-Background->pos()));
        const qreal ratio = canvas.devicePixelRatio();
        painter.drawImage(QRectF(area), canvas,
                          QRectF(source.topLeft() * ratio, source.size() * ratio));
        painter.setPen(NumberPen);
        Digits->Draw(painter, box->x() + place.X, box->y() + place.Baseline, place.Text);
    }
    store->endPaint();
    store->flush(region, window);
    box->PaintedOnWindow(rect, place);
    return true;
}

TNumberPlace TClockFace::PlaceNumber(const TPaintBox* box) {
    TNumberPlace place;
    place.Text = QString::number(box->Tag);
    const QFont& font = box->font();
    // The number is drawn from the font's digits shaped once, as long as that gives the
    // same pixels as laying the text out; other text is laid out each time.
    if (!Digits || Digits->Font() != font) {
        Digits = std::make_unique<TDigitGlyphs>(font);
        ++DigitsShaping;
    }
    int w = 0;
    if (Digits->Measure(place.Text, w))
        place.Glyphs = DigitsShaping;
    else
        w = QFontMetrics(font).horizontalAdvance(place.Text);
    const int h = Digits->Height();
    place.X = box->width() / 2 - w / 2;
    place.Baseline = box->height() / 2 - h / 2 + Digits->Ascent();
    if (place.FromDigits())
        place.Ink = Digits->Ink(place.Text, place.X, place.Baseline);
    return place;
}

void TClockFace::Paint(TPaintBox* box) {
    const TNumberPlace place = PlaceNumber(box);
    box->Shown = place;
    // A neighbour's repaint reaching into this box where its number has no ink leaves
    // every pixel as it is.
    if (place.FromDigits() && !place.Ink.intersects(box->LastPaintRect))
        return;
    QPainter painter(box);
    painter.setPen(NumberPen);
    if (place.FromDigits()) {
        Digits->Draw(painter, place.X, place.Baseline, place.Text);
    } else {
        painter.setFont(box->font());
        painter.drawText(place.X, place.Baseline, place.Text);
    }
}
