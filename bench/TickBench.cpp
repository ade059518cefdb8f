// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the once-a-second tick: an ordinary one repaints the seconds field only, an
// unchanged one compares four numbers and draws nothing.

#include "app/MainUnit.h"
#include "platform/Environment.h"
#include "widgets/PaintBox.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

TDateTime BenchNow = 46000.5;

struct TickFixture {
    TickFixture() {
        platform::SetNowSource([] { return BenchNow; });
        Form = std::make_unique<TMainForm>(QStringList{});
        Form->show();
        QCoreApplication::processEvents();
        Form->TargetDateTime = BenchNow + 20;
    }
    ~TickFixture() { platform::SetNowSource({}); }
    std::unique_ptr<TMainForm> Form;
};

void OrdinaryTick(benchmark::State& state) {
    TickFixture f;
    for (auto _ : state) {
        // One second later: the seconds change (and once a minute the minutes too).
        BenchNow += 1.0 / 86400.0;
        f.Form->SecTimerTimer();
    }
}
BENCHMARK(OrdinaryTick)->Unit(benchmark::kMicrosecond);

void UnchangedTick(benchmark::State& state) {
    TickFixture f;
    f.Form->SecTimerTimer();
    for (auto _ : state)
        f.Form->SecTimerTimer();
}
BENCHMARK(UnchangedTick)->Unit(benchmark::kMicrosecond);

} // namespace
