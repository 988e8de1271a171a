#pragma once

#include "mapping/fill/KeyTable.h"

namespace orvane {

// The verification of the longer forms, below the form element: who signs, as
// whose son or daughter, with which PAN, in what capacity (firms, companies
// and fringe-benefit returns), where and when.
// clang-format off
inline constexpr KeyRow kVerification[] = {
    {"veri_signby", "ITRForm:Verification/ITRForm:Declaration/ITRForm:AssesseeVerName"},
    {"veri_father", "ITRForm:Verification/ITRForm:Declaration/ITRForm:FatherName"},
    {"veri_PAN", "ITRForm:Verification/ITRForm:Declaration/ITRForm:AssesseeVerPAN"},
    {"veri_desig", "ITRForm:Verification/ITRForm:Declaration/ITRForm:Capacity", Conv::kAsIs, {}, Forms({5, 6, 8})},
    {"veri_place", "ITRForm:Verification/ITRForm:Place"},
    {"veri_date", "ITRForm:Verification/ITRForm:Date", Conv::kDateByPosition},
};
// clang-format on
static_assert(!HasOverlappingKeys(kVerification));

}  // namespace orvane
