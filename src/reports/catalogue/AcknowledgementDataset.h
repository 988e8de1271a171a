#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "acknowledgement/AcknowledgementValue.h"
#include "reports/engine/Dataset.h"
#include "staging/StagingReader.h"

namespace orvane {

// dsMain of TFormNewAcknowledgement: one record (a counter set to 1 by First,
// raised by Next, at its end from 2 on), every field answered by
// dsMainGetValue.
class AcknowledgementDataset : public Dataset {
  public:
    explicit AcknowledgementDataset(const StagingReader& reader) : reader_(reader) {}

    void First() override { counter_ = 1; }
    void Next() override { ++counter_; }
    bool Eof() const override { return counter_ >= 2; }
    std::string Value(std::string_view field) const override {
        return dsMainGetValue(reader_, field);
    }

  private:
    const StagingReader& reader_;
    int counter_ = 0;
};

// Makes dsMain for a staging file; the catalogue names it for the
// acknowledgement's report form.
std::unique_ptr<Dataset> MakeAcknowledgementDataset(const StagingReader& reader);

}  // namespace orvane
