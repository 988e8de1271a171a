#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "mapping/ReturnContext.h"
#include "staging/IniFile.h"
#include "staging/TIniControl.h"
#include "support/FillerRun.h"
#include "support/StagingFiles.h"

namespace orvane::test {

// What a filler wrote for one small return: the staging file's text and the
// totals as the filler left them.
struct Filled {
    std::string text;
    orvane::ScheduleTotals totals;

    // The value of a key as the report reads it.
    std::string Read(std::string_view section, std::string_view key) const {
        return IniFile::Parse(text).Read(section, key);
    }

    // The entry lines of a section, in the order written; empty when absent.
    std::vector<std::string> Section(std::string_view section) const {
        std::vector<std::string> entries;
        bool inside = false;
        for (const std::string& line : SplitLines(text, "\r\n")) {
            if (line.starts_with("[")) {
                inside = line == "[" + std::string(section) + "]";
            } else if (inside) {
                entries.push_back(line);
            }
        }
        return entries;
    }

    // True when the section holds the key, even with an empty value.
    bool Has(std::string_view section, std::string_view key) const {
        for (const std::string& line : Section(section)) {
            if (line.starts_with(std::string(key) + "=")) return true;
        }
        return false;
    }
};

// Runs `filler` on a return of the form code and year whose form element
// holds `body` (elements with the ITRForm: prefix).
template <typename Filler>
Filled Fill(Filler filler, int form_code, int year, std::string_view body) {
    const std::string xml =
        "<ITRETURN:ITR xmlns:ITRETURN=\"http://incometaxindiaefiling.gov.in/main\" "
        "xmlns:ITRForm=\"http://incometaxindiaefiling.gov.in/master\" "
        "xmlns:FORM=\"http://incometaxindiaefiling.gov.in/form\"><FORM:ITR>" +
        std::string(body) + "</FORM:ITR></ITRETURN:ITR>";
    InlineReturn inline_return(xml, form_code, year);
    Filled filled;
    filled.text = Written(inline_return.context,
                          [&](TIniControl& ini, ReturnContext& context) { filler(ini, context); });
    filled.totals = inline_return.context.ScheduleTotals;
    return filled;
}

// The same filler run, expecting it to throw; returns the message and leaves
// in `text` what was written before.
template <typename Filler>
std::string FillFailure(Filler filler, int form_code, int year, std::string_view body,
                        std::string* text = nullptr) {
    std::string message;
    const Filled filled = Fill(
        [&](TIniControl& ini, ReturnContext& context) {
            try {
                filler(ini, context);
            } catch (const std::exception& error) {
                message = error.what();
            }
        },
        form_code, year, body);
    if (text != nullptr) *text = filled.text;
    return message;
}

}  // namespace orvane::test
