#include <gtest/gtest.h>

#include "mapping/fill/ProfitLinkedDeductions.h"
#include "support/FilledSections.h"

namespace orvane {
namespace {

using test::Fill;

// A group of Schedule 10A with the given amounts, in the layout of ITR-4
// (with ITRForm:Undertaking) or of ITR-5 and ITR-6 (without).
std::string Group(std::string_view element, std::initializer_list<const char*> amounts,
                  bool undertaking) {
    std::string entries;
    for (const char* amount : amounts) {
        entries +=
            "<ITRForm:DedFromUndertaking>" + std::string(amount) + "</ITRForm:DedFromUndertaking>";
    }
    if (undertaking) entries = "<ITRForm:Undertaking>" + entries + "</ITRForm:Undertaking>";
    return "<" + std::string(element) + "><ITRForm:DedUs10Detail>" + entries +
           "</ITRForm:DedUs10Detail></" + std::string(element) + ">";
}

TEST(Schedule10A, EntriesUpToTheRoomOfTheFormAndTotalsOfWhatWasWritten) {
    const std::string body =
        "<ITRForm:Schedule10A>" +
        Group("ITRForm:DeductSTP", {"100", "200", "0", "400", "500", "600"}, false) +
        Group("ITRForm:DeductEHTP", {"10", "20", "30", "40"}, false) +
        "<ITRForm:TotalDedUs10A>999999</ITRForm:TotalDedUs10A></ITRForm:Schedule10A>";
    EXPECT_EQ(Fill(FillSchedule10A, 5, 2009, body).Section("SCHEDULE-10A"),
              (std::vector<std::string>{"10a_1A=100", "10a_1B=200", "10a_1C=Nil", "10a_1D=400",
                                        "10a_1E=500", "10a_1f=1200", "10a_2A=10", "10a_2B=20",
                                        "10a_2C=30", "10a_2d=60", "10a_6=1260"}));
}

// ITR-4 keeps the undertakings one level deeper.
TEST(Schedule10A, ContainerDependsOnTheForm) {
    const std::string direct = "<ITRForm:Schedule10B>" +
                               Group("ITRForm:DeductEOU", {"700"}, false) +
                               "</ITRForm:Schedule10B>";
    const std::string nested = "<ITRForm:Schedule10B>" + Group("ITRForm:DeductEOU", {"700"}, true) +
                               "</ITRForm:Schedule10B>";
    EXPECT_EQ(Fill(FillSchedule10A, 4, 2009, direct).text, "");
    EXPECT_EQ(Fill(FillSchedule10A, 4, 2009, nested).Section("SCHEDULE-10A"),
              (std::vector<std::string>{"10b_1A=700", "10b_1f=700"}));
    EXPECT_EQ(Fill(FillSchedule10A, 6, 2009, direct).Section("SCHEDULE-10A"),
              (std::vector<std::string>{"10b_1A=700", "10b_1f=700"}));
}

TEST(Schedule10A, EmptyGroupsAndSchedules) {
    // A group with an empty container: its total alone.
    EXPECT_EQ(Fill(FillSchedule10A, 5, 2010,
                   "<ITRForm:Schedule10AA>" + Group("ITRForm:DeductSEZ", {}, false) +
                       "</ITRForm:Schedule10AA>")
                  .Section("SCHEDULE-10A"),
              std::vector<std::string>{"10aa_1d=Nil"});
    // Schedule 10A without groups: its total alone.
    EXPECT_EQ(Fill(FillSchedule10A, 5, 2010, "<ITRForm:Schedule10A/>").Section("SCHEDULE-10A"),
              std::vector<std::string>{"10a_6=Nil"});
    // Schedules in table order, whatever the order of the return.
    EXPECT_EQ(Fill(FillSchedule10A, 6, 2010,
                   "<ITRForm:Schedule10BA>" + Group("ITRForm:DeductHandWoodArt", {"5"}, false) +
                       "</ITRForm:Schedule10BA><ITRForm:Schedule10A/>")
                  .Section("SCHEDULE-10A"),
              (std::vector<std::string>{"10a_6=Nil", "10ba_1A=5", "10ba_1f=5"}));
}

TEST(Schedule10A, AnAmountThatIsNotWholeEndsTheRun) {
    std::string written;
    const std::string message = test::FillFailure(
        FillSchedule10A, 5, 2009,
        "<ITRForm:Schedule10A>" + Group("ITRForm:DeductSTP", {"100", "20.5"}, false) +
            "</ITRForm:Schedule10A>",
        &written);
    EXPECT_EQ(message, "'20.5' is not a valid integer value");
    EXPECT_NE(written.find("10a_1B=20.5\r\n"), std::string::npos);
    EXPECT_EQ(written.find("10a_1f"), std::string::npos);
}

TEST(Schedule80G, DoneesAreNumberedWithoutLimit) {
    std::string donees;
    for (int i = 1; i <= 7; ++i) {
        donees += "<ITRForm:DoneeDetail><ITRForm:DoneeName>TRUST " + std::to_string(i) +
                  "</ITRForm:DoneeName><ITRForm:DonationAmt>" + std::to_string(i * 1000) +
                  "</ITRForm:DonationAmt></ITRForm:DoneeDetail>";
    }
    const auto filled = Fill(FillSchedule80G, 4, 2009,
                             "<ITRForm:Schedule80G><ITRForm:Don100Percent>" + donees +
                                 "<ITRForm:TotDon100Percent>28000</ITRForm:TotDon100Percent>"
                                 "</ITRForm:Don100Percent></ITRForm:Schedule80G>");
    const auto section = filled.Section("SCHEDULE-10A");
    ASSERT_EQ(section.size(), 15U);
    EXPECT_EQ(section[0], "80G_A1a=TRUST 1");
    EXPECT_EQ(section[13], "80G_A7b=7000");
    EXPECT_EQ(section[14], "80G_A=28000");
}

TEST(Schedule80G, DoneesWithPanAndTheTotals) {
    const auto filled =
        Fill(FillSchedule80G, 6, 2010,
             "<ITRForm:Schedule80G>"
             "<ITRForm:Don50PercentApprReqd>"
             "<ITRForm:DoneeWithPan><ITRForm:DoneeWithPanName>CITY HOSPITAL "
             "SOCIETY</ITRForm:DoneeWithPanName>"
             "<ITRForm:AddressDetail><ITRForm:AddrDetail>4 MALL "
             "ROAD</ITRForm:AddrDetail></ITRForm:AddressDetail>"
             "<ITRForm:DonationAmt>15000</ITRForm:DonationAmt></ITRForm:DoneeWithPan>"
             "<!-- a comment is not the total -->"
             "<ITRForm:TotDon50PercentApprReqd>15000</ITRForm:TotDon50PercentApprReqd>"
             "</ITRForm:Don50PercentApprReqd>"
             "<ITRForm:Don100Percent><ITRForm:TotDon100Percent>0</ITRForm:TotDon100Percent>"
             "</ITRForm:Don100Percent>"
             "<ITRForm:TotalDonationsUs80G>15000</ITRForm:TotalDonationsUs80G>"
             "</ITRForm:Schedule80G>");
    EXPECT_EQ(filled.Section("SCHEDULE-10A"),
              (std::vector<std::string>{"80G_A=Nil", "80G_C1a=CITY HOSPITAL SOCIETY",
                                        "80G_C1b=15000", "80G_C1c=Nil", "80G_C=15000"}));
    EXPECT_EQ(Fill(FillSchedule80G, 6, 2010, "<ITRForm:Schedule80IA/>").text, "");
}

TEST(Schedule80IA, EachScheduleIsSkippedWhenAbsent) {
    const auto filled =
        Fill(FillSchedule80IA, 5, 2009,
             "<ITRForm:Schedule80_IC><ITRForm:DeductInSikkim>4100</ITRForm:DeductInSikkim>"
             "<ITRForm:DeductInNorthEast><ITRForm:Tripura>900</ITRForm:Tripura></"
             "ITRForm:DeductInNorthEast>"
             "</ITRForm:Schedule80_IC><ITRForm:Schedule80_IA/>");
    const auto section = filled.Section("SCHEDULE-10A");
    ASSERT_EQ(section.size(), 18U);
    EXPECT_EQ(section[0], "80IA_a=Nil");
    EXPECT_EQ(section[6], "80IC_1=4100");
    EXPECT_EQ(section[15], "80IC_4g=900");
    EXPECT_EQ(section[17], "80IC_5=Nil");
}

TEST(ScheduleSTT, ScheduleElementByForm) {
    const std::string stt =
        "<ITRForm:IncChrgSTT><ITRForm:STTNonSpecBus>2000</ITRForm:STTNonSpecBus></"
        "ITRForm:IncChrgSTT>"
        "<ITRForm:STTPaid>25</ITRForm:STTPaid>";
    const std::string individual = "<ITRForm:ScheduleSTTR>" + stt + "</ITRForm:ScheduleSTTR>";
    const std::string corporate = "<ITRForm:ScheduleSTTC>" + stt + "</ITRForm:ScheduleSTTC>";
    const std::vector<std::string> expected = {"sttr_1i=2000", "sttr_1ii=Nil", "sttr_1iii=Nil",
                                               "sttr_2=Nil",   "sttr_3=25",    "sttr_4=Nil"};
    EXPECT_EQ(Fill(FillScheduleSTT, 4, 2009, individual).Section("SCHEDULE-10A"), expected);
    EXPECT_EQ(Fill(FillScheduleSTT, 5, 2009, corporate).Section("SCHEDULE-10A"), expected);
    EXPECT_EQ(Fill(FillScheduleSTT, 6, 2009, corporate).Section("SCHEDULE-10A"), expected);
    EXPECT_EQ(Fill(FillScheduleSTT, 6, 2009, individual).text, "");
    EXPECT_EQ(Fill(FillScheduleSTT, 4, 2009, corporate).text, "");
}

}  // namespace
}  // namespace orvane
