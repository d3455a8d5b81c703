#include "fake_port.h"
#include "link/direct_link.h"
#include "sim/unit_model.h"

#include <gtest/gtest.h>

namespace {

// The unit model behind a port: every frame written is answered at once.
class TUnitPort : public TFakePort {
public:
    explicit TUnitPort(const TUnitFaults& faults = {}) : Unit(faults) { Open(1); }
    TUnitModel Unit;
    bool Write(const std::uint8_t* data, std::size_t size) override
    {
        TFakePort::Write(data, size);
        Unit.Receive(data, size);
        Unit.Step(1);
        Queue(Unit.TakeOutput());
        return true;
    }
};

struct TKinds : ILineTrace {
    std::vector<TTraceKind> Kinds;
    void Trace(TTraceKind kind, const std::uint8_t*, std::size_t) override
    {
        Kinds.push_back(kind);
    }
};

TEST(DirectLink, ReadsAndProgramsInThreeExchangesEach)
{
    TUnitPort port;
    TDirectLink link(port);
    TParamImage image;
    ASSERT_EQ(link.Run(ModeRead, image), TTransferEnd::Verified);
    EXPECT_EQ(image.Block(1), port.Unit.Memory().Block(1));
    image.Advance(0) = static_cast<std::uint8_t>(image.Advance(0) + 1);
    ASSERT_EQ(link.Run(ModeProgram, image), TTransferEnd::Verified);
    EXPECT_EQ(link.FramesSent(), 6);
    EXPECT_EQ(port.Unit.Memory().Block(1), image.Block(1));
}

TEST(DirectLink, EndsAsTheWindowDoesWhenTheUnitFails)
{
    TFakePort silent;
    silent.Open(1);
    TParamImage image;
    EXPECT_EQ(TDirectLink(silent).Run(ModeRead, image), TTransferEnd::NoAnswer);
    EXPECT_EQ(silent.Written.size(), 5u);

    TUnitFaults badEcho;
    badEcho.BadEcho = true;
    TUnitPort echoing(badEcho);
    EXPECT_EQ(TDirectLink(echoing).Run(ModeProgram, image), TTransferEnd::Differs);

    // Stray bytes before each answer spoil the frame examined, as in the window.
    TUnitFaults stray;
    stray.Stray = true;
    TUnitPort noisy(stray);
    TKinds trace;
    EXPECT_EQ(TDirectLink(noisy, &trace).Run(ModeRead, image), TTransferEnd::NoAnswer);
    EXPECT_NE(std::count(trace.Kinds.begin(), trace.Kinds.end(), TTraceKind::Noise), 0);
}

} // namespace
