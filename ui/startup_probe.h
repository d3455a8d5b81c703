#pragma once

class QWidget;

// For the start-up benchmark: with KOLVANE_STARTUP_PROBE set in the
// environment, the first time the window has painted itself the program
// prints the monotonic clock and its peak memory on standard error and ends.
// Without the variable this does nothing.
void InstallStartupProbe(QWidget& window);
