// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "child_process.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wumpel::testing_support {

// Runs the built wumpel-verse.
inline ProcessResult RunVerseTool(const std::vector<std::string>& arguments,
                                  std::string_view input = {})
{
    return RunProcess(WUMPEL_VERSE_PATH, arguments, input);
}

// What the window's output field shows after "Übernehmen" and count - 1 clicks
// on "Zeilen anhängen" with a SeededRandomSource(seed), taken from the engine's
// actions over the fake window, with every CR LF made LF. The word list is
// UTF-8 with any line breaks, as the tool reads it.
std::string WindowOutput(std::string_view wordList, std::uint64_t seed, int count);

// Nine or more entries, each line ended by LF.
std::string EntryLines(int count);

// The first example list of the window, with LF line breaks.
inline constexpr std::string_view GodList = "der Gott\ndie Hölle\nder Himmel\ndie Disko\n"
                                            "das Geld\ndie Liebe\nder Tod\ndas Elend\ndie Güte\n";

inline constexpr std::string_view TooFewWordsLine =
    "es sind zu wenig wörter eingegeben, bitte ergänzen sie weitere\n";

// A file that is removed again when the test ends.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string_view content);
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile(TemporaryFile&&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    TemporaryFile& operator=(TemporaryFile&&) = delete;
    ~TemporaryFile();

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace wumpel::testing_support
