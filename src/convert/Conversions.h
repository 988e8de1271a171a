#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// Small conversions that shape values the way the paper form prints them.
// All texts are Windows-1252.

// `total` plus the 32-bit integer in `text` (optional leading blanks, optional
// sign, decimal digits), wrapping in 32-bit arithmetic; `total` when `text` is
// empty. Throws Error "'<text>' is not a valid integer value" otherwise.
std::int32_t AddIntText(std::int32_t total, std::string_view text);

// Reads a whole 32-bit number written in decimal, as AddIntText does.
std::int32_t ParseInt32(std::string_view text);

// "Nil" when `x` is exactly zero, else `x` in the general format: up to 15
// significant digits, no trailing zeros, exponent form (1E15) for more than 15
// integer digits or a magnitude below 0.00001.
std::string FloatOrNil(double x);

// "Nil" when `text`, trimmed of blanks, is empty or exactly "0"; otherwise
// `text` unchanged, blanks included.
std::string AmountOrNil(std::string_view text);

// `a` when `condition` holds, else `b`.
std::string IfElseStr(bool condition, std::string_view a, std::string_view b);

// yyyy-mm-dd to dd-mm-yyyy by character positions; the empty text for the
// empty text, "-" and "--".
std::string ReformatDate(std::string_view text);

// Characters 9-10, "-", 6-7, "-", 1-4 (positions from 1; a position beyond
// the end gives nothing), for every text: the empty text gives "--".
std::string DateByPosition(std::string_view text);

// Every character followed by one blank, for values printed in letter boxes.
std::string SpaceLetters(std::string_view text);

// `text` without leading and trailing blanks and control characters.
std::string_view TrimBlanks(std::string_view text);

}  // namespace orvane
