#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "staging/IniFile.h"

namespace orvane {

// The report's side of a staging file: every printed value is one lookup.
// The file is parsed once and parsed again only when its size or modification
// time changes, so a change between two reads is still seen.
class StagingReader {
  public:
    explicit StagingReader(std::filesystem::path path);

    // The value of a key, with the read semantics of IniFile::Read; empty when
    // the file, the section or the key is absent.
    std::string ReadStagingValue(std::string_view section, std::string_view key) const;

    // True when the section's SrNo, read and trimmed, is empty: the end of a
    // numbered table.
    bool IsRowEmpty(std::string_view section) const;

    const std::filesystem::path& Path() const { return path_; }

    // While a hold lives, reads take the contents as they were when it was
    // made, without checking the file for changes before every read: a report
    // being laid out reads its finished staging file thousands of times in a
    // row, and each check costs more than the read itself.
    class Hold {
      public:
        explicit Hold(const StagingReader& reader) : reader_(reader) {
            reader_.Current();
            ++reader_.holds_;
        }
        ~Hold() { --reader_.holds_; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

      private:
        const StagingReader& reader_;
    };

  private:
    const IniFile& Current() const;

    std::filesystem::path path_;
    mutable IniFile contents_;
    mutable bool loaded_ = false;
    mutable std::uintmax_t size_ = 0;
    mutable std::filesystem::file_time_type modified_{};
    mutable int holds_ = 0;
};

}  // namespace orvane
