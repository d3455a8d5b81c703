#include "files/test_marker.h"

#include <gtest/gtest.h>

TEST(TestMarker, TheExactWordAnywhereSwitchesTestModeOn)
{
    EXPECT_TRUE(HasDiagSwitch("DIAG_SWITCH"));
    EXPECT_TRUE(HasDiagSwitch("one two\r\n\tDIAG_SWITCH\r\nthree"));
    EXPECT_TRUE(HasDiagSwitch(std::string(5000, 'x') + " DIAG_SWITCH"));
    EXPECT_TRUE(HasDiagSwitch("\vDIAG_SWITCH\f"));
}

TEST(TestMarker, OtherWordsLeaveItOff)
{
    for (const char* text : {"", "   \n", "diag_switch", "DIAG_SWITCHES", "xDIAG_SWITCH",
                             "DIAG_SWITC", "DIAG SWITCH", "\"DIAG_SWITCH\""})
        EXPECT_FALSE(HasDiagSwitch(text)) << text;
    EXPECT_FALSE(HasDiagSwitch(std::string("DIAG_SWITCH\0", 12)));
}
