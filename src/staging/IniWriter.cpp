#include "staging/IniWriter.h"

#include "Error.h"

namespace orvane {

IniWriter::IniWriter(std::filesystem::path path) : path_(std::move(path)) {}

void IniWriter::Write(std::string_view section, std::string_view key, std::string_view value) {
    switch (contents_.Set(section, key, value)) {
        case IniFile::Change::kAppendedSection:
            Append(contents_.LastSectionHeaderLine() + contents_.LastEntryLine());
            break;
        case IniFile::Change::kAppendedEntry:
            Append(contents_.LastEntryLine());
            break;
        case IniFile::Change::kRewritten:
            Rewrite();
            break;
    }
}

void IniWriter::Append(std::string_view text) {
    if (!out_.is_open()) Open(std::ios::app);
    Put(text);
}

void IniWriter::Rewrite() {
    out_.close();
    Open(std::ios::trunc);
    Put(contents_.Text());
}

void IniWriter::Open(std::ios::openmode mode) {
    out_.clear();
    out_.open(path_, std::ios::binary | std::ios::out | mode);
    if (!out_) Fail();
}

void IniWriter::Put(std::string_view text) {
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    out_.flush();
    if (!out_) Fail();
}

void IniWriter::Fail() const {
    throw Error("Unable to write to " + path_.string());
}

}  // namespace orvane
