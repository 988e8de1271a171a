#include "reports/catalogue/ReportCatalogue.h"

#include <algorithm>
#include <array>

#include "reports/catalogue/AcknowledgementDataset.h"

namespace orvane {
namespace {

using enum DatasetKind;

// --- datasets and the staging sections they read ------------------------------------

constexpr DatasetSpec kPartAGen{"dsPartA_Gen", kSingle, "PART-A-GEN"};
constexpr DatasetSpec kPartB{"dsPartB", kSingle, "PART-B"};
constexpr DatasetSpec kPartABS{"dsPartA_BS", kSingle, "PART-A-BS"};
constexpr DatasetSpec kPartAPNL{"dsPartA_PNL", kSingle, "PART-A-PNL"};
constexpr DatasetSpec kPartAOI{"dsPartA_OI", kSingle, "PART-A-OI"};
constexpr DatasetSpec kPartAQD{"dsPartA_QD", kSingle, "PART-A-QD"};
constexpr DatasetSpec kScheduleHP{"dsSchedule_HP", kSingle, "SCHEDULE-HP"};
constexpr DatasetSpec kScheduleCG{"dsSchedule_CG", kSingle, "SCHEDULE-CG"};
constexpr DatasetSpec kScheduleCYLA{"dsSchedule_CYLA", kSingle, "SCHEDULE-CYLA"};
constexpr DatasetSpec kScheduleVIA{"dsSchedule_VIA", kSingle, "SCHEDULE-VIA"};
constexpr DatasetSpec kScheduleBP{"dsSchedule_BP", kSingle, "SCHEDULE-BP"};
constexpr DatasetSpec kScheduleBPRows{"dsSchedule_BP", kNumbered, "SCHEDULE-BP-"};
constexpr DatasetSpec kScheduleDPM{"dsSchedule_DPM", kSingle, "SCHEDULE-DPM"};
constexpr DatasetSpec kScheduleESR{"dsSchedule_ESR", kSingle, "SCHEDULE-ESR"};
constexpr DatasetSpec kSchedule10A{"dsSchedule_10A", kSingle, "SCHEDULE-10A"};
constexpr DatasetSpec kScheduleFBI{"dsSchedule_FBI", kSingle, "SCHEDULE-FBI"};
constexpr DatasetSpec kScheduleMAT{"dsSchedule_MAT", kSingle, "SCHEDULE-MAT"};
constexpr DatasetSpec kScheduleIT{"dsSchedule_IT", kNumbered, "SCHEDULE-IT-"};
constexpr DatasetSpec kScheduleTDS1{"dsSchedule_TDS1", kNumbered, "SCHEDULE-TDS1-"};
constexpr DatasetSpec kScheduleTDS2{"dsSchedule_TDS2", kNumbered, "SCHEDULE-TDS2-"};
constexpr DatasetSpec kScheduleTCS{"dsSchedule_TCS", kNumbered, "SCHEDULE-TCS-"};
constexpr DatasetSpec kScheduleS{"dsSchedule_S", kNumbered, "SCHEDULE-S-"};
constexpr DatasetSpec kScheduleHP1{"dsSchedule_HP1", kNumbered, "SCHEDULE-HP-"};
constexpr DatasetSpec kScheduleSPI{"dsSchedule_SPI", kNumbered, "SCHEDULE-SPI-"};
constexpr DatasetSpec kScheduleSI{"dsSchedule_SI", kNumbered, "SCHEDULE-SI-"};
constexpr DatasetSpec kScheduleIF{"dsSchedule_IF", kNumbered, "SCHEDULE-IF-"};
constexpr DatasetSpec kDetail{"dsDetail", kNumbered, "DETAIL-"};
constexpr DatasetSpec kSchedulePNL1{"dsSchedule_PNL1", kNumbered, "PNLDTL-"};
constexpr DatasetSpec kPartAPartners{"dsPartA_Partners", kNumbered, "PART-A-PARTNERS-"};
constexpr DatasetSpec kPartAKeyPerson{"dsPartA_KeyPerson", kNumbered, "PART-A-KEYPERSON-"};
constexpr DatasetSpec kPartAShareHolder{"dsPartA_ShareHolder", kNumbered, "PART-A-SHAREHOLDER-"};
constexpr DatasetSpec kScheduleDDTP{"dsSchedule_DDTP", kNumbered, "SCHEDULE-DDTP-"};
constexpr DatasetSpec kScheduleFBT{"dsSchedule_FBT", kNumbered, "SCHEDULE-FBT-"};
// TFormITR1 declares these two without handlers; no band of its template reads them.
constexpr DatasetSpec kScheduleSPIEmpty{"dsSchedule_SPI", kEmpty, ""};
constexpr DatasetSpec kScheduleSIEmpty{"dsSchedule_SI", kEmpty, ""};
constexpr DatasetSpec kMain{"dsMain", kCustom, "", MakeAcknowledgementDataset};

// --- the datasets of each report form class ----------------------------------------

constexpr DatasetSpec kITR1[] = {kPartAGen,   kPartB,        kScheduleSPIEmpty, kScheduleSIEmpty,
                                 kScheduleIT, kScheduleTDS1, kScheduleTDS2,     kScheduleS};
constexpr DatasetSpec kITR1_2010[] = {kPartAGen, kPartB, kScheduleIT, kScheduleTDS1, kScheduleTDS2};
constexpr DatasetSpec kITR1_2011[] = {kPartAGen, kScheduleIT, kScheduleTDS1, kScheduleTDS2};
constexpr DatasetSpec kITR2[] = {kPartAGen,     kPartB,        kScheduleHP,   kScheduleCG,
                                 kScheduleCYLA, kScheduleVIA,  kScheduleSPI,  kScheduleSI,
                                 kScheduleIT,   kScheduleTDS1, kScheduleTDS2, kScheduleHP1};
constexpr DatasetSpec kITR2_2010[] = {kPartAGen,     kPartB,        kScheduleHP,   kScheduleCG,
                                      kScheduleCYLA, kScheduleVIA,  kScheduleSPI,  kScheduleSI,
                                      kScheduleIT,   kScheduleTDS1, kScheduleTDS2, kScheduleHP1,
                                      kDetail};
constexpr DatasetSpec kITR3[] = {kPartAGen,     kPartB,         kScheduleHP,   kScheduleCG,
                                 kScheduleCYLA, kScheduleVIA,   kScheduleSPI,  kScheduleSI,
                                 kScheduleIT,   kScheduleTDS1,  kScheduleTDS2, kScheduleHP1,
                                 kScheduleIF,   kScheduleBPRows};
constexpr DatasetSpec kITR3_2010[] = {kPartAGen,     kPartB,          kScheduleHP,   kScheduleCG,
                                      kScheduleCYLA, kScheduleVIA,    kScheduleSPI,  kScheduleSI,
                                      kScheduleIT,   kScheduleTDS1,   kScheduleTDS2, kScheduleHP1,
                                      kScheduleIF,   kScheduleBPRows, kDetail};
constexpr DatasetSpec kITR4[] = {kPartAGen,     kPartABS,      kPartAPNL,     kPartAOI,
                                 kPartAQD,      kPartB,        kScheduleHP,   kScheduleBP,
                                 kScheduleDPM,  kScheduleESR,  kScheduleCYLA, kSchedule10A,
                                 kScheduleSPI,  kScheduleSI,   kScheduleIF,   kScheduleIT,
                                 kScheduleTDS1, kScheduleTDS2, kScheduleTCS,  kScheduleHP1};
constexpr DatasetSpec kITR4_2010[] = {
    kPartAGen,    kPartABS,     kPartAPNL,    kPartAOI,     kPartAQD,      kPartB,
    kScheduleHP,  kScheduleBP,  kScheduleDPM, kScheduleESR, kScheduleCYLA, kSchedule10A,
    kScheduleSPI, kScheduleSI,  kScheduleIF,  kScheduleIT,  kScheduleTDS1, kScheduleTDS2,
    kScheduleTCS, kScheduleHP1, kDetail,      kSchedulePNL1};
constexpr DatasetSpec kITR4s_2011[] = {kPartAGen, kScheduleIT, kScheduleTDS1, kScheduleTDS2,
                                       kScheduleTCS};
constexpr DatasetSpec kITR5[] = {kPartAGen,      kPartABS,      kPartAPNL,     kPartAOI,
                                 kPartAQD,       kPartB,        kScheduleHP,   kScheduleBP,
                                 kScheduleDPM,   kScheduleESR,  kScheduleCYLA, kSchedule10A,
                                 kPartAPartners, kScheduleSI,   kScheduleFBT,  kScheduleIT,
                                 kScheduleFBI,   kScheduleTDS2, kScheduleTCS,  kScheduleHP1};
constexpr DatasetSpec kITR5_2010[] = {
    kPartAGen,      kPartABS,     kPartAPNL,    kPartAOI,     kPartAQD,      kPartB,
    kScheduleHP,    kScheduleBP,  kScheduleDPM, kScheduleESR, kScheduleCYLA, kSchedule10A,
    kPartAPartners, kScheduleSI,  kScheduleFBT, kScheduleIT,  kScheduleFBI,  kScheduleTDS2,
    kScheduleTCS,   kScheduleHP1, kSchedulePNL1};
constexpr DatasetSpec kITR6[] = {
    kPartAGen,    kPartABS,        kPartAPNL,         kPartAOI,     kPartAQD,      kPartB,
    kScheduleHP,  kScheduleBP,     kScheduleDPM,      kScheduleESR, kScheduleCYLA, kSchedule10A,
    kScheduleSI,  kScheduleFBT,    kScheduleIT,       kScheduleFBI, kScheduleTDS2, kScheduleTCS,
    kScheduleHP1, kPartAKeyPerson, kPartAShareHolder, kScheduleMAT, kScheduleDDTP};
constexpr DatasetSpec kITR6_2010[] = {
    kPartAGen,    kPartABS,        kPartAPNL,         kPartAOI,     kPartAQD,      kPartB,
    kScheduleHP,  kScheduleBP,     kScheduleDPM,      kScheduleESR, kScheduleCYLA, kSchedule10A,
    kScheduleSI,  kScheduleFBT,    kScheduleIT,       kScheduleFBI, kScheduleTDS2, kScheduleTCS,
    kScheduleHP1, kPartAKeyPerson, kPartAShareHolder, kScheduleMAT, kScheduleDDTP, kSchedulePNL1};
constexpr DatasetSpec kITR8[] = {kPartAGen, kPartB, kScheduleFBT, kScheduleFBI};
constexpr DatasetSpec kAcknowledgement[] = {kMain};

// --- templates by component: file in the templates folder, template pages -----------

constexpr TemplateSpec kITR1Templates[] = {{"frxReport1", "itr1-2008-09.xml", 7}};
constexpr TemplateSpec kITR1_2010Templates[] = {{"frxReport1", "itr1-2010-11.xml", 7}};
constexpr TemplateSpec kITR1_2011Templates[] = {{"frxReport1", "itr1-2011-12.xml", 5}};
constexpr TemplateSpec kITR2Templates[] = {{"frxReport2", "itr2-2008-09.xml", 14}};
constexpr TemplateSpec kITR2_2010Templates[] = {{"frxReport1", "itr2-2010-11.xml", 18}};
constexpr TemplateSpec kITR2_2011Templates[] = {{"frxReport1", "itr2-2011-12.xml", 18}};
constexpr TemplateSpec kITR3Templates[] = {{"frxReport3", "itr3-2008-09.xml", 16}};
constexpr TemplateSpec kITR3_2010Templates[] = {{"frxReport1", "itr3-2010-11.xml", 20}};
constexpr TemplateSpec kITR3_2011Templates[] = {{"frxReport1", "itr3-2011-12.xml", 20}};
constexpr TemplateSpec kITR4Templates[] = {{"frxReport", "itr4-2008-09.xml", 30},
                                           {"frxReport_2009_2010", "itr4-2009-10.xml", 30}};
constexpr TemplateSpec kITR4_2010Templates[] = {{"frxReport1", "itr4-2010-11.xml", 34}};
constexpr TemplateSpec kITR4_2011Templates[] = {{"frxReport1", "itr4-2011-12.xml", 34}};
constexpr TemplateSpec kITR4s_2011Templates[] = {{"frxReport1", "itr4s-2011-12.xml", 7}};
constexpr TemplateSpec kITR5Templates[] = {{"frxReport", "itr5-2008-09.xml", 30},
                                           {"frxReport_2009_2010", "itr5-2009-10.xml", 30}};
constexpr TemplateSpec kITR5_2010Templates[] = {{"frxReport1", "itr5-2010-11.xml", 31}};
constexpr TemplateSpec kITR5_2011Templates[] = {{"frxReport1", "itr5-2011-12.xml", 31}};
constexpr TemplateSpec kITR6Templates[] = {{"frxReport", "itr6-2008-09.xml", 35},
                                           {"frxReport_2009_2010", "itr6-2009-10.xml", 35}};
constexpr TemplateSpec kITR6_2010Templates[] = {{"frxReport1", "itr6-2010-11.xml", 34}};
constexpr TemplateSpec kITR6_2011Templates[] = {{"frxReport1", "itr6-2011-12.xml", 34}};
constexpr TemplateSpec kITR8Templates[] = {{"frxReport8", "itr8.xml", 5}};
constexpr TemplateSpec kAcknowledgementTemplates[] = {{"frxReport1", "ack-2008-09.xml", 1},
                                                      {"frxReport2", "ack-2010-11.xml", 1},
                                                      {"frxReport2011", "ack-2011-12.xml", 1}};

// --- the report form classes ------------------------------------------------------

constexpr std::array<ReportFormClass, 21> kReportFormClasses = {{
    {"TFormITR1", "ITR1.WIN", kITR1, kITR1Templates},
    {"TFormITR1_2010", "sITR1.WIN", kITR1_2010, kITR1_2010Templates},
    {"TFormITR1_2011", "ITR1.WIN", kITR1_2011, kITR1_2011Templates},
    {"TFormITR2", "ITR2.WIN", kITR2, kITR2Templates},
    {"TFormITR2_2010", "ITR2.WIN", kITR2_2010, kITR2_2010Templates},
    {"TFormITR2_2011", "ITR2.WIN", kITR2_2010, kITR2_2011Templates},
    {"TFormITR3", "ITR3.WIN", kITR3, kITR3Templates},
    {"TFormITR3_2010", "ITR3.WIN", kITR3_2010, kITR3_2010Templates},
    {"TFormITR3_2011", "ITR3.WIN", kITR3_2010, kITR3_2011Templates},
    {"TFormITR4", "ITR4.WIN", kITR4, kITR4Templates},
    {"TFormITR4_2010", "ITR4.WIN", kITR4_2010, kITR4_2010Templates},
    {"TFormITR4_2011", "ITR4.WIN", kITR4_2010, kITR4_2011Templates},
    {"TFormITR4s_2011", "ITR4s.WIN", kITR4s_2011, kITR4s_2011Templates},
    {"TFormITR5", "ITR5.WIN", kITR5, kITR5Templates},
    {"TFormITR5_2010", "ITR5.WIN", kITR5_2010, kITR5_2010Templates},
    {"TFormITR5_2011", "ITR5.WIN", kITR5_2010, kITR5_2011Templates},
    {"TFormITR6", "ITR6.WIN", kITR6, kITR6Templates},
    {"TFormITR6_2010", "ITR6.WIN", kITR6_2010, kITR6_2010Templates},
    {"TFormITR6_2011", "ITR6.WIN", kITR6_2010, kITR6_2011Templates},
    {"TFormITR8", "ITR8.WIN", kITR8, kITR8Templates},
    {"TFormNewAcknowledgement", "ACK.WIN", kAcknowledgement, kAcknowledgementTemplates},
}};

// A dataset name appears once per class.
constexpr bool DatasetNamesAreUnique() {
    for (const ReportFormClass& form_class : kReportFormClasses) {
        const auto& datasets = form_class.datasets;
        for (std::size_t i = 0; i < datasets.size(); ++i) {
            for (std::size_t j = i + 1; j < datasets.size(); ++j) {
                if (datasets[i].name == datasets[j].name) return false;
            }
        }
    }
    return true;
}
static_assert(DatasetNamesAreUnique());

}  // namespace

std::span<const ReportFormClass> ReportFormClasses() {
    return kReportFormClasses;
}

const ReportFormClass* FindReportFormClass(std::string_view class_name) {
    const auto found =
        std::find_if(kReportFormClasses.begin(), kReportFormClasses.end(),
                     [&](const ReportFormClass& c) { return c.class_name == class_name; });
    return found == kReportFormClasses.end() ? nullptr : &*found;
}

const TemplateSpec* FindTemplate(const ReportFormClass& form_class, std::string_view component) {
    const auto found =
        std::find_if(form_class.templates.begin(), form_class.templates.end(),
                     [&](const TemplateSpec& t) { return t.component == component; });
    return found == form_class.templates.end() ? nullptr : &*found;
}

}  // namespace orvane
