#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "reports/engine/Dataset.h"
#include "staging/StagingReader.h"

namespace orvane {

// The value of one field of the acknowledgement's dataset dsMain, read from
// the acknowledgement staging file (ACK.WIN) afresh for every call. This is
// the acknowledgement report's value handler; fields it does not know are
// empty.
std::string dsMainGetValue(const StagingReader& reader, std::string_view field);

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
