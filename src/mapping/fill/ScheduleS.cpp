#include "mapping/fill/ScheduleS.h"

#include "mapping/fill/KeyTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

// Below ITRForm:ScheduleS; each path passes through its first ITRForm:Salaries.
// clang-format off
constexpr KeyRow kSalary[] = {
    {"emp_nm1", "ITRForm:Salaries/ITRForm:NameOfEmployer"},
    {"emp_pan", "ITRForm:Salaries/ITRForm:PANofEmployer"},
    {"emp_add1", "ITRForm:Salaries/ITRForm:AddressDetail/ITRForm:AddrDetail"},
    {"emp_city", "ITRForm:Salaries/ITRForm:AddressDetail/ITRForm:CityOrTownOrDistrict"},
    {"emp_state", "ITRForm:Salaries/ITRForm:AddressDetail/ITRForm:StateCode", Conv::kStateName},
    {"emp_pin", "ITRForm:Salaries/ITRForm:AddressDetail/ITRForm:PinCode"},
    {"s1", "ITRForm:Salaries/ITRForm:Salarys/ITRForm:Salary", Conv::kAmountOrNil},
    {"s2", "ITRForm:Salaries/ITRForm:Salarys/ITRForm:AllowancesExemptUSection10", Conv::kAmountOrNil},
    {"s3", "ITRForm:Salaries/ITRForm:Salarys/ITRForm:AllowancesNotExempt", Conv::kAmountOrNil},
    {"s4", "ITRForm:Salaries/ITRForm:Salarys/ITRForm:ValueOfPerquisites", Conv::kAmountOrNil},
    {"s5", "ITRForm:Salaries/ITRForm:Salarys/ITRForm:ProfitsinLieuOfSalary", Conv::kAmountOrNil},
    {"s6", "ITRForm:Salaries/ITRForm:Salarys/ITRForm:IncomeFromSalary", Conv::kAmountOrNil},
};
// clang-format on
static_assert(!HasOverlappingKeys(kSalary));

}  // namespace

void FillScheduleS(TIniControl& ini, const ReturnContext& context) {
    const XmlNode schedule = FindChild(context.FormElement(), "ITRForm:ScheduleS");
    if (schedule) WriteRows(ini, context, "PART-B", schedule, kSalary);
}

}  // namespace orvane
