#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Conversions of the one-page forms whose values stand in letter boxes and
// tick boxes (ITR-1 and ITR-4S of 2011-12, and the acknowledgement).

// "1" when `text` equals `code` exactly (case-sensitive), else "0".
std::string Flag(std::string_view text, std::string_view code);

// Flag on the first three characters of `text`, upper-cased ("Resident" ticks "RES").
std::string FlagOnFirstThree(std::string_view text, std::string_view code);

// yyyy-mm-dd to the digits ddmmyyyy, each followed by a blank; empty for empty.
std::string CompactDate(std::string_view text);

// A signed amount split over a sign box (the "a" key) and digit boxes (the
// "b" key): a negative amount gives sign "-" and its digits without any "-";
// otherwise there is no sign and the "a" key is not written at all.
struct SignSplit {
    std::optional<std::string> sign;
    std::string letters;
};
SignSplit SplitSign(std::string_view text);

// "1" when the amount (absent counts as "0") sorts after "0" byte by byte:
// for a plain whole amount, when it is not zero.
std::string RefundTest(std::string_view amount);

// "1" when refund and balance payable (each "0" when absent), read as whole
// numbers, add up to 0. Throws the conversion error for other texts.
std::string NilTest(std::string_view refund, std::string_view balance_payable);

}  // namespace orvane
