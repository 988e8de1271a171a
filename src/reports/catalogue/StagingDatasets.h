#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "reports/engine/Dataset.h"
#include "staging/StagingReader.h"

namespace orvane {

// A dataset bound to one staging section: one row, never at its end; the
// value of a field is the key of that name in the section.
class SectionDataset : public Dataset {
  public:
    SectionDataset(const StagingReader& reader, std::string section);

    void First() override {}
    void Next() override {}
    bool Eof() const override { return false; }
    bool IsSingleRow() const override { return true; }
    std::string Value(std::string_view field) const override;

  private:
    const StagingReader& reader_;
    std::string section_;
};

// A dataset bound to a section prefix: row n is the section "<prefix><n>",
// and the rows end at the first whose SrNo is blank or absent. Once at its
// end the dataset stays there until First, so a band that steps on after a
// walk (a subreport holder) never finds rows beyond the first gap.
class NumberedDataset : public Dataset {
  public:
    NumberedDataset(const StagingReader& reader, std::string prefix);

    void First() override;
    void Next() override;
    bool Eof() const override;
    std::string Value(std::string_view field) const override;

    std::int32_t Counter() const { return counter_; }

  private:
    void SetCounter(std::int32_t counter);

    const StagingReader& reader_;
    std::string prefix_;
    std::int32_t counter_ = 0;
    std::string section_;  // prefix_ followed by counter_
};

// A dataset that a report form declares without any handler: no rows, and
// every field empty.
class EmptyDataset : public Dataset {
  public:
    void First() override {}
    void Next() override {}
    bool Eof() const override { return true; }
    std::string Value(std::string_view) const override { return {}; }
};

}  // namespace orvane
