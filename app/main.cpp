// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: one clock window, chosen by the first command-line argument.

#include "app/MainUnit.h"
#include "platform/Display.h"
#include "platform/QuitSignals.h"
#include "shell/AboutUnit.h"
#include "shell/TrayIcon.h"
#include "widgets/ErrorGuard.h"

#include <QApplication>
#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
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
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane5"));
    QApplication::setWindowIcon(ProgramIcon());
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
