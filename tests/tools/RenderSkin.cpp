// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the clock window with a skin, by the program's own code on the offscreen
// platform: what the end-to-end tests compare screenshots with, and how the bundled
// skins are looked at.
//
//   korvane5-render [--scale RATIO] SKIN-FOLDER OUT.png [DAYS HOURS MINUTES SECONDS]
//
// At a ratio above 1 the window is drawn in device pixels (500 x 180 at 2), with the
// skin's double-size picture where it has one.

#include "app/MainUnit.h"
#include "skins/Skin.h"
#include "widgets/ErrorGuard.h"
#include "widgets/PaintBox.h"

#include <QApplication>
#include <QTest>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2 && QByteArray(argv[1]) == "--scale") {
        qputenv("QT_SCALE_FACTOR", argv[2]);
        argc -= 2;
        argv += 2;
    } else {
        qunsetenv("QT_SCALE_FACTOR");
    }
    QApplication app(argc, argv);
    if (argc != 3 && argc != 7) {
        std::fprintf(stderr, "usage: korvane5-render [--scale RATIO] SKIN-FOLDER OUT.png "
                             "[D H M S]\n");
        return 2;
    }
    widgets::SetMessageReporter([](const QString&) {});
    TMainForm form({});
    auto skin = std::make_unique<TSkin>();
    if (!skin->LoadFromFolder(QString::fromLocal8Bit(argv[1]), form.WantsDoubleSize())) {
        std::fprintf(stderr, "korvane5-render: the skin does not load\n");
        return 1;
    }
    form.ApplySkin(std::move(skin));
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    if (argc == 7) {
        TPaintBox* boxes[] = {form.DaysPaint, form.HoursPaint, form.MinutesPaint,
                              form.SecondsPaint};
        for (int i = 0; i < 4; ++i)
            boxes[i]->Tag = atoi(argv[3 + i]);
    }
    return form.grab().save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
