// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wumpel::testing_support {

// Tells whether a text is a whole number of verses made from one word list,
// knowing only the verse frame and the article forms, not how the engine draws:
// three lines and an empty line each, the frame's own words in their places,
// and nine different entries of the list in the nine slots, each with an
// article form that fits the slot's case and the entry's gender. A noun may
// stand twice in a verse only if two entries hold it.
class VerseFormChecker {
public:
    // wordList as the engine reads it, with CR LF line breaks.
    explicit VerseFormChecker(std::string_view wordList);

    // Empty when text is well formed, otherwise what is wrong and where.
    std::string check(std::string_view text) const;

    std::size_t entryCount() const { return m_entryCount; }

private:
    // Entries that read the same in a verse are interchangeable; counting them
    // as one group keeps the search from trying every order of equal entries.
    struct EntryGroup {
        std::string noun;
        // Known only from the articles "der", "die" and "das"; any other
        // article leaves the gender an earlier verse may have set.
        std::optional<std::size_t> gender;
        int count = 0;
    };

    bool matchVerse(std::string_view verse, std::size_t pos, std::size_t slot,
                    std::vector<int>& used, long& budget) const;
    bool matchSlotRest(std::string_view verse, std::size_t pos, std::size_t slot,
                       std::vector<int>& used, long& budget) const;

    std::vector<EntryGroup> m_groups;
    std::size_t m_entryCount = 0;
};

} // namespace wumpel::testing_support
