#include "mapping/fill/TaxPaymentSchedules.h"

#include <span>
#include <string>

#include "convert/Conversions.h"
#include "mapping/fill/BoxRowGroups.h"
#include "mapping/fill/KeyTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

// A column of the table layout; amounts with a slot are added into it first.
struct TableColumn {
    KeyRow row;
    int slot = 0;
};

// The continuation row under a data row: an address (TDS and TCS tables) or a
// bank branch (tax payments), printed in the Name or Bank column.
enum class Continuation { kAddress, kBranch };

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
    Continuation continuation;
    std::span<const BoxColumn> box_columns;
};

constexpr std::string_view kDeductorTan = "ITRForm:EmployerOrDeductorOrCollectDetl/ITRForm:TAN";
constexpr std::string_view kDeductorUtn = "ITRForm:EmployerOrDeductorOrCollectDetl/ITRForm:UTN";
constexpr std::string_view kDeductorName =
    "ITRForm:EmployerOrDeductorOrCollectDetl/ITRForm:EmployerOrDeductorOrCollecterName";

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

constexpr TableColumn kTaxPaymentColumns[] = {
    {{"Bank", "ITRForm:NameOfBankAndBranch/ITRForm:NameOfBank"}},
    {{"BsrCode", "ITRForm:BSRCode"}},
    {{"Date", "ITRForm:DateDep", Conv::kDateByPosition}},
    {{"ChallanNo", "ITRForm:SrlNoOfChaln"}},
    {{"Amount", "ITRForm:Amt", Conv::kAmountOrNil}, 9},
};

constexpr TaxSchedule kSalaryTds{"SCHEDULE-TDS1",
                                 "ITRForm:TDSonSalaries",
                                 Forms({1, 45}),
                                 "ITRForm:ScheduleTDS1",
                                 "ITRForm:TDSonSalary",
                                 "ITRForm:TDSonSalary",
                                 3,
                                 FormsFrom({1, 45}, 2011),
                                 kSalaryTdsColumns,
                                 Continuation::kAddress,
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
                                Continuation::kAddress,
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
                                   Continuation::kAddress,
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
                                   Continuation::kBranch,
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

// Writes data row n and, when the row carries an address or branch, the
// continuation row n + 1; returns the last number used.
int WriteTableRow(TIniControl& ini, ReturnContext& context, const TaxSchedule& schedule,
                  XmlNode row, int n) {
    const std::string section = RowSection(schedule, n);
    ini.WriteValue(section, "SrNo", std::to_string(n));
    for (const TableColumn& column : schedule.columns) {
        if (column.slot != 0) {
            auto& total = context.ScheduleTotals[column.slot];
            total = AddIntText(total, GetPathValue(row, column.row.path));
        }
        WriteRow(ini, section, row, column.row);
    }

    std::string continuation;
    std::string_view key;
    if (schedule.continuation == Continuation::kAddress) {
        const std::string address = GetPathValue(row, "ITRForm:AddressDetail/ITRForm:AddrDetail");
        const std::string city =
            GetPathValue(row, "ITRForm:AddressDetail/ITRForm:CityOrTownOrDistrict");
        if (TrimBlanks(address + city).empty()) return n;
        continuation = address + " " + city;
        key = "Name";
    } else {
        continuation = GetPathValue(row, "ITRForm:NameOfBankAndBranch/ITRForm:NameOfBranch");
        if (TrimBlanks(continuation).empty()) return n;
        key = "Bank";
    }
    const std::string next = RowSection(schedule, ++n);
    ini.WriteValue(next, "SrNo", ".");
    ini.WriteValue(next, key, continuation);
    return n;
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

void FillTaxSchedule(TIniControl& ini, ReturnContext& context, const TaxSchedule& schedule) {
    const bool boxes = schedule.box_layout.Holds(context);
    int n = 0;
    for (const XmlNode row :
         ChildrenNamed(Container(schedule, context), RowElement(schedule, context))) {
        if (boxes) {
            WriteOverflowRow(ini, schedule, row, ++n);
        } else {
            n = WriteTableRow(ini, context, schedule, row, n + 1);
        }
    }
    if (context.AssessmentYear < 2011 && n == 0)
        ini.WriteValue(RowSection(schedule, 1), "SrNo", ".");
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
