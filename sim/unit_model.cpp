#include "sim/unit_model.h"

#include <algorithm>

namespace {

// The unit's own program: "KLV07", 14.03.2024, 10:42.
constexpr char UnitLetters[3] = {'K', 'L', 'V'};
constexpr std::uint8_t UnitNumber = 7;
constexpr std::uint8_t ProgramDay = 14;
constexpr char ProgramMonth[] = "Mar";
constexpr std::uint8_t ProgramYear = 24;
constexpr std::uint8_t ProgramHour = 10;
constexpr std::uint8_t ProgramMinute = 42;

// Input 1 is wired as the kill switch, input 2 is unused.
constexpr std::uint8_t Input1KillSwitch = 1;
constexpr std::uint8_t Input2Off = 0;

constexpr std::uint8_t PolaritySelfSearch = 2;

bool IsRequestCode(std::uint8_t code)
{
    return code == FrameCode::Monitor || code == FrameCode::ProgramBlock ||
           code == FrameCode::ProgramBlock + 1 || code == FrameCode::ReadBlock ||
           code == FrameCode::ReadBlock + 1;
}

void PutWord(TLinkFrame& frame, int at, unsigned value)
{
    frame.Bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
    frame.Bytes[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

std::uint8_t Flag(bool on)
{
    return on ? 1 : 0;
}

} // namespace

std::uint8_t MonthCode(const char* abbreviation)
{
    unsigned sum = 0;
    for (const char* c = abbreviation; *c != '\0'; ++c)
        sum += static_cast<unsigned char>(*c);
    return static_cast<std::uint8_t>(sum & 0xFF);
}

TUnitModel::TUnitModel(const TUnitFaults& faults, std::uint64_t seed)
    : Faults(faults), Motor(seed), Noise(seed ^ 0x5A5A5A5A5A5A5A5Aull)
{
    Image[0] = static_cast<std::uint8_t>(UnitLetters[0]);
    Image[1] = static_cast<std::uint8_t>(UnitLetters[1]);
    Image[2] = static_cast<std::uint8_t>(UnitLetters[2]);
    Image[3] = UnitNumber;
    Image[4] = ProgramDay;
    Image[5] = MonthCode(ProgramMonth);
    Image[6] = ProgramYear;
    Image[7] = ProgramHour;
    Image[8] = ProgramMinute;
    Image[ImageByte::ProgramVersion] = Faults.Version;

    Image.SetDefaults();
    Image[ImageByte::Input1] = Input1KillSwitch;
    Image[ImageByte::Input2] = Input2Off;
    RefreshReadAllowed();
}

void TUnitModel::RefreshReadAllowed()
{
    const bool allowed = !Faults.NoRead && Image[ImageByte::ReadLock] == 0;
    Image[ImageByte::ReadAllowed] = Flag(allowed);
}

void TUnitModel::Receive(const std::uint8_t* bytes, std::size_t count)
{
    Input.insert(Input.end(), bytes, bytes + count);
    ScanInput();
}

// Looks for request frames in the input. Bytes that cannot start a request
// are dropped at once; a window that starts with a request code but fails
// the check loses its first byte only, so a real frame right behind
// garbage is still found.
void TUnitModel::ScanInput()
{
    while (!Input.empty()) {
        if (!IsRequestCode(Input.front())) {
            Input.pop_front();
            ++SkippedBytes;
            continue;
        }
        if (Input.size() < static_cast<std::size_t>(FrameSize))
            return;
        TLinkFrame frame;
        std::copy_n(Input.begin(), FrameSize, frame.Bytes.begin());
        if (!frame.Intact()) {
            Input.pop_front();
            ++SkippedBytes;
            continue;
        }
        Input.erase(Input.begin(), Input.begin() + FrameSize);
        Answer(frame);
    }
}

void TUnitModel::Answer(const TLinkFrame& request)
{
    if (Faults.Silent)
        return;
    if (Faults.SilentAfter >= 0 && BlockRequestsAnswered >= Faults.SilentAfter)
        return;

    const std::uint8_t code = request.Code();
    const std::uint8_t answerCode = code ^ FrameCode::AnswerBit;
    if (code == FrameCode::Monitor) {
        Queue(MonitorAnswer());
        ++MonitorRequests;
        return;
    }

    const int block = code & FrameCode::BlockMask;
    const bool program = (code & ~FrameCode::BlockMask) == FrameCode::ProgramBlock;
    TBlock data{};
    if (program && block == 1) {
        TakeBlock1(request.Data());
        data = Image.Block(1);
        if (Faults.BadEcho)
            data[BadEchoBlockOffset] ^= 0x01;
    } else {
        // Programming block 0 changes nothing: the unit's identity is its own.
        data = Image.Block(block);
    }
    Queue(MakeFrame(answerCode, data));
    ++BlockRequestsAnswered;
}

void TUnitModel::TakeBlock1(const TBlock& data)
{
    Image.StoreBlock(1, data);
    RefreshReadAllowed();
    ++Programmings;
    SavingElapsedMs = 0;
}

void TUnitModel::Queue(const TLinkFrame& answer)
{
    TPendingAnswer pending;
    pending.DueMs = Now + std::max(0, Faults.SlowMs);
    // --stray keeps its sequence of noise: the share is drawn only without it.
    const bool stray =
        Faults.Stray || (Faults.StrayPercent > 0 && Noise.Between(1, 100) <= Faults.StrayPercent);
    if (stray) {
        const int count = Noise.Between(1, 3);
        for (int i = 0; i < count; ++i)
            pending.Bytes.push_back(static_cast<std::uint8_t>(Noise.Between(0, 255)));
    }
    pending.Bytes.insert(pending.Bytes.end(), answer.Bytes.begin(), answer.Bytes.end());
    Output.push_back(std::move(pending));
}

void TUnitModel::Step(int milliseconds)
{
    if (milliseconds <= 0)
        return;
    Now += milliseconds;
    Motor.Step(milliseconds, Image);
    if (SavingElapsedMs >= 0) {
        SavingElapsedMs += milliseconds;
        if (SavingElapsedMs >= SavingMs)
            SavingElapsedMs = -1;
    }
}

std::string TUnitModel::MemoryLine() const
{
    std::string line = "memory";
    for (const std::uint8_t byte : Image.Bytes)
        line += ' ' + std::to_string(byte);
    return line;
}

std::vector<std::uint8_t> TUnitModel::TakeOutput()
{
    std::vector<std::uint8_t> due;
    while (!Output.empty() && Output.front().DueMs <= Now) {
        const auto& bytes = Output.front().Bytes;
        due.insert(due.end(), bytes.begin(), bytes.end());
        Output.pop_front();
    }
    return due;
}

long long TUnitModel::MsUntilNextAnswer() const
{
    if (Output.empty())
        return -1;
    return std::max(0LL, Output.front().DueMs - Now);
}

int TUnitModel::SavingCountdown() const
{
    if (SavingElapsedMs < 0)
        return 0;
    return SavingSteps - static_cast<int>(SavingElapsedMs * SavingSteps / SavingMs);
}

TLinkFrame TUnitModel::MonitorAnswer() const
{
    namespace R = UnitRecordByte;
    TLinkFrame frame;
    frame.Bytes[0] = FrameCode::MonitorAnswer;

    const int rpm = Motor.Rpm();
    const TAdvanceReading advance = AdvanceForSpeed(Image, rpm);
    const int millivolts = Motor.Millivolts();

    PutWord(frame, R::Speed, static_cast<unsigned>(rpm));
    PutWord(frame, R::Millivolts, static_cast<unsigned>(millivolts));
    PutWord(frame, R::ProgrammingCount, Programmings);

    // Test values, as a service technician would want them: revolution
    // period in 10 us, requests seen, bytes skipped, seconds up, engine
    // phase, dwell in 0.1 ms, board temperature in 0.1 degC, supply ADC count.
    const unsigned period = rpm > 0 ? std::min(65535, 6000000 / rpm) : 0;
    const unsigned test[8] = {period,
                              MonitorRequests,
                              SkippedBytes,
                              static_cast<unsigned>((Now / 1000) & 0xFFFF),
                              static_cast<unsigned>(Motor.Phase()),
                              rpm > 0 ? 30u : 0u,
                              static_cast<unsigned>(350 + std::min<long long>(Now / 6000, 150)),
                              static_cast<unsigned>(millivolts * 1023 / 20000)};
    for (int k = 0; k < 8; ++k)
        PutWord(frame, R::TestValue1 + 2 * k, test[k]);

    const std::uint8_t setting = Image[ImageByte::Polarity];
    // A self-search reports what the pick-up turned out to be; a fixed
    // setting is taken as the truth.
    const int measured = setting >= PolaritySelfSearch ? Motor.WiredPolarity() : setting;

    frame.Bytes[R::Input1] = Flag(Motor.KillSwitch());
    frame.Bytes[R::Input2] = 0;
    frame.Bytes[R::Advance] = static_cast<std::uint8_t>(std::clamp(advance.Degrees + 100, 0, 255));
    frame.Bytes[R::MaxAdvance] = static_cast<std::uint8_t>(MaxCurveAdvance(Image));
    frame.Bytes[R::MeasuredPolarity] = static_cast<std::uint8_t>(measured);
    frame.Bytes[R::PolarityCheck] = 1;
    frame.Bytes[R::StartLimiter] = Flag(Motor.StartLimiterCut());
    frame.Bytes[R::Limiter] = Flag(Motor.LimiterCut());
    frame.Bytes[R::Blocking] = 0;
    frame.Bytes[R::KillSwitch] = Flag(Motor.KillSwitch());
    frame.Bytes[R::ShiftLight] = Flag(rpm > 0 && rpm >= Image[ImageByte::ShiftLight] * 100);
    frame.Bytes[R::Retard] = 0;
    frame.Bytes[R::ClutchMaster] = 0;
    frame.Bytes[R::PickUp] = Flag(rpm > 0);
    frame.Bytes[R::BasicAdvance] = Flag(advance.Basic);
    PutWord(frame, R::SavingCountdown, static_cast<unsigned>(SavingCountdown()));
    frame.Bytes[R::DataError] = Flag(Faults.DataError);
    frame.Bytes[R::Version] = Faults.Version;
    frame.Seal();
    return frame;
}
