// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "captured_file.h"
#include "cli/text_output.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <fcntl.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace wumpel::cli {
namespace {

using testing_support::CapturedFile;

TEST(TextOutput, WritesTheEnginesBytesWithLfBreaksOnlyWhenFlushed)
{
    CapturedFile file;
    TextOutput output(file.Fd());
    output.Text() += "Wenn der Hund\r\nüber die Straße\rspringt\r\r\n\r\n";
    output.WriteWhenFull();
    EXPECT_EQ(file.Content(), "");
    output.Flush();
    EXPECT_EQ(file.Content(), "Wenn der Hund\nüber die Straße\rspringt\r\n\n");
    EXPECT_TRUE(output.Text().empty());
}

// However often the buffer fills, what arrives is the whole text converted.
TEST(TextOutput, WritesWhenFullAndLosesNothingOnTheWay)
{
    CapturedFile file;
    TextOutput output(file.Fd());
    const std::string verse = "Wenn der Spaß mit dem Öl\r\nüber die Brücke springt\r\n\r\n";
    std::string expected;
    bool wroteEarly = false;
    for (int i = 0; i < 5000; ++i) {
        output.Text() += verse;
        output.WriteWhenFull();
        expected += "Wenn der Spaß mit dem Öl\nüber die Brücke springt\n\n";
        wroteEarly = wroteEarly || !file.Content().empty();
    }
    output.Flush();
    EXPECT_TRUE(wroteEarly);
    EXPECT_TRUE(file.Content() == expected);
}

TEST(TextOutput, ReportsAFailedWrite)
{
    const int readOnly = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(readOnly, 0);
    TextOutput output(readOnly);
    output.Text() += "Wenn der Hund\r\n";
    EXPECT_THROW(output.Flush(), std::system_error);
    ::close(readOnly);
}

} // namespace
} // namespace wumpel::cli
