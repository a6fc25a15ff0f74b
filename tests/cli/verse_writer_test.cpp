// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "captured_file.h"
#include "cli/verse_writer.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace wumpel::cli {
namespace {

using testing_support::CapturedFile;

// Pieces kept the way VerseBytes keeps them: one pool with slack at its end.
class PaddedPieces {
public:
    std::string_view Add(std::string_view bytes)
    {
        m_offsets.push_back(m_pool.size());
        m_pool += bytes;
        return bytes;
    }

    // Views into the pool, valid until the next Add.
    std::vector<std::string_view> Views()
    {
        m_pool.resize(m_pool.size() + VerseWriter::PieceSlack, '#');
        std::vector<std::string_view> views;
        for (std::size_t i = 0; i < m_offsets.size(); ++i) {
            const std::size_t end = i + 1 < m_offsets.size()
                                        ? m_offsets.at(i + 1)
                                        : m_pool.size() - VerseWriter::PieceSlack;
            views.emplace_back(m_pool.data() + m_offsets.at(i), end - m_offsets.at(i));
        }
        return views;
    }

private:
    std::string m_pool;
    std::vector<std::size_t> m_offsets;
};

TEST(VerseWriter, WritesNothingBeforeFlushForSmallPieces)
{
    PaddedPieces pieces;
    pieces.Add("Wenn ");
    pieces.Add("der Hund\n");
    CapturedFile file;
    VerseWriter writer(file.Fd());
    {
        VerseWriter::Cursor cursor(writer);
        for (const std::string_view piece : pieces.Views()) {
            cursor.PutPadded(piece);
        }
    }
    EXPECT_EQ(file.Content(), "");
    writer.Flush();
    EXPECT_EQ(file.Content(), "Wenn der Hund\n");
}

// Pieces of every size around the fixed-size move and the buffer, many times
// over the buffer: what arrives is exactly the pieces one after another, none
// of the bytes a move reads beyond its piece.
TEST(VerseWriter, SendsEveryPieceWholeAndNothingElse)
{
    PaddedPieces pieces;
    std::string expected;
    const std::vector<std::size_t> sizes = {0,  1,   2,    7,     31,    32,    33,
                                            64, 100, 4095, 65535, 65536, 65569, 200000};
    for (int round = 0; round < 40; ++round) {
        for (const std::size_t size : sizes) {
            const std::string piece(size, static_cast<char>('a' + (round + size) % 26));
            expected += pieces.Add(piece);
        }
    }
    CapturedFile file;
    VerseWriter writer(file.Fd());
    // A cursor per few pieces, as per verse.
    const std::vector<std::string_view> views = pieces.Views();
    for (std::size_t first = 0; first < views.size(); first += 5) {
        VerseWriter::Cursor cursor(writer);
        for (std::size_t i = first; i < first + 5 && i < views.size(); ++i) {
            cursor.PutPadded(views.at(i));
        }
    }
    writer.Flush();
    const std::string content = file.Content();
    EXPECT_EQ(content.size(), expected.size());
    EXPECT_TRUE(content == expected);
    EXPECT_EQ(content.find('#'), std::string::npos);
}

TEST(VerseWriter, ReportsAFailedWrite)
{
    const int readOnly = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(readOnly, 0);
    PaddedPieces pieces;
    pieces.Add("Wenn der Hund\n");
    VerseWriter writer(readOnly);
    VerseWriter::Cursor(writer).PutPadded(pieces.Views().at(0));
    EXPECT_THROW(writer.Flush(), std::system_error);
    ::close(readOnly);
}

} // namespace
} // namespace wumpel::cli
