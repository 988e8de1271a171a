#include "staging/TIniControl.h"

#include <system_error>

#include "Error.h"

namespace orvane {

std::filesystem::path ExecutableDirectory() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path();
    return executable.parent_path();
}

TIniControl::TIniControl(std::string name, int assessment_year, std::filesystem::path path,
                         ReportPresenter* presenter)
    : name_(std::move(name)),
      assessment_year_(assessment_year),
      path_(std::move(path)),
      presenter_(presenter),
      writer_(std::in_place, path_) {}

TIniControl TIniControl::Create(std::string_view name, int assessment_year,
                                const StagingSettings& settings) {
    std::filesystem::path path = settings.directory / StagingFileName(name, assessment_year);
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    if (std::filesystem::exists(status)) {
        const bool removable =
            std::filesystem::is_regular_file(status) || std::filesystem::is_symlink(status);
        if (!removable || !std::filesystem::remove(path, error) || error) {
            throw Error("Unable to write to " + path.string());
        }
    }
    return TIniControl(std::string(name), assessment_year, std::move(path), settings.presenter);
}

void TIniControl::WriteValue(std::string_view section, std::string_view key,
                             std::string_view value) {
    if (!writer_) throw Error("Unable to write to " + path_.string());
    writer_->Write(section, key, value);
}

void TIniControl::ShowReport() {
    writer_.reset();
    if (presenter_ == nullptr) return;
    presenter_->Present(
        StagedReport{name_, assessment_year_, path_, SelectReport(name_, assessment_year_)});
}

}  // namespace orvane
