#pragma once

#include <string>

// A pseudo-terminal pair whose device the program under test may open as
// its serial port: nothing answers on it, and no real serial line is touched.
class TPseudoTerminal {
public:
    TPseudoTerminal();
    ~TPseudoTerminal();
    TPseudoTerminal(const TPseudoTerminal&) = delete;
    TPseudoTerminal& operator=(const TPseudoTerminal&) = delete;

    // The device path of the far end, or empty when none could be made.
    const std::string& DevicePath() const { return m_path; }
    // The near end: what the program writes to the device can be read here.
    int Master() const { return m_master; }

private:
    int m_master = -1;
    std::string m_path;
};
