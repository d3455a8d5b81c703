#include "link/port_advice.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

constexpr std::uint32_t CharDevice = 0020000;
constexpr std::uint32_t User = 1000;

struct TAdviceCase {
    TDeviceAccess Access;
    const char* Said; // the kind, then the group to join or the listing
};

void PrintTo(const TAdviceCase& c, std::ostream* out)
{
    *out << c.Said;
}

std::string Described(const TPortAdvice& advice)
{
    const char* const kinds[] = {"none", "join", "owner only", "in use"};
    return std::string(kinds[static_cast<int>(advice.Kind)]) + " " + advice.Group + advice.Listing;
}

class PortAdviceTest : public testing::TestWithParam<TAdviceCase> {};

TEST_P(PortAdviceTest, NamesAGroupOnlyWhereJoiningItHelpsSafely)
{
    EXPECT_EQ(Described(AdviseOnAccess("/dev/ttyUSB0", GetParam().Access)), GetParam().Said);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, PortAdviceTest,
    testing::Values(
        TAdviceCase{{CharDevice | 0660, 0, 20, "root", "dialout", User, false}, "join dialout"},
        TAdviceCase{{CharDevice | 0660, 0, 0, "root", "root", User, false},
                    "owner only crw-rw---- root root"},
        TAdviceCase{{CharDevice | 0640, 0, 20, "root", "dialout", User, false},
                    "owner only crw-r----- root dialout"},
        TAdviceCase{{CharDevice | 0600, 0, 5, "root", "tty", User, false},
                    "owner only crw------- root tty"},
        // The process holds the group or owns the device: the mode did not stop it.
        TAdviceCase{{CharDevice | 0660, 0, 20, "root", "dialout", User, true}, "none "},
        TAdviceCase{{CharDevice | 0620, User, 20, "me", "dialout", User, false}, "none "}));

} // namespace
