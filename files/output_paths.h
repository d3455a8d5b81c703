#pragma once

#include <string>
#include <vector>

// Two outputs of one run given the same file would write over each other.
// Compares the files as the system sees them: the same file when both
// exist, the same resolved folder and name when neither does yet. Empty
// names are skipped. Empty when all differ, otherwise which two are one.
std::string SameFileTwice(const std::vector<std::string>& paths);
