#include "mapping/fill/TaxPaymentSchedules.h"

#include <span>
#include <string>

#include "convert/Conversions.h"
#include "mapping/fill/BoxRowGroups.h"
#include "mapping/fill/KeyTable.h"
#include "mapping/fill/NumberedTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

struct TaxSchedule {
    std::string_view section;        // "SCHEDULE-TDS1"
    std::string_view own_container;  // container of the forms below
    When own_container_forms;
    std::string_view container;         // container of the other forms
    std::string_view firm_row_element;  // row element of ITR-5 and ITR-6
    std::string_view row_element;       // row element of the other forms
    int boxes;
    When box_layout;  // forms and years whose first rows stand in boxes
    std::span<const TableColumn> columns;
    Continuation continuation;  // the address or the bank branch under a row
    std::span<const BoxColumn> box_columns;
};

constexpr std::string_view kDeductorTan = "ITRForm:EmployerOrDeductorOrCollectDetl/ITRForm:TAN";
constexpr std::string_view kDeductorUtn = "ITRForm:EmployerOrDeductorOrCollectDetl/ITRForm:UTN";
constexpr std::string_view kDeductorName =
    "ITRForm:EmployerOrDeductorOrCollectDetl/ITRForm:EmployerOrDeductorOrCollecterName";

// The deductor's (or collector's) address, printed under its name.
constexpr Continuation kDeductorAddress{"ITRForm:AddressDetail/ITRForm:AddrDetail",
                                        "ITRForm:AddressDetail/ITRForm:CityOrTownOrDistrict",
                                        "Name"};

constexpr TableColumn kSalaryTdsColumns[] = {
    {{"TAN", kDeductorTan}},
    {{"UTN", kDeductorUtn}},
    {{"Name", kDeductorName}},
    {{"Income", "ITRForm:IncChrgSal", Conv::kAmountOrNil}, 1},
    {{"Deduction", "ITRForm:DeductUnderChapVIA", Conv::kAmountOrNil}, 2},
    {{"TaxPayable", "ITRForm:TaxPayIncluSurchEdnCes", Conv::kAmountOrNil}, 3},
    {{"TaxDeposited", "ITRForm:TotalTDSSal", Conv::kAmountOrNil}, 4},
    {{"Balance", "ITRForm:TaxPayRefund", Conv::kAmountOrNil}, 5},
};

constexpr TableColumn kOtherTdsColumns[] = {
    {{"TAN", kDeductorTan}},
    {{"UTN", kDeductorUtn}},
    {{"Name", kDeductorName}},
    {{"AmountPaid", "ITRForm:AmtPaid", Conv::kAmountOrNil}, 6},
    {{"Date", "ITRForm:DatePayCred", Conv::kDateByPosition}},
    {{"TaxDeposited", "ITRForm:TotTDSOnAmtPaid", Conv::kAmountOrNil}, 7},
    {{"Balance", "ITRForm:ClaimOutOfTotTDSOnAmtPaid", Conv::kAmountOrNil}, 8},
};

// The collector's TAN goes to the key TDS.
constexpr TableColumn kCollectionColumns[] = {
    {{"TDS", kDeductorTan}},
    {{"UTN", kDeductorUtn}},
    {{"Name", kDeductorName}},
    {{"Received", "ITRForm:AmtDebited", Conv::kAmountOrNil}, 18},
    {{"Date", "ITRForm:DatePayDeb", Conv::kDateByPosition}},
    {{"TaxDeposited", "ITRForm:TotalTCS", Conv::kAmountOrNil}, 19},
    {{"Balance", "ITRForm:AmtTCSClaimedThisYear", Conv::kAmountOrNil}, 20},
};

constexpr auto kTaxPaymentColumns = ChallanColumns(9);

constexpr TaxSchedule kSalaryTds{"SCHEDULE-TDS1",
                                 "ITRForm:TDSonSalaries",
                                 Forms({1, 45}),
                                 "ITRForm:ScheduleTDS1",
                                 "ITRForm:TDSonSalary",
                                 "ITRForm:TDSonSalary",
                                 3,
                                 FormsFrom({1, 45}, 2011),
                                 kSalaryTdsColumns,
                                 kDeductorAddress,
                                 kSalaryTdsBoxes};

