// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: one clock window, chosen by the first command-line argument.

#include "app/MainUnit.h"
#include "platform/Display.h"
#include "platform/Locale.h"
#include "platform/QuitSignals.h"
#include "platform/SessionBus.h"
#include "platform/Translations.h"
#include "shell/AboutUnit.h"
#include "shell/TrayIcon.h"
#include "widgets/ErrorGuard.h"

#include <QApplication>
#include <cstdio>
#include <memory>

namespace {

const char* const Help =
    "usage: korvane5 [CLOCK]\n"
    "Shows clock CLOCK (0 to 4, shown as Clock 1 to Clock 5; clock 0 when it is missing or\n"
    "not a number), a skinnable countdown clock on the X11 desktop. Everything else is in\n"
    "the menu of a right click on the clock, or of its icon in the notification area.\n"
    "\n"
    "  -h, --help     show this help and end\n"
    "      --version  show the version and end\n"
    "\n"
    "Settings: ~/.config/korvane5/settings.db (see korvane5-settings); your own skins:\n"
    "~/.local/share/korvane5/Skins (see korvane5-skin). More in man korvane5.\n";

} // namespace

int main(int argc, char** argv) {
    platform::PrepareLocale();
    // Asked for help or the version, the program answers and ends, with or without a
    // display; any other first argument names a clock.
    if (argc > 1) {
        const QByteArray first = argv[1];
        if (first == "--help" || first == "-h") {
            std::fputs(Help, stdout);
            return 0;
        }
        if (first == "--version") {
            std::puts("korvane5 " KORVANE5_VERSION);
            return 0;
        }
    }
    // The clock sends one small box a second. Through shared memory every such flush waits
    // for the X server's reply and then its completion event, waking the program twice
    // more each second; sent as a plain picture it is one write and no reply.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    // Without a display there is no window to show a message in: one line says why.
    if (const QString problem = platform::PrepareDisplay(); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        return 0;
    }
    // The command line is the program's alone: Qt sees none of it, so "-platform 3" or
    // "-reverse 3" means what any other first argument means. Qt takes its settings from
    // the environment.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    platform::TSessionBus::Prepare();
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane5"));
    QApplication::setWindowIcon(ProgramIcon());
    platform::LoadTranslations();
    try {
        std::unique_ptr<TMainForm> mainForm;
        platform::TQuitSignals quitSignals([&mainForm] {
            if (mainForm)
                mainForm->close();
        });
        mainForm = std::make_unique<TMainForm>(arguments);
        // A signal that came during a message box of the start-up ends the program here;
        // the main window's destruction saves as the close path does.
        if (quitSignals.Requested())
            return 0;
        const auto aboutForm = std::make_unique<TAboutForm>();
        AboutForm = aboutForm.get();
        mainForm->show();
        mainForm->ReportStoreNotice();
        if (!quitSignals.Requested())
            app.exec();
    } catch (...) {
        widgets::ShowException(common::CurrentExceptionMessage());
    }
    return 0;
}
