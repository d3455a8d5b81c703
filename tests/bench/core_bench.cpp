// Timings of the core's hot paths. Figures only; nothing here is asserted.
#include "link/link_machine.h"
#include "params/param_image.h"

#include <benchmark/benchmark.h>

namespace {

class TQuietPort : public ILinkPort {
public:
    bool Open(int) override { return true; }
    void Close() override {}
    bool IsOpen() const override { return true; }
    std::size_t BytesAvailable() override { return 0; }
    std::size_t Read(std::uint8_t*, std::size_t) override { return 0; }
    bool Write(const std::uint8_t*, std::size_t) override { return true; }
    void Drain() override {}
};

void NormaliseAllPoints(benchmark::State& state)
{
    TParamImage image;
    image.SetDefaults();
    for (auto _ : state) {
        image.ChangedPoint = SeveralPoints;
        image.Speed(3) = 5;
        image.Normalise();
        benchmark::DoNotOptimize(image.Bytes);
    }
}
BENCHMARK(NormaliseAllPoints);

void NormaliseSinglePointWithPushAndRestore(benchmark::State& state)
{
    TParamImage image;
    image.SetDefaults();
    image.ChangedPoint = 2;
    bool high = false;
    for (auto _ : state) {
        image.Speed(2) = high ? 25 : 120; // pushes ten neighbours, then restores them
        high = !high;
        image.Normalise();
        benchmark::DoNotOptimize(image.Bytes);
    }
}
BENCHMARK(NormaliseSinglePointWithPushAndRestore);

void IdleTick(benchmark::State& state)
{
    TQuietPort port;
    TParamImage image;
    image.SetDefaults();
    TLinkMachine link(port, image);
    for (auto _ : state) {
        link.Tick();
        benchmark::DoNotOptimize(link.State);
    }
}
BENCHMARK(IdleTick);

} // namespace
