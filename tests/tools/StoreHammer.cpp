// SPDX-License-Identifier: GPL-3.0-or-later
// Saves one clock's settings over and over, as a clock process does at each loss of
// activation. Each save k writes Left = Top = the target = k (counting 1 to 1000 and
// round again), so a reader can tell a whole group from a torn one.
//
//   korvane5-store-hammer CLOCK COUNT     COUNT saves (0: until killed); prints "ready"
//                                         after the first and "done" at the end

#include "app/MainUnit.h"
#include "store/SettingsStore.h"
#include "widgets/ErrorGuard.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const int count = atoi(argv[2]);
    // No skins beside this helper: the chooser's message must not wait for a click.
    widgets::SetMessageReporter([](const QString&) {});
    TMainForm form({QString::fromLatin1(argv[1])});
    for (int k = 1; count == 0 || k <= count; ++k) {
        const int v = 1 + (k - 1) % 1000; // never 0, which a reader takes for "not saved"
        form.move(v, v);
        form.TargetDateTime = v;
        // Saves in a tight loop meet the others' far more often than clocks do: each may
        // wait long enough for its turn, so that every group lands.
        const store::TSettingsStore::TWait patient(store::TSettingsStore::User(), 10000);
        form.SaveSettings();
        if (k == 1) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
    std::puts("done");
    return 0;
}
