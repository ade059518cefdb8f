// SPDX-License-Identifier: GPL-3.0-or-later
// SaveSettings and LoadSettings of one clock: both run at every loss of activation or
// clock switch, so they must stay well under a frame's time.

#include "app/MainUnit.h"
#include "store/SettingsStore.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void SaveSettings(benchmark::State& state) {
    QTemporaryDir dir;
    store::TSettingsStore::SetUserStorePath(dir.filePath("settings.db"));
    {
        TMainForm form({});
        double k = 0;
        for (auto _ : state) {
            form.TargetDateTime = ++k;
            form.SaveSettings();
        }
    }
    store::TSettingsStore::SetUserStorePath({});
}
BENCHMARK(SaveSettings)->Unit(benchmark::kMicrosecond)->Repetitions(5);

void LoadSettings(benchmark::State& state) {
    QTemporaryDir dir;
    store::TSettingsStore::SetUserStorePath(dir.filePath("settings.db"));
    {
        TMainForm form({});
        form.SaveSettings();
        for (auto _ : state)
            form.LoadSettings();
    }
    store::TSettingsStore::SetUserStorePath({});
}
BENCHMARK(LoadSettings)->Unit(benchmark::kMicrosecond)->Repetitions(5);

} // namespace
