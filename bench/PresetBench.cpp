// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a large preset list, and what the HTTP client adds to a loopback transfer of
// a 1 MiB body compared with plain socket reads of the same bytes.

#include "presets/AntiFreeze.h"
#include "presets/DateTimePick.h"
#include "presets/HttpClient.h"
#include "presets/PresetDocument.h"
#include "tests/support/LoopbackServer.h"

#include <benchmark/benchmark.h>

namespace {

std::string LargeDocument(int items) {
    std::string text = "<?xml version=\"1.0\"?>\n<korvane5xml version=\"1\">\n";
    for (int i = 0; i < items; ++i) {
        const int day = 1 + i % 28, month = 1 + i / 28 % 12;
        char when[32];
        std::snprintf(when, sizeof when, "%04d-%02d-%02d %02d:%02d:00", 2030 + i % 50, month, day,
                      i % 24, i % 60);
        text += "  <item datetime=\"" + std::string(when) + "\">Event number " +
                std::to_string((i * 7919) % items) + "</item>\n";
    }
    return text + "</korvane5xml>\n";
}

const std::string Body(1 << 20, 'x');

void BM_ReadPresetDocument10000(benchmark::State& state) {
    const std::string text = LargeDocument(10000);
    const auto context = presets::TDateTimeContext::System(45000);
    const auto now = [] { return 45000.0; };
    for (auto _ : state) {
        auto list = presets::ReadPresetDocument(text, now, context);
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_ReadPresetDocument10000)->Unit(benchmark::kMillisecond);

// The whole LoadPresets, with the list box filled.
void BM_LoadPresets10000(benchmark::State& state) {
    const std::string text = LargeDocument(10000);
    TDateTimePickForm dialog(nullptr);
    for (auto _ : state)
        benchmark::DoNotOptimize(dialog.LoadPresets(text));
}
BENCHMARK(BM_LoadPresets10000)->Unit(benchmark::kMillisecond);

TLoopbackServer::TScript KeepServing() {
    return [](TPeer& peer) {
        const std::string reply = Response("200 OK", Body);
        while (peer.ReadRequest())
            peer.Send(reply);
    };
}

void BM_Fetch1MiB(benchmark::State& state) {
    TLoopbackServer server(KeepServing());
    TAntiFreeze pump;
    THttpClient client;
    const QString url = QString::fromStdString(server.Url());
    for (auto _ : state)
        benchmark::DoNotOptimize(client.Get(url));
    state.SetBytesProcessed(state.iterations() * std::int64_t(Body.size()));
}
BENCHMARK(BM_Fetch1MiB)->Unit(benchmark::kMillisecond);

// The same exchange with plain blocking reads: the floor the client is measured against.
void BM_RawTransfer1MiB(benchmark::State& state) {
    TLoopbackServer server(KeepServing());
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(std::uint16_t(server.Port()));
    ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    const std::string request = THttpClient::RequestFor(QString::fromStdString(server.Url()));
    const std::size_t expected = Response("200 OK", Body).size();
    std::string buffer(1 << 16, '\0');
    for (auto _ : state) {
        ::send(fd, request.data(), request.size(), 0);
        std::size_t got = 0;
        while (got < expected) {
            const ssize_t n = ::recv(fd, buffer.data(), buffer.size(), 0);
            if (n <= 0)
                break;
            got += std::size_t(n);
        }
        benchmark::DoNotOptimize(got);
    }
    ::close(fd);
    state.SetBytesProcessed(state.iterations() * std::int64_t(Body.size()));
}
BENCHMARK(BM_RawTransfer1MiB)->Unit(benchmark::kMillisecond);

} // namespace
