#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"
#include "xml/ReturnDocument.h"

namespace orvane {

// How a value read from the return is shaped before it is written.
enum class Conv : std::uint8_t {
    kAsIs,
    kAmountOrNil,     // "Nil" for a blank or "0" amount
    kSpaceLetters,    // one letter per box
    kDateByPosition,  // yyyy-mm-dd to dd-mm-yyyy
    kReformatDate,    // the same, but empty for "", "-" and "--"
    kStateName,       // state code to state name
    kStateLetters,    // state name, one letter per box
    kCompactDate,     // yyyy-mm-dd to the boxed digits of ddmmyyyy
    kFlag,            // "1" when the text equals `arg`, else "0"
    kFlagFirstThree,  // the same on the first three characters, upper-cased
    kSignSplit,       // writes key+"a" ("-" for a negative amount, else nothing) and key+"b"
    kRefundTest,      // "1" when the amount sorts after "0"
    kNilTest,         // "1" when this amount and the one at `arg` add up to 0
};

// A form code as a bit of a set of forms.
constexpr std::uint16_t FormBit(int form_code) {
    return form_code == 45 ? std::uint16_t{1U << 9} : static_cast<std::uint16_t>(1U << form_code);
}

// The forms and assessment years for which a row is written.
struct When {
    std::uint16_t forms = 0xFFFF;  // every form
    int from_year = 0;
    int to_year = 9999;

    constexpr bool Holds(int form_code, int assessment_year) const {
        return (forms & FormBit(form_code)) != 0 && assessment_year >= from_year &&
               assessment_year <= to_year;
    }
    bool Holds(const ReturnContext& context) const {
        return Holds(context.FormCode, context.AssessmentYear);
    }
};

// Rows written for the given form codes, every year.
constexpr When Forms(std::initializer_list<int> form_codes) {
    When when;
    when.forms = 0;
    for (const int code : form_codes) when.forms |= FormBit(code);
    return when;
}

// The same forms, from the given assessment year on.
constexpr When FormsFrom(std::initializer_list<int> form_codes, int from_year) {
    When when = Forms(form_codes);
    when.from_year = from_year;
    return when;
}

inline constexpr When kAlways{};

// One staging key of a filler's table: the key, where its value lies below the
// table's base element ("/"-joined names, the last one looked up as the node
// itself or a direct child), how it is shaped, and when it is written.
struct KeyRow {
    std::string_view key;
    std::string_view path;
    Conv conv = Conv::kAsIs;
    std::string_view arg = {};  // the flag's code; the nil test's second amount
    When when = kAlways;
};

// True when two rows of a table would write the same key for the same form
// and year; tables are checked with static_assert.
constexpr bool HasOverlappingKeys(std::span<const KeyRow> rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            const When& a = rows[i].when;
            const When& b = rows[j].when;
            if (rows[i].key == rows[j].key && (a.forms & b.forms) != 0 &&
                a.from_year <= b.to_year && b.from_year <= a.to_year) {
                return true;
            }
        }
    }
    return false;
}

// Writes the rows of a table that hold for the return, in table order, into
// `section`, each value read below `base` (an absent base gives empty texts).
void WriteRows(TIniControl& ini, const ReturnContext& context, std::string_view section,
               XmlNode base, std::span<const KeyRow> rows);

// Writes one row, whatever its condition.
void WriteRow(TIniControl& ini, std::string_view section, XmlNode base, const KeyRow& row);

}  // namespace orvane
