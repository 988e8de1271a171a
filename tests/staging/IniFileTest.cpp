#include <gtest/gtest.h>

#include "staging/IniFile.h"
#include "support/TempDir.h"

namespace orvane {
namespace {

using test::CrLf;

TEST(IniFile, WriteSemantics) {
    IniFile file;
    file.Set("PART-B", "ti_1", "100");
    file.Set("PART-A-GEN", "pi_PAN", "ABCDE1234F");
    file.Set("part-b", "TI_1", "200");  // replaced in place, names without regard to case
    file.Set("PART-B", "ti_2", "");     // a new key at the end of its section, empty value
    file.Set("SCHEDULE-IT-1", "SrNo", "1");
    EXPECT_EQ(file.Text(), CrLf({"[PART-B]", "ti_1=200", "ti_2=", "[PART-A-GEN]",
                                 "pi_PAN=ABCDE1234F", "[SCHEDULE-IT-1]", "SrNo=1"}));
}

TEST(IniFile, TellsWhenAWriteIsAnAppend) {
    IniFile file;
    EXPECT_EQ(file.Set("A", "k", "1"), IniFile::Change::kAppendedSection);
    EXPECT_EQ(file.Set("A", "l", "1"), IniFile::Change::kAppendedEntry);
    EXPECT_EQ(file.Set("A", "l", "2"), IniFile::Change::kRewritten);
    EXPECT_EQ(file.Set("B", "k", "1"), IniFile::Change::kAppendedSection);
    EXPECT_EQ(file.Set("A", "m", "1"), IniFile::Change::kRewritten);
}

TEST(IniFile, ValuesNeverBreakTheLayout) {
    IniFile file;
    file.Set("S", "address", "12 MG Road\r\nPUNE\nINDIA");
    file.Set("S", "next", "1");
    EXPECT_EQ(file.Text(), CrLf({"[S]", "address=12 MG Road  PUNE INDIA", "next=1"}));
}

TEST(IniFile, ReadSemantics) {
    const IniFile file = IniFile::Parse(
        "[Personal]\r\n"
        "Name=  RAVI KUMAR  \r\n"
        "Quoted=\"  x  \"\r\n"
        "Single='y'\r\n"
        "Unpaired=\"z\r\n"
        "Mixed=\"z'\r\n"
        "Empty=\r\n"
        "Equals=a=b\r\n"
        "  Spaced Key = v\r\n"
        "Twice=first\r\n"
        "Twice=second\r\n"
        "no equals sign\r\n"
        "[TI]\n"
        "1=Nil\n");
    const std::pair<const char*, const char*> cases[] = {
        {"Name", "RAVI KUMAR"}, {"name", "RAVI KUMAR"}, {"Quoted", "  x  "}, {"Single", "y"},
        {"Unpaired", "\"z"},    {"Mixed", "\"z'"},      {"Empty", ""},       {"Equals", "a=b"},
        {"Spaced Key", "v"},    {"Twice", "first"},     {"Absent", ""},
    };
    for (const auto& [key, value] : cases) EXPECT_EQ(file.Read("Personal", key), value) << key;
    EXPECT_EQ(file.Read("ti", "1"), "Nil");
    EXPECT_EQ(file.Read("Other", "1"), "");
}

TEST(IniFile, ReadsAtMost2047Characters) {
    IniFile file;
    file.Set("S", "long", std::string(3000, 'x'));
    EXPECT_EQ(IniFile::Parse(file.Text()).Read("S", "long"), std::string(2047, 'x'));
}

TEST(IniFile, LetterSpacedValueLosesItsTrailingBlankWhenRead) {
    IniFile file;
    file.Set("PART-A-GEN", "A4", "A B C ");
    EXPECT_EQ(IniFile::Parse(file.Text()).Read("PART-A-GEN", "A4"), "A B C");
}

}  // namespace
}  // namespace orvane
