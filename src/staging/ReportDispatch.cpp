#include "staging/ReportDispatch.h"

#include <array>
#include <string>
#include <utility>

#include "Error.h"

namespace orvane {
namespace {

constexpr std::array<ReportDispatchRow, 28> kDispatch = {{
    {"ACK2011", kAnyYear, "TFormNewAcknowledgement", "frxReport2011"},
    {"ACK", kAnyYear, "TFormNewAcknowledgement", "frxReport1"},
    {"ACK2010", kAnyYear, "TFormNewAcknowledgement", "frxReport2"},
    {"ITR1", 2011, "TFormITR1_2011", "frxReport1"},
    {"ITR1", 2010, "TFormITR1_2010", "frxReport1"},
    {"ITR1", kAnyYear, "TFormITR1", "frxReport1"},
    {"ITR2", 2011, "TFormITR2_2011", "frxReport1"},
    {"ITR2", 2010, "TFormITR2_2010", "frxReport1"},
    {"ITR2", kAnyYear, "TFormITR2", "frxReport2"},
    {"ITR3", 2011, "TFormITR3_2011", "frxReport1"},
    {"ITR3", 2010, "TFormITR3_2010", "frxReport1"},
    {"ITR3", kAnyYear, "TFormITR3", "frxReport3"},
    {"ITR4", 2011, "TFormITR4_2011", "frxReport1"},
    {"ITR4", 2010, "TFormITR4_2010", "frxReport1"},
    {"ITR4", 2009, "TFormITR4", "frxReport_2009_2010"},
    {"ITR4", kAnyYear, "TFormITR4", "frxReport"},
    {"ITR4S", 2011, "TFormITR4s_2011", "frxReport1"},
    {"ITR4S", kAnyYear, "", ""},
    {"ITR5", 2011, "TFormITR5_2011", "frxReport1"},
    {"ITR5", 2010, "TFormITR5_2010", "frxReport1"},
    {"ITR5", 2009, "TFormITR5", "frxReport_2009_2010"},
    {"ITR5", kAnyYear, "TFormITR5", "frxReport"},
    {"ITR6", 2011, "TFormITR6_2011", "frxReport1"},
    {"ITR6", 2010, "TFormITR6_2010", "frxReport1"},
    {"ITR6", 2009, "TFormITR6", "frxReport_2009_2010"},
    {"ITR6", kAnyYear, "TFormITR6", "frxReport"},
    {"ITR8", kAnyYear, "TFormITR8", "frxReport8"},
    {"", kAnyYear, "", ""},  // any other name: nothing is shown
}};

constexpr std::array<std::pair<std::string_view, std::string_view>, 11> kFileNames = {{
    {"ITR1", "ITR1.WIN"},
    {"ITR2", "ITR2.WIN"},
    {"ITR3", "ITR3.WIN"},
    {"ITR4", "ITR4.WIN"},
    {"ITR4S", "ITR4s.WIN"},
    {"ITR5", "ITR5.WIN"},
    {"ITR6", "ITR6.WIN"},
    {"ITR8", "ITR8.WIN"},
    {"ACK", "ACK.WIN"},
    {"ACK2010", "ACK.WIN"},
    {"ACK2011", "ACK.WIN"},
}};

bool Matches(const ReportDispatchRow& row, std::string_view name, int year) {
    const bool name_matches = row.store_name.empty() || row.store_name == name;
    return name_matches && (row.assessment_year == kAnyYear || row.assessment_year == year);
}

}  // namespace

std::span<const ReportDispatchRow> ReportDispatchTable() {
    return kDispatch;
}

std::optional<ReportChoice> SelectReport(std::string_view store_name, int assessment_year) {
    for (const ReportDispatchRow& row : kDispatch) {
        if (!Matches(row, store_name, assessment_year)) continue;
        if (row.report_class.empty()) return std::nullopt;
        return ReportChoice{row.report_class, row.component};
    }
    return std::nullopt;
}

std::string_view StagingFileName(std::string_view store_name, int assessment_year) {
    if (store_name == "ITR1" && assessment_year == 2010) return "sITR1.WIN";
    for (const auto& [name, file] : kFileNames) {
        if (name == store_name) return file;
    }
    throw Error("Unknown staging store " + std::string(store_name));
}

}  // namespace orvane
