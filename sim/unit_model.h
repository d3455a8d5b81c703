#pragma once

#include "link/frame.h"
#include "link/monitor_record.h"
#include "params/param_image.h"
#include "sim/engine_sim.h"
#include "sim/sim_random.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

constexpr std::uint8_t UnitProgramVersion = 72;

// The unit lays out its monitor answer as the program reads it.
namespace UnitRecordByte = MonitorByte;

// The saving countdown after block 1 is taken: from this value down to 0.
constexpr int SavingSteps = 53;
constexpr int SavingMs = 2000;

// Where the bad-echo fault alters the 0x81 answer: the first curve advance.
constexpr int BadEchoBlockOffset = ImageByte::CurveAdvance - BlockSize;

// Misbehaviour to put the program's error handling to work.
struct TUnitFaults {
    bool Silent = false;                       // never answers anything
    std::uint8_t Version = UnitProgramVersion; // block 0 byte 10 and monitor byte 50
    bool NoRead = false;                       // block 0 byte 9 always 0
    bool BadEcho = false;                      // one byte of every 0x81 answer altered
    bool Stray = false;                        // a few stray bytes before every answer
    int StrayPercent = 0;                      // ... or before about this share of answers
    int SlowMs = 0;                            // answers held back this long
    int SilentAfter = -1;                      // block requests answered, then none; -1 never
    bool DataError = false;                    // monitor byte 49 set
};

// The month code of block 0 byte 5: the sum of the character codes of the
// English three-letter abbreviation, modulo 256.
std::uint8_t MonthCode(const char* abbreviation);

// The ignition unit as seen from its serial line: bytes in, bytes out.
// Time passes only through Step, so every run is repeatable.
class TUnitModel {
public:
    explicit TUnitModel(const TUnitFaults& faults = {}, std::uint64_t seed = 1);

    // Buffers the bytes and answers every complete request frame in them.
    void Receive(const std::uint8_t* bytes, std::size_t count);
    void Receive(const std::vector<std::uint8_t>& bytes) { Receive(bytes.data(), bytes.size()); }

    // Lets `milliseconds` pass: the engine runs, saving counts down, slow
    // answers come due.
    void Step(int milliseconds);

    // Answer bytes that are due, in order; they are removed from the queue.
    std::vector<std::uint8_t> TakeOutput();

    // Milliseconds until the next held-back answer is due; -1 when none waits.
    long long MsUntilNextAnswer() const;

    const TParamImage& Memory() const { return Image; }
    // "memory" and the 100 bytes of the memory in decimal, one line without
    // its line break: what the program prints when asked for its memory.
    std::string MemoryLine() const;
    const TSimEngine& Engine() const { return Motor; }
    std::uint16_t ProgrammingCount() const { return Programmings; }
    int SavingCountdown() const;
    long long NowMs() const { return Now; }

    // The monitor answer the unit would send at this moment.
    TLinkFrame MonitorAnswer() const;

private:
    struct TPendingAnswer {
        long long DueMs = 0;
        std::vector<std::uint8_t> Bytes;
    };

    void ScanInput();
    void Answer(const TLinkFrame& request);
    void TakeBlock1(const TBlock& data);
    void RefreshReadAllowed();
    void Queue(const TLinkFrame& answer);

    TUnitFaults Faults;
    TParamImage Image;
    TSimEngine Motor;
    TSimRandom Noise; // stray bytes; kept apart so traffic does not change the engine's run
    std::deque<std::uint8_t> Input;
    std::deque<TPendingAnswer> Output;
    long long Now = 0;
    std::uint16_t Programmings = 0;
    long long SavingElapsedMs = -1; // -1: not saving
    int BlockRequestsAnswered = 0;
    std::uint16_t MonitorRequests = 0;
    std::uint16_t SkippedBytes = 0;
};
