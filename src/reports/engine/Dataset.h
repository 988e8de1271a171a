#pragma once

#include <string>
#include <string_view>

namespace orvane {

// A named source of values as the report engine walks it: a current row,
// moved by First and Next until Eof, and the value of any field of that row.
// Values are Windows-1252 text; an unknown field is the empty text.
class Dataset {
  public:
    virtual ~Dataset() = default;

    virtual void First() = 0;
    virtual void Next() = 0;
    virtual bool Eof() const = 0;
    virtual std::string Value(std::string_view field) const = 0;

    // True for a dataset of one section that always presents its one row and
    // never reaches its end: a band bound to it prints once.
    virtual bool IsSingleRow() const { return false; }
};

// A dataset under the name the templates use for it.
struct NamedDataset {
    std::string_view name;
    Dataset* dataset = nullptr;
};

}  // namespace orvane
