#include "staging/StagingReader.h"

#include <fstream>
#include <iterator>

#include "convert/Conversions.h"

namespace orvane {

StagingReader::StagingReader(std::filesystem::path path) : path_(std::move(path)) {}

std::string StagingReader::ReadStagingValue(std::string_view section, std::string_view key) const {
    return Current().Read(section, key);
}

bool StagingReader::IsRowEmpty(std::string_view section) const {
    return TrimBlanks(ReadStagingValue(section, "SrNo")).empty();
}

const IniFile& StagingReader::Current() const {
    if (holds_ > 0) return contents_;
    std::error_code error;
    const auto size = std::filesystem::file_size(path_, error);
    if (error) {
        contents_ = IniFile{};
        loaded_ = false;
        return contents_;
    }
    const auto modified = std::filesystem::last_write_time(path_, error);
    if (loaded_ && !error && size == size_ && modified == modified_) return contents_;

    std::ifstream in(path_, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    contents_ = IniFile::Parse(text);
    loaded_ = !error && !in.bad();
    size_ = size;
    modified_ = modified;
    return contents_;
}

}  // namespace orvane
