// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// Reading the word list: only as far as it can still change, and never more
// than a set size, so that any input, endless ones included, ends soon in
// verses or an error, and memory stays bounded.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace wumpel::cli {

// What makes a word list unusable before it is parsed; what() is one line for
// the user, without the program's name or a line break.
struct InputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The most the tool reads of an input whose list is not whole before then:
// far more than anyone types or pastes, and little enough that the text and
// the entries made of it take some tens of megabytes at worst.
inline constexpr std::size_t MaxWordListMebibytes = 4;
inline constexpr std::size_t MaxWordListBytes = MaxWordListMebibytes * 1024 * 1024;

// Whether text's word list can change no more, whatever follows it: its first
// WordListCapacity entries all end in a line break within text. Only then may
// reading stop before the end of the input.
bool HoldsWholeWordList(std::string_view text);

// The word list in the file called name, or in standardInput when name is
// StandardInputName, as the engine's text: UTF-8 checked by utf8-cpp, without
// a byte order mark at the start, and with LF or CR LF line breaks both as CR
// LF. Read up to its end, or up to where HoldsWholeWordList says it is whole.
// Throws InputError for a file that cannot be read, an ill-formed byte before
// that point (naming its offset in the input), or an input that goes on
// beyond MaxWordListBytes without being whole.
std::string ReadWordList(std::string_view name, int standardInput);

} // namespace wumpel::cli
