#pragma once

#include <map>
#include <string>
#include <vector>

#include "reports/engine/Dataset.h"

namespace orvane::test {

// A dataset held in memory. A numbered one walks its rows 1, 2, ... with a
// counter (0 before First, reading nothing); a single one always presents
// its first row.
class FakeDataset : public Dataset {
  public:
    using Row = std::map<std::string, std::string>;

    static FakeDataset Single(Row row) { return FakeDataset({std::move(row)}, true); }
    static FakeDataset Numbered(std::vector<Row> rows) {
        return FakeDataset(std::move(rows), false);
    }

    void First() override { counter_ = 1; }
    void Next() override { ++counter_; }
    bool Eof() const override { return !single_ && counter_ > rows_.size(); }
    bool IsSingleRow() const override { return single_; }
    std::string Value(std::string_view field) const override {
        const std::size_t row = single_ ? 1 : counter_;
        if (row < 1 || row > rows_.size()) return "";
        const auto found = rows_[row - 1].find(std::string(field));
        return found == rows_[row - 1].end() ? "" : found->second;
    }

    std::vector<Row>& Rows() { return rows_; }

  private:
    FakeDataset(std::vector<Row> rows, bool single) : rows_(std::move(rows)), single_(single) {}

    std::vector<Row> rows_;
    bool single_;
    std::size_t counter_ = 0;
};

}  // namespace orvane::test
