#include "reports/catalogue/StagingDatasets.h"

namespace orvane {

SectionDataset::SectionDataset(const StagingReader& reader, std::string section)
    : reader_(reader), section_(std::move(section)) {}

std::string SectionDataset::Value(std::string_view field) const {
    return reader_.ReadStagingValue(section_, field);
}

NumberedDataset::NumberedDataset(const StagingReader& reader, std::string prefix)
    : reader_(reader), prefix_(std::move(prefix)) {
    SetCounter(0);
}

void NumberedDataset::First() {
    SetCounter(1);
}

void NumberedDataset::Next() {
    if (!Eof()) SetCounter(counter_ + 1);
}

bool NumberedDataset::Eof() const {
    return reader_.IsRowEmpty(section_);
}

std::string NumberedDataset::Value(std::string_view field) const {
    return reader_.ReadStagingValue(section_, field);
}

void NumberedDataset::SetCounter(std::int32_t counter) {
    counter_ = counter;
    section_ = prefix_ + std::to_string(counter);
}

}  // namespace orvane
