#include "link/device_check.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fstream>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string GroupName(gid_t gid)
{
    const group* entry = ::getgrgid(gid);
    return entry ? entry->gr_name : std::to_string(gid);
}

std::string UserName(uid_t uid)
{
    const passwd* entry = ::getpwuid(uid);
    return entry ? entry->pw_name : std::to_string(uid);
}

// Whether this process holds the group now: a group joined since the
// session began counts only after logging in again.
bool ProcessHoldsGroup(gid_t gid)
{
    if (::getegid() == gid)
        return true;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    return count > 0 && std::find(groups.begin(), groups.begin() + count, gid) != groups.end();
}

bool ProcessRuns(long pid)
{
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

} // namespace

const std::vector<std::string>& SerialLockFolders()
{
    static const std::vector<std::string> folders{
        "/var/lock", "/etc/locks", "/var/spool/locks",  "/var/spool/uucp",
        "/tmp",      "/var/tmp",   "/var/lock/lockdev", "/run/lock"};
    return folders;
}

std::string SerialLockName(const std::string& device)
{
    const std::string prefix = "/dev/";
    std::string name =
        device.compare(0, prefix.size(), prefix) == 0 ? device.substr(prefix.size()) : device;
    std::replace(name.begin(), name.end(), '/', '_');
    return "LCK.." + name;
}

long LockHolder(const std::string& device, const std::vector<std::string>& lockFolders)
{
    for (const std::string& folder : lockFolders) {
        // Qt writes the PID on the first line, other programs pad it with
        // blanks; either way it is the first number.
        std::ifstream lock(folder + "/" + SerialLockName(device));
        long pid = 0;
        if (lock >> pid && ProcessRuns(pid))
            return pid;
    }
    return 0;
}

TPortAdvice PermissionAdvice(const std::string& device, const std::vector<std::string>& lockFolders)
{
    TPortAdvice advice;
    advice.Device = device;
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0)
        return advice;
    if (const long pid = LockHolder(device, lockFolders)) {
        advice.Kind = TPortAdviceKind::InUse;
        advice.Pid = pid;
        return advice;
    }
    if (::access(device.c_str(), R_OK | W_OK) == 0)
        return advice;
    return AdviseOnAccess(device,
                          {info.st_mode, info.st_uid, info.st_gid, UserName(info.st_uid),
                           GroupName(info.st_gid), ::geteuid(), ProcessHoldsGroup(info.st_gid)});
}
