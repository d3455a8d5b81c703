// Timings of the core's hot paths. Figures only; nothing here is asserted.
#include "fake_port.h"
#include "link/link_machine.h"
#include "params/param_image.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

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
    TFakePort port;
    port.KeepWrites = false;
    TParamImage image;
    image.SetDefaults();
    TLinkMachine link(port, image);
    link.OpenPort();
    for (auto _ : state) {
        link.Tick();
        benchmark::DoNotOptimize(link.State());
    }
}
BENCHMARK(IdleTick);

// A monitor answer waits before every tick, so every tick decodes and shows one.
void TickWithMonitorAnswer(benchmark::State& state)
{
    TFrameData data{};
    data[0] = 0xB8; // 3000 rpm
    data[1] = 0x0B;
    data[2] = 0xE8; // 13800 mV
    data[3] = 0x35;
    data[30] = 112;
    data[31] = 21;
    data[41] = 1;
    data[49] = 72;
    const TLinkFrame answer = MakeFrame(FrameCode::MonitorAnswer, data);
    const std::vector<std::uint8_t> bytes(answer.Bytes.begin(), answer.Bytes.end());

    TFakePort port;
    port.KeepWrites = false;
    TParamImage image;
    image.SetDefaults();
    TLinkMachine link(port, image);
    link.OpenPort();
    for (auto _ : state) {
        port.Queue(bytes);
        link.Tick();
        benchmark::DoNotOptimize(link.Monitor());
    }
}
BENCHMARK(TickWithMonitorAnswer);

} // namespace
