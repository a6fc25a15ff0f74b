// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "cli/verse_writer.h"
#include "engine/random_source.h"

#include <cstdint>
#include <string>

namespace wumpel::cli {

// Writes what the window's output field shows after "Übernehmen" and count - 1
// clicks on "Zeilen anhängen", each verse as soon as it is drawn, and flushes
// the writer. Returns false, having written nothing, when the list holds too few
// entries for a verse. Takes the word list whole so it can be let go once
// parsed: it may be as large as the input.
bool StreamVerses(std::u16string wordList, std::uint64_t count, RandomSource& random,
                  VerseWriter& writer);

} // namespace wumpel::cli
