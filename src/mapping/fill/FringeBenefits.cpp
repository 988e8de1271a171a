#include "mapping/fill/FringeBenefits.h"

#include <string>

#include "convert/Conversions.h"
#include "mapping/fill/KeyTable.h"
#include "mapping/fill/NumberedTable.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::string_view kSection = "SCHEDULE-FBI";
constexpr Conv kAmount = Conv::kAmountOrNil;

// Below ITRForm:ScheduleFBI; the employee counts are written as they are.
// clang-format off
constexpr KeyRow kEmployees[] = {
    {"fbi_1", "ITRForm:EmployeesInOutIndiaFlg"},
    {"fbi_2", "ITRForm:SeparateAcntMaintainForIndiaForeignFlg"},
    {"fbi_3a", "ITRForm:TotEmpDetails/ITRForm:NoOfIndianEmps"},
    {"fbi_3b", "ITRForm:TotEmpDetails/ITRForm:NoOfOutsideIndiaEmps"},
    {"fbi_3c", "ITRForm:TotEmpDetails/ITRForm:TotNoOfEmps"},
};
// clang-format on

// A benefit item of Schedule FB: its key stem and its element below the
// schedule. The a key gets the expenditure, the b key the value of the benefit.
struct BenefitItem {
    std::string_view stem;
    std::string_view path;
};

// clang-format off
constexpr BenefitItem kBenefits[] = {
    {"fb_1", "ITRForm:FreeOrConcTktForEmpl"},
    {"fb_2", "ITRForm:EmplSuperAnnFund"},
    {"fb_3", "ITRForm:Entertainment"},
    {"fb_4a", "ITRForm:Hospitality/ITRForm:BusOthThan4bcd"},
    {"fb_4b", "ITRForm:Hospitality/ITRForm:BusOfHotel"},
    {"fb_4c", "ITRForm:Hospitality/ITRForm:BusOfAircraft"},
    {"fb_4d", "ITRForm:Hospitality/ITRForm:BusOfShip"},
    {"fb_5", "ITRForm:Conference"},
    {"fb_6", "ITRForm:SalesPromotion"},
    {"fb_7", "ITRForm:EmployeeWelfare"},
    {"fb_8a", "ITRForm:Conveyance/ITRForm:BusOthThan8bcd"},
    {"fb_8b", "ITRForm:Conveyance/ITRForm:ConstructBus"},
    {"fb_8c", "ITRForm:Conveyance/ITRForm:ManufactOrPharmaBus"},
    {"fb_8d", "ITRForm:Conveyance/ITRForm:ManufactOrProdCompSoftware"},
    {"fb_9a", "ITRForm:HotelBoardLodge/ITRForm:BusOthThan9bcde"},
    {"fb_9b", "ITRForm:HotelBoardLodge/ITRForm:ManufactOrPharmaBus"},
    {"fb_9c", "ITRForm:HotelBoardLodge/ITRForm:ManufactOrProdCompSoftware"},
    {"fb_9d", "ITRForm:HotelBoardLodge/ITRForm:AircraftBus"},
    {"fb_9e", "ITRForm:HotelBoardLodge/ITRForm:ShipBus"},
    {"fb_10a", "ITRForm:Repair/ITRForm:DeprNoCarryPassGoodBus"},
    {"fb_10b", "ITRForm:Repair/ITRForm:DeprCarryPassGoodBus"},
    {"fb_11", "ITRForm:MaintenAircraftDeprNoCaryPassGoodBus"},
    {"fb_12", "ITRForm:TelephoneNoLeasedLines"},
    {"fb_13", "ITRForm:MaintenAccomdateGuestHouseNoTrainPurpose"},
    {"fb_14", "ITRForm:FestivalCelebrations"},
    {"fb_15", "ITRForm:HealthClubSimilarFacility"},
    {"fb_16", "ITRForm:OthrClubFacility"},
    {"fb_17", "ITRForm:Gifts"},
    {"fb_18", "ITRForm:Scholarships"},
    {"fb_19", "ITRForm:TourTravelIncludForeign"},
};
// clang-format on

// The totals below the benefit items.
// clang-format off
constexpr KeyRow kBenefitTotals[] = {
    {"fb_20", "ITRForm:ValueOfFringeBenefit", kAmount},
    {"fb_21", "ITRForm:ValueOfFBIf1OfSchFBIisNo", kAmount},
    {"fb_22", "ITRForm:ValueOfFBIf2OfSchFBIisYes", kAmount},
    {"fb_23", "ITRForm:ValueOfFBIf2OfSchFBIisNo", kAmount},
    {"fb_24", "ITRForm:TotValueOfFB", kAmount},
};
// clang-format on

constexpr auto kChallanColumns = ChallanColumns(21);
constexpr NumberedTable kPayments{"SCHEDULE-FBT", "ITRForm:TaxPayment", kChallanColumns,
                                  kChallanBranch};

}  // namespace

void FillScheduleFBI(TIniControl& ini, const ReturnContext& context) {
    const XmlNode form = context.FormElement();
    if (const XmlNode employees = FindChild(form, "ITRForm:ScheduleFBI")) {
        WriteRows(ini, context, kSection, employees, kEmployees);
    }
    const XmlNode benefits = FindChild(form, "ITRForm:ScheduleFB");
    if (!benefits) return;
    for (const BenefitItem& item : kBenefits) {
        const XmlNode amounts = FindChild(FindPath(benefits, item.path), "ITRForm:SchedFBAmtFBVal");
        const std::string stem(item.stem);
        ini.WriteValue(kSection, stem + "a",
                       AmountOrNil(GetNodeValue(amounts, "ITRForm:AmtOrValueOfExpenditure")));
        ini.WriteValue(kSection, stem + "b",
                       AmountOrNil(GetNodeValue(amounts, "ITRForm:ValueOfFB")));
    }
    WriteRows(ini, context, kSection, benefits, kBenefitTotals);
}

void FillScheduleFBT(TIniControl& ini, ReturnContext& context) {
    const XmlNode payments = FindChild(context.FormElement(), "ITRForm:ScheduleFBT");
    if (WriteNumberedTable(ini, payments, kPayments, &context.ScheduleTotals) == 0) {
        WritePlaceholderRow(ini, kPayments.section);
    }
}

}  // namespace orvane
