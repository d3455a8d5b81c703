#pragma once

#include <string>

// A hint "short|long": the part before the first '|' is the tooltip, the part
// after it goes to the status bar; a hint without '|' is both.
struct THintParts {
    std::string Short;
    std::string Long;
};

THintParts SplitHint(const std::string& hint);
