// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry: one QApplication for the whole run, on the offscreen platform, with the
// settings store in a private folder so no test touches the user's own settings.

#include "platform/Translations.h"
#include "support/Seams.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    // A runtime folder of the run's own: without one Qt makes /tmp/runtime-<user> and
    // leaves it there.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(config.filePath("data")));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane5"));
    platform::LoadTranslations(QStringLiteral(KORVANE5_BINARY_DIR "/translations"));
    ::testing::InitGoogleTest(&argc, argv);
    // Each test starts with every seam the program's own, whatever the one before did.
    struct TResetSeams : ::testing::EmptyTestEventListener {
        void OnTestStart(const ::testing::TestInfo&) override { TTestSeams::Reset(); }
    };
    ::testing::UnitTest::GetInstance()->listeners().Append(new TResetSeams);
    return RUN_ALL_TESTS();
}
