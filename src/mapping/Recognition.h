#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "mapping/ReturnContext.h"

namespace orvane {

inline constexpr std::string_view kItrNoMissing = "ITR No. Missing ?";
inline constexpr std::string_view kAssessmentYearInvalid =
    "Assessment Year Valid only [2008,2009,2010,2011]";
inline constexpr std::string_view kFileNotFound = "File not found !";

// Opens a return and recognises its form and assessment year: drops up to
// three leading top-level nodes not named ITR..., takes the return element,
// reads ITRForm:FormName and ITRForm:AssessmentYear below the form element.
// Throws Error with the message the warning box shows ("ITR No. Missing ?",
// the year message, or the XML layer's own message); nothing is kept then.
ReturnContext RecogniseReturn(const std::filesystem::path& file);

// The same, for a document already parsed (`file` only names it).
ReturnContext RecogniseReturn(std::shared_ptr<ReturnDocument> document,
                              const std::filesystem::path& file);

// "ITR-1" ... "ITR-8", "ITR-4S" for a form code; empty for 0.
std::string_view FormName(int form_code);

// "2009-10" for the assessment-year code 2009.
std::string AssessmentYearText(int assessment_year);

}  // namespace orvane
