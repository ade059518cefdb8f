// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks run on the offscreen platform with a private settings folder, as the built
// program beside the bundled skins; a message box would stop a run, so none is shown.

#include "BenchEnv.h"
#include "platform/Environment.h"
#include "widgets/ErrorGuard.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

void UseBuiltProgram() {
    platform::SetProgramPath(QStringLiteral(KORVANE5_BINARY_DIR "/korvane5"));
    widgets::SetMessageReporter([](const QString&) {});
    widgets::SetExceptionReporter([](const QString&) {});
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane5"));
    UseBuiltProgram();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
