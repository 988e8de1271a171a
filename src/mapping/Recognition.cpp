#include "mapping/Recognition.h"

#include <array>
#include <utility>

#include "Error.h"
#include "xml/Lookups.h"

namespace orvane {
namespace {

constexpr std::array<std::pair<std::string_view, int>, 8> kFormCodes = {{
    {"ITR-1", 1},
    {"ITR-2", 2},
    {"ITR-3", 3},
    {"ITR-4", 4},
    {"ITR-4S", 45},
    {"ITR-5", 5},
    {"ITR-6", 6},
    {"ITR-8", 8},
}};

constexpr std::array<std::pair<std::string_view, int>, 4> kYears = {{
    {"2008", 2008},
    {"2009", 2009},
    {"2010", 2010},
    {"2011", 2011},
}};

template <typename Table>
int CodeOf(const Table& table, std::string_view text) {
    for (const auto& [name, code] : table) {
        if (name == text) return code;
    }
    return 0;
}

// Drops leading declaration, comment and other nodes before the return
// element: three tests, each removing the first top-level node when there is
// more than one and its name does not begin with "ITR".
void TrimLeadingNodes(ReturnDocument& document) {
    for (int test = 0; test < 3; ++test) {
        const XmlNode first = document.Document().first_child();
        if (document.TopLevelNodeCount() > 1 && !NodeName(first).starts_with("ITR")) {
            document.RemoveFirstTopLevelNode();
        }
    }
}

}  // namespace

ReturnContext RecogniseReturn(const std::filesystem::path& file) {
    return RecogniseReturn(ReturnDocument::Load(file), file);
}

ReturnContext RecogniseReturn(std::shared_ptr<ReturnDocument> document,
                              const std::filesystem::path& file) {
    TrimLeadingNodes(*document);
    ReturnContext context;
    context.File = file;
    context.ReturnRoot = document->Document().first_child();
    context.Document = std::move(document);

    const XmlNode form = context.FormElement();
    if (!form) throw Error("The return element " + NodeName(context.ReturnRoot) + " holds no form");
    const std::string form_name = FindFormValue(form, "ITRForm:FormName");
    const std::string year_text = FindFormValue(form, "ITRForm:AssessmentYear");

    context.FormCode = CodeOf(kFormCodes, form_name);
    context.AssessmentYear = CodeOf(kYears, year_text);
    context.AssessmentYearEnd = context.AssessmentYear + 1;
    if (context.AssessmentYear == 0) throw Error(std::string(kAssessmentYearInvalid));
    if (context.FormCode == 0) throw Error(std::string(kItrNoMissing));
    return context;
}

std::string_view FormName(int form_code) {
    for (const auto& [name, code] : kFormCodes) {
        if (code == form_code) return name;
    }
    return {};
}

std::string AssessmentYearText(int assessment_year) {
    const int end = (assessment_year + 1) % 100;
    return std::to_string(assessment_year) + "-" + (end < 10 ? "0" : "") + std::to_string(end);
}

}  // namespace orvane
