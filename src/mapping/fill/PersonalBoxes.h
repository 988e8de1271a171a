#pragma once

#include "mapping/fill/KeyTable.h"

namespace orvane {

// Items A1 to A13 of the one-page forms of 2011-12 (ITR-1 and ITR-4S): name,
// PAN, sex, date of birth, ward and address, below the form element, one
// letter per box.
// clang-format off
inline constexpr KeyRow kPersonalBoxes[] = {
    {"A1", "ITRForm:PersonalInfo/ITRForm:AssesseeName/ITRForm:FirstName", Conv::kSpaceLetters},
    {"A2", "ITRForm:PersonalInfo/ITRForm:AssesseeName/ITRForm:MiddleName", Conv::kSpaceLetters},
    {"A3", "ITRForm:PersonalInfo/ITRForm:AssesseeName/ITRForm:SurNameOrOrgName", Conv::kSpaceLetters},
    {"A4", "ITRForm:PersonalInfo/ITRForm:PAN", Conv::kSpaceLetters},
    {"A5a", "ITRForm:PersonalInfo/ITRForm:Gender", Conv::kFlag, "M"},
    {"A5b", "ITRForm:PersonalInfo/ITRForm:Gender", Conv::kFlag, "F"},
    {"A6", "ITRForm:PersonalInfo/ITRForm:DOB", Conv::kCompactDate},
    {"A7", "ITRForm:FilingStatus/ITRForm:DesigOfficerWardorCircle"},
    {"A8", "ITRForm:PersonalInfo/ITRForm:Address/ITRForm:ResidenceNo", Conv::kSpaceLetters},
    {"A9", "ITRForm:PersonalInfo/ITRForm:Address/ITRForm:RoadOrStreet", Conv::kSpaceLetters},
    {"A10", "ITRForm:PersonalInfo/ITRForm:Address/ITRForm:LocalityOrArea", Conv::kSpaceLetters},
    {"A11", "ITRForm:PersonalInfo/ITRForm:Address/ITRForm:CityOrTownOrDistrict", Conv::kSpaceLetters},
    {"A12", "ITRForm:PersonalInfo/ITRForm:Address/ITRForm:StateCode", Conv::kStateLetters},
    {"A13", "ITRForm:PersonalInfo/ITRForm:Address/ITRForm:PinCode", Conv::kSpaceLetters},
};
// clang-format on

}  // namespace orvane
