#include <gtest/gtest.h>

#include <string>

#include "mapping/fill/CapitalGainsAndOtherSources.h"
#include "staging/IniFile.h"
#include "support/FillerRun.h"

namespace orvane {
namespace {

using test::CrLf;
using test::WrittenFor;

// The accrual table with every row, each cell holding its row and period.
std::string AccrualTable() {
    std::string rows;
    for (const char* row :
         {"Long-Term-112_1_Applicable", "Long-Term", "Short-Term-Under-111A", "Short-Term"}) {
        std::string periods;
        for (const char* period : {"Upto15Of6", "Up16Of6To15Of9", "Upto15Of9", "Up16Of9To15Of12",
                                   "Up16Of12To15Of3", "Up16Of3To31Of3"}) {
            periods += "<ITRForm:" + std::string(period) + ">" + row + "/" + period +
                       "</ITRForm:" + period + ">";
        }
        rows += "<ITRForm:" + std::string(row) + "><ITRForm:DateRange>" + periods +
                "</ITRForm:DateRange></ITRForm:" + row + ">";
    }
    return "<ITRForm:AccruOrRecOfCG>" + rows + "</ITRForm:AccruOrRecOfCG>";
}

// The capital gains schedule of ITR-4 to ITR-6, with the elements of both
// spellings that those forms use.
std::string BusinessSchedule(std::string_view schedule, std::string_view short_term,
                             std::string_view long_term) {
    const std::string s(schedule), st(short_term), lt(long_term);
    return "<ITRForm:" + s + "><ITRForm:" + st +
           "><ITRForm:CapGainSlumpSale><ITRForm:FullConsideration>900</ITRForm:FullConsideration>"
           "</ITRForm:CapGainSlumpSale><ITRForm:OtherAsset><ITRForm:BalCG>71</ITRForm:BalCG>"
           "<ITRForm:BalSCG>72</ITRForm:BalSCG></ITRForm:OtherAsset>"
           "<ITRForm:DeemedSTCGDeprAsset>40</ITRForm:DeemedSTCGDeprAsset></ITRForm:" +
           st +
           ">"
           "<ITRForm:" +
           lt +
           "><ITRForm:OtherAssetProviso112><ITRForm:BalLTCG112>55</ITRForm:BalLTCG112>"
           "</ITRForm:OtherAssetProviso112><ITRForm:TotalLTCG>55</ITRForm:TotalLTCG></ITRForm:" +
           lt +
           ">"
           "<ITRForm:IncChargeableHeadCapGains>81</ITRForm:IncChargeableHeadCapGains>"
           "<ITRForm:IncChargeableHeadCapGain>82</ITRForm:IncChargeableHeadCapGain>" +
           AccrualTable() + "</ITRForm:" + s + ">";
}

std::string Read(const std::string& written, std::string_view section, std::string_view key) {
    return IniFile::Parse(written).Read(section, key);
}

// ITR-4 to ITR-6 print the schedule with the scientific research keys, in the
// layout with the slump-sale rows; each form reads its own schedule element.
TEST(FillScheduleCG, BusinessFormsReadTheirOwnScheduleIntoScheduleEsr) {
    struct Case {
        int form;
        std::string schedule;
        std::string balance;     // cg_A3f
        std::string chargeable;  // cg_C
    };
    const Case cases[] = {
        {4, BusinessSchedule("ScheduleCGFor4", "ShortTermCapGainFor4", "LongTermCapGain4"), "71",
         "81"},
        {5, BusinessSchedule("ScheduleCG", "ShortTermCapGain", "LongTermCapGain"), "72", "82"},
        {6, BusinessSchedule("ScheduleCG", "ShortTermCapGain", "LongTermCapGain"), "72", "82"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        const std::string written = WrittenFor(c.schedule, c.form, 2010, FillScheduleCG);
        EXPECT_TRUE(written.starts_with(CrLf({"[SCHEDULE-ESR]", "cg_A1a=900", "cg_A1b=Nil"})));
        EXPECT_EQ(Read(written, "SCHEDULE-ESR", "cg_A3f"), c.balance);
        EXPECT_EQ(Read(written, "SCHEDULE-ESR", "cg_A4"), "40");
        EXPECT_EQ(Read(written, "SCHEDULE-ESR", "cg_B4e"), "55");
        EXPECT_EQ(Read(written, "SCHEDULE-ESR", "cg_B6"), "55");
        EXPECT_NE(written.find(CrLf({"cg_B6=55", "cg_C=" + c.chargeable}) + "cg_D1a="),
                  std::string::npos);
    }
    // An ITR-4 carrying the schedule of the firms and companies gets nothing.
    EXPECT_EQ(WrittenFor(BusinessSchedule("ScheduleCG", "ShortTermCapGain", "LongTermCapGain"), 4,
                         2010, FillScheduleCG),
              "");
}

// The rows of the accrual table change in 2010-11; its periods depend on the
// form, and for ITR-6 on the year.
TEST(FillScheduleCG, AccrualTableByFormAndYear) {
    struct Case {
        int form;
        int year;
        std::string first;  // cg_D1a
        std::string last;   // the last key written, and its value
    };
    const Case cases[] = {
        {2, 2009, "Long-Term/Upto15Of9", "cg_D2d=Short-Term/Up16Of3To31Of3"},
        {2, 2010, "Long-Term-112_1_Applicable/Upto15Of9", "cg_D4d=Short-Term/Up16Of3To31Of3"},
        {4, 2011, "Long-Term-112_1_Applicable/Upto15Of9", "cg_D4d=Short-Term/Up16Of3To31Of3"},
        {5, 2009, "Long-Term/Up16Of6To15Of9", "cg_D2d=Short-Term/Up16Of3To31Of3"},
        {5, 2011, "Long-Term-112_1_Applicable/Up16Of6To15Of9", "cg_D4d=Short-Term/Up16Of3To31Of3"},
        {6, 2009, "Long-Term/Up16Of6To15Of9", "cg_D2d=Short-Term/Up16Of3To31Of3"},
        {6, 2011, "Long-Term-112_1_Applicable/Upto15Of6", "cg_D4e=Short-Term/Up16Of3To31Of3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.form) + " " + std::to_string(c.year));
        const std::string schedule =
            c.form <= 3
                ? "<ITRForm:ScheduleCGFor23>" + AccrualTable() + "</ITRForm:ScheduleCGFor23>"
            : c.form == 4
                ? BusinessSchedule("ScheduleCGFor4", "ShortTermCapGainFor4", "LongTermCapGain4")
                : BusinessSchedule("ScheduleCG", "ShortTermCapGain", "LongTermCapGain");
        const std::string written = WrittenFor(schedule, c.form, c.year, FillScheduleCG);
        const std::string section = c.form <= 3 ? "SCHEDULE-CG" : "SCHEDULE-ESR";
        EXPECT_EQ(Read(written, section, "cg_D1a"), c.first);
        EXPECT_TRUE(written.ends_with(c.last + "\r\n")) << written;
    }
    const std::string form6 =
        WrittenFor(BusinessSchedule("ScheduleCG", "ShortTermCapGain", "LongTermCapGain"), 6, 2010,
                   FillScheduleCG);
    EXPECT_NE(form6.find(CrLf({"cg_D3a=Short-Term-Under-111A/Upto15Of6",
                               "cg_D3b=Short-Term-Under-111A/Up16Of6To15Of9",
                               "cg_D3c=Short-Term-Under-111A/Up16Of9To15Of12",
                               "cg_D3d=Short-Term-Under-111A/Up16Of12To15Of3",
                               "cg_D3e=Short-Term-Under-111A/Up16Of3To31Of3"}) +
                         "cg_D4a="),
              std::string::npos);
}

TEST(FillScheduleOS, ChargeableIncomeElementAndSectionByForm) {
    const std::string schedule =
        "<ITRForm:ScheduleOS><ITRForm:IncChargeable>61</ITRForm:IncChargeable>"
        "<ITRForm:IncChargeableFrmOthSrc>62</ITRForm:IncChargeableFrmOthSrc></ITRForm:ScheduleOS>";
    struct Case {
        int form;
        std::string section;
        std::string chargeable;
    };
    for (const Case& c :
         {Case{2, "SCHEDULE-CG", "61"}, Case{3, "SCHEDULE-CG", "61"}, Case{4, "SCHEDULE-ESR", "61"},
          Case{5, "SCHEDULE-ESR", "62"}, Case{6, "SCHEDULE-ESR", "62"}}) {
        const std::string written = WrittenFor(schedule, c.form, 2009, FillScheduleOS);
        EXPECT_TRUE(written.starts_with("[" + c.section + "]\r\nos_1a=Nil\r\n")) << c.form;
        EXPECT_TRUE(written.ends_with(CrLf({"os_4c=Nil", "os_5=" + c.chargeable}))) << c.form;
    }
    EXPECT_EQ(WrittenFor("<ITRForm:ScheduleCGFor23/>", 2, 2009, FillScheduleOS), "");
}

}  // namespace
}  // namespace orvane
