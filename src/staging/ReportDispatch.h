#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace orvane {

// The report form class and template component that show one staging run.
struct ReportChoice {
    std::string_view report_class;  // "TFormITR1_2010"
    std::string_view component;     // "frxReport1"

    friend bool operator==(const ReportChoice&, const ReportChoice&) = default;
};

// One row of the dispatch: a store name and year, and what it shows. An empty
// report class means that nothing is shown.
struct ReportDispatchRow {
    std::string_view store_name;
    int assessment_year;  // kAnyYear matches every year
    std::string_view report_class;
    std::string_view component;
};

inline constexpr int kAnyYear = -1;

// The dispatch table, in the order its rows are tested.
std::span<const ReportDispatchRow> ReportDispatchTable();

// The report shown for a store name and assessment year; none for ITR4S of a
// year other than 2011 and for names outside the table.
std::optional<ReportChoice> SelectReport(std::string_view store_name, int assessment_year);

// The staging file a store writes: "sITR1.WIN" for ITR1 of 2010, "ACK.WIN" for
// every acknowledgement, and so on. Throws Error for a name outside the table.
std::string_view StagingFileName(std::string_view store_name, int assessment_year);

}  // namespace orvane
