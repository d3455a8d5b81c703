#include "files/output_paths.h"

#include <cstdlib>

#include <sys/stat.h>

namespace {

struct TFileIdentity {
    bool Exists = false;
    dev_t Device = 0;
    ino_t Inode = 0;
    std::string Name; // where it would be created, when it does not exist
};

TFileIdentity IdentityOf(const std::string& path)
{
    TFileIdentity identity;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        identity.Exists = true;
        identity.Device = info.st_dev;
        identity.Inode = info.st_ino;
        return identity;
    }
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    char* resolved = ::realpath(folder.c_str(), nullptr);
    identity.Name = (resolved ? std::string(resolved) : folder) + "/" +
                    (slash == std::string::npos ? path : path.substr(slash + 1));
    std::free(resolved);
    return identity;
}

bool SameFile(const TFileIdentity& a, const TFileIdentity& b)
{
    if (a.Exists != b.Exists)
        return false;
    return a.Exists ? a.Device == b.Device && a.Inode == b.Inode : a.Name == b.Name;
}

} // namespace

std::string SameFileTwice(const std::vector<std::string>& paths)
{
    std::vector<TFileIdentity> seen(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (paths[i].empty())
            continue;
        seen[i] = IdentityOf(paths[i]);
        for (std::size_t j = 0; j < i; ++j)
            if (!paths[j].empty() && SameFile(seen[i], seen[j]))
                return paths[j] == paths[i] ? paths[i] + " is given for two outputs"
                                            : paths[j] + " and " + paths[i] + " are the same file";
    }
    return {};
}
