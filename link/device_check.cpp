#include "link/device_check.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <grp.h>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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

namespace {

long LockFileHolder(const std::string& device, const std::vector<std::string>& lockFolders)
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

std::string CanonicalPath(const std::string& path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// The process holding an exclusive flock on the device, from the kernel's
// list of locks; 0 for none.
long FlockHolder(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return 0;
    // "1: FLOCK  ADVISORY  WRITE 1234 00:19:6 0 EOF": the file system's
    // major and minor in hex, then the inode; waiters carry "->" and hold nothing.
    char key[64];
    std::snprintf(key, sizeof key, "%02x:%02x:%lu", major(info.st_dev), minor(info.st_dev),
                  static_cast<unsigned long>(info.st_ino));
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        std::istringstream words(line);
        std::string number, type, mode, access, where;
        long pid = 0;
        if (words >> number >> type >> mode >> access >> pid >> where && type == "FLOCK" &&
            access == "WRITE" && where == key && ProcessRuns(pid))
            return pid;
    }
    return 0;
}

} // namespace

long LockHolder(const std::string& device, const std::vector<std::string>& lockFolders)
{
    if (const long pid = LockFileHolder(device, lockFolders))
        return pid;
    const std::string canonical = CanonicalPath(device);
    if (canonical != device)
        if (const long pid = LockFileHolder(canonical, lockFolders))
            return pid;
    return FlockHolder(device);
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
