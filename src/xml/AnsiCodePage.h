#pragma once

#include <string>
#include <string_view>

namespace orvane {

// Every value travels as 8-bit text in the Windows-1252 code page (the "ANSI
// code page"): XML text in, staging text out, report text on the page.

// UTF-8 to Windows-1252. A character the code page lacks, or a malformed
// UTF-8 sequence, becomes "?".
std::string Utf8ToAnsi(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes the code page leaves undefined map to
// the control characters of the same number, as Windows does.
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace orvane