constexpr TaxSchedule kOtherTds{"SCHEDULE-TDS2",
                                "ITRForm:TDSonOthThanSals",
                                Forms({1, 45}),
                                "ITRForm:ScheduleTDS2",
                                "ITRForm:TDSonOthThanSal",
                                "ITRForm:TDSonOthThanSal",
                                4,
                                FormsFrom({1, 45}, 2011),
                                kOtherTdsColumns,
                                kDeductorAddress,
                                kOtherTdsBoxes};

constexpr TaxSchedule kCollections{"SCHEDULE-TCS",
                                   "ITRForm:ScheduleTCS",
                                   kAlways,
                                   "ITRForm:ScheduleTCS",
                                   "ITRForm:TCSDetails",
                                   "ITRForm:TCS",
                                   3,
                                   FormsFrom({45}, 2011),
                                   kCollectionColumns,
                                   kDeductorAddress,
                                   kCollectionBoxes};

constexpr TaxSchedule kTaxPayments{"SCHEDULE-IT",
                                   "ITRForm:TaxPayments",
                                   Forms({1}),
                                   "ITRForm:ScheduleIT",
                                   "ITRForm:TaxPayment",
                                   "ITRForm:TaxPayment",
                                   5,
                                   FormsFrom({1, 45}, 2011),
                                   kTaxPaymentColumns,
                                   kChallanBranch,
                                   kTaxPaymentBoxes};

std::string RowSection(const TaxSchedule& schedule, int n) {
    return std::string(schedule.section) + "-" + std::to_string(n);
}

XmlNode Container(const TaxSchedule& schedule, const ReturnContext& context) {
    const bool own = schedule.own_container_forms.Holds(context);
    return FindChild(context.FormElement(), own ? schedule.own_container : schedule.container);
}

std::string_view RowElement(const TaxSchedule& schedule, const ReturnContext& context) {
    const bool firm = context.FormCode == 5 || context.FormCode == 6;
    return firm ? schedule.firm_row_element : schedule.row_element;
}

// Rows beyond the boxes of the one-page forms, numbered from 1 again.
void WriteOverflowRow(TIniControl& ini, const TaxSchedule& schedule, XmlNode row, int n) {
    if (n <= schedule.boxes) return;
    const std::string number = std::to_string(n - schedule.boxes);
    const std::string section = RowSection(schedule, n - schedule.boxes);
    ini.WriteValue(section, "SrNo", number);
    ini.WriteValue(section, "LineNo", "S" + std::to_string(n));
    int column_number = 0;
    for (const BoxColumn& column : schedule.box_columns) {
        const std::string key = "Col" + std::to_string(++column_number);
        WriteRow(ini, section, row, KeyRow{key, column.path, column.conv});
    }
}

// Rows beyond the boxes of the one-page forms: the boxes hold the first rows.
void WriteOverflowRows(TIniControl& ini, const TaxSchedule& schedule, XmlNode container,
                       std::string_view row_element) {
    int n = 0;
    for (const XmlNode row : ChildrenNamed(container, row_element))
        WriteOverflowRow(ini, schedule, row, ++n);
}

void FillTaxSchedule(TIniControl& ini, ReturnContext& context, const TaxSchedule& schedule) {
    const XmlNode container = Container(schedule, context);
    const std::string_view row_element = RowElement(schedule, context);
    if (schedule.box_layout.Holds(context)) {
        WriteOverflowRows(ini, schedule, container, row_element);
        return;
    }
    const NumberedTable table{schedule.section, row_element, schedule.columns,
                              schedule.continuation};
    const int rows = WriteNumberedTable(ini, container, table, &context.ScheduleTotals);
    if (context.AssessmentYear < 2011 && rows == 0) WritePlaceholderRow(ini, schedule.section);
}

}  // namespace

void FillScheduleTDS1(TIniControl& ini, ReturnContext& context) {
    FillTaxSchedule(ini, context, kSalaryTds);
}

void FillScheduleTDS2(TIniControl& ini, ReturnContext& context) {
    FillTaxSchedule(ini, context, kOtherTds);
}

void FillScheduleTCS(TIniControl& ini, ReturnContext& context) {
    FillTaxSchedule(ini, context, kCollections);
}

void FillScheduleIT(TIniControl& ini, ReturnContext& context) {
    FillTaxSchedule(ini, context, kTaxPayments);
}

}  // namespace orvane
