// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "captured_file.h"
#include "cli/text_output.h"
#include "window_reference.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <fcntl.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace wumpel::cli {
namespace {

using testing_support::CapturedFile;
using testing_support::Utf16ToUtf8;
using testing_support::WithLf;

TEST(TextOutput, WritesNothingBeforeFlush)
{
    CapturedFile file;
    TextOutput output(file.Fd());
    output.Write(u"Wenn der Hund\r\n");
    output.Write(u"über die Straße springt\r\n");
    EXPECT_EQ(file.Content(), "");
    output.Flush();
    EXPECT_EQ(file.Content(), "Wenn der Hund\nüber die Straße springt\n");
}

// A text of n units dense with line breaks, umlauts and surrogate pairs, so
// that some straddle wherever the output cuts the text.
std::u16string MixedText(std::size_t n)
{
    static const std::array<std::u16string, 5> Pieces = {u"ab", u"\r\n", u"ä", u"\U0001F415",
                                                         u"€\r"};
    std::u16string text;
    for (std::size_t i = 0; text.size() < n; ++i) {
        text += Pieces.at(i % Pieces.size()) + Pieces.at(i % 3);
    }
    // Not cut inside a pair, which would make the reference conversion fail.
    text.resize(n);
    if (!text.empty() && text.back() >= 0xD800 && text.back() <= 0xDBFF) {
        text.back() = u'x';
    }
    return text;
}

// Texts of every size around the slices the output encodes and its buffer,
// many times over the buffer: what arrives is the text converted as a whole.
TEST(TextOutput, WritesTextOfAnyLengthAsItsWholeConversion)
{
    CapturedFile file;
    TextOutput output(file.Fd());
    std::u16string all;
    for (const std::size_t size :
         {0, 1, 2, 3, 4095, 4096, 4097, 4098, 8191, 8193, 21845, 21846, 65536, 200000}) {
        for (std::size_t shift = 0; shift < 4; ++shift) {
            const std::u16string text = MixedText(size + shift);
            output.Write(text);
            all += text;
        }
    }
    output.Flush();
    const std::string expected = WithLf(Utf16ToUtf8(all));
    const std::string content = file.Content();
    EXPECT_EQ(content.size(), expected.size());
    EXPECT_TRUE(content == expected);
}

TEST(TextOutput, ReportsAFailedWrite)
{
    const int readOnly = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(readOnly, 0);
    TextOutput output(readOnly);
    output.Write(u"Wenn der Hund\r\n");
    EXPECT_THROW(output.Flush(), std::system_error);
    ::close(readOnly);
}

} // namespace
} // namespace wumpel::cli
