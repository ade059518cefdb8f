// The catalogue over a large skins folder, and the cost of one skin switch (load, decode,
// apply) for the picture sizes skins come in.

#include "BenchEnv.h"
#include "app/MainUnit.h"
#include "platform/Environment.h"
#include "platform/Errors.h"
#include "platform/SettingsStore.h"
#include "skins/Skin.h"
#include "skins/SkinChooserUnit.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

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
        platform::SetMessageReporter([](const QString&) {});
        platform::TSettingsStore::SetUserStorePath(Dir.filePath("settings.db"));
    }
    ~Program() {
        UseBuiltProgram();
        platform::TSettingsStore::SetUserStorePath({});
    }
    QString Skins() const { return Dir.filePath("Skins"); }
    QTemporaryDir Dir;
};

void FillTree2000(benchmark::State& state) {
    Program program;
    for (int c = 0; c < 100; ++c)
        for (int s = 0; s < 20; ++s)
            QDir().mkpath(
                QStringLiteral("%1/Category %2/Skin %3").arg(program.Skins()).arg(c).arg(s));
    // The one skin it applies is tiny, so the scan and the tree are what is measured.
    WritePicture(program.Skins() + "/Category 0/Skin 0/Back.bmp", {1, 1}, "BMP");
    NoTarget target;
    TSkinChooserForm chooser(nullptr, &target, "Software\\Korvane5\\0\\", "Category 0\\Skin 0");
    for (auto _ : state)
        chooser.Catalogue.FillTree();
}
BENCHMARK(FillTree2000)->Unit(benchmark::kMillisecond);

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

} // namespace
