#include "mapping/fill/DividendTax.h"

#include "mapping/fill/KeyTable.h"
#include "mapping/fill/NumberedTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr Conv kAmount = Conv::kAmountOrNil;

// Below ITRForm:ScheduleDDT; only the first declaration is read.
// clang-format off
constexpr KeyRow kDistributedProfits[] = {
    {"ddt_1", "ITRForm:DDT/ITRForm:DateOfDeclareDividProfDomesComp", Conv::kDateByPosition},
    {"ddt_2a", "ITRForm:DDT/ITRForm:RateDividPrevYrType", kAmount},
    {"ddt_2b", "ITRForm:DDT/ITRForm:RateDividPrevYr", kAmount},
    {"ddt_3", "ITRForm:DDT/ITRForm:AmtAnyDividDeclarOrPaid", kAmount},
    {"ddt_4a", "ITRForm:DDT/ITRForm:TaxPayOnDividDeclarOrPaid/ITRForm:AddLITPayUs115_O", kAmount},
    {"ddt_4b", "ITRForm:DDT/ITRForm:TaxPayOnDividDeclarOrPaid/ITRForm:Surcharge", kAmount},
    {"ddt_4c", "ITRForm:DDT/ITRForm:TaxPayOnDividDeclarOrPaid/ITRForm:EducationCess", kAmount},
    {"ddt_4d", "ITRForm:DDT/ITRForm:TaxPayOnDividDeclarOrPaid/ITRForm:TotDDTPayable", kAmount},
    {"ddt_5", "ITRForm:DDT/ITRForm:IntPayUs115P", kAmount},
    {"ddt_6", "ITRForm:DDT/ITRForm:AddLITPlusIntrestPayable", kAmount},
    {"ddt_7", "ITRForm:TaxAndInterestPaid", kAmount},
    {"ddt_8", "ITRForm:NetDDTPayableOrRefund", kAmount},
};
// clang-format on
static_assert(!HasOverlappingKeys(kDistributedProfits));

constexpr auto kChallanColumns = ChallanColumns(22);
constexpr NumberedTable kPayments{"SCHEDULE-DDTP", "ITRForm:TaxPayment", kChallanColumns,
                                  kChallanBranch};

}  // namespace

void FillScheduleDDT(TIniControl& ini, const ReturnContext& context) {
    const XmlNode schedule = FindChild(context.FormElement(), "ITRForm:ScheduleDDT");
    if (schedule) WriteRows(ini, context, "SCHEDULE-MAT", schedule, kDistributedProfits);
}

void FillScheduleDDTP(TIniControl& ini, ReturnContext& context) {
    const XmlNode payments = FindChild(context.FormElement(), "ITRForm:ScheduleDDTP");
    if (WriteNumberedTable(ini, payments, kPayments, &context.ScheduleTotals) == 0) {
        WritePlaceholderRow(ini, kPayments.section);
    }
}

}  // namespace orvane
