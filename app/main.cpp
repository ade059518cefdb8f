// Program entry: one clock window, chosen by the first command-line argument.

#include "app/MainUnit.h"
#include "platform/Display.h"
#include "platform/Errors.h"
#include "platform/QuitSignals.h"
#include "platform/SettingsStore.h"
#include "shell/AboutUnit.h"
#include "shell/TrayIcon.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
    // Skins are pixel pictures: the window must not be scaled for the display's density.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    // Without a display there is no window to show a message in: one line says why.
    if (const QString problem = platform::PrepareDisplay(); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane5"));
    QApplication::setWindowIcon(ProgramIcon());
    try {
        std::unique_ptr<TMainForm> mainForm;
        platform::QuitSignals quitSignals([&mainForm] {
            if (mainForm)
                mainForm->close();
            else
                QCoreApplication::quit();
        });
        mainForm = std::make_unique<TMainForm>(QApplication::arguments().mid(1));
        const auto aboutForm = std::make_unique<TAboutForm>();
        AboutForm = aboutForm.get();
        mainForm->show();
        const QString notice = platform::TSettingsStore::User().TakeNotice();
        if (!notice.isEmpty())
            QMessageBox::warning(mainForm.get(), QApplication::applicationName(), notice);
        app.exec();
    } catch (...) {
        platform::ShowException(platform::CurrentExceptionMessage());
    }
    return 0;
}
