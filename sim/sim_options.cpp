#include "sim/sim_options.h"

#include <cerrno>
#include <cstdlib>

namespace {

// Whole decimal number within lo..hi, nothing else on the argument.
bool ParseNumber(const std::string& text, long long lo, long long hi, long long& value)
{
    if (text.empty() || text[0] == '-' || text[0] == '+')
        return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long long parsed = std::strtoull(text.c_str(), &end, 10);
    if (errno != 0 || end == nullptr || *end != '\0')
        return false;
    if (parsed > static_cast<unsigned long long>(hi) || static_cast<long long>(parsed) < lo)
        return false;
    value = static_cast<long long>(parsed);
    return true;
}

} // namespace

TSimOptionsResult ParseSimOptions(const std::vector<std::string>& args)
{
    TSimOptionsResult result;
    TSimOptions& options = result.Options;
    auto fail = [&](const std::string& error) {
        result.Ok = false;
        result.Error = error;
        return result;
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size())
                return false;
            out = args[++i];
            return true;
        };
        auto number = [&](long long lo, long long hi, long long& out) {
            std::string text;
            return value(text) && ParseNumber(text, lo, hi, out);
        };
        long long n = 0;

        if (arg == "--help" || arg == "-h") {
            options.Help = true;
        } else if (arg == "--silent") {
            options.Faults.Silent = true;
        } else if (arg == "--no-read") {
            options.Faults.NoRead = true;
        } else if (arg == "--bad-echo") {
            options.Faults.BadEcho = true;
        } else if (arg == "--stray") {
            options.Faults.Stray = true;
        } else if (arg == "--stray-percent") {
            if (!number(0, 100, n))
                return fail("--stray-percent needs a share of 0..100 percent");
            options.Faults.StrayPercent = static_cast<int>(n);
        } else if (arg == "--data-error") {
            options.Faults.DataError = true;
        } else if (arg == "--exit-with-parent") {
            options.ExitWithParent = true;
        } else if (arg == "--version") {
            options.ShowVersion = true;
        } else if (arg == "--unit-version") {
            if (!number(0, 255, n))
                return fail("--unit-version needs a program version 0..255");
            options.Faults.Version = static_cast<std::uint8_t>(n);
        } else if (arg == "--slow") {
            if (!number(0, 60000, n))
                return fail("--slow needs a delay of 0..60000 ms");
            options.Faults.SlowMs = static_cast<int>(n);
        } else if (arg == "--silent-after") {
            if (!number(0, 1000000, n))
                return fail("--silent-after needs a count of block requests");
            options.Faults.SilentAfter = static_cast<int>(n);
        } else if (arg == "--seed") {
            if (!number(0, 0x7FFFFFFFFFFFFFFFll, n))
                return fail("--seed needs a whole number");
            options.Seed = static_cast<std::uint64_t>(n);
        } else if (arg == "--link") {
            if (!value(options.LinkPath) || options.LinkPath.empty())
                return fail("--link needs a path");
        } else {
            return fail("unknown option: " + arg);
        }
    }
    return result;
}

std::string SimUsage(const std::string& programName)
{
    return "Usage: " + programName +
           " [options]\n"
           "Simulated ignition unit on a pseudo-terminal. Prints the terminal's path,\n"
           "then answers requests as the ignition unit would, until interrupted\n"
           "(SIGINT or SIGTERM). SIGUSR1 prints the unit's memory as one line:\n"
           "\"memory\" and its 100 bytes in decimal.\n"
           "\n"
           "  --link PATH        also make PATH a symbolic link to the terminal\n"
           "  --exit-with-parent end when the process that started it ends (as\n"
           "                     kolvane --demo asks); otherwise it outlives its shell\n"
           "  --seed N           seed of the simulated engine (default 1)\n"
           "  --silent           never answer\n"
           "  --unit-version N   report program version N instead of 72\n"
           "  --no-read          refuse reading (block 0 byte 9 = 0)\n"
           "  --bad-echo         alter one byte of the block 1 programming echo\n"
           "  --stray            send a few stray bytes before every answer\n"
           "  --stray-percent P  ... or before about P percent of the answers (seeded)\n"
           "  --slow MS          hold every answer back MS milliseconds\n"
           "  --silent-after K   stop answering after K block requests\n"
           "  --data-error       report faulty stored data\n"
           "  --help             show this text\n"
           "  --version          show the simulator's version\n";
}
