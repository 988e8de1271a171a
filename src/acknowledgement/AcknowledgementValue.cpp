#include "acknowledgement/AcknowledgementValue.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

constexpr std::string_view kPersonal = "Personal";
constexpr std::string_view kTI = "TI";
constexpr std::string_view kOther = "Other";

// A field that reads one staging key. The amount lines of the table layout
// are named after their TI key with "ti" before it (ti3a reads 3a).
struct FieldSource {
    std::string_view field;
    std::string_view section;
    std::string_view key;
};

constexpr std::array kFieldSources = std::to_array<FieldSource>({
    // Identity, address and filing particulars of the table layout.
    {"FormNo", kPersonal, "FormNo"},
    {"FormType", kPersonal, "FormType"},
    {"StatusCode", kPersonal, "StatusCode"},
    {"AsstYear", kPersonal, "AsstYear"},
    {"Name", kPersonal, "Name"},
    {"Pan", kPersonal, "Pan"},
    {"Add1", kPersonal, "Add1"},
    {"Add2", kPersonal, "Add2"},
    {"Add3", kPersonal, "Add3"},
    {"Add4", kPersonal, "Add4"},
    {"City", kPersonal, "City"},
    {"State", kPersonal, "State"},
    {"Ward", kPersonal, "Ward"},
    {"User", kPersonal, "User"},
    // The numbered lines 1 to 16.
    {"ti1", kTI, "1"},
    {"ti2", kTI, "2"},
    {"ti3", kTI, "3"},
    {"ti3a", kTI, "3a"},
    {"ti4", kTI, "4"},
    {"ti5", kTI, "5"},
    {"ti6", kTI, "6"},
    {"ti7a", kTI, "7a"},
    {"ti7b", kTI, "7b"},
    {"ti7c", kTI, "7c"},
    {"ti7d", kTI, "7d"},
    {"ti7e", kTI, "7e"},
    {"ti8", kTI, "8"},
    {"ti9", kTI, "9"},
    {"ti10", kTI, "10"},
    {"ti11", kTI, "11"},
    {"ti12", kTI, "12"},
    {"ti13", kTI, "13"},
    {"ti14a", kTI, "14a"},
    {"ti14b", kTI, "14b"},
    {"ti14c", kTI, "14c"},
    {"ti15", kTI, "15"},
    {"ti16", kTI, "16"},
    // The receipt box.
    {"Last1", kOther, "Last1"},
    {"Last2", kOther, "Last2"},
    // The boxed form of 2011-12: the form ticked, the personal boxes A1 to A14f...
    {"Form1", kPersonal, "Form1"},
    {"Form2", kPersonal, "Form2"},
    {"Form3", kPersonal, "Form3"},
    {"Form4s", kPersonal, "Form4s"},
    {"Form4", kPersonal, "Form4"},
    {"Form5", kPersonal, "Form5"},
    {"Form6", kPersonal, "Form6"},
    {"A1", kPersonal, "A1"},
    {"A2", kPersonal, "A2"},
    {"A3", kPersonal, "A3"},
    {"A4", kPersonal, "A4"},
    {"A5a", kPersonal, "A5a"},
    {"A5b", kPersonal, "A5b"},
    {"A6", kPersonal, "A6"},
    {"A7", kPersonal, "A7"},
    {"A8", kPersonal, "A8"},
    {"A9", kPersonal, "A9"},
    {"A10", kPersonal, "A10"},
    {"A11", kPersonal, "A11"},
    {"A12", kPersonal, "A12"},
    {"A13", kPersonal, "A13"},
    {"A14a", kPersonal, "A14a"},
    {"A14b", kPersonal, "A14b"},
    {"A14c", kPersonal, "A14c"},
    {"A14d", kPersonal, "A14d"},
    {"A14e", kPersonal, "A14e"},
    {"A14f", kPersonal, "A14f"},
    // ...and the amount boxes B1 to B14 with their sign boxes.
    {"B1a", kTI, "B1a"},
    {"B1b", kTI, "B1b"},
    {"B2", kTI, "B2"},
    {"B3a", kTI, "B3a"},
    {"B3b", kTI, "B3b"},
    {"B4a", kTI, "B4a"},
    {"B4b", kTI, "B4b"},
    {"B5", kTI, "B5"},
    {"B6", kTI, "B6"},
    {"B7", kTI, "B7"},
    {"B8", kTI, "B8"},
    {"B9", kTI, "B9"},
    {"B10", kTI, "B10"},
    {"B11", kTI, "B11"},
    {"B12", kTI, "B12"},
    {"B13", kTI, "B13"},
    {"B14", kTI, "B14"},
});

constexpr bool FieldsAreUnique() {
    for (std::size_t i = 0; i < kFieldSources.size(); ++i) {
        for (std::size_t j = i + 1; j < kFieldSources.size(); ++j) {
            if (kFieldSources[i].field == kFieldSources[j].field) return false;
        }
    }
    return true;
}
static_assert(FieldsAreUnique());

// The sentence that opens the acknowledgement, with the name, form number
// and year filled in.
std::string Heading(const StagingReader& reader) {
    return "Receive with thanks from " + reader.ReadStagingValue(kPersonal, "Name") +
           " a return of income and/or return of fringe benefits in Form No. ITR-" +
           reader.ReadStagingValue(kPersonal, "FormNo") + " for assessment year " +
           reader.ReadStagingValue(kPersonal, "AsstYear") + ", having the following particulars.";
}

// The file number prints only when the staging marks it as given: "N" in
// Other/FileNo (which the staging always writes) leaves it empty.
std::string FileNumber(const StagingReader& reader) {
    if (reader.ReadStagingValue(kOther, "FileNo") == "N") return {};
    return reader.ReadStagingValue(kPersonal, "FileNo");
}

}  // namespace

std::string dsMainGetValue(const StagingReader& reader, std::string_view field) {
    if (field == "Heading") return Heading(reader);
    if (field == "FileNo") return FileNumber(reader);
    const auto found = std::find_if(kFieldSources.begin(), kFieldSources.end(),
                                    [&](const FieldSource& s) { return s.field == field; });
    if (found == kFieldSources.end()) return {};
    return reader.ReadStagingValue(found->section, found->key);
}

}  // namespace orvane
