#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// Report templates as plain data: a template holds pages, a page holds bands,
// a band holds objects. Coordinates and sizes are in units of 1/96 inch; an
// object's position is relative to the top left corner of its band, and a
// band's left edge is the page's left margin.

inline constexpr double kUnitsPerMillimetre = 96.0 / 25.4;

// 0xAARRGGBB; an alpha of 0 means "not drawn" (a box without fill).
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0xFF000000;
inline constexpr Colour kWhite = 0xFFFFFFFF;
inline constexpr Colour kNoColour = 0x00000000;

enum class HAlign : std::uint8_t { kLeft, kCenter, kRight };
enum class VAlign : std::uint8_t { kTop, kCenter, kBottom };

struct FontSpec {
    std::string family = "Book Antiqua";
    double size = 13;  // pixels, that is units
    bool bold = false;
    bool italic = false;
    bool underline = false;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// One piece of a text: literal characters, a dataset field, or a page number.
struct TextPart {
    enum class Kind : std::uint8_t { kLiteral, kField, kPage, kTotalPages };
    Kind kind = Kind::kLiteral;
    std::string text;  // the literal characters, or the field name
    int dataset = -1;  // index into Template::datasets for a field

    friend bool operator==(const TextPart&, const TextPart&) = default;
};

// A text as the engine evaluates it: a literal, one field, or a sequence of
// parts (only in texts that enable bracketed references).
using TextParts = std::vector<TextPart>;

enum class ObjectKind : std::uint8_t {
    kText,
    kBox,
    kLine,
    kCheckBox,
    kBarcode,
    kPicture,
    kSubreport
};

// Every object kind shares this one struct; each kind reads the members that
// concern it.
struct TemplateObject {
    ObjectKind kind = ObjectKind::kText;
    std::string name;  // optional; scripts find objects by name
    int line = 0;      // line of the template file, for messages
    double x = 0, y = 0, w = 0, h = 0;

    // Texts: what to print and how. Check boxes and bar codes read their
    // value from `text` too.
    TextParts text;
    int font = 0;  // index into Template::fonts
    Colour colour = kBlack;
    HAlign halign = HAlign::kLeft;
    VAlign valign = VAlign::kTop;
    bool wrap = true;            // break lines at blanks to fit the width
    bool clip = true;            // cut what does not fit the box
    bool grow_to_width = false;  // the box takes the width of its text
    double indent = 0;           // extra space before the first character
    double padding_x = 2, padding_y = 1;
    double cell = 0;       // > 0: one character per cell of this width (letter boxes)
    bool rotated = false;  // turned a quarter to the left: the lines read upwards

    // Boxes, lines, frames of check boxes: pen width and colours.
    double pen = 0.5;
    Colour fill = kNoColour;
    bool frame = true;    // check boxes: the four sides drawn
    bool spaced = false;  // bar codes: the value is letter-spaced; its inserted blanks go

    int picture = -1;      // index into Template::pictures
    int target_page = -1;  // subreports: index into Template::pages
};

enum class BandKind : std::uint8_t {
    kTitle,        // printed once when its page runs
    kHeader,       // before the first row of the data band that follows
    kData,         // once per row of its dataset
    kFooter,       // after the last row of the data band before it
    kPageFooter,   // at the bottom of every sheet its page opens
    kGroupHeader,  // before a row whose group value differs from the last
    kGroupFooter,  // after the last row of a group
};

struct Band {
    BandKind kind = BandKind::kData;
    std::string name;
    int line = 0;
    double height = 0;
    int dataset = -1;       // data bands: index into Template::datasets, -1 for none
    int row_limit = 0;      // data bands: 0 = no limit
    TextParts group_by;     // group headers: the value whose change starts a group
    bool new_page = false;  // start on a fresh sheet
    bool repeat = false;    // headers: printed again at the top of each new sheet
    std::vector<TemplateObject> objects;
};

struct TemplatePage {
    std::string name;
    int line = 0;
    double width = 0, height = 0;  // paper size
    double margin_left = 0, margin_top = 0, margin_right = 0, margin_bottom = 0;
    bool continue_on_previous = false;  // start in the space left on the sheet before
    std::vector<Band> bands;
};

// Chooses one of two copies of the verification block after a page has
// printed: when the value reads "1" the in-place bands lose their dataset,
// otherwise the separate bands do and their page footers are hidden.
struct VerificationScript {
    int after_page = -1;
    TextParts value;
    std::vector<std::string> in_place;
    std::vector<std::string> separate;
    std::vector<std::string> hidden_footers;
};

// Styles the rows of a detail band by a line code after each row has its
// data: the description text's font, colour and left edge, and the colour of
// the amount texts.
struct RowStyleScript {
    std::string band;
    TextParts line_code;
    std::string description;
    std::vector<std::string> amounts;
};

struct Picture {
    std::string name;
    std::shared_ptr<const std::string> bytes;  // the file as stored (PNG, JPEG, BMP)
};

enum class PreviewZoom : std::uint8_t { kPageWidth, kActualSize };

struct Template {
    std::string file;  // "itr1-2010-11.xml"
    std::string name;  // "ITR 1"; empty for the older templates
    std::vector<std::string> datasets;
    std::vector<FontSpec> fonts;
    std::vector<Picture> pictures;
    std::vector<TemplatePage> pages;
    std::optional<VerificationScript> verification;
    std::vector<RowStyleScript> row_styles;
    PreviewZoom preview_zoom = PreviewZoom::kPageWidth;
};

}  // namespace orvane
