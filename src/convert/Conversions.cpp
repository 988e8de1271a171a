#include "convert/Conversions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "Error.h"
#include "xml/AnsiCodePage.h"

namespace orvane {
namespace {

[[noreturn]] void ThrowNotInteger(std::string_view text) {
    throw Error("'" + AnsiToUtf8(text) + "' is not a valid integer value");
}

// Characters `count` from the 1-based `position`; nothing beyond the end.
std::string_view Slice(std::string_view text, std::size_t position, std::size_t count) {
    if (position > text.size()) return {};
    return text.substr(position - 1, count);
}

std::string FixedFromDigits(const std::string& digits, int exponent) {
    std::string out;
    if (exponent < 0) {
        out = "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
        return out;
    }
    const auto integer_digits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integer_digits) {
        out = digits;
        out.append(integer_digits - digits.size(), '0');
    } else {
        out = digits.substr(0, integer_digits) + "." + digits.substr(integer_digits);
    }
    return out;
}

}  // namespace

std::int32_t ParseInt32(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size()) ThrowNotInteger(text);
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9') ThrowNotInteger(text);
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
            ThrowNotInteger(text);
        }
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) ThrowNotInteger(text);
    return static_cast<std::int32_t>(value);
}

std::int32_t AddIntText(std::int32_t total, std::string_view text) {
    if (text.empty()) return total;
    const auto sum =
        static_cast<std::uint32_t>(total) + static_cast<std::uint32_t>(ParseInt32(text));
    return static_cast<std::int32_t>(sum);
}

std::string FloatOrNil(double x) {
    if (x == 0.0) return "Nil";
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x > 0 ? "INF" : "-INF";

    // 15 significant digits, rounded, as d.dddddddddddddde+XX.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(x));
    const std::string_view text(buffer);
    const auto e_at = text.find('e');
    std::string digits;
    for (const char c : text.substr(0, e_at)) {
        if (c != '.') digits += c;
    }
    const int exponent = std::atoi(buffer + e_at + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = x < 0 ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) out += "." + digits.substr(1);
        out += "E" + std::to_string(exponent);
    } else {
        out += FixedFromDigits(digits, exponent);
    }
    return out;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

std::string AmountOrNil(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty() || trimmed == "0") return "Nil";
    return std::string(text);
}

std::string IfElseStr(bool condition, std::string_view a, std::string_view b) {
    return std::string(condition ? a : b);
}

std::string DateByPosition(std::string_view text) {
    std::string out;
    out += Slice(text, 9, 2);
    out += '-';
    out += Slice(text, 6, 2);
    out += '-';
    out += Slice(text, 1, 4);
    return out;
}

std::string ReformatDate(std::string_view text) {
    if (text.empty() || text == "-" || text == "--") return {};
    return DateByPosition(text);
}

std::string SpaceLetters(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char c : text) {
        out += c;
        out += ' ';
    }
    return out;
}

}  // namespace orvane
