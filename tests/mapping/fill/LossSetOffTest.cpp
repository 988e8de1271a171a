#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mapping/fill/LossSetOff.h"
#include "support/FillerRun.h"

namespace orvane {
namespace {

using test::CrLf;
using test::WrittenFor;

// Every head of the return, each cell holding the head's digit and the
// column element's digit ("23": house property, business loss set off), so
// that a cell read from the wrong row or column shows.
constexpr const char* kHeads[] = {"Salary", "HP",   "BusProfInclSpecProf",
                                  "STCG",   "LTCG", "OthSrcInclRaceHorse"};

std::string HeadRows(std::string_view group, const std::vector<std::string>& columns) {
    std::string xml;
    for (int head = 0; head < 6; ++head) {
        std::string cells;
        for (std::size_t column = 0; column < columns.size(); ++column) {
            const std::string value = std::to_string(head + 1) + std::to_string(column + 1);
            cells +=
                "<ITRForm:" + columns[column] + ">" + value + "</ITRForm:" + columns[column] + ">";
        }
        const std::string name = std::string("ITRForm:") + kHeads[head];
        xml += "<" + name + "><ITRForm:" + std::string(group) + ">" + cells +
               "</ITRForm:" + std::string(group) + "></" + name + ">";
    }
    return xml;
}

const std::string kCyla =
    "<ITRForm:ScheduleCYLA>" +
    HeadRows("IncCYLA", {"IncOfCurYrUnderThatHead", "HPlossCurYrSetoff", "BusLossSetoff",
                         "OthSrcLossNoRaceHorseSetoff", "IncOfCurYrAfterSetOff"}) +
    "<ITRForm:TotalCurYr><ITRForm:TotHPlossCurYr>T1</ITRForm:TotHPlossCurYr>"
    "<ITRForm:TotBusLoss>T2</ITRForm:TotBusLoss>"
    "<ITRForm:TotOthSrcLossNoRaceHorse>T3</ITRForm:TotOthSrcLossNoRaceHorse></ITRForm:TotalCurYr>"
    "<ITRForm:TotalLossSetOff><ITRForm:TotHPlossCurYrSetoff>S1</ITRForm:TotHPlossCurYrSetoff>"
    "<ITRForm:TotBusLossSetoff>S2</ITRForm:TotBusLossSetoff>"
    "<ITRForm:TotOthSrcLossNoRaceHorseSetoff>S3</ITRForm:TotOthSrcLossNoRaceHorseSetoff>"
    "</ITRForm:TotalLossSetOff>"
    "<ITRForm:LossRemAftSetOff><ITRForm:BalHPlossCurYrAftSetoff>R1</"
    "ITRForm:BalHPlossCurYrAftSetoff>"
    "<ITRForm:BalBusLossAftSetoff>R2</ITRForm:BalBusLossAftSetoff>"
    "<ITRForm:BalOthSrcLossNoRaceHorseAftSetoff>R3</ITRForm:BalOthSrcLossNoRaceHorseAftSetoff>"
    "</ITRForm:LossRemAftSetOff></ITRForm:ScheduleCYLA>";

const std::string kBfla =
    "<ITRForm:ScheduleBFLA>" +
    HeadRows("IncBFLA",
             {"IncOfCurYrUndHeadFromCYLA", "BFlossPrevYrUndSameHeadSetoff",
              "BFUnabsorbedDeprSetoff", "BFAllUs35Cl4Setoff", "IncOfCurYrAfterSetOffBFLosses"}) +
    "<ITRForm:TotalBFLossSetOff><ITRForm:TotBFLossSetoff>B1</ITRForm:TotBFLossSetoff>"
    "<ITRForm:TotUnabsorbedDeprSetoff>B2</ITRForm:TotUnabsorbedDeprSetoff>"
    "<ITRForm:TotAllUs35cl4Setoff>B3</ITRForm:TotAllUs35cl4Setoff></ITRForm:TotalBFLossSetOff>"
    "<ITRForm:IncomeOfCurrYrAftCYLABFLA>INC</ITRForm:IncomeOfCurrYrAftCYLABFLA>"
    "</ITRForm:ScheduleBFLA>";

std::string Cyla(int form_code) {
    return WrittenFor(kCyla, form_code, 2010, FillScheduleCYLA);
}

std::string Bfla(int form_code) {
    return WrittenFor(kBfla, form_code, 2010, FillScheduleBFLA);
}

// The house-property row takes no house-property loss; on ITR-3 and ITR-4 the
// salary row takes no business loss. Those cells print "Nil" whatever the
// return holds.
TEST(FillScheduleCYLA, GridOfEachLayout) {
    EXPECT_EQ(Cyla(2),
              CrLf({"[SCHEDULE-CYLA]", "cyla_0b=T1", "cyla_0c=T3", "cyla_1a=11",  "cyla_1b=12",
                    "cyla_1c=14",      "cyla_1d=15", "cyla_2a=21", "cyla_2b=Nil", "cyla_2c=24",
                    "cyla_2d=25",      "cyla_3a=41", "cyla_3b=42", "cyla_3c=44",  "cyla_3d=45",
                    "cyla_4a=51",      "cyla_4b=52", "cyla_4c=54", "cyla_4d=55",  "cyla_5a=61",
                    "cyla_5b=62",      "cyla_5c=64", "cyla_5d=65", "cyla_6a=",    "cyla_6b=S1",
                    "cyla_6c=S3",      "cyla_6d=",   "cyla_7a=",   "cyla_7b=R1",  "cyla_7c=R3",
                    "cyla_7d="}));
    const std::string forms3and4 = CrLf(
        {"[SCHEDULE-CYLA]", "cyla_0b=T1", "cyla_0c=T2", "cyla_0d=T3", "cyla_1a=11",  "cyla_1b=12",
         "cyla_1c=Nil",     "cyla_1d=14", "cyla_1e=15", "cyla_2a=21", "cyla_2b=Nil", "cyla_2c=23",
         "cyla_2d=24",      "cyla_2e=25", "cyla_3a=31", "cyla_3b=32", "cyla_3c=33",  "cyla_3d=34",
         "cyla_3e=35",      "cyla_4a=41", "cyla_4b=42", "cyla_4c=43", "cyla_4d=44",  "cyla_4e=45",
         "cyla_5a=51",      "cyla_5b=52", "cyla_5c=53", "cyla_5d=54", "cyla_5e=55",  "cyla_6a=61",
         "cyla_6b=62",      "cyla_6c=63", "cyla_6d=64", "cyla_6e=65", "cyla_7a=",    "cyla_7b=S1",
         "cyla_7c=S2",      "cyla_7d=S3", "cyla_7e=",   "cyla_8a=",   "cyla_8b=R1",  "cyla_8c=R2",
         "cyla_8d=R3",      "cyla_8e="});
    EXPECT_EQ(Cyla(3), forms3and4);
    EXPECT_EQ(Cyla(4), forms3and4);
    const std::string forms5and6 = CrLf(
        {"[SCHEDULE-CYLA]", "cyla_0b=T1", "cyla_0c=T2", "cyla_0d=T3", "cyla_1a=21", "cyla_1b=Nil",
         "cyla_1c=23",      "cyla_1d=24", "cyla_1e=25", "cyla_2a=31", "cyla_2b=32", "cyla_2c=33",
         "cyla_2d=34",      "cyla_2e=35", "cyla_3a=41", "cyla_3b=42", "cyla_3c=43", "cyla_3d=44",
         "cyla_3e=45",      "cyla_4a=51", "cyla_4b=52", "cyla_4c=53", "cyla_4d=54", "cyla_4e=55",
         "cyla_5a=61",      "cyla_5b=62", "cyla_5c=63", "cyla_5d=64", "cyla_5e=65", "cyla_6a=",
         "cyla_6b=S1",      "cyla_6c=S2", "cyla_6d=S3", "cyla_6e=",   "cyla_7a=",   "cyla_7b=R1",
         "cyla_7c=R2",      "cyla_7d=R3", "cyla_7e="});
    EXPECT_EQ(Cyla(5), forms5and6);
    EXPECT_EQ(Cyla(6), forms5and6);
    EXPECT_EQ(Cyla(8), "");
}

// Salary takes no brought-forward loss: on ITR-2 to ITR-4 its row prints "Nil"
// across. Some totals stand in two rows of the printed form.
TEST(FillScheduleBFLA, GridOfEachLayout) {
    EXPECT_EQ(Bfla(2), CrLf({"[SCHEDULE-CYLA]", "bfla_1a=Nil", "bfla_1b=Nil", "bfla_1c=Nil",
                             "bfla_2a=21",      "bfla_2b=22",  "bfla_2c=25",  "bfla_3a=41",
                             "bfla_3b=42",      "bfla_3c=45",  "bfla_4a=51",  "bfla_4b=52",
                             "bfla_4c=55",      "bfla_5a=61",  "bfla_5b=62",  "bfla_5c=65",
                             "bfla_6a=",        "bfla_6b=B1",  "bfla_6c=",    "bfla_7c=INC"}));
    EXPECT_EQ(Bfla(3),
              CrLf({"[SCHEDULE-CYLA]", "bfla_1a=Nil", "bfla_1b=Nil", "bfla_1c=Nil", "bfla_2a=21",
                    "bfla_2b=22",      "bfla_2c=25",  "bfla_3a=31",  "bfla_3b=32",  "bfla_3c=35",
                    "bfla_4a=41",      "bfla_4b=42",  "bfla_4c=45",  "bfla_5a=51",  "bfla_5b=52",
                    "bfla_5c=55",      "bfla_6a=61",  "bfla_6b=62",  "bfla_6c=65",  "bfla_7a=",
                    "bfla_7b=B1",      "bfla_7c=",    "bfla_8c=INC"}));
    EXPECT_EQ(Bfla(4),
              CrLf({"[SCHEDULE-CYLA]", "bfla_1a=Nil", "bfla_1b=Nil", "bfla_1c=Nil", "bfla_1d=Nil",
                    "bfla_1e=Nil",     "bfla_2a=21",  "bfla_2b=22",  "bfla_2c=23",  "bfla_2d=24",
                    "bfla_2e=25",      "bfla_3a=31",  "bfla_3b=32",  "bfla_3c=33",  "bfla_3d=34",
                    "bfla_3e=35",      "bfla_4a=41",  "bfla_4b=42",  "bfla_4c=43",  "bfla_4d=44",
                    "bfla_4e=45",      "bfla_5a=51",  "bfla_5b=52",  "bfla_5c=53",  "bfla_5d=54",
                    "bfla_5e=55",      "bfla_6a=61",  "bfla_6b=62",  "bfla_6c=63",  "bfla_6d=64",
                    "bfla_6e=65",      "bfla_7a=",    "bfla_8a=",    "bfla_7b=B1",  "bfla_8b=B1",
                    "bfla_7c=B2",      "bfla_8c=B2",  "bfla_7d=B3",  "bfla_8d=INC"}));
    const std::string forms5and6 =
        CrLf({"[SCHEDULE-CYLA]", "bfla_1a=21", "bfla_1b=22", "bfla_1c=23", "bfla_1d=24",
              "bfla_1e=25",      "bfla_2a=31", "bfla_2b=32", "bfla_2c=33", "bfla_2d=34",
              "bfla_2e=35",      "bfla_3a=41", "bfla_3b=42", "bfla_3c=43", "bfla_3d=44",
              "bfla_3e=45",      "bfla_4a=51", "bfla_4b=52", "bfla_4c=53", "bfla_4d=54",
              "bfla_4e=55",      "bfla_5a=61", "bfla_5b=62", "bfla_5c=63", "bfla_5d=64",
              "bfla_5e=65",      "bfla_6a=",   "bfla_7a=",   "bfla_6b=B1", "bfla_7b=B1",
              "bfla_6c=B2",      "bfla_7c=B2", "bfla_6d=B3", "bfla_7d=B3", "bfla_6e=INC",
              "bfla_7e=INC"});
    EXPECT_EQ(Bfla(5), forms5and6);
    EXPECT_EQ(Bfla(6), forms5and6);
    EXPECT_EQ(Bfla(1), "");
}

TEST(LossSetOff, AnAbsentScheduleWritesNothing) {
    for (const int form : {2, 3, 4, 5, 6}) {
        const auto fill = [](TIniControl& ini, ReturnContext& context) {
            FillScheduleCYLA(ini, context);
            FillScheduleBFLA(ini, context);
            FillScheduleCFL(ini, context);
        };
        EXPECT_EQ(WrittenFor("<ITRForm:ScheduleOS/>", form, 2011, fill), "") << form;
    }
}

// The statement of losses carried forward: each loss in an element of its
// own, valued with the row number and the kind of loss.
std::string CarriedForwardRow(std::string_view row, std::string_view detail, int number) {
    const std::string n = std::to_string(number);
    std::string cells;
    if (detail == "CarryFwdLossDetail")
        cells += "<ITRForm:DateOfFiling>2003-10-31</ITRForm:DateOfFiling>";
    for (const char* kind :
         {"HPLossCF", "BusLossOthThanSpecLossCF", "LossFrmSpecBusCF", "STCGLossCF", "LTCGLossCF",
          "OthSrcLossRaceHorseCF", "LossFrmSpecifiedBusCF"}) {
        cells += "<ITRForm:" + std::string(kind) + ">" + n + kind + "</ITRForm:" + kind + ">";
    }
    return "<ITRForm:" + std::string(row) + "><ITRForm:" + std::string(detail) + ">" + cells +
           "</ITRForm:" + std::string(detail) + "></ITRForm:" + std::string(row) + ">";
}

const std::string kCfl = "<ITRForm:ScheduleCFL>" +
                         CarriedForwardRow("LossCFFromPrev8thYearFromAY", "CarryFwdLossDetail", 1) +
                         CarriedForwardRow("TotalOfBFLossesEarlierYrs", "LossSummaryDetail", 9) +
                         "</ITRForm:ScheduleCFL>";

// The columns of the statement differ by form, and for ITR-6 by year; a
// column the form prints as not applicable is "Nil".
TEST(FillScheduleCFL, ColumnsOfEachLayout) {
    struct Case {
        int form;
        int year;
        std::string row1;  // the cells of row 1 and the key after them
        std::string row9;
    };
    const Case cases[] = {
        {2, 2010,
         CrLf({"cfl_1a=31-10-2003", "cfl_1b=1HPLossCF", "cfl_1c=1STCGLossCF", "cfl_1d=1LTCGLossCF",
               "cfl_1e=1OthSrcLossRaceHorseCF", "cfl_2a="}),
         CrLf({"cfl_9b=9HPLossCF", "cfl_9c=9STCGLossCF", "cfl_9d=9LTCGLossCF",
               "cfl_9e=9OthSrcLossRaceHorseCF", "cfl_10b=Nil"})},
        {3, 2010,
         CrLf({"cfl_1a=31-10-2003", "cfl_1b=1HPLossCF", "cfl_1c=1BusLossOthThanSpecLossCF",
               "cfl_1d=1STCGLossCF", "cfl_1e=1LTCGLossCF", "cfl_1f=Nil",
               "cfl_1g=1OthSrcLossRaceHorseCF", "cfl_2a="}),
         CrLf({"cfl_9b=9HPLossCF", "cfl_9c=9BusLossOthThanSpecLossCF", "cfl_9d=9STCGLossCF",
               "cfl_9e=9LTCGLossCF", "cfl_9f=Nil", "cfl_9g=9OthSrcLossRaceHorseCF",
               "cfl_10b=Nil"})},
        {4, 2011,
         CrLf({"cfl_1a=31-10-2003", "cfl_1b=1HPLossCF", "cfl_1c=1BusLossOthThanSpecLossCF",
               "cfl_1d=1LossFrmSpecBusCF", "cfl_1e=1STCGLossCF", "cfl_1f=1LTCGLossCF", "cfl_1g=Nil",
               "cfl_1h=1OthSrcLossRaceHorseCF", "cfl_2a="}),
         CrLf({"cfl_9b=9HPLossCF", "cfl_9c=9BusLossOthThanSpecLossCF", "cfl_9d=9LossFrmSpecBusCF",
               "cfl_9e=9STCGLossCF", "cfl_9f=9LTCGLossCF", "cfl_9g=Nil",
               "cfl_9h=9OthSrcLossRaceHorseCF", "cfl_10b=Nil"})},
        {6, 2010,
         CrLf({"cfl_1a=31-10-2003", "cfl_1b=1HPLossCF", "cfl_1c=1BusLossOthThanSpecLossCF",
               "cfl_1d=1LossFrmSpecBusCF", "cfl_1e=1STCGLossCF", "cfl_1f=1LTCGLossCF", "cfl_1g=Nil",
               "cfl_1h=1OthSrcLossRaceHorseCF", "cfl_2a="}),
         CrLf({"cfl_9b=9HPLossCF", "cfl_9c=9BusLossOthThanSpecLossCF", "cfl_9d=9LossFrmSpecBusCF",
               "cfl_9e=9STCGLossCF", "cfl_9f=9LTCGLossCF", "cfl_9g=Nil",
               "cfl_9h=9OthSrcLossRaceHorseCF", "cfl_10b=Nil"})},
        {6, 2011,
         CrLf({"cfl_1a=31-10-2003", "cfl_1b=1HPLossCF", "cfl_1c=1BusLossOthThanSpecLossCF",
               "cfl_1d=1LossFrmSpecBusCF", "cfl_1e=1STCGLossCF", "cfl_1f=1LTCGLossCF",
               "cfl_1g=1OthSrcLossRaceHorseCF", "cfl_1h=1LossFrmSpecifiedBusCF", "cfl_2a="}),
         CrLf({"cfl_9b=9HPLossCF", "cfl_9c=9BusLossOthThanSpecLossCF", "cfl_9d=9LossFrmSpecBusCF",
               "cfl_9e=9STCGLossCF", "cfl_9f=9LTCGLossCF", "cfl_9g=9OthSrcLossRaceHorseCF",
               "cfl_9h=9LossFrmSpecifiedBusCF", "cfl_10b=Nil"})},
    };
    for (const Case& c : cases) {
        const std::string written = WrittenFor(kCfl, c.form, c.year, FillScheduleCFL);
        EXPECT_NE(written.find(c.row1), std::string::npos) << c.form << " " << c.year << "\n"
                                                           << written;
        EXPECT_NE(written.find(c.row9), std::string::npos) << c.form << " " << c.year << "\n"
                                                           << written;
    }
}

// cfl_01 to cfl_08 name the eight assessment years before the return's, cfl_09
// its own; a form without a statement of its own gets the labels alone.
TEST(FillScheduleCFL, YearLabels) {
    EXPECT_EQ(WrittenFor(kCfl, 8, 2008, FillScheduleCFL),
              CrLf({"[SCHEDULE-CYLA]", "cfl_01=2000-2001", "cfl_02=2001-2002", "cfl_03=2002-2003",
                    "cfl_04=2003-2004", "cfl_05=2004-2005", "cfl_06=2005-2006", "cfl_07=2006-2007",
                    "cfl_08=2007-2008", "cfl_09=2008-2009"}));
    const std::string written = WrittenFor(kCfl, 5, 2011, FillScheduleCFL);
    EXPECT_TRUE(written.starts_with(CrLf({"[SCHEDULE-CYLA]", "cfl_01=2003-2004"})));
    EXPECT_NE(written.find(CrLf({"cfl_08=2010-2011", "cfl_09=2011-2012", "cfl_1a=31-10-2003"})),
              std::string::npos);
}

}  // namespace
}  // namespace orvane
