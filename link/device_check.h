#pragma once

#include "link/port_advice.h"

#include <string>
#include <vector>

// Why a serial device would not open, looked up on the machine: its lock
// file, its mode and owners, and where the user stands to them.

// Where Qt's serial port keeps its lock files, in the order it tries them.
const std::vector<std::string>& SerialLockFolders();

// The lock file Qt's serial port makes for a device: "/dev/ttyUSB0" gives
// "LCK..ttyUSB0", "/dev/pts/3" "LCK..pts_3".
std::string SerialLockName(const std::string& device);

// The process that holds the device, when it is running; 0 for none found.
// Looked for in a lock file in one of the folders, under the name given and
// under the device's own path (a symbolic link has a lock of its own), then
// among the locks the kernel lists, which find a holder under any name.
long LockHolder(const std::string& device, const std::vector<std::string>& lockFolders);

// The advice for a device that did not open: held by another program, or
// not permitted to this user; None when it is missing or neither is the
// case.
TPortAdvice PermissionAdvice(const std::string& device,
                             const std::vector<std::string>& lockFolders = SerialLockFolders());
