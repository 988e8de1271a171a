#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "xml/ReturnDocument.h"

namespace orvane {

// The 22 running totals that the fillers of the numbered tax and partner-firm
// tables add up during one Form run, addressed by slot 1 to 22.
class ScheduleTotals {
  public:
    static constexpr int kSlots = 22;

    std::int32_t& operator[](int slot) { return slots_.at(static_cast<std::size_t>(slot - 1)); }
    std::int32_t operator[](int slot) const {
        return slots_.at(static_cast<std::size_t>(slot - 1));
    }

    void Clear() { slots_.fill(0); }

  private:
    std::array<std::int32_t, kSlots> slots_{};
};

// The return picked by the last successful Browse, and the state that every
// mapping driver and filler reads: form code, assessment year, the return
// element and the running totals of the current Form run.
struct ReturnContext {
    std::filesystem::path File;                // the picked file, as it is named on disk
    std::shared_ptr<ReturnDocument> Document;  // keeps ReturnRoot's tree alive
    int FormCode = 0;                          // 1, 2, 3, 4, 5, 6, 8, or 45 for ITR-4S
    int AssessmentYear = 0;     // 2008 to 2011: the first year of the assessment year
    int AssessmentYearEnd = 0;  // AssessmentYear + 1
    XmlNode ReturnRoot;         // the return element
    orvane::ScheduleTotals ScheduleTotals;

    // The form element (ITR1FORM:ITR1, ...): the first child node of ReturnRoot.
    XmlNode FormElement() const { return ReturnRoot.first_child(); }
};

}  // namespace orvane
