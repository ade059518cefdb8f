// SPDX-License-Identifier: GPL-3.0-or-later
// A helper for the end-to-end tests: reads the virtual screen through Qt's X11 platform
// and compares pictures, so the Python scripts need no image library.
//
//   probe grab WINDOW-ID OUT.png          the window's pixels as the X server has them
//   probe diff A.png B.png X Y W H        pixels that differ inside the rectangle
//   probe mean IMAGE.png X Y W H          mean grey level inside the rectangle
//   probe managed                         maps a window and waits until the window manager
//                                         manages it: the desktop is ready for clients

#include <QDateTime>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <cstdio>
#include <xcb/xcb.h>

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: probe grab WID OUT | diff A B X Y W H | mean IMG X Y W H | ended EPOCH\n");
    return 2;
}

QRect RectFrom(char** argv) {
    return QRect(atoi(argv[0]), atoi(argv[1]), atoi(argv[2]), atoi(argv[3]));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const QByteArray cmd = argv[1];
    // The X server's own pixels, whatever scale the desktop asks the programs for.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    if (cmd == "grab" && argc == 4) {
        QGuiApplication app(argc, argv);
        const WId id = WId(QByteArray(argv[2]).toULongLong(nullptr, 0));
        const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(id);
        return shot.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
    }
    if (cmd == "diff" && argc == 8) {
        const QImage a(QString::fromLocal8Bit(argv[2])), b(QString::fromLocal8Bit(argv[3]));
        if (a.isNull() || b.isNull())
            return 1;
        const QRect r = RectFrom(argv + 4);
        long count = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    ++count;
        std::printf("%ld\n", count);
        return 0;
    }
    if (cmd == "mean" && argc == 7) {
        const QImage a(QString::fromLocal8Bit(argv[2]));
        if (a.isNull())
            return 1;
        const QRect r = RectFrom(argv + 3);
        double sum = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                sum += qGray(a.pixel(x, y));
        std::printf("%.2f\n", sum / double(r.width() * r.height()));
        return 0;
    }
    if (cmd == "ended" && argc == 3) {
        // The end-of-countdown text as the clock builds it, for a moment in seconds since
        // the epoch, in this environment's locale.
        const QDateTime moment =
            QDateTime::fromMSecsSinceEpoch(qint64(QByteArray(argv[2]).toDouble() * 1000));
        const QLocale locale;
        std::printf("The countdown to %s %s has ended.\n",
                    locale.toString(moment.date(), QLocale::LongFormat).toUtf8().constData(),
                    locale.toString(moment.time(), QLocale::ShortFormat).toUtf8().constData());
        return 0;
    }
    if (cmd == "managed" && argc == 2) {
        QGuiApplication app(argc, argv);
        QWindow window;
        window.resize(10, 10);
        window.show();
        auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
        if (!x11)
            return 1;
        xcb_connection_t* c = x11->connection();
        const char name[] = "WM_STATE";
        xcb_intern_atom_reply_t* atom =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
        if (!atom)
            return 1;
        // A window mapped while the window manager is still starting can be dropped: it is
        // shown again until one is managed.
        QElapsedTimer waited, shown;
        waited.start();
        shown.start();
        bool managed = false;
        while (!managed && !waited.hasExpired(10000)) {
            if (shown.hasExpired(1000)) {
                window.hide();
                window.show();
                shown.restart();
            }
            QCoreApplication::processEvents();
            xcb_get_property_reply_t* state =
                xcb_get_property_reply(c,
                                       xcb_get_property(c, 0, xcb_window_t(window.winId()),
                                                        atom->atom, XCB_ATOM_ANY, 0, 2),
                                       nullptr);
            managed = state && state->type != XCB_ATOM_NONE;
            free(state);
            if (!managed)
                QThread::msleep(20);
        }
        free(atom);
        return managed ? 0 : 1;
    }
    return Usage();
}
