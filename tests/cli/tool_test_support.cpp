// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "tool_test_support.h"

#include "engine/actions.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "tests/support/fake_verse_window.h"
#include "tests/support/line_breaks.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

namespace wumpel::testing_support {

std::string WindowOutput(std::string_view wordList, std::uint64_t seed, int count)
{
    GeneratorState state;
    FakeVerseWindow window;
    window.WordList = WithCrLf(wordList);
    SeededRandomSource random(seed);
    ApplyWordList(state, window, random);
    for (int click = 1; click < count; ++click) {
        AppendVerse(state, window, random);
    }
    return WithLf(window.Output);
}

std::string EntryLines(int count)
{
    // "ein" teaches no gender, so some entries decline as masculine by default.
    static constexpr std::array<std::string_view, 4> Articles = {"der", "die", "das", "ein"};
    std::string lines;
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        lines += std::string(Articles.at(i % Articles.size())) + " Wort" + std::to_string(i) + "\n";
    }
    return lines;
}

TemporaryFile::TemporaryFile(std::string_view content)
{
    std::string pattern = testing::TempDir() + "wumpel-verse-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        throw std::runtime_error("mkstemp failed");
    }
    m_path = pattern;
    const bool complete =
        ::write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size());
    ::close(fd);
    if (!complete) {
        throw std::runtime_error("could not write " + m_path);
    }
}

TemporaryFile::~TemporaryFile()
{
    std::remove(m_path.c_str());
}

} // namespace wumpel::testing_support
