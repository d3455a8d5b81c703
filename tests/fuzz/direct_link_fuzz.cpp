// Any bytes as what the unit sends to kolvane-cli's direct link. Two header
// bytes pick up to four operations (Read, Verify, Program, a live-data poll)
// and whether the image comes from the input; the rest arrives on the port
// piece by piece whenever the link waits for more: a step byte below 0x80
// brings that many raw bytes, one from 0x80 up a sealed frame (bit 6: with
// the answer code of the last frame sent, else a code byte follows; bit 0:
// with the image's block as data, bit 1: then with one byte changed, else
// 50 data bytes follow; bit 2: with its check byte spoilt).
//
// Whatever arrives, the image must change only to the data of an intact
// answer, each command must follow the transfer's order, every frame sent
// must be a well-formed request for the current command, every byte read
// must be examined or traced as dropped, and each end must be what the last
// answer says.
#include "fuzz_input.h"
#include "link/direct_link.h"
#include "unit_answers.h"

#include <algorithm>
#include <deque>

namespace {

void Check(bool holds, const char* what)
{
    FuzzCheck(holds, "direct link", what);
}

// The unit's side, taken from the input only when the link waits, so the
// time the link would wait never matters.
class TScriptPort : public ILinkPort {
public:
    TScriptPort(TFuzzInput& in, const TParamImage& image) : m_in(in), m_image(image) {}

    std::size_t HandedOut = 0;
    std::vector<TLinkFrame> Written;
    std::uint8_t Mode = ModeIdle;
    std::uint8_t Command = 0;

    bool Open(int) override { return true; }
    void Close() override {}
    bool IsOpen() const override { return true; }
    std::size_t BytesAvailable() override { return m_queued.size(); }
    std::size_t Read(std::uint8_t* buffer, std::size_t maxBytes) override
    {
        const std::size_t n = std::min(maxBytes, m_queued.size());
        std::copy_n(m_queued.begin(), n, buffer);
        m_queued.erase(m_queued.begin(), m_queued.begin() + static_cast<std::ptrdiff_t>(n));
        HandedOut += n;
        return n;
    }
    bool Write(const std::uint8_t* data, std::size_t size) override
    {
        Check(size == static_cast<std::size_t>(FrameSize), "a frame of another size");
        TLinkFrame frame;
        std::copy_n(data, FrameSize, frame.Bytes.begin());
        Check(frame.Intact(), "a frame sent fails its check byte");
        if (frame.Code() == FrameCode::Monitor) {
            Check(frame.Data() == TFrameData{}, "a monitor request with data");
        } else {
            Check(Mode != ModeIdle && frame.Code() == Command, "a block frame for another command");
            Check(frame.Data() == (Mode == ModeRead
                                       ? TFrameData{}
                                       : m_image.Block(Command & FrameCode::BlockMask)),
                  "a block frame with other data than its command's");
        }
        Written.push_back(frame);
        return true;
    }
    void Drain() override {}
    bool WaitForBytes(std::size_t count, int) override
    {
        while (m_queued.size() < count && !m_in.AtEnd())
            Arrive();
        return m_queued.size() >= count;
    }

private:
    void Arrive()
    {
        const std::uint8_t step = m_in.Byte();
        if (step < 0x80) {
            const std::vector<std::uint8_t> bytes = m_in.Bytes(step);
            m_queued.insert(m_queued.end(), bytes.begin(), bytes.end());
            return;
        }
        const std::uint8_t code = (step & 0x40) && !Written.empty()
                                      ? Written.back().Code() ^ FrameCode::AnswerBit
                                      : m_in.Byte();
        TFrameData data{};
        const int block = code & FrameCode::BlockMask;
        if ((step & 1) && block <= 1) {
            data = m_image.Block(block);
            if (step & 2) {
                const int at = m_in.Byte() % FrameDataSize;
                data[at] = m_in.Byte();
            }
        } else {
            m_in.Fill(data);
        }
        TLinkFrame frame = MakeFrame(code, data);
        frame.Bytes[FrameSize - 1] ^= (step >> 2) & 1;
        m_queued.insert(m_queued.end(), frame.Bytes.begin(), frame.Bytes.end());
    }

