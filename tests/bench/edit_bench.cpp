// What one spinner click costs with real widgets: the write-back of every
// control, the normalisation and showing the image again. Figures only.
#include "app/hlav.h"
#include "fake_port.h"
#include "ui/up_down.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void SpinnerClick(benchmark::State& state)
{
    TFormHlav form(std::make_unique<TFakePort>());
    form.show();
    auto* spinner = form.findChild<TUpDown*>(QStringLiteral("UpDownAdvance3"));
    bool up = true;
    for (auto _ : state) {
        spinner->Click(up ? TUpDown::TButton::Next : TUpDown::TButton::Prev);
        up = !up;
    }
    form.close();
}
BENCHMARK(SpinnerClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir configuration; // the window's settings stay out of the user's own
    qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
