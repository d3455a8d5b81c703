#pragma once

// The window that the kill test kills: started on the saved files, edited
// through its widgets and closed, round after round. Before each step it
// says on standard output what it is about to do ("start R", "edit R",
// "close R", "closed R"), what it started from ("loaded R settings ..." and
// "loaded R image ...") and before each close what the close will write
// ("expect R settings ..." and "expect R image ..."), so that its parent
// knows what it interrupted and which files it may find. With selfCheck it
// also reads the files back after each close and fails when they are not
// what it said. Returns the exit status.
int DriveWindow(int rounds, unsigned seed, bool selfCheck);
