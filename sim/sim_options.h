#pragma once

#include "sim/unit_model.h"

#include <cstdint>
#include <string>
#include <vector>

// What the simulator's command line asks for.
struct TSimOptions {
    TUnitFaults Faults;
    std::uint64_t Seed = 1;
    std::string LinkPath; // empty: no symbolic link
    bool Help = false;
    bool ShowVersion = false;    // print the simulator's own version and end
    bool ExitWithParent = false; // end when the process that started it ends
};

struct TSimOptionsResult {
    bool Ok = true;
    std::string Error; // one line, when not Ok
    TSimOptions Options;
};

// Parses the arguments after the program name.
TSimOptionsResult ParseSimOptions(const std::vector<std::string>& args);

// The --help text.
std::string SimUsage(const std::string& programName);
