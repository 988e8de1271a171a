#include "reports/catalogue/AcknowledgementDataset.h"

namespace orvane {

std::unique_ptr<Dataset> MakeAcknowledgementDataset(const StagingReader& reader) {
    return std::make_unique<AcknowledgementDataset>(reader);
}

}  // namespace orvane
