#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "staging/IniWriter.h"
#include "staging/ReportPresenter.h"

namespace orvane {

// Where a run keeps its staging file and who shows its report.
struct StagingSettings {
    std::filesystem::path directory;       // the staging files' directory
    ReportPresenter* presenter = nullptr;  // none: ShowReport only closes the file
};

// The directory of the running executable, where staging files live by default.
std::filesystem::path ExecutableDirectory();

// The staging store of one run: created under a fixed name, written entry by
// entry, then asked to show its report. Calling order: Create, WriteValue...,
// ShowReport, Finish.
class TIniControl {
  public:
    // Works out the staging path for the store name (and, for ITR1, the year)
    // and deletes an old file there. Throws Error "Unable to write to <path>"
    // when an old file cannot be deleted, before anything is written, so that
    // entries of an earlier return never mix into this one.
    static TIniControl Create(std::string_view name, int assessment_year,
                              const StagingSettings& settings);

    // Writes one entry into the staging file at once; throws Error
    // "Unable to write to <path>" when the write fails.
    void WriteValue(std::string_view section, std::string_view key, std::string_view value);

    // Closes the file, chooses the report by name and year and hands it to
    // the presenter.
    void ShowReport();

    // Has no effect; kept for the fixed calling order of every run.
    void Finish() {}

    const std::string& Name() const { return name_; }
    int AssessmentYear() const { return assessment_year_; }
    const std::filesystem::path& Path() const { return path_; }

  private:
    TIniControl(std::string name, int assessment_year, std::filesystem::path path,
                ReportPresenter* presenter);

    std::string name_;
    int assessment_year_;
    std::filesystem::path path_;
    ReportPresenter* presenter_;
    std::optional<IniWriter> writer_;
};

}  // namespace orvane
