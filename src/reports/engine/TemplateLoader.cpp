#include "reports/engine/TemplateLoader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <map>
#include <pugixml.hpp>
#include <set>

#include "Error.h"
#include "xml/AnsiCodePage.h"

namespace orvane {
namespace {

using namespace std::string_literals;

struct Style {
    FontSpec font;
    Colour colour = kBlack;
};

constexpr double kDefaultMargin = 10.0;  // millimetres

constexpr std::array<std::pair<std::string_view, Colour>, 13> kColourNames = {{
    {"black", 0xFF000000},
    {"white", 0xFFFFFFFF},
    {"red", 0xFFFF0000},
    {"green", 0xFF008000},
    {"lime", 0xFF00FF00},
    {"blue", 0xFF0000FF},
    {"navy", 0xFF000080},
    {"maroon", 0xFF800000},
    {"gray", 0xFF808080},
    {"grey", 0xFF808080},
    {"silver", 0xFFC0C0C0},
    {"yellow", 0xFFFFFF00},
    {"none", kNoColour},
}};

constexpr std::array<std::pair<std::string_view, BandKind>, 7> kBandKinds = {{
    {"title", BandKind::kTitle},
    {"header", BandKind::kHeader},
    {"data", BandKind::kData},
    {"footer", BandKind::kFooter},
    {"pagefooter", BandKind::kPageFooter},
    {"groupheader", BandKind::kGroupHeader},
    {"groupfooter", BandKind::kGroupFooter},
}};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    while (true) {
        text = Trim(text);
        if (text.empty()) return words;
        const auto end = std::find_if(text.begin(), text.end(), IsBlank);
        const auto length = static_cast<std::size_t>(end - text.begin());
        words.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
}

// The content of a text element: line breaks stay, the indentation after each
// line break and the blanks around the whole text go.
std::string NormaliseContent(std::string_view raw) {
    std::string text;
    bool line_start = false;
    for (const char c : raw) {
        if (c == '\r') continue;
        if (c == '\n') {
            while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
            text += '\n';
            line_start = true;
            continue;
        }
        if (line_start && (c == ' ' || c == '\t')) continue;
        line_start = false;
        text += c;
    }
    return std::string(Trim(text));
}

// A whole-text field reference [dsName."field"].
struct FieldReference {
    std::string_view dataset;
    std::string_view field;
};

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Reads `dsName."field"` (the inside of the brackets).
std::optional<FieldReference> MatchReferenceBody(std::string_view body) {
    const auto dot = body.find('.');
    if (dot == 0 || dot == std::string_view::npos) return std::nullopt;
    const std::string_view dataset = body.substr(0, dot);
    if (!std::all_of(dataset.begin(), dataset.end(), IsNameChar)) return std::nullopt;
    const std::string_view quoted = body.substr(dot + 1);
    if (quoted.size() < 3 || quoted.front() != '"' || quoted.back() != '"') return std::nullopt;
    const std::string_view field = quoted.substr(1, quoted.size() - 2);
    if (field.find('"') != std::string_view::npos) return std::nullopt;
    return FieldReference{dataset, field};
}

std::optional<FieldReference> MatchFieldReference(std::string_view text) {
    if (text.size() < 2 || text.front() != '[' || text.back() != ']') return std::nullopt;
    return MatchReferenceBody(text.substr(1, text.size() - 2));
}

// Turns offsets into line numbers.
class LineIndex {
  public:
    explicit LineIndex(std::string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') newlines_.push_back(i);
        }
    }
    int LineOf(std::ptrdiff_t offset) const {
        if (offset < 0) return 0;
        const auto before =
            std::lower_bound(newlines_.begin(), newlines_.end(), static_cast<std::size_t>(offset));
        return static_cast<int>(before - newlines_.begin()) + 1;
    }

  private:
    std::vector<std::size_t> newlines_;
};

[[noreturn]] void Fail(std::string_view file, int line, const std::string& message) {
    throw Error(std::string(file) + ", line " + std::to_string(line) + ": " + message);
}

// The attributes of one element. Every attribute must be read by its
// handler; one left unread is a mistake in the template and is reported.
class Element {
  public:
    Element(pugi::xml_node node, std::string_view file, const LineIndex& lines)
        : node_(node), file_(file), line_(lines.LineOf(node.offset_debug())) {}

    std::string_view Tag() const { return node_.name(); }
    int Line() const { return line_; }
    pugi::xml_node Node() const { return node_; }

    std::optional<std::string_view> Get(std::string_view name) {
        read_.push_back(name);
        const pugi::xml_attribute attribute = node_.attribute(std::string(name).c_str());
        if (!attribute) return std::nullopt;
        return std::string_view(attribute.value());
    }

    std::string_view Require(std::string_view name) {
        const auto value = Get(name);
        if (!value)
            Fail("<" + std::string(Tag()) + "> needs the attribute '" + std::string(name) + "'");
        return *value;
    }

    double Number(std::string_view name, double fallback) {
        const auto value = Get(name);
        return value ? ToNumber(name, *value) : fallback;
    }

