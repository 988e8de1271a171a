#include <gtest/gtest.h>

#include "reports/catalogue/ReportCatalogue.h"
#include "reports/engine/ResourceStore.h"
#include "reports/engine/TemplateLoader.h"
#include "staging/ReportDispatch.h"

namespace orvane {
namespace {

// A class's datasets as one line: "name=SECTION" for a single section,
// "name=PREFIX-*" for a numbered dataset, "name=(empty)" and "name=(own)".
std::string DatasetLine(const ReportFormClass& form_class) {
    std::string line;
    for (const DatasetSpec& dataset : form_class.datasets) {
        if (!line.empty()) line += ' ';
        line += std::string(dataset.name) + "=";
        switch (dataset.kind) {
            case DatasetKind::kSingle:
                line += dataset.section;
                break;
            case DatasetKind::kNumbered:
                line += std::string(dataset.section) + "*";
                break;
            case DatasetKind::kEmpty:
                line += "(empty)";
                break;
            case DatasetKind::kCustom:
                line += "(own)";
                break;
        }
    }
    return line;
}

std::string TemplateLine(const ReportFormClass& form_class) {
    std::string line;
    for (const TemplateSpec& template_file : form_class.templates) {
        if (!line.empty()) line += ' ';
        line += std::string(template_file.component) + ":" + std::string(template_file.file) + "/" +
                std::to_string(template_file.pages);
    }
    return line;
}

const std::string kGen = "dsPartA_Gen=PART-A-GEN";
const std::string kB = " dsPartB=PART-B";
const std::string kTax =
    " dsSchedule_IT=SCHEDULE-IT-* dsSchedule_TDS1=SCHEDULE-TDS1-* dsSchedule_TDS2=SCHEDULE-TDS2-*";
const std::string kITR2 =
    kGen + kB +
    " dsSchedule_HP=SCHEDULE-HP dsSchedule_CG=SCHEDULE-CG dsSchedule_CYLA=SCHEDULE-CYLA"
    " dsSchedule_VIA=SCHEDULE-VIA dsSchedule_SPI=SCHEDULE-SPI-* dsSchedule_SI=SCHEDULE-SI-*" +
    kTax + " dsSchedule_HP1=SCHEDULE-HP-*";
const std::string kITR3 = kITR2 + " dsSchedule_IF=SCHEDULE-IF-* dsSchedule_BP=SCHEDULE-BP-*";
const std::string kAccounts =
    " dsPartA_BS=PART-A-BS dsPartA_PNL=PART-A-PNL dsPartA_OI=PART-A-OI dsPartA_QD=PART-A-QD" + kB +
    " dsSchedule_HP=SCHEDULE-HP dsSchedule_BP=SCHEDULE-BP dsSchedule_DPM=SCHEDULE-DPM"
    " dsSchedule_ESR=SCHEDULE-ESR dsSchedule_CYLA=SCHEDULE-CYLA dsSchedule_10A=SCHEDULE-10A";
const std::string kITR4 =
    kGen + kAccounts +
    " dsSchedule_SPI=SCHEDULE-SPI-* dsSchedule_SI=SCHEDULE-SI-* dsSchedule_IF=SCHEDULE-IF-*" +
    kTax + " dsSchedule_TCS=SCHEDULE-TCS-* dsSchedule_HP1=SCHEDULE-HP-*";
const std::string kFirm =
    " dsSchedule_SI=SCHEDULE-SI-* dsSchedule_FBT=SCHEDULE-FBT-* dsSchedule_IT=SCHEDULE-IT-*"
    " dsSchedule_FBI=SCHEDULE-FBI dsSchedule_TDS2=SCHEDULE-TDS2-*"
    " dsSchedule_TCS=SCHEDULE-TCS-* dsSchedule_HP1=SCHEDULE-HP-*";
const std::string kITR5 = kGen + kAccounts + " dsPartA_Partners=PART-A-PARTNERS-*" + kFirm;
const std::string kITR6 =
    kGen + kAccounts + kFirm +
    " dsPartA_KeyPerson=PART-A-KEYPERSON-* dsPartA_ShareHolder=PART-A-SHAREHOLDER-*"
    " dsSchedule_MAT=SCHEDULE-MAT dsSchedule_DDTP=SCHEDULE-DDTP-*";
const std::string kDetail = " dsDetail=DETAIL-*";
const std::string kPnl = " dsSchedule_PNL1=PNLDTL-*";

TEST(ReportCatalogue, EveryClassReadsItsStagingFileThroughItsDatasets) {
    struct Row {
        std::string_view class_name;
        std::string_view staging_file;
        std::string datasets;
        std::string templates;
    };
    const Row rows[] = {
        {"TFormITR1", "ITR1.WIN",
         kGen + kB + " dsSchedule_SPI=(empty) dsSchedule_SI=(empty)" + kTax +
             " dsSchedule_S=SCHEDULE-S-*",
         "frxReport1:itr1-2008-09.xml/7"},
        {"TFormITR1_2010", "sITR1.WIN", kGen + kB + kTax, "frxReport1:itr1-2010-11.xml/7"},
        {"TFormITR1_2011", "ITR1.WIN", kGen + kTax, "frxReport1:itr1-2011-12.xml/5"},
        {"TFormITR2", "ITR2.WIN", kITR2, "frxReport2:itr2-2008-09.xml/14"},
        {"TFormITR2_2010", "ITR2.WIN", kITR2 + kDetail, "frxReport1:itr2-2010-11.xml/18"},
        {"TFormITR2_2011", "ITR2.WIN", kITR2 + kDetail, "frxReport1:itr2-2011-12.xml/18"},
        {"TFormITR3", "ITR3.WIN", kITR3, "frxReport3:itr3-2008-09.xml/16"},
        {"TFormITR3_2010", "ITR3.WIN", kITR3 + kDetail, "frxReport1:itr3-2010-11.xml/20"},
        {"TFormITR3_2011", "ITR3.WIN", kITR3 + kDetail, "frxReport1:itr3-2011-12.xml/20"},
        {"TFormITR4", "ITR4.WIN", kITR4,
         "frxReport:itr4-2008-09.xml/30 frxReport_2009_2010:itr4-2009-10.xml/30"},
        {"TFormITR4_2010", "ITR4.WIN", kITR4 + kDetail + kPnl, "frxReport1:itr4-2010-11.xml/34"},
        {"TFormITR4_2011", "ITR4.WIN", kITR4 + kDetail + kPnl, "frxReport1:itr4-2011-12.xml/34"},
        {"TFormITR4s_2011", "ITR4s.WIN", kGen + kTax + " dsSchedule_TCS=SCHEDULE-TCS-*",
         "frxReport1:itr4s-2011-12.xml/7"},
        {"TFormITR5", "ITR5.WIN", kITR5,
         "frxReport:itr5-2008-09.xml/30 frxReport_2009_2010:itr5-2009-10.xml/30"},
        {"TFormITR5_2010", "ITR5.WIN", kITR5 + kPnl, "frxReport1:itr5-2010-11.xml/31"},
        {"TFormITR5_2011", "ITR5.WIN", kITR5 + kPnl, "frxReport1:itr5-2011-12.xml/31"},
        {"TFormITR6", "ITR6.WIN", kITR6,
         "frxReport:itr6-2008-09.xml/35 frxReport_2009_2010:itr6-2009-10.xml/35"},
        {"TFormITR6_2010", "ITR6.WIN", kITR6 + kPnl, "frxReport1:itr6-2010-11.xml/34"},
        {"TFormITR6_2011", "ITR6.WIN", kITR6 + kPnl, "frxReport1:itr6-2011-12.xml/34"},
        {"TFormITR8", "ITR8.WIN",
         kGen + kB + " dsSchedule_FBT=SCHEDULE-FBT-* dsSchedule_FBI=SCHEDULE-FBI",
         "frxReport8:itr8.xml/5"},
        {"TFormNewAcknowledgement", "ACK.WIN", "dsMain=(own)",
         "frxReport1:ack-2008-09.xml/1 frxReport2:ack-2010-11.xml/1 "
         "frxReport2011:ack-2011-12.xml/1"},
    };
    const auto classes = ReportFormClasses();
    ASSERT_EQ(classes.size(), std::size(rows));
    for (std::size_t i = 0; i < classes.size(); ++i) {
        const Row& row = rows[i];
        EXPECT_EQ(classes[i].class_name, row.class_name);
        EXPECT_EQ(classes[i].staging_file, row.staging_file) << row.class_name;
        EXPECT_EQ(DatasetLine(classes[i]), row.datasets) << row.class_name;
        EXPECT_EQ(TemplateLine(classes[i]), row.templates) << row.class_name;
        EXPECT_EQ(FindReportFormClass(row.class_name), &classes[i]);
    }
    EXPECT_EQ(FindReportFormClass("TFormITR7"), nullptr);
}

// Every report the dispatch shows is in the catalogue, with its component,
// and reads the staging file that the store of that name and year writes.
TEST(ReportCatalogue, AgreesWithTheDispatch) {
    for (const ReportDispatchRow& row : ReportDispatchTable()) {
        if (row.report_class.empty()) continue;
        const ReportFormClass* form_class = FindReportFormClass(row.report_class);
        ASSERT_NE(form_class, nullptr) << row.report_class;
        EXPECT_NE(FindTemplate(*form_class, row.component), nullptr)
            << row.report_class << " " << row.component;
        for (const int year : {2008, 2009, 2010, 2011}) {
            const auto choice = SelectReport(row.store_name, year);
            if (!choice || choice->report_class != row.report_class) continue;
            EXPECT_EQ(form_class->staging_file, StagingFileName(row.store_name, year))
                << row.report_class << " " << year;
        }
    }
}

// A template compiled into the program has the pages its form has and reads
// only datasets its class carries.
TEST(ReportCatalogue, EmbeddedTemplatesFitTheirClass) {
    for (const ReportFormClass& form_class : ReportFormClasses()) {
        for (const TemplateSpec& template_file : form_class.templates) {
            if (!EmbeddedResources().Find(template_file.file)) continue;
            const Template report = LoadTemplateFile(EmbeddedResources(), template_file.file);
            EXPECT_EQ(static_cast<int>(report.pages.size()), template_file.pages)
                << template_file.file;
            for (const std::string& name : report.datasets) {
                const bool carried =
                    std::any_of(form_class.datasets.begin(), form_class.datasets.end(),
                                [&](const DatasetSpec& d) { return d.name == name; });
                EXPECT_TRUE(carried) << template_file.file << " reads " << name;
            }
        }
    }
}

}  // namespace
}  // namespace orvane
