#include "link/port_names.h"

#include <gtest/gtest.h>

TEST(PortNames, UsbAdaptersFirstThenAcmThenTheRestEachNumerically)
{
    const std::vector<std::string> found = {"/dev/ttyS1",   "/dev/ttyUSB10", "/dev/ttyACM0",
                                            "/dev/ttyUSB2", "/dev/ttyS0",    "/dev/ttyUSB1",
                                            "/dev/ttyS10",  "/dev/ttyS2",    "/dev/ttyACM1"};
    const std::vector<std::string> expected = {
        "/dev/ttyUSB1", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyACM1",
        "/dev/ttyS0",   "/dev/ttyS1",   "/dev/ttyS2",    "/dev/ttyS10"};
    EXPECT_EQ(OrderPortNames(found), expected);
}

TEST(PortNames, NumberBeyondTheListNamesNoDevice)
{
    const std::vector<std::string> ports = {"/dev/pts/7", "/dev/pts/3"};
    EXPECT_EQ(PortPath(ports, 1), "/dev/pts/7");
    EXPECT_EQ(PortPath(ports, 2), "/dev/pts/3");
    EXPECT_EQ(PortPath(ports, 3), "");
    EXPECT_EQ(PortPath(ports, 0), "");
    EXPECT_EQ(PortPath({}, 1), "");
}
