#pragma once

#include <string>

// True when some whitespace-separated word of the test-marker file is
// exactly "DIAG_SWITCH".
bool HasDiagSwitch(const std::string& text);
