#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A pseudo-terminal pair in raw mode. The program under test opens the slave
// by its path as its serial port; the test reads and writes the master. No
// real serial line is ever touched.
struct TPty {
    int Master = -1;
    std::string SlavePath;

    TPty();
    ~TPty();
    TPty(const TPty&) = delete;
    TPty& operator=(const TPty&) = delete;

    // The far end goes away, as a pulled USB adapter does.
    void CloseMaster();
    // Up to count bytes that the program wrote, waiting a little for each.
    std::vector<std::uint8_t> ReadMaster(std::size_t count);
};
