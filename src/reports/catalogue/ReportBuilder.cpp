#include "reports/catalogue/ReportBuilder.h"

#include <memory>
#include <vector>

#include "Error.h"
#include "mapping/Recognition.h"
#include "reports/catalogue/ReportCatalogue.h"
#include "reports/catalogue/StagingDatasets.h"
#include "reports/engine/ReportEngine.h"
#include "reports/engine/TemplateLoader.h"

namespace orvane {
namespace {

std::unique_ptr<Dataset> MakeDataset(const DatasetSpec& dataset, const StagingReader& reader) {
    switch (dataset.kind) {
        case DatasetKind::kSingle:
            return std::make_unique<SectionDataset>(reader, std::string(dataset.section));
        case DatasetKind::kNumbered:
            return std::make_unique<NumberedDataset>(reader, std::string(dataset.section));
        case DatasetKind::kEmpty:
            return std::make_unique<EmptyDataset>();
        case DatasetKind::kCustom:
            return dataset.factory(reader);
    }
    return std::make_unique<EmptyDataset>();
}

std::string FormAndYear(const StagedReport& report) {
    std::string text = PrintedFormName(report.store_name);
    if (report.assessment_year != 0) text += " for " + AssessmentYearText(report.assessment_year);
    return text;
}

[[noreturn]] void ThrowNotAvailable(const StagedReport& report) {
    if (report.store_name.starts_with("ACK")) {
        throw Error("The acknowledgement" +
                    (report.assessment_year != 0
                         ? " for " + AssessmentYearText(report.assessment_year)
                         : std::string()) +
                    " is not available yet");
    }
    throw Error("The printed form of " + FormAndYear(report) + " is not available yet");
}

}  // namespace

std::string PrintedFormName(std::string_view store_name) {
    if (store_name.starts_with("ACK")) return "the acknowledgement";
    if (store_name.starts_with("ITR") && store_name.size() > 3) {
        return "ITR-" + std::string(store_name.substr(3));
    }
    return std::string(store_name);
}

PreparedDocument BuildReport(const StagedReport& report, const TextMeasurer& measurer,
                             const ResourceStore& resources) {
    if (!report.choice) {
        throw NoPrintedFormError("No printed form of " + PrintedFormName(report.store_name) +
                                 " for this assessment year");
    }
    const ReportFormClass* form_class = FindReportFormClass(report.choice->report_class);
    if (form_class == nullptr) ThrowNotAvailable(report);
    const TemplateSpec* template_file = FindTemplate(*form_class, report.choice->component);
    if (template_file == nullptr || !resources.Find(template_file->file)) ThrowNotAvailable(report);
    const Template report_template = LoadTemplateFile(resources, template_file->file);

    const StagingReader reader(report.staging_file.parent_path() / form_class->staging_file);
    std::vector<std::unique_ptr<Dataset>> datasets;
    std::vector<NamedDataset> named;
    for (const DatasetSpec& dataset : form_class->datasets) {
        datasets.push_back(MakeDataset(dataset, reader));
        named.push_back({dataset.name, datasets.back().get()});
    }
    const StagingReader::Hold hold(reader);  // the file is complete; no need to look for changes
    return PrepareReport(report_template, named, measurer);
}

}  // namespace orvane
