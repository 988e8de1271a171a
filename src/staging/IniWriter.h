#pragma once

#include <filesystem>
#include <fstream>
#include <string_view>

#include "staging/IniFile.h"

namespace orvane {

// Writes entries into one INI file, each at once: the file always holds what
// was written so far. Appends where the profile semantics allow it and
// rewrites the file only when an entry lands before its end.
class IniWriter {
  public:
    explicit IniWriter(std::filesystem::path path);

    // Writes one entry with the profile semantics; throws Error
    // "Unable to write to <path>" when the file cannot be written.
    void Write(std::string_view section, std::string_view key, std::string_view value);

    const std::filesystem::path& Path() const { return path_; }

  private:
    void Append(std::string_view text);
    void Rewrite();
    void Open(std::ios::openmode mode);
    void Put(std::string_view text);
    [[noreturn]] void Fail() const;

    std::filesystem::path path_;
    IniFile contents_;
    std::ofstream out_;
};

}  // namespace orvane
