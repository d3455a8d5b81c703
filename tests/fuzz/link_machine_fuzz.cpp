// Any bytes as a script for the tick-driven link: what the unit sends, in
// what pieces, and when the user starts Read, Verify or Program, changes
// the port or closes the version box. Three header bytes pick the ports
// that open, the port choice and the image; then each step byte chooses an
// action by its low three bits, with the rest as its argument.
//
// Whatever arrives, the image must change only to the data of an intact
// frame that answers the pending command, every byte read must be examined
// or traced as dropped exactly once, every frame sent must be a well-formed
// request, a transfer must end within its sends, and the counters must stay
// in their ranges.
#include "fake_port.h"
#include "fuzz_input.h"
#include "link/link_machine.h"
#include "link/transfer.h"
#include "unit_answers.h"

#include <algorithm>

namespace {

void Check(bool holds, const char* what)
{
    FuzzCheck(holds, "link machine", what);
}

// Three commands at most (two blocks, then the verify), each given up after
// MaxSends sends four ticks apart.
constexpr int TransferTickBound = 3 * 4 * (MaxSends + 1);

struct TByteCountTrace : ILineTrace {
    std::size_t ReadBytes = 0; // examined or dropped
    void Trace(TTraceKind kind, const std::uint8_t*, std::size_t count) override
    {
        if (kind != TTraceKind::Sent && kind != TTraceKind::NotSent)
            ReadBytes += count;
    }
};

TLinkFrame FrameFrom(const std::deque<std::uint8_t>& queued)
{
    TLinkFrame frame;
    std::copy_n(queued.begin(), FrameSize, frame.Bytes.begin());
    return frame;
}

class THarness {
public:
    explicit THarness(TFuzzInput& in) : m_in(in), m_port(OpenablePorts(in.Byte()))
    {
        const std::uint8_t portIndex = in.Byte() % PortMenuEntries;
        const std::uint8_t setup = in.Byte();
        m_link.SetPorts(portIndex, static_cast<std::uint8_t>(setup >> 3) % AutoPortCount);
        if (setup & 1)
            in.Fill(m_image.Bytes);
        else
            m_image.SetDefaults();
        m_image.Normalise();
        m_link.SetTestMode(setup & 2);
        m_link.SetTrace(&m_trace);
        m_link.OpenPort();
        TakeEvents();
    }

    void Step()
    {
        const std::uint8_t step = m_in.Byte();
        const int argument = step >> 3;
        switch (step & 7) {
        case 0:
            m_port.Queue(m_in.Bytes(m_in.Byte()));
            break;
        case 1:
            QueueFrame(m_in.Byte(), argument);
            break;
        case 2:
            QueueFrame(m_link.State().PendingCommand ^ FrameCode::AnswerBit, argument);
            break;
        case 3:
            QueueFrame(FrameCode::MonitorAnswer, argument);
            break;
        case 4:
            for (int i = 0; i <= argument; ++i) {
                Receive();
                Advance();
            }
            break;
        case 5:
            if (!m_versionBoxOpen)
                Start(argument % 4);
            break;
        case 6:
            UsePort(argument % 4);
            break;
        case 7:
            if (argument & 1) {
                m_link.BeginPrinting("printed");
                m_link.EndPrinting();
            } else {
                m_link.HideStatus();
            }
            break;
        }
        CheckCounters();
    }

private:
    static std::set<int> OpenablePorts(std::uint8_t mask)
    {
        std::set<int> ports;
        for (int bit = 0; bit < 8; ++bit)
            if (mask & (1 << bit))
                ports.insert(bit + 1);
        return ports;
    }

