#include "app/Commands.h"

#include <array>
#include <string>

#include "Error.h"
#include "acknowledgement/FillAcknowledgement.h"
#include "mapping/Recognition.h"
#include "mapping/drivers/MapITR1.h"
#include "mapping/drivers/MapITR2.h"
#include "mapping/drivers/MapITR3.h"
#include "mapping/drivers/MapITR4.h"
#include "mapping/drivers/MapITR4S.h"
#include "mapping/drivers/MapITR5.h"
#include "mapping/drivers/MapITR6.h"
#include "mapping/drivers/MapITR8.h"

namespace orvane {
namespace {

constexpr std::array<DriverRow, 8> kDrivers = {{
    {1, "MapITR1", MapITR1},
    {2, "MapITR2", MapITR2},
    {3, "MapITR3", MapITR3},
    {4, "MapITR4", MapITR4},
    {45, "MapITR4S", MapITR4S},
    {5, "MapITR5", MapITR5},
    {6, "MapITR6", MapITR6},
    {8, "MapITR8", MapITR8},
}};

void RequireFile(const ReturnContext& context) {
    std::error_code error;
    if (context.File.empty() || !std::filesystem::is_regular_file(context.File, error)) {
        throw ReturnFileMissing(std::string(kFileNotFound));
    }
}

[[noreturn]] void ThrowNotAvailable(std::string_view what, int form_code) {
    throw Error(std::string(what) + " of " + std::string(FormName(form_code)) +
                " returns is not available yet");
}

}  // namespace

void RunForm(ReturnContext& context, const StagingSettings& settings) {
    RequireFile(context);
    context.ScheduleTotals.Clear();
    for (const DriverRow& row : kDrivers) {
        if (row.form_code != context.FormCode) continue;
        if (row.driver == nullptr) ThrowNotAvailable("Printing", context.FormCode);
        row.driver(context, settings);
        return;
    }
}

void RunAcknowledgement(ReturnContext& context, const StagingSettings& settings) {
    RequireFile(context);
    FillAcknowledgement(context, settings);
}

}  // namespace orvane
