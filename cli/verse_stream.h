// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "cli/verse_writer.h"
#include "engine/random_source.h"

#include <cstdint>
#include <string>

namespace wumpel::cli {

// Does what the window does on "Übernehmen" followed by count - 1 clicks on
// "Zeilen anhängen", writing every verse as soon as it is composed, and flushes
// the writer. Returns false, having written nothing, when the list holds too few
// entries for a verse.
bool StreamVerses(std::u16string wordList, std::uint64_t count, RandomSource& random,
                  VerseWriter& writer);

} // namespace wumpel::cli