    // argument bit 0: the data is the image's block the code names (an echo
    // or a matching verify); bit 1: then one byte of it is changed; bit 2:
    // the check byte is spoilt.
    void QueueFrame(std::uint8_t code, int argument)
    {
        TFrameData data{};
        const int block = code & FrameCode::BlockMask;
        if ((argument & 1) && block <= 1) {
            data = m_image.Block(block);
            if (argument & 2) {
                const int at = m_in.Byte() % FrameDataSize;
                data[at] = m_in.Byte();
            }
        } else {
            m_in.Fill(data);
        }
        TLinkFrame frame = MakeFrame(code, data);
        frame.Bytes[FrameSize - 1] ^= (argument >> 2) & 1;
        m_port.Queue({frame.Bytes.begin(), frame.Bytes.end()});
    }

    void Start(int which)
    {
        m_ticksInTransfer = 0;
        switch (which) {
        case 0:
            m_link.StartRead();
            break;
        case 1:
            m_link.StartVerify();
            break;
        default:
            m_link.StartProgram(which == 2);
            break;
        }
    }

    void UsePort(int what)
    {
        if (what == 3) {
            // The version box closes; the window ends the transfer then.
            if (m_versionBoxOpen)
                m_link.EndVersionMessage();
            m_versionBoxOpen = false;
        } else if (!m_versionBoxOpen) {
            const std::size_t sent = m_port.Written.size();
            if (what == 0)
                m_link.SelectPort(m_in.Byte() % PortMenuEntries);
            else if (what == 1)
                m_link.ClosePort();
            else
                m_link.OpenPort();
            Check(m_port.Written.size() == sent, "a port choice sent a frame");
        }
        TakeEvents();
    }

    bool TakeEvents()
    {
        bool imageReceived = false;
        for (const TLinkEvent& event : m_link.TakeEvents()) {
            imageReceived |= event.Kind == TLinkEventKind::ImageReceived;
            if (event.Kind == TLinkEventKind::VersionMismatch) {
                Check(!m_versionBoxOpen, "a second version box over the first");
                m_versionBoxOpen = true;
            }
        }
        return imageReceived;
    }

    void Receive()
    {
        const TParamImage before = m_image;
        const TLinkState state = m_link.State();
        const TMonitorRecord record = m_link.Record();
        const std::size_t queued = m_port.Incoming.size();
        m_port.Written.clear();
        const bool examined = m_port.IsOpen() && queued >= FrameSize;
        const TLinkFrame frame = examined ? FrameFrom(m_port.Incoming) : TLinkFrame{};
        m_trace.ReadBytes = 0;

        m_link.ReceiveAndDispatch();

        const std::size_t consumed = queued - m_port.Incoming.size();
        Check(consumed == (examined ? std::min(queued, ReceiveBufferSize) : 0),
              "read other than everything queued, once a frame may be there");
        Check(m_trace.ReadBytes == consumed, "a byte read was not traced exactly once");
        const bool answer = examined && state.TransferMode != ModeIdle &&
                            IntactAnswerTo(frame, state.PendingCommand);
        const int block = state.PendingCommand & FrameCode::BlockMask;
        if (m_image.Block(0) != before.Block(0))
            Check(answer && block == 0 && state.TransferMode != ModeVerify &&
                      m_image.Block(0) == frame.Data(),
                  "block 0 changed to other than the unit's answer");
        if (m_image.Block(1) != before.Block(1)) {
            Check(answer && block == 1 && state.TransferMode == ModeRead,
                  "block 1 changed without being read");
            TParamImage unit = before;
            unit.StoreBlock(1, frame.Data());
            unit.ResetPushMemory();
            unit.Normalise();
            Check(m_image.Bytes == unit.Bytes, "block 1 read as other than the unit's, normalised");
        }
        // Block 0 alone is shown with block 1, or when the transfer ends on it.
        const bool imageReceived = TakeEvents();
        Check(m_image.Block(1) == before.Block(1) || imageReceived,
              "the parameters changed unannounced");

        const bool liveData =
            examined && frame.Code() == FrameCode::MonitorAnswer && LiveData(frame);
        const TMonitorRecord& shown = m_link.Record();
        Check(liveData ? std::equal(shown.Bytes.begin(), shown.Bytes.end(), frame.Bytes.begin())
                       : shown.Bytes == record.Bytes,
              "the live data are not the last answer's");
        if (state.TransferMode != ModeIdle && m_link.State().TransferMode == ModeIdle) {
            Check(answer, "a transfer ended on a frame that does not answer it");
            if (!m_versionBoxOpen && m_link.Display().LabelHlaseni.Background != TColour::Red)
                Check(state.TransferMode == ModeVerify && HoldsParameters(frame.Data(), m_image),
                      "verified without the unit's block matching the image's");
        }
        if (answer && state.TransferMode == ModeVerify && HoldsParameters(frame.Data(), m_image))
            Check(m_link.State().TransferMode == ModeIdle, "a matching verify answer not taken");
        CheckSent();
    }

