#include "reports/render/ReportFonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>

#include "xml/AnsiCodePage.h"

namespace orvane {
namespace {

struct FamilyMapping {
    std::string_view template_family;
    const char* printed_family;
};

constexpr std::array<FamilyMapping, 4> kFamilies = {{
    {"Book Antiqua", "P052"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Arial", "Liberation Sans"},
}};

// fontconfig lists P052 twice (OpenType and Type 1) and names it "P052 [UKWN]"
// then; loading the OpenType files ourselves gives the plain family.
constexpr std::array<const char*, 4> kP052Files = {
    "/usr/share/fonts/opentype/urw-base35/P052-Roman.otf",
    "/usr/share/fonts/opentype/urw-base35/P052-Bold.otf",
    "/usr/share/fonts/opentype/urw-base35/P052-Italic.otf",
    "/usr/share/fonts/opentype/urw-base35/P052-BoldItalic.otf",
};

void LoadApplicationFonts() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (const char* file : kP052Files)
            QFontDatabase::addApplicationFont(QString::fromUtf8(file));
    });
}

}  // namespace

QString PrintedFamily(std::string_view template_family) {
    const auto found =
        std::find_if(kFamilies.begin(), kFamilies.end(),
                     [&](const FamilyMapping& m) { return m.template_family == template_family; });
    if (found != kFamilies.end()) return QString::fromLatin1(found->printed_family);
    return FromAnsi(template_family);
}

QFont ReportFont(const FontSpec& font_spec) {
    LoadApplicationFonts();
    QFont font(PrintedFamily(font_spec.family));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(font_spec.size))));
    font.setBold(font_spec.bold);
    font.setItalic(font_spec.italic);
    font.setUnderline(font_spec.underline);
    // Unhinted outlines: the same advances on screen, in PDF and in images.
    font.setHintingPreference(QFont::PreferNoHinting);
    // No shaping for the Latin texts of the forms: without ligatures ("fi",
    // "ffi") a printed PDF keeps its words searchable and copyable.
    font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferOutline | QFont::PreferQuality | QFont::PreferNoShaping));
    font.setKerning(false);
    return font;
}

QString FromAnsi(std::string_view text) {
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    const std::string utf8 = AnsiToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace orvane
