#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orvane {

// The contents of an initialization (INI) file with the Windows profile
// semantics: sections of "key=value" lines, names matched without regard to
// letter case, lines ended by CR LF, text in the Windows-1252 code page.
class IniFile {
  public:
    // Reads the sections and entries of an INI text. Lines before the first
    // section and lines without "=" hold no entries.
    static IniFile Parse(std::string_view text);

    // The value of a key: the text after its first "=", trimmed of blanks,
    // without one enclosing pair of double or single quotes, cut to 2047
    // characters. An absent section or key reads as the empty text.
    std::string Read(std::string_view section, std::string_view key) const;

    // How a Set changed the file's text.
    enum class Change {
        kAppendedEntry,    // a new entry at the very end of the file
        kAppendedSection,  // a new section, with its first entry, at the end
        kRewritten,        // anything else: the text must be written anew
    };

    // Writes one entry: a key that exists in its section is replaced in place,
    // a new key goes to the end of its section, a new section to the end of
    // the file. Line breaks in the value become blanks, so that a value can
    // never break the file's layout.
    Change Set(std::string_view section, std::string_view key, std::string_view value);

    // The whole text in the file layout.
    std::string Text() const;

    // The header line of the last section and the line of its last entry, as Text() writes them.
    std::string LastSectionHeaderLine() const;
    std::string LastEntryLine() const;

    // The longest value a read returns.
    static constexpr std::size_t kMaxValueLength = 2047;

  private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        std::unordered_map<std::string, std::size_t> index;  // lower-cased key -> entry
    };

    const Section* FindSection(std::string_view name) const;
    Section& AddSection(std::string_view name);
    static void AddEntry(Section& section, std::string_view key, std::string_view value);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> section_index_;  // lower-cased name -> section
};

}  // namespace orvane
