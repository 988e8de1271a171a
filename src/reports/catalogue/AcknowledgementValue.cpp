#include "reports/catalogue/AcknowledgementDataset.h"

namespace orvane {

// Until the acknowledgement report's field table lands here, every field of
// dsMain is empty and the acknowledgement prints its fixed texts only.
std::string dsMainGetValue(const StagingReader& reader, std::string_view field) {
    static_cast<void>(reader);
    static_cast<void>(field);
    return {};
}

}  // namespace orvane