    double RequireNumber(std::string_view name) { return ToNumber(name, Require(name)); }

    bool Flag(std::string_view name, bool fallback) {
        const auto value = Get(name);
        if (!value) return fallback;
        if (*value == "true" || *value == "yes" || *value == "1") return true;
        if (*value == "false" || *value == "no" || *value == "0") return false;
        Fail("'" + std::string(*value) + "' is not true or false for " + std::string(name));
    }

    // Reports the first attribute that no handler asked for.
    void Done() const {
        for (const pugi::xml_attribute attribute : node_.attributes()) {
            const std::string_view name = attribute.name();
            if (std::find(read_.begin(), read_.end(), name) == read_.end()) {
                Fail("<" + std::string(Tag()) + "> does not take the attribute '" +
                     std::string(name) + "'");
            }
        }
    }

    [[noreturn]] void Fail(const std::string& message) const {
        orvane::Fail(file_, line_, message);
    }

  private:
    double ToNumber(std::string_view name, std::string_view text) const {
        double value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc{} || end != text.data() + text.size()) {
            Fail("'" + std::string(text) + "' is not a number for " + std::string(name));
        }
        return value;
    }

    pugi::xml_node node_;
    std::string_view file_;
    int line_;
    std::vector<std::string_view> read_;
};

struct PendingSubreport {
    std::size_t page, band, object;
    std::string target;
    int line;
};

class Loader {
  public:
    Loader(std::string_view xml, std::string_view file, const ResourceStore& resources)
        : xml_(xml), file_(file), resources_(resources), lines_(xml) {}

    Template Load() {
        pugi::xml_document document;
        const pugi::xml_parse_result result = document.load_buffer(
            xml_.data(), xml_.size(), pugi::parse_default | pugi::parse_ws_pcdata_single);
        if (!result) Fail(file_, lines_.LineOf(result.offset), result.description());
        const pugi::xml_node root = document.document_element();
        if (std::string_view(root.name()) != "report") {
            Fail(file_, lines_.LineOf(root.offset_debug()),
                 "the template must start with <report>");
        }
        template_.file = std::string(file_);
        ReadReport(root);
        ResolveSubreports();
        ResolveScripts();
        return std::move(template_);
    }

  private:
    Element Open(pugi::xml_node node) const { return Element(node, file_, lines_); }

    // Objects and scripts hold nothing inside them.
    void RequireEmpty(pugi::xml_node node) const {
        for (const pugi::xml_node child : Children(node)) {
            Fail(file_, lines_.LineOf(child.offset_debug()),
                 "<" + std::string(node.name()) + "> cannot hold <" + child.name() + ">");
        }
    }

