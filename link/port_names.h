#pragma once

#include <string>
#include <vector>

// Serial devices in the order the port menu numbers them: USB adapters
// (ttyUSB*), then ttyACM*, then the rest; numerically within each group.
std::vector<std::string> OrderPortNames(std::vector<std::string> paths);

// The device for 1-based port number n, or empty when the list is shorter.
std::string PortPath(const std::vector<std::string>& ports, int number);
