#include "convert/BoxConversions.h"

#include <algorithm>
#include <cctype>

#include "convert/Conversions.h"

namespace orvane {
namespace {

std::string_view OrZero(std::string_view amount) {
    return amount.empty() ? "0" : amount;
}

}  // namespace

std::string Flag(std::string_view text, std::string_view code) {
    return text == code ? "1" : "0";
}

std::string FlagOnFirstThree(std::string_view text, std::string_view code) {
    std::string first(text.substr(0, 3));
    std::ranges::transform(first, first.begin(), [](unsigned char c) { return std::toupper(c); });
    return Flag(first, code);
}

std::string CompactDate(std::string_view text) {
    if (text.empty()) return {};
    const auto slice = [&](std::size_t position, std::size_t count) {
        return position > text.size() ? std::string_view{} : text.substr(position - 1, count);
    };
    std::string digits;
    digits += slice(9, 2);
    digits += slice(6, 2);
    digits += slice(1, 4);
    return SpaceLetters(digits);
}

SignSplit SplitSign(std::string_view text) {
    SignSplit split;
    std::string rest(text);
    if (!text.empty() && text.front() == '-') {
        split.sign.emplace(1, '-');
        std::erase(rest, '-');
    }
    split.letters = SpaceLetters(rest);
    return split;
}

std::string RefundTest(std::string_view amount) {
    return OrZero(amount) > std::string_view("0") ? "1" : "0";
}

std::string NilTest(std::string_view refund, std::string_view balance_payable) {
    const auto sum =
        static_cast<long long>(ParseInt32(OrZero(refund))) + ParseInt32(OrZero(balance_payable));
    return sum == 0 ? "1" : "0";
}

}  // namespace orvane
