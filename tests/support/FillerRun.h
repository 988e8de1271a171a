#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "mapping/ReturnContext.h"
#include "staging/TIniControl.h"
#include "support/TempDir.h"

namespace orvane::test {

// A return context over inline XML whose document element is the return
// element, for the given form code and assessment year.
struct InlineReturn {
    InlineReturn(std::string_view xml, int form_code, int year) {
        context.Document = ReturnDocument::Parse(xml);
        context.ReturnRoot = context.Document->Document().first_child();
        context.FormCode = form_code;
        context.AssessmentYear = year;
        context.AssessmentYearEnd = year + 1;
    }
    ReturnContext context;
};

// Runs fillers into a fresh staging store and returns the text they wrote.
inline std::string Written(ReturnContext& context,
                           const std::function<void(TIniControl&, ReturnContext&)>& fill) {
    const TempDir dir;
    TIniControl ini = TIniControl::Create("ITR2", context.AssessmentYear, {dir.Path(), nullptr});
    fill(ini, context);
    ini.ShowReport();
    return ReadFile(dir / "ITR2.WIN");
}

// Runs fillers on `schedules`, the XML below a form element, read as the given
// form code and assessment year, and returns the text they wrote.
inline std::string WrittenFor(std::string_view schedules, int form_code, int year,
                              const std::function<void(TIniControl&, ReturnContext&)>& fill) {
    InlineReturn r("<R><F>" + std::string(schedules) + "</F></R>", form_code, year);
    return Written(r.context, fill);
}

}  // namespace orvane::test
