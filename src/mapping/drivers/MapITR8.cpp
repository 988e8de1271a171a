#include "mapping/drivers/MapITR8.h"

#include "mapping/drivers/BusinessPartB.h"
#include "mapping/fill/FringeBenefits.h"
#include "mapping/fill/PartAGen.h"

namespace orvane {

void MapITR8(ReturnContext& context, const StagingSettings& settings) {
    TIniControl ini = TIniControl::Create("ITR8", context.AssessmentYear, settings);
    WriteFringeBenefitTax(ini, context);
    WriteRefundAccount(ini, context);
    WriteVerification(ini, context);
    FillScheduleFBI(ini, context);
    FillScheduleFBT(ini, context);
    FillPartAGen(ini, context);
    ini.ShowReport();
    ini.Finish();
}

}  // namespace orvane
