// Timings of the core's hot paths. Figures only; nothing here is asserted.
#include "link/link_machine.h"
#include "params/param_image.h"

#include <benchmark/benchmark.h>

#include <algorithm>

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

// A port with a monitor answer always waiting, so every tick decodes and shows one.
class TAnsweringPort : public TQuietPort {
public:
    TAnsweringPort()
    {
        TBlock data{};
        data[0] = 0xB8; // 3000 rpm
        data[1] = 0x0B;
        data[2] = 0xE8; // 13800 mV
        data[3] = 0x35;
        data[30] = 112;
        data[31] = 21;
        data[41] = 1;
        data[49] = 72;
        m_answer = MakeFrame(FrameCode::MonitorAnswer, data);
    }
    std::size_t BytesAvailable() override { return FrameSize; }
    std::size_t Read(std::uint8_t* buffer, std::size_t) override
    {
        std::copy(m_answer.Bytes.begin(), m_answer.Bytes.end(), buffer);
        return FrameSize;
    }

private:
    TLinkFrame m_answer;
};

void TickWithMonitorAnswer(benchmark::State& state)
{
    TAnsweringPort port;
    TParamImage image;
    image.SetDefaults();
    TLinkMachine link(port, image);
    link.OpenPort();
    for (auto _ : state) {
        link.Tick();
        benchmark::DoNotOptimize(link.Monitor);
    }
}
BENCHMARK(TickWithMonitorAnswer);

} // namespace