    std::vector<pugi::xml_node> Children(pugi::xml_node node) const {
        std::vector<pugi::xml_node> children;
        for (const pugi::xml_node child : node.children()) {
            if (child.type() == pugi::node_element) {
                children.push_back(child);
            } else if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
                if (!Trim(child.value()).empty()) {
                    Fail(file_, lines_.LineOf(child.offset_debug()),
                         "<" + std::string(node.name()) + "> holds no text of its own");
                }
            }
        }
        return children;
    }

    // --- report, pages and bands ---------------------------------------------

    void ReadReport(pugi::xml_node node) {
        Element e = Open(node);
        template_.name = Utf8ToAnsi(e.Get("name").value_or(""));
        for (const std::string_view name : Words(e.Get("datasets").value_or(""))) {
            template_.datasets.emplace_back(name);
        }
        const std::string_view zoom = e.Get("preview-zoom").value_or("page-width");
        if (zoom == "page-width") {
            template_.preview_zoom = PreviewZoom::kPageWidth;
        } else if (zoom == "100%") {
            template_.preview_zoom = PreviewZoom::kActualSize;
        } else {
            e.Fail("preview-zoom is page-width or 100%, not '" + std::string(zoom) + "'");
        }
        e.Done();
        for (const pugi::xml_node child : Children(node)) {
            const std::string_view tag = child.name();
            if (tag == "page") {
                ReadPage(child);
            } else if (tag == "verification") {
                ReadVerification(child);
            } else if (tag == "rowstyle") {
                ReadRowStyle(child);
            } else {
                Open(child).Fail("<report> holds <page>, <verification> and <rowstyle>, not <" +
                                 std::string(tag) + ">");
            }
        }
        if (template_.pages.empty()) Open(node).Fail("the template has no <page>");
    }

    void ReadPage(pugi::xml_node node) {
        Element e = Open(node);
        TemplatePage page;
        page.line = e.Line();
        page.name = std::string(e.Require("name"));
        for (const TemplatePage& other : template_.pages) {
            if (other.name == page.name) e.Fail("a second page named " + page.name);
        }
        const std::string_view paper = e.Get("paper").value_or("A4");
        PaperSize size = kA4;
        if (paper == "Letter") {
            size = kLetter;
        } else if (paper != "A4") {
            e.Fail("paper is A4 or Letter, not '" + std::string(paper) + "'");
        }
        page.width = size.width;
        page.height = size.height;
        const double margin = e.Number("margin", kDefaultMargin);
        page.margin_left = e.Number("margin-left", margin) * kUnitsPerMillimetre;
        page.margin_top = e.Number("margin-top", margin) * kUnitsPerMillimetre;
        page.margin_right = e.Number("margin-right", margin) * kUnitsPerMillimetre;
        page.margin_bottom = e.Number("margin-bottom", margin) * kUnitsPerMillimetre;
        page.continue_on_previous = e.Flag("continue", false);
        const Style style = ReadStyle(e, Style{});
        e.Done();

        template_.pages.push_back(std::move(page));
        const std::size_t page_index = template_.pages.size() - 1;
        for (const pugi::xml_node child : Children(node)) {
            const std::string_view tag = child.name();
            if (tag == "band") {
                ReadBand(child, page_index, style);
            } else if (tag == "table") {
                ReadTable(child, page_index, style);
            } else {
                Open(child).Fail("<page> holds <band> and <table>, not <" + std::string(tag) + ">");
            }
        }
        CheckBandOrder(template_.pages[page_index]);
    }

    void ReadBand(pugi::xml_node node, std::size_t page_index, const Style& page_style) {
        Element e = Open(node);
        Band band;
        band.line = e.Line();
        const std::string_view kind = e.Require("kind");
        const auto found = std::find_if(kBandKinds.begin(), kBandKinds.end(),
                                        [&](const auto& entry) { return entry.first == kind; });
        if (found == kBandKinds.end()) e.Fail("there is no band kind '" + std::string(kind) + "'");
        band.kind = found->second;
        band.height = e.RequireNumber("height");
        if (band.kind != BandKind::kPageFooter) band.new_page = e.Flag("newpage", false);
        if (band.kind == BandKind::kData) {
            if (const auto dataset = e.Get("dataset")) band.dataset = DatasetIndex(*dataset, e);
            band.row_limit = static_cast<int>(e.Number("rows", 0));
        }
        if (band.kind == BandKind::kHeader) band.repeat = e.Flag("repeat", false);
        if (band.kind == BandKind::kGroupHeader)
            band.group_by = ParseValue(e.Require("group-by"), e);
        const Style style = ReadStyle(e, page_style);
        band.name = BandName(e, page_index);
        e.Done();

        const double width = PrintableWidth(page_index);
        for (const pugi::xml_node child : Children(node)) ReadObject(child, band, style, width);
        AddBand(page_index, std::move(band));
    }

    std::string BandName(Element& e, std::size_t page_index) {
        if (const auto name = e.Get("name")) {
            if (!band_names_.insert(std::string(*name)).second) {
                e.Fail("a second band named " + std::string(*name));
            }
            return std::string(*name);
        }
        // An unnamed band gets a name of its own that no other band has.
        std::string name = template_.pages[page_index].name + "Band" +
                           std::to_string(template_.pages[page_index].bands.size() + 1);
        while (!band_names_.insert(name).second) name += "'";
        return name;
    }

    void AddBand(std::size_t page_index, Band band) {
        TemplatePage& page = template_.pages[page_index];
        const std::size_t band_index = page.bands.size();
        std::size_t next_target = 0;
        for (std::size_t i = 0; i < band.objects.size(); ++i) {
            if (band.objects[i].kind != ObjectKind::kSubreport) continue;
            pending_subreports_[{page_index, band_index, i}] = subreport_targets_.at(next_target++);
        }
        subreport_targets_.clear();
        page.bands.push_back(std::move(band));
    }

    double PrintableWidth(std::size_t page_index) const {
        const TemplatePage& page = template_.pages[page_index];
        return page.width - page.margin_left - page.margin_right;
    }

    // Headers and group headers come before their data band, group footers
    // and footers after it; each data band has at most one header and footer.
    void CheckBandOrder(const TemplatePage& page) const {
        int titles = 0, page_footers = 0;
        const auto fail = [&](const Band& band, const std::string& message) {
            Fail(file_, band.line, message);
        };
        std::size_t i = 0;
        const auto count = page.bands.size();
        while (i < count) {
            const Band& band = page.bands[i];
            if (band.kind == BandKind::kTitle) {
                if (++titles > 1) fail(band, "a page has one title band at most");
                ++i;
                continue;
            }
            if (band.kind == BandKind::kPageFooter) {
                if (++page_footers > 1) fail(band, "a page has one page footer at most");
                ++i;
                continue;
            }
            if (band.kind == BandKind::kFooter || band.kind == BandKind::kGroupFooter) {
                fail(band, "a footer must follow a data band");
            }
            if (page.bands[i].kind == BandKind::kHeader) ++i;
            std::size_t group_headers = 0;
            while (i < count && page.bands[i].kind == BandKind::kGroupHeader) ++i, ++group_headers;
            if (i == count || page.bands[i].kind != BandKind::kData) {
                fail(page.bands[i == count ? count - 1 : i],
                     "a header must be followed by its data band");
            }
            ++i;
            std::size_t group_footers = 0;
            while (i < count && page.bands[i].kind == BandKind::kGroupFooter) {
                if (++group_footers > group_headers) {
                    fail(page.bands[i], "a group footer needs a group header");
                }
                ++i;
            }
            if (i < count && page.bands[i].kind == BandKind::kFooter) ++i;
        }
    }

    // --- objects ---------------------------------------------------------------

    void ReadObject(pugi::xml_node node, Band& band, const Style& style, double band_width) {
        const std::string_view tag = node.name();
        Element e = Open(node);
        if (tag == "text") {
            band.objects.push_back(ReadText(e, style));
        } else if (tag == "box") {
            band.objects.push_back(ReadBox(e));
        } else if (tag == "line") {
            band.objects.push_back(ReadLine(e));
        } else if (tag == "checkbox") {
            band.objects.push_back(ReadCheckBox(e));
        } else if (tag == "barcode") {
            band.objects.push_back(ReadBarcode(e));
        } else if (tag == "picture") {
            band.objects.push_back(ReadPicture(e));
        } else if (tag == "subreport") {
            band.objects.push_back(ReadSubreport(e));
        } else if (tag == "captionrow") {
            ExpandCaptionRow(e, style, band_width, band.objects);
        } else if (tag == "letterboxes") {
            ExpandLetterBoxes(e, style, band.objects);
        } else if (tag == "checkcaption") {
            ExpandCheckCaption(e, style, band.objects);
        } else {
            e.Fail("<band> cannot hold <" + std::string(tag) + ">");
        }
        e.Done();
        if (tag != "text") RequireEmpty(node);
        CheckUniqueNames(band, e);
    }

    void CheckUniqueNames(const Band& band, const Element& e) const {
        std::set<std::string_view> names;
        for (const TemplateObject& object : band.objects) {
            if (object.name.empty()) continue;
            if (!names.insert(object.name).second) e.Fail("a second object named " + object.name);
        }
    }

    TemplateObject Start(Element& e, ObjectKind kind) {
        TemplateObject object;
        object.kind = kind;
        object.line = e.Line();
        object.name = std::string(e.Get("name").value_or(""));
        return object;
    }

    void ReadBox(Element& e, TemplateObject& object) {
        object.x = e.RequireNumber("x");
        object.y = e.RequireNumber("y");
        object.w = e.RequireNumber("w");
        object.h = e.RequireNumber("h");
    }

    TemplateObject ReadText(Element& e, const Style& inherited) {
        TemplateObject object = Start(e, ObjectKind::kText);
        ReadBox(e, object);
        ReadTextOptions(e, inherited, object);
        std::string content;
        for (const pugi::xml_node child : e.Node().children()) {
            if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
                content += child.value();
            } else if (child.type() == pugi::node_element) {
                e.Fail("<text> holds text only, not <" + std::string(child.name()) + ">");
            }
        }
        const bool expressions = e.Flag("expr", false);
        object.text = ParseText(NormaliseContent(content), expressions, e);
        return object;
    }

    void ReadTextOptions(Element& e, const Style& inherited, TemplateObject& object) {
        const Style style = ReadStyle(e, inherited);
        object.font = FontIndex(style.font);
        object.colour = style.colour;
        object.halign = ReadHAlign(e, "align", HAlign::kLeft);
        const std::string_view valign = e.Get("valign").value_or("top");
        if (valign == "top") {
            object.valign = VAlign::kTop;
        } else if (valign == "center") {
            object.valign = VAlign::kCenter;
        } else if (valign == "bottom") {
            object.valign = VAlign::kBottom;
        } else {
            e.Fail("valign is top, center or bottom, not '" + std::string(valign) + "'");
        }
        object.wrap = e.Flag("wrap", true);
        object.clip = e.Flag("clip", true);
        object.grow_to_width = e.Flag("grow", false);
        object.indent = e.Number("indent", 0);
        object.padding_x = e.Number("padding", 2);
        object.padding_y = e.Number("padding-y", 1);
        object.cell = e.Number("cell", 0);
        const std::string_view rotate = e.Get("rotate").value_or("0");
        if (rotate != "0" && rotate != "90") {
            e.Fail("rotate is 0 or 90 (a quarter turn to the left), not '" + std::string(rotate) +
                   "'");
        }
        object.rotated = rotate == "90";
        if (object.rotated && (object.grow_to_width || object.cell > 0)) {
            e.Fail("a turned text cannot grow or print in cells");
        }
    }

    HAlign ReadHAlign(Element& e, std::string_view attribute, HAlign fallback) {
        const auto align = e.Get(attribute);
        if (!align) return fallback;
        if (*align == "left") return HAlign::kLeft;
        if (*align == "center") return HAlign::kCenter;
        if (*align == "right") return HAlign::kRight;
        e.Fail(std::string(attribute) + " is left, center or right, not '" + std::string(*align) +
               "'");
    }

    TemplateObject ReadBox(Element& e) {
        TemplateObject object = Start(e, ObjectKind::kBox);
        ReadBox(e, object);
        object.pen = e.Number("pen", 0.5);
        object.colour = ReadColour(e, "color", kBlack);
        object.fill = ReadColour(e, "fill", kNoColour);
        return object;
    }

    TemplateObject ReadLine(Element& e) {
        TemplateObject object = Start(e, ObjectKind::kLine);
        object.x = e.RequireNumber("x");
        object.y = e.RequireNumber("y");
        object.w = e.Number("w", 0);
        object.h = e.Number("h", 0);
        object.pen = e.Number("pen", 0.5);
        object.colour = ReadColour(e, "color", kBlack);
        return object;
    }

    TemplateObject ReadCheckBox(Element& e) {
        TemplateObject object = Start(e, ObjectKind::kCheckBox);
        object.x = e.RequireNumber("x");
        object.y = e.RequireNumber("y");
        object.w = e.Number("w", 12);
        object.h = e.Number("h", object.w);
        object.text = ParseValue(e.Require("value"), e);
        object.frame = e.Flag("frame", true);
        object.pen = e.Number("pen", 0.5);
        object.colour = ReadColour(e, "color", kBlack);
        return object;
    }

    TemplateObject ReadBarcode(Element& e) {
        TemplateObject object = Start(e, ObjectKind::kBarcode);
        ReadBox(e, object);
        object.text = ParseValue(e.Require("value"), e);
        object.spaced = e.Flag("spaced", false);
        object.colour = ReadColour(e, "color", kBlack);
        return object;
    }

    TemplateObject ReadPicture(Element& e) {
        TemplateObject object = Start(e, ObjectKind::kPicture);
        ReadBox(e, object);
        const std::string_view source = e.Require("src");
        object.picture = PictureIndex(source, e);
        return object;
    }

    TemplateObject ReadSubreport(Element& e) {
        TemplateObject object = Start(e, ObjectKind::kSubreport);
        object.x = e.RequireNumber("x");
        object.y = e.RequireNumber("y");
        object.w = e.Number("w", 0);
        object.h = e.Number("h", 0);
        subreport_targets_.push_back({std::string(e.Require("page")), e.Line()});
        return object;
    }

    // --- layout helpers --------------------------------------------------------

    TemplateObject PlainText(const Element& e, const Style& style, double x, double y, double w,
                             double h, TextParts text) {
        TemplateObject object;
        object.kind = ObjectKind::kText;
        object.line = e.Line();
        object.x = x;
        object.y = y;
        object.w = w;
        object.h = h;
        object.font = FontIndex(style.font);
        object.colour = style.colour;
        object.valign = VAlign::kCenter;
        object.text = std::move(text);
        return object;
    }

    TemplateObject PlainBox(const Element& e, double x, double y, double w, double h, double pen) {
        TemplateObject object;
        object.kind = ObjectKind::kBox;
        object.line = e.Line();
        object.x = x;
        object.y = y;
        object.w = w;
        object.h = h;
        object.pen = pen;
        return object;
    }

    // A numbered caption row: item number, caption, and a value box at the
    // right end, optionally framed as a whole.
    void ExpandCaptionRow(Element& e, const Style& inherited, double band_width,
                          std::vector<TemplateObject>& out) {
        const Style style = ReadStyle(e, inherited);
        const double x = e.Number("x", 0);
        const double y = e.RequireNumber("y");
        const double w = e.Number("w", band_width - x);
        const double h = e.Number("h", 18);
        const double number_width = e.Number("no-width", 30);
        const double box_width = e.Number("box-width", 110);
        const double pen = e.Number("pen", 0.5);
        const HAlign value_align = ReadHAlign(e, "value-align", HAlign::kRight);
        if (e.Flag("frame", true)) out.push_back(PlainBox(e, x, y, w, h, pen));
        if (const auto number = e.Get("no")) {
            out.push_back(PlainText(e, style, x, y, number_width, h, ParseValue(*number, e)));
        }
        if (const auto caption = e.Get("caption")) {
            out.push_back(PlainText(e, style, x + number_width, y, w - number_width - box_width, h,
                                    Literal(*caption)));
        }
        out.push_back(PlainBox(e, x + w - box_width, y, box_width, h, pen));
        TemplateObject value = PlainText(e, style, x + w - box_width, y, box_width, h,
                                         ParseValue(e.Get("value").value_or(""), e));
        value.halign = value_align;
        value.name = std::string(e.Get("name").value_or(""));
        out.push_back(std::move(value));
    }

    // A row of letter boxes with one character of the value in each box.
    void ExpandLetterBoxes(Element& e, const Style& inherited, std::vector<TemplateObject>& out) {
        const Style style = ReadStyle(e, inherited);
        const double x = e.RequireNumber("x");
        const double y = e.RequireNumber("y");
        const int count = static_cast<int>(e.RequireNumber("count"));
        if (count < 1) e.Fail("count must be at least 1");
        const double box = e.Number("box", 15);
        const double h = e.Number("h", 18);
        const double pen = e.Number("pen", 0.5);
        if (e.Flag("boxes", true)) {
            for (int i = 0; i < count; ++i) out.push_back(PlainBox(e, x + i * box, y, box, h, pen));
        }
        TemplateObject value =
            PlainText(e, style, x, y, count * box, h, ParseValue(e.Require("value"), e));
        value.name = std::string(e.Get("name").value_or(""));
        value.cell = box;
        value.padding_x = 0;
        value.padding_y = 0;
        value.wrap = false;
        value.clip = false;
        out.push_back(std::move(value));
    }

    // A check box with its caption to the right.
    void ExpandCheckCaption(Element& e, const Style& inherited, std::vector<TemplateObject>& out) {
        const Style style = ReadStyle(e, inherited);
        const double x = e.RequireNumber("x");
        const double y = e.RequireNumber("y");
        const double box = e.Number("box", 12);
        const double h = e.Number("h", box);
        const double gap = e.Number("gap", 4);
        const double caption_width = e.Number("caption-width", 200);
        TemplateObject check;
        check.kind = ObjectKind::kCheckBox;
        check.line = e.Line();
        check.name = std::string(e.Get("name").value_or(""));
        check.x = x;
        check.y = y + (h - box) / 2;
        check.w = box;
        check.h = box;
        check.text = ParseValue(e.Require("value"), e);
        check.frame = e.Flag("frame", true);
        out.push_back(std::move(check));
        out.push_back(
            PlainText(e, style, x + box + gap, y, caption_width, h, Literal(e.Require("caption"))));
    }

    // A table: a header band with a title row and column headings, and a
    // data band with one bound text per column, each cell framed.
    void ReadTable(pugi::xml_node node, std::size_t page_index, const Style& page_style) {
        Element e = Open(node);
        const Style style = ReadStyle(e, page_style);
        Band header;
        header.kind = BandKind::kHeader;
        header.line = e.Line();
        Band data;
        data.kind = BandKind::kData;
        data.line = e.Line();
        data.name = std::string(e.Require("name"));
        const std::string_view dataset = e.Require("dataset");
        data.dataset = DatasetIndex(dataset, e);
        data.row_limit = static_cast<int>(e.Number("rows", 0));
        header.name = std::string(e.Get("header-name").value_or(data.name + "Header"));
        for (const std::string& name : {data.name, header.name}) {
            if (!band_names_.insert(name).second) e.Fail("a second band named " + name);
        }
        header.repeat = e.Flag("repeat", true);
        header.new_page = e.Flag("newpage", false);
        const double x = e.Number("x", 0);
        const double pen = e.Number("pen", 0.5);
        const double title_height = e.Number("title-height", 20);
        const double heading_height = e.Number("header-height", 30);
        data.height = e.Number("row-height", 18);
        Style heading_style = style;
        heading_style.font.bold = e.Flag("heading-bold", false);
        heading_style.font.size = e.Number("heading-size", style.font.size);
        if (heading_style.font.size <= 0) e.Fail("a font size must be greater than 0");
        const auto title = e.Get("title");
        e.Done();

        double column_x = x;
        const double heading_y = title ? title_height : 0;
        header.height = heading_y + heading_height;
        for (const pugi::xml_node child : Children(node)) {
            Element c = Open(child);
            if (c.Tag() != "column")
                c.Fail("<table> holds <column>, not <" + std::string(c.Tag()) + ">");
            const double w = c.RequireNumber("w");
            header.objects.push_back(PlainBox(c, column_x, heading_y, w, heading_height, pen));
            TemplateObject heading =
                PlainText(c, heading_style, column_x, heading_y, w, heading_height,
                          Literal(c.Get("heading").value_or("")));
            heading.halign = ReadHAlign(c, "heading-align", HAlign::kCenter);
            header.objects.push_back(std::move(heading));
            data.objects.push_back(PlainBox(c, column_x, 0, w, data.height, pen));
            const auto field = c.Get("field");
            const auto value = c.Get("value");
            if (field && value) c.Fail("a column takes field or value, not both");
            TextParts text =
                field ? FieldParts(dataset, *field, c) : ParseValue(value.value_or(""), c);
            TemplateObject cell = PlainText(c, style, column_x, 0, w, data.height, std::move(text));
            cell.halign = ReadHAlign(c, "align", HAlign::kLeft);
            cell.name = std::string(c.Get("name").value_or(""));
            data.objects.push_back(std::move(cell));
            column_x += w;
            c.Done();
            RequireEmpty(child);
        }
        if (data.objects.empty()) e.Fail("a <table> needs at least one <column>");
        if (title) {
            header.objects.push_back(PlainBox(e, x, 0, column_x - x, title_height, pen));
            TemplateObject text =
                PlainText(e, heading_style, x, 0, column_x - x, title_height, Literal(*title));
            text.halign = HAlign::kCenter;
            header.objects.push_back(std::move(text));
        }
        AddBand(page_index, std::move(header));
        AddBand(page_index, std::move(data));
    }

    // --- scripts ---------------------------------------------------------------

    void ReadVerification(pugi::xml_node node) {
        Element e = Open(node);
        if (template_.verification) e.Fail("a template has one <verification> at most");
        VerificationScript script;
        pending_after_page_ = {std::string(e.Require("after-page")), e.Line()};
        script.value = ParseValue(e.Require("value"), e);
        for (const auto name : Words(e.Get("in-place").value_or("")))
            script.in_place.emplace_back(name);
        for (const auto name : Words(e.Get("separate").value_or("")))
            script.separate.emplace_back(name);
        for (const auto name : Words(e.Get("hide-footers").value_or(""))) {
            script.hidden_footers.emplace_back(name);
        }
        e.Done();
        RequireEmpty(node);
        template_.verification = std::move(script);
        script_lines_.push_back(e.Line());
    }

    void ReadRowStyle(pugi::xml_node node) {
        Element e = Open(node);
        RowStyleScript script;
        script.band = std::string(e.Require("band"));
        script.line_code = ParseValue(e.Require("code"), e);
        script.description = std::string(e.Require("description"));
        for (const auto name : Words(e.Get("amounts").value_or("")))
            script.amounts.emplace_back(name);
        e.Done();
        RequireEmpty(node);
        template_.row_styles.push_back(std::move(script));
        row_style_lines_.push_back(e.Line());
    }

    const Band* FindBand(std::string_view name) const {
        for (const TemplatePage& page : template_.pages) {
            for (const Band& band : page.bands) {
                if (band.name == name) return &band;
            }
        }
        return nullptr;
    }

    void RequireBands(const std::vector<std::string>& names, BandKind kind, int line) const {
        for (const std::string& name : names) {
            const Band* band = FindBand(name);
            if (band == nullptr || band->kind != kind) {
                Fail(file_, line,
                     "no " + std::string(kind == BandKind::kData ? "data band" : "page footer") +
                         " named " + name);
            }
        }
    }

    int PageIndex(std::string_view name) const {
        for (std::size_t i = 0; i < template_.pages.size(); ++i) {
            if (template_.pages[i].name == name) return static_cast<int>(i);
        }
        return -1;
    }

    void ResolveScripts() {
        if (template_.verification) {
            VerificationScript& script = *template_.verification;
            const int line = script_lines_.front();
            script.after_page = PageIndex(pending_after_page_.first);
            if (script.after_page < 0)
                Fail(file_, line, "no page named " + pending_after_page_.first);
            RequireBands(script.in_place, BandKind::kData, line);
            RequireBands(script.separate, BandKind::kData, line);
            RequireBands(script.hidden_footers, BandKind::kPageFooter, line);
        }
        for (std::size_t i = 0; i < template_.row_styles.size(); ++i) {
            const RowStyleScript& script = template_.row_styles[i];
            const int line = row_style_lines_[i];
            RequireBands({script.band}, BandKind::kData, line);
            const Band& band = *FindBand(script.band);
            std::vector<std::string> texts = script.amounts;
            texts.push_back(script.description);
            for (const std::string& name : texts) {
                const bool found = std::any_of(
                    band.objects.begin(), band.objects.end(), [&](const TemplateObject& o) {
                        return o.kind == ObjectKind::kText && o.name == name;
                    });
                if (!found) Fail(file_, line, "band " + script.band + " has no text named " + name);
            }
        }
    }

    // --- subreports ------------------------------------------------------------

    void ResolveSubreports() {
        for (const auto& [place, target] : pending_subreports_) {
            const auto& [page, band, object] = place;
            const int index = PageIndex(target.first);
            if (index < 0) Fail(file_, target.second, "no page named " + target.first);
            if (static_cast<std::size_t>(index) == page) {
                Fail(file_, target.second, "a page cannot print itself through a subreport");
            }
            template_.pages[page].bands[band].objects[object].target_page = index;
        }
        for (std::size_t page = 0; page < template_.pages.size(); ++page) {
            std::vector<std::size_t> path;
            CheckCycle(page, path);
        }
    }

    void CheckCycle(std::size_t page, std::vector<std::size_t>& path) const {
        if (std::find(path.begin(), path.end(), page) != path.end()) {
            Fail(file_, template_.pages[page].line,
                 "page " + template_.pages[page].name + " prints itself through its subreports");
        }
        path.push_back(page);
        for (const Band& band : template_.pages[page].bands) {
            for (const TemplateObject& object : band.objects) {
                if (object.kind == ObjectKind::kSubreport) {
                    CheckCycle(static_cast<std::size_t>(object.target_page), path);
                }
            }
        }
        path.pop_back();
    }

    // --- values ----------------------------------------------------------------

    Style ReadStyle(Element& e, const Style& inherited) {
        Style style = inherited;
        if (const auto family = e.Get("font")) style.font.family = std::string(*family);
        style.font.size = e.Number("size", style.font.size);
        if (style.font.size <= 0) e.Fail("a font size must be greater than 0");
        style.font.bold = e.Flag("bold", style.font.bold);
        style.font.italic = e.Flag("italic", style.font.italic);
        style.font.underline = e.Flag("underline", style.font.underline);
        style.colour = ReadColour(e, "color", style.colour);
        return style;
    }

    Colour ReadColour(Element& e, std::string_view attribute, Colour fallback) {
        const auto value = e.Get(attribute);
        if (!value) return fallback;
        for (const auto& [name, colour] : kColourNames) {
            if (name == *value) return colour;
        }
        if (value->size() == 7 && value->front() == '#') {
            std::uint32_t rgb = 0;
            const auto [end, error] =
                std::from_chars(value->data() + 1, value->data() + 7, rgb, 16);
            if (error == std::errc{} && end == value->data() + 7) return 0xFF000000 | rgb;
        }
        e.Fail("'" + std::string(*value) + "' is not a colour (a name or #RRGGBB)");
    }

    int FontIndex(const FontSpec& font) {
        const auto found = std::find(template_.fonts.begin(), template_.fonts.end(), font);
        if (found != template_.fonts.end())
            return static_cast<int>(found - template_.fonts.begin());
        template_.fonts.push_back(font);
        return static_cast<int>(template_.fonts.size() - 1);
    }

    int PictureIndex(std::string_view source, const Element& e) {
        for (std::size_t i = 0; i < template_.pictures.size(); ++i) {
            if (template_.pictures[i].name == source) return static_cast<int>(i);
        }
        const auto bytes = resources_.Find(source);
        if (!bytes) e.Fail("there is no picture " + std::string(source));
        template_.pictures.push_back(
            {std::string(source), std::make_shared<const std::string>(*bytes)});
        return static_cast<int>(template_.pictures.size() - 1);
    }

    int DatasetIndex(std::string_view name, const Element& e) const {
        const auto found = std::find(template_.datasets.begin(), template_.datasets.end(), name);
        if (found == template_.datasets.end()) {
            e.Fail("the dataset " + std::string(name) +
                   " is not among the datasets of <report datasets=...>");
        }
        return static_cast<int>(found - template_.datasets.begin());
    }

    static TextParts Literal(std::string_view utf8) {
        if (utf8.empty()) return {};
        return {TextPart{TextPart::Kind::kLiteral, Utf8ToAnsi(utf8), -1}};
    }

    TextParts FieldParts(std::string_view dataset, std::string_view field, const Element& e) const {
        return {TextPart{TextPart::Kind::kField, Utf8ToAnsi(field), DatasetIndex(dataset, e)}};
    }

    // An attribute value: one field reference, or literal text.
    TextParts ParseValue(std::string_view utf8, const Element& e) const {
        return ParseText(std::string(Trim(utf8)), false, e);
    }

    // A text prints literally unless it is exactly one field reference, or
    // unless it enables bracketed references (expr="true").
    TextParts ParseText(const std::string& utf8, bool expressions, const Element& e) const {
        if (!expressions) {
            if (const auto reference = MatchFieldReference(utf8)) {
                return FieldParts(reference->dataset, reference->field, e);
            }
            return Literal(utf8);
        }
        TextParts parts;
        std::string_view rest = utf8;
        while (!rest.empty()) {
            const auto open = rest.find('[');
            if (open != 0) {
                const auto length = std::min(open, rest.size());
                parts.push_back(Literal(rest.substr(0, length)).front());
                rest.remove_prefix(length);
                continue;
            }
            const auto close = rest.find(']');
            if (close == std::string_view::npos) e.Fail("a '[' without its ']' in '" + utf8 + "'");
            const std::string_view body = rest.substr(1, close - 1);
            if (body == "PAGE#") {
                parts.push_back({TextPart::Kind::kPage, "", -1});
            } else if (body == "TOTALPAGES#") {
                parts.push_back({TextPart::Kind::kTotalPages, "", -1});
            } else if (const auto reference = MatchReferenceBody(body)) {
                parts.push_back(FieldParts(reference->dataset, reference->field, e).front());
            } else {
                e.Fail("cannot read [" + std::string(body) +
                       "]: a reference is [dsName.\"field\"], [PAGE#] or [TOTALPAGES#]");
            }
            rest.remove_prefix(close + 1);
        }
        return parts;
    }

    std::string_view xml_;
    std::string_view file_;
    const ResourceStore& resources_;
    LineIndex lines_;
    Template template_;
    std::set<std::string> band_names_;
    std::vector<std::pair<std::string, int>>
        subreport_targets_;  // of the band being read, in order
    std::map<std::tuple<std::size_t, std::size_t, std::size_t>, std::pair<std::string, int>>
        pending_subreports_;
    std::pair<std::string, int> pending_after_page_;
    std::vector<int> script_lines_;
    std::vector<int> row_style_lines_;
};

}  // namespace

Template LoadTemplate(std::string_view xml, std::string_view file, const ResourceStore& resources) {
    return Loader(xml, file, resources).Load();
}

Template LoadTemplateFile(const ResourceStore& resources, std::string_view file) {
    const auto xml = resources.Find(file);
    if (!xml) throw Error("There is no report template " + std::string(file));
    return LoadTemplate(*xml, file, resources);
}

}  // namespace orvane
