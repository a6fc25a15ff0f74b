// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

// The bookkeeping of the composer's duplicate passes. Not part of the engine's
// interface.

#include "engine/verse_composer.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace wumpel {

// A verse's entries, slot by slot.
using DrawnEntries = std::array<std::int16_t, VerseSlotCount>;

// The equal pairs among a verse's nine slots, kept up to date as slots are
// replaced, for passes that visit the pairs i < j in order (i first, then j)
// and replace slot j of each equal one.
//
// Pair (i, j) is bit 8 i + j - 1 of one word, so the bits run in the order of
// the visits: the next equal pair is the next set bit, found with one
// instruction instead of a comparison and a branch per pair, which the
// processor cannot foresee when duplicates are common, as with short lists.
// Slot 0 is never replaced; slots 1 to 8 are held one per byte (slot k in byte
// k - 1), so that a new entry is compared with all of them at once.
class EqualPairs {
    static_assert(WordListCapacity <= 32, "an entry must fit a byte, and slot 0 a 32-bit mask");

public:
    static constexpr unsigned PairCount = 64;

    // Entries below WordListCapacity, as every drawn index is.
    explicit EqualPairs(const DrawnEntries& drawn)
        : m_first(std::get<0>(drawn)),
          m_firstAsBit(std::uint32_t{1} << static_cast<unsigned>(m_first))
    {
        for (std::size_t k = 1; k < VerseSlotCount; ++k) {
            m_later |= static_cast<Lanes>(static_cast<std::uint16_t>(drawn.at(k)))
                       << (8U * (k - 1));
        }
        for (unsigned column = 0; column + 1 < VerseSlotCount; ++column) {
            const auto entry = static_cast<std::uint32_t>(drawn.at(column + 1));
            m_pairs |= EarlierPairs(column, entry, EqualLanes(entry));
        }
    }

    bool Any() const { return m_pairs != 0; }

    // The first equal pair from the given one on, and past the last pair,
    // (7, 8), the first equal pair of the next pass. Only while Any().
    unsigned From(unsigned pair) const
    {
        const unsigned start = pair % PairCount;
        const auto skipped =
            static_cast<unsigned>(std::countr_zero(std::rotr(m_pairs, static_cast<int>(start))));
        return (start + skipped) % PairCount;
    }

    // The later slot of the pair, j, now holds entry, which is below
    // WordListCapacity.
    void Replace(unsigned pair, std::uint32_t entry)
    {
        const unsigned column = pair & 7U; // slot j = column + 1
        const unsigned lane = 8U * column;
        const ColumnMasks& masks = Masks.at(column);
        const Lanes equal = EqualLanes(entry);
        const std::uint64_t earlier = EarlierPairs(column, entry, equal);
        const std::uint64_t later = Gather(equal) & masks.Later;
        m_pairs = (m_pairs & masks.Kept) | earlier | (later << lane << 8U);
        m_later = (m_later & masks.OtherLanes) | (Lanes{entry} << lane);
    }

    DrawnEntries Entries() const
    {
        DrawnEntries drawn{};
        std::get<0>(drawn) = m_first;
        for (std::size_t k = 1; k < VerseSlotCount; ++k) {
            drawn.at(k) = static_cast<std::int16_t>((m_later >> (8U * (k - 1))) & 0xFFU);
        }
        return drawn;
    }

private:
    using Lanes = std::uint64_t;
    static constexpr Lanes LowBytes = 0x0101010101010101U;
    static constexpr Lanes HighBits = 0x8080808080808080U;

    // Bit 8 b + 7 set where byte b holds entry. Entries are below 128, so a
    // byte of the difference plus 127 reaches its top bit exactly when it is
    // not zero, and never carries into the next byte.
    Lanes EqualLanes(std::uint32_t entry) const
    {
        const Lanes difference = m_later ^ (Lanes{entry} * LowBytes);
        return ~(difference + 0x7F7F7F7F7F7F7F7FU) & HighBits;
    }
    // Pairs (k, j) of slot j = column + 1 holding entry.
    std::uint64_t EarlierPairs(unsigned column, std::uint32_t entry, Lanes equal) const
    {
        // Bit 8 k for each slot k holding entry, slot 0 included.
        const Lanes slots = ((equal >> 7U) << 8U) | ((m_firstAsBit >> entry) & 1U);
        return (slots & Masks.at(column).Earlier) << column;
    }
    // The top bit of byte b as bit b.
    static std::uint64_t Gather(Lanes lanes)
    {
        return ((lanes >> 7U) * 0x0102040810204080U) >> 56U;
    }

    // What a replacement in slot j = column + 1 keeps and takes, by column.
    struct ColumnMasks {
        std::uint64_t Kept;  // every pair but (k, j) and (j, k)
        Lanes Earlier;       // slots 0 to j - 1, as bits 8 k
        std::uint64_t Later; // slots j + 1 to 8, as bits k - 1
        Lanes OtherLanes;    // the bytes of all slots but j
    };
    static constexpr std::array<ColumnMasks, VerseSlotCount - 1> Masks = [] {
        std::array<ColumnMasks, VerseSlotCount - 1> masks{};
        for (unsigned column = 0; column < masks.size(); ++column) {
            const unsigned lane = 8U * column;
            masks.at(column) = {
                ~((LowBytes << column) | ((Lanes{0xFF} << lane) << 8U)),
                (Lanes{2} << lane) - 1,
                (0xFEU << column) & 0xFFU,
                ~(Lanes{0xFF} << lane),
            };
        }
        return masks;
    }();

    std::int16_t m_first;
    // Compared with an entry by a shift, where a comparison takes three instructions.
    std::uint32_t m_firstAsBit;
    Lanes m_later = 0;
    std::uint64_t m_pairs = 0;
};

} // namespace wumpel
