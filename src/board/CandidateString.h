#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessra {

// The digits still possible in one cell, as the nine-character text the
// program shows and saves: position d (1-based) holds the digit d while d is
// a candidate and "." while it is not ("123456789" = all, "........." = none).
//
// Held as nine bits so that the scan, which runs on every keystroke, does
// single-bit writes; every value of the type stands for exactly one such
// nine-character string, and only that string ever leaves it.
class CandidateString {
  public:
    static constexpr int Length = 9;

    // "123456789": every digit possible.
    constexpr CandidateString() = default;

    static constexpr CandidateString All() { return CandidateString(AllBits); }
    static constexpr CandidateString None() { return CandidateString(0); }
    static constexpr CandidateString FromMask(std::uint16_t mask) {
        return CandidateString(mask & AllBits);
    }

    // Accepts exactly nine characters, each the digit of its own position or
    // "."; anything else is not a candidate string.
    static std::optional<CandidateString> Parse(std::string_view text);

    // True while digit (1..9) is a candidate.
    constexpr bool Has(int digit) const { return (bits_ >> (digit - 1)) & 1U; }
    // Writes digit d at its position (on) or "." there (off).
    constexpr void Set(int digit, bool on) {
        const auto bit = static_cast<std::uint16_t>(1U << (digit - 1));
        bits_ =
            on ? static_cast<std::uint16_t>(bits_ | bit) : static_cast<std::uint16_t>(bits_ & ~bit);
    }
    // The character at position 1..9: the digit or ".".
    constexpr char At(int position) const {
        return Has(position) ? static_cast<char>('0' + position) : '.';
    }
    // Number of positions that are not ".".
    constexpr int Count() const { return BitCounts[bits_]; }
    constexpr std::uint16_t Mask() const { return bits_; }

    std::string ToString() const;

    friend constexpr bool operator==(CandidateString, CandidateString) = default;

  private:
    static constexpr std::uint16_t AllBits = 0x1FF;
    // Candidate counts of all 512 values: a table beats a population count
    // on processors without the instruction, and the generator counts the
    // candidates of every open cell per placed digit.
    static constexpr std::array<std::uint8_t, 512> BitCounts = [] {
        std::array<std::uint8_t, 512> counts{};
        for (std::size_t bits = 0; bits < counts.size(); ++bits) {
            counts[bits] = static_cast<std::uint8_t>(std::popcount(bits));
        }
        return counts;
    }();
    constexpr explicit CandidateString(std::uint16_t bits) : bits_(bits) {}

    std::uint16_t bits_ = AllBits;
};

} // namespace tessra
