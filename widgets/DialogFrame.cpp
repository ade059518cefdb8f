// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DialogFrame.h"

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
