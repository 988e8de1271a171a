#include "mapping/fill/KeyTable.h"

#include <string>

#include "convert/BoxConversions.h"
#include "convert/Conversions.h"
#include "convert/StateName.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

// The value one row writes for its key (not for the sign split, which writes two).
std::string ConvertedValue(XmlNode base, const KeyRow& row) {
    const std::string text = GetPathValue(base, row.path);
    switch (row.conv) {
        case Conv::kAsIs:
            return text;
        case Conv::kAmountOrNil:
            return AmountOrNil(text);
        case Conv::kSpaceLetters:
            return SpaceLetters(text);
        case Conv::kDateByPosition:
            return DateByPosition(text);
        case Conv::kReformatDate:
            return ReformatDate(text);
        case Conv::kStateName:
            return StateName(text);
        case Conv::kStateLetters:
            return SpaceLetters(StateName(text));
        case Conv::kCompactDate:
            return CompactDate(text);
        case Conv::kFlag:
            return Flag(text, row.arg);
        case Conv::kFlagFirstThree:
            return FlagOnFirstThree(text, row.arg);
        case Conv::kSignSplit:
            return SplitSign(text).letters;
        case Conv::kRefundTest:
            return RefundTest(text);
        case Conv::kNilTest:
            return NilTest(text, GetPathValue(base, row.arg));
    }
    return text;
}

}  // namespace

void WriteRow(TIniControl& ini, std::string_view section, XmlNode base, const KeyRow& row) {
    if (row.conv != Conv::kSignSplit) {
        ini.WriteValue(section, row.key, ConvertedValue(base, row));
        return;
    }
    const SignSplit split = SplitSign(GetPathValue(base, row.path));
    const std::string key(row.key);
    if (split.sign) ini.WriteValue(section, key + "a", *split.sign);
    ini.WriteValue(section, key + "b", split.letters);
}

void WriteRows(TIniControl& ini, const ReturnContext& context, std::string_view section,
               XmlNode base, std::span<const KeyRow> rows) {
    for (const KeyRow& row : rows) {
        if (row.when.Holds(context)) WriteRow(ini, section, base, row);
    }
}

}  // namespace orvane
