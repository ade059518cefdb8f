// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Autostart.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(AutostartTest, AnyPathIsQuotedSoItStandsForItself) {
    EXPECT_EQ(autostart::ExecLine("/opt/k5/korvane5", {"2"}), "\"/opt/k5/korvane5\" 2");
    EXPECT_EQ(autostart::ExecLine("/k", {"a b", ""}), "\"/k\" \"a b\" \"\"");
    // Quotes, backticks, dollars and backslashes are escaped, then the string escape
    // doubles each backslash; a percent sign is doubled.
    EXPECT_EQ(autostart::QuoteExecArgument("/a \"b\"/$HOME/`x`/c\\d/50%"),
              "\"/a \\\"b\\\"/\\$HOME/\\`x\\`/c\\\\d/50%%\"");
    EXPECT_EQ(autostart::ExecLine("/x\\y", {}), "\"/x\\\\\\\\y\"");
    EXPECT_EQ(autostart::ExecLine("/new\nline", {}), "\"/new\\nline\"");
}
