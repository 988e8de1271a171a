#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "reports/engine/Dataset.h"
#include "staging/StagingReader.h"

namespace orvane {

enum class DatasetKind : std::uint8_t {
    kSingle,    // one staging section
    kNumbered,  // a section prefix, rows 1, 2, ... until a blank SrNo
    kEmpty,     // declared without handlers: no rows, every field empty
    kCustom,    // values from a handler of its own
};

// Makes a dataset whose values come from its own handler (dsMain).
using CustomDatasetFactory = std::unique_ptr<Dataset> (*)(const StagingReader& reader);

struct DatasetSpec {
    std::string_view name;  // the name the templates use: "dsPartA_Gen"
    DatasetKind kind;
    std::string_view section;  // "PART-A-GEN", or the prefix "SCHEDULE-IT-"
    CustomDatasetFactory factory = nullptr;
};

struct TemplateSpec {
    std::string_view component;  // "frxReport1"
    std::string_view file;       // "itr1-2010-11.xml" in the templates folder
    int pages;                   // template pages of the printed form
};

// A report form class: the staging file it reads, its datasets and its
// templates by component name.
struct ReportFormClass {
    std::string_view class_name;  // "TFormITR1_2010"
    std::string_view staging_file;
    std::span<const DatasetSpec> datasets;
    std::span<const TemplateSpec> templates;
};

// The 21 report form classes.
std::span<const ReportFormClass> ReportFormClasses();

// The class of that name, or null.
const ReportFormClass* FindReportFormClass(std::string_view class_name);

// The template of a component of the class, or null.
const TemplateSpec* FindTemplate(const ReportFormClass& form_class, std::string_view component);

}  // namespace orvane
