#include "ui/message_table.h"

#include <gtest/gtest.h>

TEST(MessageTable, HasThirtyFourEntries) { EXPECT_EQ(BuildMessageTable(0).size(), 34u); }
