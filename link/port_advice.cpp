#include "link/port_advice.h"

#include "link/link_port.h"
#include "texts/notice_table.h"

namespace {

// The permission bits of st_mode, as POSIX numbers them.
constexpr std::uint32_t OwnerReadWrite = 0600;
constexpr std::uint32_t GroupReadWrite = 0060;
constexpr std::uint32_t OtherReadWrite = 0006;
constexpr std::uint32_t TypeMask = 0170000;

bool Grants(std::uint32_t mode, std::uint32_t readWrite)
{
    return (mode & readWrite) == readWrite;
}

char TypeLetter(std::uint32_t mode)
{
    switch (mode & TypeMask) {
    case 0020000:
        return 'c';
    case 0060000:
        return 'b';
    case 0040000:
        return 'd';
    case 0010000:
        return 'p';
    case 0140000:
        return 's';
    case 0120000:
        return 'l';
    default:
        return '-';
    }
}

} // namespace

TPortAdvice AdviseOnAccess(const std::string& device, const TDeviceAccess& access)
{
    TPortAdvice advice;
    advice.Device = device;
    const std::uint32_t mode = access.Mode;
    const bool permitted =
        access.UserUid == 0 || (access.UserUid == access.Uid && Grants(mode, OwnerReadWrite)) ||
        (access.UserInGroup && Grants(mode, GroupReadWrite)) || Grants(mode, OtherReadWrite);
    if (permitted)
        return advice; // the mode is not what stopped the open
    if (Grants(mode, GroupReadWrite) && access.Group != "root" && !access.Group.empty()) {
        advice.Kind = TPortAdviceKind::JoinGroup;
        advice.Group = access.Group;
        return advice;
    }
    advice.Kind = TPortAdviceKind::OwnerOnly;
    advice.Listing = ModeString(mode) + " " + access.Owner + " " + access.Group;
    return advice;
}

std::string ModeString(std::uint32_t mode)
{
    std::string text(10, '-');
    text[0] = TypeLetter(mode);
    const char letters[] = "rwx";
    for (int bit = 0; bit < 9; ++bit)
        if (mode & (0400u >> bit))
            text[static_cast<std::size_t>(1 + bit)] = letters[bit % 3];
    return text;
}

std::string PortAdviceText(const TPortAdvice& advice, std::uint8_t language)
{
    switch (advice.Kind) {
    case TPortAdviceKind::None:
        break;
    case TPortAdviceKind::JoinGroup:
        return FormatNotice(TNotice::DeviceNoPermission, language, {advice.Device, advice.Group});
    case TPortAdviceKind::OwnerOnly:
        return FormatNotice(TNotice::DeviceOwnerOnly, language, {advice.Device, advice.Listing}) +
               "\n" + NoticeText(TNotice::DeviceSeeReadme, language);
    case TPortAdviceKind::InUse:
        if (advice.Pid == 0)
            return FormatNotice(TNotice::DeviceInUseUnknown, language, {advice.Device});
        return FormatNotice(TNotice::DeviceInUse, language,
                            {advice.Device, "PID " + std::to_string(advice.Pid)});
    }
    return {};
}

std::string OpenFailureText(const ILinkPort& port, std::uint8_t language)
{
    const std::string advice = PortAdviceText(port.OpenFailureAdvice(), language);
    return advice.empty() ? port.OpenFailureReason() : advice;
}
