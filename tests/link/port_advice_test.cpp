#include "link/port_advice.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

constexpr std::uint32_t CharDevice = 0020000;
constexpr std::uint32_t User = 1000;

struct TAdviceCase {
    const char* Name;
    TDeviceAccess Access;
    TPortAdviceKind Kind;
    const char* Group;
    const char* Listing;
};

void PrintTo(const TAdviceCase& c, std::ostream* out)
{
    *out << c.Name;
}

class PortAdviceTest : public testing::TestWithParam<TAdviceCase> {};

TEST_P(PortAdviceTest, NamesAGroupOnlyWhereJoiningItHelpsSafely)
{
    const TAdviceCase& c = GetParam();
    const TPortAdvice advice = AdviseOnAccess("/dev/ttyUSB0", c.Access);
    EXPECT_EQ(advice.Kind, c.Kind);
    EXPECT_EQ(advice.Group, c.Group);
    EXPECT_EQ(advice.Listing, c.Listing);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, PortAdviceTest,
    testing::Values(TAdviceCase{"DialoutReadWrite",
                                {CharDevice | 0660, 0, 20, "root", "dialout", User, false},
                                TPortAdviceKind::JoinGroup,
                                "dialout",
                                ""},
                    TAdviceCase{"GroupRoot",
                                {CharDevice | 0660, 0, 0, "root", "root", User, false},
                                TPortAdviceKind::OwnerOnly,
                                "",
                                "crw-rw---- root root"},
                    TAdviceCase{"GroupWithoutReadWrite",
                                {CharDevice | 0640, 0, 20, "root", "dialout", User, false},
                                TPortAdviceKind::OwnerOnly,
                                "",
                                "crw-r----- root dialout"},
                    TAdviceCase{"OwnerOnly",
                                {CharDevice | 0600, 0, 5, "root", "tty", User, false},
                                TPortAdviceKind::OwnerOnly,
                                "",
                                "crw------- root tty"},
                    // The process holds the group or owns the device: the mode did not stop it.
                    TAdviceCase{"InTheGroupAlready",
                                {CharDevice | 0660, 0, 20, "root", "dialout", User, true},
                                TPortAdviceKind::None,
                                "",
                                ""},
                    TAdviceCase{"TheUsersOwn",
                                {CharDevice | 0620, User, 20, "me", "dialout", User, false},
                                TPortAdviceKind::None,
                                "",
                                ""}),
    [](const testing::TestParamInfo<TAdviceCase>& info) { return std::string(info.param.Name); });

} // namespace