    TFuzzInput& m_in;
    const TParamImage& m_image;
    std::deque<std::uint8_t> m_queued;
};

// The frames examined and the bytes read, as the trace sees them.
struct TReceivedTrace : ILineTrace {
    std::vector<TLinkFrame> Examined;
    std::size_t ReadBytes = 0;
    void Trace(TTraceKind kind, const std::uint8_t* bytes, std::size_t count) override
    {
        if (kind == TTraceKind::Sent || kind == TTraceKind::NotSent)
            return;
        ReadBytes += count;
        if (kind == TTraceKind::Received) {
            Check(count == static_cast<std::size_t>(FrameSize), "examined other than one frame");
            TLinkFrame frame;
            std::copy_n(bytes, FrameSize, frame.Bytes.begin());
            Examined.push_back(frame);
        }
    }
    bool Took(std::uint8_t command, const TFrameData& data) const
    {
        return std::any_of(Examined.begin(), Examined.end(), [&](const TLinkFrame& frame) {
            return IntactAnswerTo(frame, command) && frame.Data() == data;
        });
    }
};

// The commands follow the transfer's order: block 0 before block 1, and the
// verify of block 1 after reading or programming it.
bool FollowsOn(std::uint8_t mode, std::uint8_t command, std::uint8_t lastMode,
               std::uint8_t lastCommand)
{
    const bool fromBlock0 = mode == lastMode && command == lastCommand + 1 &&
                            (lastCommand & FrameCode::BlockMask) == 0 && lastMode != ModeVerify;
    const bool toVerify = mode == ModeVerify && command == VerifyCommand &&
                          lastMode != ModeVerify && (lastCommand & FrameCode::BlockMask) == 1;
    return fromBlock0 || toVerify;
}

void RunTransfer(TDirectLink& link, TScriptPort& port, TReceivedTrace& trace, TFuzzInput& in,
                 TTransferMode mode, TParamImage& image)
{
    const TParamImage before = image;
    bool first = true;
    std::size_t commandStart = 0; // the first frame examined for the current command
    link.OnCommand = [&](std::uint8_t newMode, std::uint8_t command) {
        Check(first ? newMode == mode : FollowsOn(newMode, command, port.Mode, port.Command),
              "a command out of the transfer's order");
        first = false;
        port.Mode = newMode;
        port.Command = command;
        commandStart = trace.Examined.size();
    };
    const TTransferEnd end = link.Run(mode, image);
    const bool verifying = port.Mode == ModeVerify;
    port.Mode = ModeIdle;
    Check(port.Written.size() <= 3u * MaxSends, "more frames than three commands' sends");

    const std::uint8_t block0Command =
        mode == ModeRead ? FrameCode::ReadBlock : FrameCode::ProgramBlock;
    if (image.Block(0) != before.Block(0))
        Check(mode != ModeVerify && trace.Took(block0Command, image.Block(0)),
              "block 0 changed to other than the unit's answer");
    if (image.Block(1) != before.Block(1)) {
        Check(mode == ModeRead, "block 1 changed without being read");
        bool fromAnswer = false;
        for (const TLinkFrame& frame : trace.Examined) {
            TParamImage unit = before;
            unit.StoreBlock(1, frame.Data());
            unit.ResetPushMemory();
            unit.Normalise();
            fromAnswer |=
                IntactAnswerTo(frame, FrameCode::ReadBlock + 1) && unit.Block(1) == image.Block(1);
        }
        Check(fromAnswer, "block 1 read as other than a unit's answer, normalised");
    }

    const TLinkFrame* last = trace.Examined.empty() ? nullptr : &trace.Examined.back();
    switch (end) {
    case TTransferEnd::Verified:
        Check(last && IntactAnswerTo(*last, VerifyCommand) && HoldsParameters(last->Data(), image),
              "verified without the unit's block matching the image's");
        break;
    case TTransferEnd::VersionMismatch:
        Check(mode != ModeVerify && image[ImageByte::ProgramVersion] != ExpectedUnitVersion &&
                  last && IntactAnswerTo(*last, block0Command) && last->Data() == image.Block(0),
              "a version mismatch without the unit's block 0 saying so");
        break;
    case TTransferEnd::ReadRefused:
        Check(mode == ModeRead && image[ImageByte::ProgramVersion] == ExpectedUnitVersion &&
                  image[ImageByte::ReadAllowed] != 1,
              "a refusal without the unit's block 0 saying so");
        break;
    case TTransferEnd::Abandoned:
        Check(false, "abandoned without being asked to");
        break;
    case TTransferEnd::NoAnswer:
    case TTransferEnd::Differs: {
        Check(port.Written.size() >= MaxSends, "given up before its sends");
        const std::uint8_t code = port.Written.back().Code();
        Check(std::all_of(port.Written.end() - MaxSends, port.Written.end(),
                          [code](const TLinkFrame& frame) { return frame.Code() == code; }),
              "given up without sending the last command five times");
        Check(end == TTransferEnd::Differs || in.AtEnd(), "no answer while the unit still spoke");
        Check(!verifying ||
                  std::none_of(trace.Examined.begin() + commandStart, trace.Examined.end(),
                               [&](const TLinkFrame& frame) {
                                   return IntactAnswerTo(frame, VerifyCommand) &&
                                          HoldsParameters(frame.Data(), image);
                               }),
              "a verify answer that holds the parameters was not taken");
        break;
    }
    }
}

void Poll(TDirectLink& link, TScriptPort& port, TReceivedTrace& trace, TFuzzInput& in)
{
    const std::optional<TMonitorRecord> record = link.Poll();
    Check(port.Written.size() == 1, "a poll sent other than one request");
    if (!record) {
        Check(in.AtEnd(), "no live data while the unit still spoke");
        return;
    }
    const TLinkFrame& last = trace.Examined.back();
    Check(LiveData(last) &&
              std::equal(record->Bytes.begin(), record->Bytes.end(), last.Bytes.begin()),
          "live data other than the last monitor answer");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TFuzzInput in(data, size);
    const std::uint8_t operations = in.Byte();
    const std::uint8_t setup = in.Byte();
    TParamImage image;
    if (setup & 1)
        in.Fill(image.Bytes);
    else
        image.SetDefaults();
    image.Normalise();

    TScriptPort port(in, image);
    TReceivedTrace trace;
    TDirectLink link(port, &trace);
    const int count = 1 + (setup >> 1) % 4;
    for (int i = 0; i < count; ++i) {
        port.Written.clear();
        trace.Examined.clear();
        const int framesBefore = link.FramesSent();
        switch ((operations >> (2 * i)) & 3) {
        case 0:
            RunTransfer(link, port, trace, in, ModeRead, image);
            break;
        case 1:
            RunTransfer(link, port, trace, in, ModeVerify, image);
            break;
        case 2:
            RunTransfer(link, port, trace, in, ModeProgram, image);
            break;
        default:
            Poll(link, port, trace, in);
            break;
        }
        Check(link.FramesSent() - framesBefore == static_cast<int>(port.Written.size()),
              "frames counted other than sent");
        Check(trace.ReadBytes == port.HandedOut, "a byte read was not traced exactly once");
    }
    return 0;
}
