// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DialogFrame.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <algorithm>

#include "platform/X11Window.h"

#include <QEvent>
#include <QFont>
#include <QPixmapCache>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace widgets {

namespace {

// Runs at every showing, after Qt has made the native window and before it is mapped.
class TDialogPlacer : public QObject {
public:
    TDialogPlacer(QWidget* dialog, TTitleButtons buttons) : QObject(dialog), Buttons(buttons) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* dialog = static_cast<QWidget*>(watched);
            CentreOnScreen(dialog);
            // Qt asks for resizing whatever the flags say, so the hints are written here.
            platform::SetDialogDecorations(dialog, Buttons == TTitleButtons::CloseBox);
        }
        return false;
    }

private:
    TTitleButtons Buttons;
};

// QWidget::destroy is what Qt itself does to a hidden window whose flags change; it is
// reached here through a member pointer named by a derived class.
struct TWindowReleaser : QWidget {
    static void Release(QWidget* window) { (window->*&TWindowReleaser::destroy)(true, true); }
};

class TReleaseWhenHidden : public QObject {
public:
    explicit TReleaseWhenHidden(QWidget* window) : QObject(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            // After the hiding has run its course, and only if nothing showed it again.
            QTimer::singleShot(0, this, [window = QPointer(static_cast<QWidget*>(watched))] {
                if (!window || window->isVisible() || !window->windowHandle())
                    return;
                TWindowReleaser::Release(window);
                // The style's cached drawings of the window's controls go with it.
                QPixmapCache::clear();
#ifdef __GLIBC__
                malloc_trim(0); // the freed pictures sit at the heap's top
#endif
            });
        }
        return false;
    }
};

} // namespace

void ReleaseWhenHidden(QWidget* window) {
    window->installEventFilter(new TReleaseWhenHidden(window));
}

void SetupDialog(QWidget* dialog, QSize clientSize, TTitleButtons buttons) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::MSWindowsFixedSizeDialogHint;
    if (buttons == TTitleButtons::CloseBox)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    dialog->setWindowFlags(flags);
    dialog->setFixedSize(clientSize);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    dialog->setFont(font);
    dialog->installEventFilter(new TDialogPlacer(dialog, buttons));
    ReleaseWhenHidden(dialog);
}

int TextWidthNeeded(const QWidget* control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return QFontMetrics(button->font()).size(Qt::TextShowMnemonic, button->text()).width() + 8;
    return control->sizeHint().width();
}

void FitLabel(QWidget* label, QWidget* field) {
    const int extra = TextWidthNeeded(label) - label->width();
    if (extra <= 0)
        return;
    label->resize(label->width() + extra, label->height());
    field->setGeometry(field->x() + extra, field->y(), field->width() - extra, field->height());
}

void FitButtonColumn(const QList<QWidget*>& buttons, QWidget* left) {
    int extra = 0;
    for (const QWidget* button : buttons)
        extra = std::max(extra, TextWidthNeeded(button) - button->width());
    if (extra <= 0)
        return;
    for (QWidget* button : buttons)
        button->setGeometry(button->x() - extra, button->y(), button->width() + extra,
                            button->height());
    left->resize(left->width() - extra, left->height());
}

void FitButtonRow(const QList<QWidget*>& buttons) {
    for (QWidget* button : buttons) {
        const int extra = TextWidthNeeded(button) - button->width();
        if (extra > 0)
            button->setGeometry(button->x() - extra / 2, button->y(), button->width() + extra,
                                button->height());
    }
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->size();
    // setGeometry places the client area; move() would place the frame once Qt knows it.
    window->setGeometry(QRect(area.topLeft() + QPoint((area.width() - size.width()) / 2,
                                                      (area.height() - size.height()) / 2),
                              size));
}

} // namespace widgets
