#pragma once

#include <cstdint>
#include <string>

class ILinkPort;

// How a user may get at a serial device that would not open, as plain
// values; PortAdviceText words it in the user's language.
enum class TPortAdviceKind {
    None,      // nothing the user can fix this way
    JoinGroup, // the device's group may read and write it: join that group
    OwnerOnly, // no group to join: only the device's owner may open it
    InUse,     // another program holds the device
};

struct TPortAdvice {
    TPortAdviceKind Kind = TPortAdviceKind::None;
    std::string Device;
    std::string Group;   // JoinGroup
    std::string Listing; // OwnerOnly: mode, owner and group as "ls -l" shows them
    long Pid = 0;        // InUse
};

// A device's status as stat() reports it, with the names looked up, and how
// the asking process stands to it.
struct TDeviceAccess {
    std::uint32_t Mode = 0; // st_mode: type and permission bits
    std::uint32_t Uid = 0;
    std::uint32_t Gid = 0;
    std::string Owner;
    std::string Group;
    std::uint32_t UserUid = 0;
    bool UserInGroup = false; // the process holds the device's group
};

// Which advice fits a device that did not open. A group is named only when it
// may read and write the device and is not root: joining root, or a group
// the mode shuts out, would be unsafe or useless.
TPortAdvice AdviseOnAccess(const std::string& device, const TDeviceAccess& access);

// The type and permission bits as "ls -l" writes them: "crw-rw----".
std::string ModeString(std::uint32_t mode);

// The advice in one of the four languages; empty for None.
std::string PortAdviceText(const TPortAdvice& advice, std::uint8_t language);

// What to tell the user after the port's last open failed: its advice when it
// has one, otherwise its own reason.
std::string OpenFailureText(const ILinkPort& port, std::uint8_t language);
