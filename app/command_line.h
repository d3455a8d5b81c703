#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The start-up switches read from the command line. Arguments exclude the
// program's own name.

// The first word, when it is exactly "ENGLISH", "DEUTSCH", "FRANCE" or
// "CESKY", picks the language 0..3; anything else leaves it as it was.
void ApplyCommandLine(const std::vector<std::string>& words, std::uint8_t& languageIndex);

struct TStartOptions {
    // Save an image of the window here after a few ticks, then end.
    std::string ScreenshotPath;
    // The port list, in order, when devices are named; COM n is the n-th.
    std::vector<std::string> Ports;
    // Start a simulated unit and use it as the only port.
    bool Demo = false;
    // A CSV row per live-data answer goes here.
    std::string LogPath;
    // Every frame on the line and every dropped byte goes here.
    std::string TracePath;
    // The log and the trace may empty a file that holds something.
    bool Force = false;
    bool Help = false;
    bool Version = false;
    // The arguments that are not options, in order: the language word.
    std::vector<std::string> Words;
    // An unknown option or one without its value; the program says so and ends.
    std::string Error;
};

TStartOptions ParseStartOptions(const std::vector<std::string>& arguments);

// What --help prints.
std::string UsageText();