    void Advance()
    {
        const TParamImage before = m_image;
        m_port.Written.clear();
        m_link.AdvanceTick();
        Check(m_image.Bytes == before.Bytes, "the image changed without an answer");
        CheckSent();
        TakeEvents();
        m_ticksInTransfer = m_link.State().TransferMode == ModeIdle ? 0 : m_ticksInTransfer + 1;
        Check(m_ticksInTransfer <= TransferTickBound, "a transfer outlived its sends");
    }

    // The frames just written: whole, intact requests, a block frame
    // carrying zeros when reading and the image's block otherwise.
    void CheckSent()
    {
        const TLinkState& state = m_link.State();
        for (const std::vector<std::uint8_t>& bytes : m_port.Written) {
            Check(bytes.size() == static_cast<std::size_t>(FrameSize), "a frame of another size");
            TLinkFrame frame;
            std::copy(bytes.begin(), bytes.end(), frame.Bytes.begin());
            Check(frame.Intact(), "a frame sent fails its check byte");
            if (frame.Code() == FrameCode::Monitor) {
                Check(frame.Data() == TFrameData{}, "a monitor request with data");
                continue;
            }
            Check(state.TransferMode != ModeIdle && frame.Code() == state.PendingCommand,
                  "a block frame for no pending command");
            const int block = frame.Code() & FrameCode::BlockMask;
            Check(frame.Data() ==
                      (state.TransferMode == ModeRead ? TFrameData{} : m_image.Block(block)),
                  "a block frame with other data than its command's");
        }
    }

    void CheckCounters()
    {
        const TLinkState& state = m_link.State();
        Check(state.PortIndex < PortMenuEntries && state.AutoPortIndex < AutoPortCount,
              "a port index out of range");
        const int block = state.PendingCommand & FrameCode::BlockMask;
        const std::uint8_t kind = state.PendingCommand & ~FrameCode::BlockMask;
        switch (state.TransferMode) {
        case ModeIdle:
            break;
        case ModeRead:
            Check(kind == FrameCode::ReadBlock && block <= 1, "reading with another command");
            break;
        case ModeVerify:
            Check(state.PendingCommand == VerifyCommand, "verifying with another command");
            break;
        case ModeProgram:
            Check(kind == FrameCode::ProgramBlock && block <= 1,
                  "programming with another command");
            break;
        default:
            Check(false, "no such transfer mode");
        }
        Check(state.TransferMode == ModeIdle || state.SendCount <= MaxSends,
              "a transfer past its sends");
        const TGaugeModel& gauge = m_link.Display().CGaugeProgram;
        Check(gauge.Progress >= TGaugeModel::MinValue && gauge.Progress <= TGaugeModel::MaxValue,
              "the gauge out of range");
        Check(m_link.Highlight().NoHighlight || m_link.Highlight().HighlightRow < CurvePoints,
              "a highlighted row that does not exist");
    }

    TFuzzInput& m_in;
    TFakePort m_port;
    TParamImage m_image;
    TLinkMachine m_link{m_port, m_image};
    TByteCountTrace m_trace;
    bool m_versionBoxOpen = false;
    int m_ticksInTransfer = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TFuzzInput in(data, size);
    THarness harness(in);
    while (!in.AtEnd())
        harness.Step();
    return 0;
}
