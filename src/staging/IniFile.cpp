#include "staging/IniFile.h"

#include <algorithm>
#include <cctype>

namespace orvane {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string Lowered(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

std::string_view TrimSpaces(std::string_view text) {
    const auto is_blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view WithoutQuotes(std::string_view text) {
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

std::string SingleLine(std::string_view value) {
    std::string out(value);
    std::ranges::replace(out, '\r', ' ');
    std::ranges::replace(out, '\n', ' ');
    return out;
}

std::string HeaderLine(std::string_view name) {
    return "[" + std::string(name) + "]";
}

std::string EntryLine(std::string_view key, std::string_view value) {
    return std::string(key) + "=" + std::string(value);
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile file;
    Section* current = nullptr;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = TrimSpaces(line);
        if (line.starts_with('[')) {
            const auto close = line.find(']');
            const std::string_view name =
                TrimSpaces(line.substr(1, close == line.npos ? line.npos : close - 1));
            const auto found = file.section_index_.find(Lowered(name));
            current = found == file.section_index_.end() ? &file.AddSection(name)
                                                         : &file.sections_[found->second];
            continue;
        }
        const auto equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) continue;
        const std::string_view key = TrimSpaces(line.substr(0, equals));
        if (!current->index.contains(Lowered(key)))
            AddEntry(*current, key, line.substr(equals + 1));
    }
    return file;
}

std::string IniFile::Read(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr) return {};
    const auto entry = found->index.find(Lowered(key));
    if (entry == found->index.end()) return {};
    const std::string_view value = WithoutQuotes(TrimSpaces(found->entries[entry->second].value));
    return std::string(value.substr(0, kMaxValueLength));
}

IniFile::Change IniFile::Set(std::string_view section, std::string_view key,
                             std::string_view value) {
    const std::string line_value = SingleLine(value);
    const auto found = section_index_.find(Lowered(section));
    if (found == section_index_.end()) {
        AddEntry(AddSection(section), key, line_value);
        return Change::kAppendedSection;
    }
    Section& target = sections_[found->second];
    const auto entry = target.index.find(Lowered(key));
    if (entry != target.index.end()) {
        target.entries[entry->second].value = line_value;
        return Change::kRewritten;
    }
    AddEntry(target, key, line_value);
    return found->second + 1 == sections_.size() ? Change::kAppendedEntry : Change::kRewritten;
}

std::string IniFile::Text() const {
    std::string text;
    for (const Section& section : sections_) {
        text += HeaderLine(section.name);
        text += kLineEnd;
        for (const Entry& entry : section.entries) {
            text += EntryLine(entry.key, entry.value);
            text += kLineEnd;
        }
    }
    return text;
}

std::string IniFile::LastSectionHeaderLine() const {
    return HeaderLine(sections_.back().name) + std::string(kLineEnd);
}

std::string IniFile::LastEntryLine() const {
    const Entry& entry = sections_.back().entries.back();
    return EntryLine(entry.key, entry.value) + std::string(kLineEnd);
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
    const auto found = section_index_.find(Lowered(name));
    return found == section_index_.end() ? nullptr : &sections_[found->second];
}

IniFile::Section& IniFile::AddSection(std::string_view name) {
    section_index_.emplace(Lowered(name), sections_.size());
    sections_.push_back(Section{std::string(name), {}, {}});
    return sections_.back();
}

void IniFile::AddEntry(Section& section, std::string_view key, std::string_view value) {
    section.index.emplace(Lowered(key), section.entries.size());
    section.entries.push_back(Entry{std::string(key), std::string(value)});
}

}  // namespace orvane
