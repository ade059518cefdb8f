// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue over a large skins folder, and the cost of one skin switch (load, decode,
// apply) for the picture sizes skins come in.

#include "BenchEnv.h"
#include "app/MainUnit.h"
#include "platform/Environment.h"
#include "skins/Skin.h"
#include "skins/SkinChooserUnit.h"
#include "store/SettingsStore.h"
#include "widgets/ErrorGuard.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <benchmark/benchmark.h>
#include <cstring>
#include <sys/resource.h>

#include "tests/support/JpegWriter.h"

namespace {

class NoTarget : public ISkinTarget {
public:
    void ApplySkin(std::unique_ptr<TSkin>) override {}
};

void WritePicture(const QString& path, QSize size, const char* format) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x + y) % 256));
    image.save(path, format, 90);
}

struct Program {
    Program() {
        platform::SetProgramPath(Dir.filePath("korvane5"));
        widgets::SetMessageReporter([](const QString&) {});
        store::TSettingsStore::SetUserStorePath(Dir.filePath("settings.db"));
    }
    ~Program() {
        UseBuiltProgram();
        store::TSettingsStore::SetUserStorePath({});
    }
    QString Skins() const { return Dir.filePath("Skins"); }
    QTemporaryDir Dir;
};

// The activation over 2000 skins in 100 categories (only the stored skin's category is
// listed), and with the whole tree listed and sorted as the chooser's first showing does.
void FillTree2000(benchmark::State& state, bool complete) {
    Program program;
    // Every skin has its two files, as installed skins have; the one skin it applies is
    // tiny, so the scan and the tree are what is measured.
    for (int c = 0; c < 100; ++c)
        for (int s = 0; s < 20; ++s) {
            const QString skin =
                QStringLiteral("%1/Category %2/Skin %3").arg(program.Skins()).arg(c).arg(s);
            QDir().mkpath(skin);
            WritePicture(skin + "/Back.bmp", {1, 1}, "BMP");
            QFile custom(skin + "/Custom.txt");
            if (custom.open(QIODevice::WriteOnly))
                custom.write("Arial\n12\n255 255 255\n10 10\n20 10\n30 10\n40 10\n");
        }
    NoTarget target;
    TSkinChooserForm chooser(nullptr, &target, "Software\\Korvane5\\0\\", "Category 0\\Skin 0");
    for (auto _ : state) {
        chooser.Catalogue.FillTree();
        if (complete)
            chooser.Catalogue.CompleteTree();
    }
}
BENCHMARK_CAPTURE(FillTree2000, activation, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FillTree2000, whole_tree, true)->Unit(benchmark::kMillisecond);

void SkinSwitch(benchmark::State& state, QSize size, const char* format, const char* file) {
    Program program;
    const QString folder = program.Skins() + "/S";
    QDir().mkpath(folder);
    WritePicture(folder + "/" + file, size, format);
    TMainForm form({});
    for (auto _ : state) {
        auto skin = std::make_unique<TSkin>();
        if (!skin->LoadFromFolder(folder))
            state.SkipWithError("skin does not load");
        form.ApplySkin(std::move(skin));
    }
}
BENCHMARK_CAPTURE(SkinSwitch, Jpeg250x90, QSize(250, 90), "JPG", "Back.jpg")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SkinSwitch, Bmp250x90, QSize(250, 90), "BMP", "Back.bmp")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SkinSwitch, Jpeg1920x1080, QSize(1920, 1080), "JPG", "Back.jpg")
    ->Unit(benchmark::kMillisecond);

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Files that declare far more than the window shows. Run each alone to read its memory:
//   korvane5_bench --benchmark_filter=Hostile/JpegBaseline10000
// peak_extra_MiB is how far the process's peak rose while applying it.
void Hostile(benchmark::State& state, const char* kind) {
    Program program;
    const QString folder = program.Skins() + "/H";
    QDir().mkpath(folder);
    QByteArray bytes;
    QString file = "/Back.jpg";
    if (std::strcmp(kind, "baseline") == 0) {
        bytes = EncodeJpeg(10000, 10000);
    } else if (std::strcmp(kind, "progressive") == 0) {
        bytes = EncodeJpeg(16, 16, true);
        const qsizetype sof = bytes.indexOf("\xff\xc2");
        qToBigEndian<quint16>(10000, bytes.data() + sof + 5);
        qToBigEndian<quint16>(10000, bytes.data() + sof + 7);
    } else { // a run-length bitmap of 30000 x 30000 that ends at once
        file = "/Back.bmp";
        QByteArray info(40, '\0');
        qToLittleEndian<quint32>(40, info.data());
        qToLittleEndian<qint32>(30000, info.data() + 4);
        qToLittleEndian<qint32>(30000, info.data() + 8);
        qToLittleEndian<quint16>(1, info.data() + 12);
        qToLittleEndian<quint16>(8, info.data() + 14);
        qToLittleEndian<quint32>(1, info.data() + 16);
        bytes = QByteArray("BM\0\0\0\0\0\0\0\0", 10);
        bytes.append(QByteArray(4, '\0'));
        qToLittleEndian<quint32>(14 + 40 + 1024, bytes.data() + 10);
        bytes += info + QByteArray(1024, '\x40') + QByteArray("\0\1", 2);
    }
    QFile out(folder + file);
    if (!out.open(QIODevice::WriteOnly))
        state.SkipWithError("cannot write the picture");
    out.write(bytes);
    out.close();
    TMainForm form({});
    const long before = PeakKiB();
    for (auto _ : state) {
        auto skin = std::make_unique<TSkin>();
        if (skin->LoadFromFolder(folder))
            form.ApplySkin(std::move(skin));
    }
    state.counters["peak_extra_MiB"] = double(PeakKiB() - before) / 1024.0;
    state.counters["file_KiB"] = double(bytes.size()) / 1024.0;
}
BENCHMARK_CAPTURE(Hostile, JpegBaseline10000, "baseline")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Hostile, JpegProgressive10000, "progressive")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Hostile, Rle30000, "rle")->Unit(benchmark::kMillisecond);

} // namespace
