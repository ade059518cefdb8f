// Saves one clock's settings over and over, as a clock process does at each loss of
// activation. Each save k writes Left = Top = k and the target k, so a reader can tell a
// whole group from a torn one.
//
//   korvane5-store-hammer CLOCK COUNT     COUNT saves (0: until killed); prints "ready"
//                                         after the first and "done" at the end

#include "app/MainUnit.h"
#include "platform/Errors.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const int count = atoi(argv[2]);
    // No skins beside this helper: the chooser's message must not wait for a click.
    platform::SetMessageReporter([](const QString&) {});
    TMainForm form({QString::fromLatin1(argv[1])});
    for (int k = 1; count == 0 || k <= count; ++k) {
        form.move(k % 1000, k % 1000);
        form.TargetDateTime = k % 1000;
        form.SaveSettings();
        if (k == 1) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
    std::puts("done");
    return 0;
}
