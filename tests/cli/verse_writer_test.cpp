// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/verse_writer.h"
#include "window_reference.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace wumpel::cli {
namespace {

using testing_support::Utf16ToUtf8;

// Collects what a writer sends to a file descriptor.
class CapturedFile {
public:
    CapturedFile() : m_file(std::tmpfile()) {}
    CapturedFile(const CapturedFile&) = delete;
    CapturedFile(CapturedFile&&) = delete;
    CapturedFile& operator=(const CapturedFile&) = delete;
    CapturedFile& operator=(CapturedFile&&) = delete;
    ~CapturedFile() { std::fclose(m_file); }

    int Fd() const { return ::fileno(m_file); }

    std::string Content() const
    {
        std::string content;
        std::array<char, 4096> buffer{};
        ssize_t count = 0;
        off_t offset = 0;
        while ((count = ::pread(Fd(), buffer.data(), buffer.size(), offset)) > 0) {
            content.append(buffer.data(), static_cast<std::size_t>(count));
            offset += count;
        }
        return content;
    }

private:
    std::FILE* m_file;
};

std::string WithoutCrOfCrLf(std::string text)
{
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 1);
    }
    return text;
}

TEST(VerseWriter, WritesNothingBeforeFlushForSmallTexts)
{
    CapturedFile file;
    VerseWriter writer(file.Fd());
    writer.Write(u"Wenn der Hund\r\n");
    EXPECT_EQ(file.Content(), "");
    writer.Flush();
    EXPECT_EQ(file.Content(), "Wenn der Hund\n");
}

// Texts far larger than the buffer, with a CR LF and a surrogate pair placed
// across every boundary a piece could have.
TEST(VerseWriter, KeepsLineBreaksAndPairsWhole)
{
    for (const std::size_t shift : {std::size_t{0}, std::size_t{1}, std::size_t{2}}) {
        std::u16string text(shift, u'a');
        for (int i = 0; i < 20000; ++i) {
            text += u"ä\r\n\U0001F415x";
        }
        CapturedFile file;
        VerseWriter writer(file.Fd());
        writer.Write(text);
        writer.Write(u"ende\r\n");
        writer.Flush();
        EXPECT_EQ(file.Content(), WithoutCrOfCrLf(Utf16ToUtf8(text + u"ende\r\n")))
            << "shifted by " << shift;
    }
}

TEST(VerseWriter, ReportsAFailedWrite)
{
    const int readOnly = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(readOnly, 0);
    VerseWriter writer(readOnly);
    writer.Write(u"Wenn der Hund\r\n");
    EXPECT_THROW(writer.Flush(), std::system_error);
    ::close(readOnly);
}

} // namespace
} // namespace wumpel::cli
