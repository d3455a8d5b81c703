#include "link/port_names.h"

#include <algorithm>
#include <cctype>
#include <tuple>

namespace {

struct TSortKey {
    int Group;
    std::string Stem;
    unsigned long Number;
    std::string Path;

    bool operator<(const TSortKey& other) const
    {
        return std::tie(Group, Stem, Number, Path) <
               std::tie(other.Group, other.Stem, other.Number, other.Path);
    }
};

TSortKey KeyOf(const std::string& path)
{
    const std::string name = path.substr(path.find_last_of('/') + 1);
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1])))
        --digits;
    const std::string stem = name.substr(0, digits);
    const std::string tail = name.substr(digits);
    // Long digit runs cannot be port numbers; keep them sortable without overflow.
    const unsigned long number = tail.empty() || tail.size() > 9 ? 0 : std::stoul(tail);
    const int group = stem == "ttyUSB" ? 0 : stem == "ttyACM" ? 1 : 2;
    return {group, stem, number, path};
}

} // namespace

std::vector<std::string> OrderPortNames(std::vector<std::string> paths)
{
    std::vector<TSortKey> keys;
    for (const std::string& path : paths)
        keys.push_back(KeyOf(path));
    std::sort(keys.begin(), keys.end());
    std::vector<std::string> ordered;
    for (const TSortKey& key : keys)
        ordered.push_back(key.Path);
    ordered.erase(std::unique(ordered.begin(), ordered.end()), ordered.end());
    return ordered;
}

std::string PortPath(const std::vector<std::string>& ports, int number)
{
    if (number < 1 || static_cast<std::size_t>(number) > ports.size())
        return {};
    return ports[static_cast<std::size_t>(number) - 1];
}
