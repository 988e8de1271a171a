#include "reports/engine/ReportEngine.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "Error.h"

namespace orvane {
namespace {

constexpr double kTolerance = 0.01;  // units; absorbs rounding when bands fill a sheet exactly
constexpr Colour kBlue = 0xFF0000FF;
constexpr Colour kGreen = 0xFF008000;
constexpr Colour kMaroon = 0xFF800000;

// How the detail rows are styled by their line code (group and sub-group
// headings and footers): the description's font style, colour and left edge
// from the band's left, and the colour of the amounts.
struct LineCodeStyle {
    std::string_view code;
    bool bold, italic, underline;
    std::optional<Colour> colour;  // none: keeps the colour it has
    double x;
    std::optional<Colour> amounts;  // none: keep their colour
};

constexpr std::array<LineCodeStyle, 6> kLineCodeStyles = {{
    {"GH", true, false, true, kBlue, 2, kBlack},
    {"GF", true, false, false, std::nullopt, 2, std::nullopt},
    {"SGH", true, false, true, kGreen, 2, kBlack},
    {"SGF", true, false, false, kGreen, 2, kGreen},
    {"SSGH", true, true, true, kMaroon, 20, kBlack},
    {"SSGF", true, false, false, kGreen, 20, kBlack},
}};
constexpr LineCodeStyle kOtherLineStyle{"", false, false, false, kBlack, 20, kBlack};

const LineCodeStyle& StyleOfLineCode(std::string_view code) {
    for (const LineCodeStyle& style : kLineCodeStyles) {
        if (style.code == code) return style;
    }
    return kOtherLineStyle;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// A letter-spaced value ("A B C": a blank after every character) prints one
// character per letter box, so the inserted blanks go. A value that is not
// letter-spaced stays as it is.
void DropLetterSpacing(std::string& text, std::size_t from) {
    const std::size_t length = text.size() - from;
    if (length < 2) return;
    for (std::size_t i = from + 1; i < text.size(); i += 2) {
        if (text[i] != ' ') return;
    }
    std::size_t out = from;
    for (std::size_t i = from; i < text.size(); i += 2) text[out++] = text[i];
    text.resize(out);
}

// The same for the text an object has just appended to its sheet's pool.
void DropLetterSpacing(PreparedPage& page, PreparedObject& prepared) {
    DropLetterSpacing(page.text, prepared.text_offset);
    prepared.text_length = static_cast<std::uint32_t>(page.text.size() - prepared.text_offset);
}

// The data band of a page with the bands that belong to it.
struct DataRun {
    const Band* header = nullptr;
    std::vector<const Band*> group_headers;  // outermost first
    const Band* data = nullptr;
    std::vector<const Band*> group_footers;  // innermost first
    const Band* footer = nullptr;
};

// The styling state of one detail band; it carries over from row to row.
struct RowStyleState {
    const Band* band = nullptr;
    const RowStyleScript* script = nullptr;
    const TemplateObject* description = nullptr;
    std::vector<const TemplateObject*> amounts;
    bool bold = false, italic = false, underline = false;
    Colour colour = kBlack;
    double x = 0;
    Colour amount_colour = kBlack;
};

// A text that names the total page count, finished once the count is known.
struct DeferredText {
    std::size_t page;
    std::size_t object;
    std::vector<std::string> pieces;  // the total goes between every two pieces
    bool grow;
};

class Layout {
  public:
    Layout(const Template& report, std::span<const NamedDataset> datasets,
           const TextMeasurer& measurer)
        : template_(report), measurer_(measurer) {
        BindDatasets(datasets);
        IndexBands();
        doc_.name = report.name;
        doc_.fonts = report.fonts;
        doc_.pictures = report.pictures;
        doc_.preview_zoom = report.preview_zoom;
    }

    PreparedDocument Run() {
        for (std::size_t p = 0; p < template_.pages.size(); ++p) {
            if (through_subreport_[p]) continue;
            const TemplatePage& page = template_.pages[p];
            current_page_ = p;
            if (!sheet_open_ || !page.continue_on_previous) NewSheet(p);
            RunBands(p, page.margin_left);
            if (template_.verification &&
                template_.verification->after_page == static_cast<int>(p)) {
                RunVerification(*template_.verification);
            }
        }
        CloseSheet();
        FinishTotals();
        return std::move(doc_);
    }

  private:
    // --- set-up ------------------------------------------------------------------

    void BindDatasets(std::span<const NamedDataset> datasets) {
        for (const std::string& name : template_.datasets) {
            const auto found = std::find_if(datasets.begin(), datasets.end(),
                                            [&](const NamedDataset& d) { return d.name == name; });
            if (found == datasets.end() || found->dataset == nullptr) {
                throw Error("The report template " + template_.file + " reads the dataset " + name +
                            ", which its report form does not carry");
            }
            datasets_.push_back(found->dataset);
        }
    }

    void IndexBands() {
        through_subreport_.assign(template_.pages.size(), false);
        for (const TemplatePage& page : template_.pages) {
            for (const Band& band : page.bands) {
                bands_by_name_[band.name] = &band;
                if (band.kind == BandKind::kPageFooter) page_footers_[&page] = &band;
                for (const TemplateObject& object : band.objects) {
                    if (object.kind == ObjectKind::kSubreport) {
                        through_subreport_[static_cast<std::size_t>(object.target_page)] = true;
                    }
                }
            }
        }
        for (const RowStyleScript& script : template_.row_styles) {
            RowStyleState state;
            state.band = bands_by_name_.at(script.band);
            state.script = &script;
            for (const TemplateObject& object : state.band->objects) {
                if (object.name == script.description) state.description = &object;
                if (std::find(script.amounts.begin(), script.amounts.end(), object.name) !=
                    script.amounts.end()) {
                    state.amounts.push_back(&object);
                }
            }
            const FontSpec& font =
                template_.fonts[static_cast<std::size_t>(state.description->font)];
            state.bold = font.bold;
            state.italic = font.italic;
            state.underline = font.underline;
            state.colour = state.description->colour;
            state.x = state.description->x;
            state.amount_colour = state.amounts.empty() ? kBlack : state.amounts.front()->colour;
            row_styles_.push_back(std::move(state));
        }
    }

    // --- pages and bands -----------------------------------------------------------

    void RunBands(std::size_t page_index, double x) {
        const std::vector<Band>& bands = template_.pages[page_index].bands;
        std::size_t i = 0;
        const auto kind_at = [&](std::size_t at) {
            return at < bands.size() ? bands[at].kind : BandKind::kTitle;
        };
        while (i < bands.size()) {
            const Band& band = bands[i];
            if (band.kind == BandKind::kTitle) {
                PrintBand(band, x);
                ++i;
                continue;
            }
            if (band.kind == BandKind::kPageFooter) {
                ++i;
                continue;
            }
            DataRun run;
            if (kind_at(i) == BandKind::kHeader) run.header = &bands[i++];
            while (kind_at(i) == BandKind::kGroupHeader) run.group_headers.push_back(&bands[i++]);
            run.data = &bands[i++];
            while (kind_at(i) == BandKind::kGroupFooter) run.group_footers.push_back(&bands[i++]);
            if (kind_at(i) == BandKind::kFooter) run.footer = &bands[i++];
            RunData(run, x);
        }
    }

    void RunData(const DataRun& run, double x) {
        const Band& data = *run.data;
        if (dropped_.contains(&data)) return;
        Dataset* dataset =
            data.dataset >= 0 ? datasets_[static_cast<std::size_t>(data.dataset)] : nullptr;
        int limit = data.row_limit;
        if (dataset == nullptr) limit = std::max(limit, 1);
        if (dataset != nullptr && dataset->IsSingleRow()) limit = 1;
        RowStyleState* style = StyleOf(data);
        const std::size_t repeat_depth = repeat_headers_.size();
        std::vector<std::string> group_values(run.group_headers.size());

        int printed = 0;
        if (dataset != nullptr) dataset->First();
        while (dataset != nullptr ? !dataset->Eof() : printed < limit) {
            if (printed == 0 && run.header != nullptr) {
                // A header does not stay behind alone at the foot of a sheet.
                if (cursor_ + run.header->height + data.height > bottom_ + kTolerance &&
                    SheetHasContent()) {
                    NewSheet(current_page_);
                }
                PrintBand(*run.header, x);
                if (run.header->repeat) repeat_headers_.push_back({run.header, x});
            }
            PrintGroupBands(run, x, group_values, printed == 0);
            if (style != nullptr) ApplyRowStyle(*style);
            active_style_ = style;
            PrintBand(data, x);
            active_style_ = nullptr;
            ++printed;
            if (dataset != nullptr) dataset->Next();
            if (limit > 0 && printed >= limit) break;
        }
        if (printed == 0) return;
        for (const Band* group_footer : run.group_footers) PrintBand(*group_footer, x);
        repeat_headers_.resize(repeat_depth);
        if (run.footer != nullptr) PrintBand(*run.footer, x);
    }

    // Group headers print for the first row and whenever the group value
    // differs from the row before; the footers of the groups that end print
    // first. A change in an outer group starts the inner groups again.
    void PrintGroupBands(const DataRun& run, double x, std::vector<std::string>& values,
                         bool first) {
        const std::size_t count = run.group_headers.size();
        std::size_t changed = count;
        for (std::size_t level = 0; level < count; ++level) {
            std::string value = EvaluateToString(run.group_headers[level]->group_by);
            if ((first || value != values[level]) && changed == count) changed = level;
            values[level] = std::move(value);
        }
        if (changed == count) return;
        if (!first) {
            for (std::size_t level = count; level-- > changed;) {
                const std::size_t footer = count - 1 - level;
                if (footer < run.group_footers.size()) PrintBand(*run.group_footers[footer], x);
            }
        }
        for (std::size_t level = changed; level < count; ++level)
            PrintBand(*run.group_headers[level], x);
    }

    bool SheetHasContent() const { return cursor_ > sheet_top_ + kTolerance; }

    void PrintBand(const Band& band, double x, bool may_break = true) {
        if (may_break && band.new_page && SheetHasContent()) NewSheet(current_page_);
        if (may_break && cursor_ + band.height > bottom_ + kTolerance && SheetHasContent()) {
            NewSheet(current_page_);
        }
        const std::size_t sheet = doc_.pages.size();
        const double top = cursor_;
        Emit(band, x, top);
        double end = top + band.height;
        cursor_ = end;
        for (const TemplateObject& object : band.objects) {
            if (object.kind != ObjectKind::kSubreport) continue;
            // On the holder's sheet a subreport starts at its own place; after
            // an earlier subreport broke onto a new sheet it follows on.
            if (doc_.pages.size() == sheet) cursor_ = top + object.y;
            RunBands(static_cast<std::size_t>(object.target_page), x + object.x);
            end = doc_.pages.size() == sheet ? std::max(end, cursor_) : cursor_;
        }
        cursor_ = end;
    }

    void NewSheet(std::size_t owner) {
        CloseSheet();
        const TemplatePage& page = template_.pages[owner];
        const std::size_t expected = doc_.pages.empty() ? 64 : doc_.pages.back().objects.size();
        doc_.pages.emplace_back();
        doc_.pages.back().width = page.width;
        doc_.pages.back().height = page.height;
        doc_.pages.back().objects.reserve(expected);
        sheet_open_ = true;
        sheet_owner_ = owner;
        sheet_top_ = cursor_ = page.margin_top;
        const Band* footer = VisibleFooter(owner);
        bottom_ = page.height - page.margin_bottom - (footer != nullptr ? footer->height : 0);
        if (!reprinting_) {
            reprinting_ = true;
            for (const auto& [header, x] : repeat_headers_) PrintBand(*header, x, false);
            reprinting_ = false;
        }
    }

    void CloseSheet() {
        if (!sheet_open_) return;
        sheet_open_ = false;
        const Band* footer = VisibleFooter(sheet_owner_);
        if (footer == nullptr) return;
        const TemplatePage& page = template_.pages[sheet_owner_];
        Emit(*footer, page.margin_left, page.height - page.margin_bottom - footer->height);
    }

    const Band* VisibleFooter(std::size_t page_index) const {
        const auto found = page_footers_.find(&template_.pages[page_index]);
        if (found == page_footers_.end() || hidden_footers_.contains(found->second)) return nullptr;
        return found->second;
    }

    // --- scripts ---------------------------------------------------------------------

    void RunVerification(const VerificationScript& script) {
        const bool separate = TrimBlanks(EvaluateToString(script.value)) == "1";
        for (const std::string& name : separate ? script.in_place : script.separate) {
            dropped_.insert(bands_by_name_.at(name));
        }
        if (separate) return;
        for (const std::string& name : script.hidden_footers) {
            hidden_footers_.insert(bands_by_name_.at(name));
        }
    }

    RowStyleState* StyleOf(const Band& band) {
        for (RowStyleState& state : row_styles_) {
            if (state.band == &band) return &state;
        }
        return nullptr;
    }

    void ApplyRowStyle(RowStyleState& state) {
        const std::string code = EvaluateToString(state.script->line_code);
        const LineCodeStyle& style = StyleOfLineCode(TrimBlanks(code));
        state.bold = style.bold;
        state.italic = style.italic;
        state.underline = style.underline;
        if (style.colour) state.colour = *style.colour;
        state.x = style.x;
        if (style.amounts) state.amount_colour = *style.amounts;
    }

    // --- objects ---------------------------------------------------------------------

    void Emit(const Band& band, double left, double top) {
        PreparedPage& page = doc_.pages.back();
        for (const TemplateObject& object : band.objects) {
            if (object.kind == ObjectKind::kSubreport) continue;
            PreparedObject prepared;
            prepared.x = static_cast<float>(left + object.x);
            prepared.y = static_cast<float>(top + object.y);
            prepared.w = static_cast<float>(object.w);
            prepared.h = static_cast<float>(object.h);
            prepared.colour = object.colour;
            prepared.pen = static_cast<float>(object.pen);
            switch (object.kind) {
                case ObjectKind::kText:
                    EmitText(object, left, prepared, page);
                    continue;
                case ObjectKind::kBox:
                    prepared.kind = PreparedKind::kBox;
                    prepared.fill = object.fill;
                    break;
                case ObjectKind::kLine:
                    prepared.kind = PreparedKind::kLine;
                    break;
                case ObjectKind::kCheckBox: {
                    prepared.kind = PreparedKind::kCheckBox;
                    const bool ticked = TrimBlanks(EvaluateToString(object.text)) == "1";
                    prepared.flags = static_cast<std::uint8_t>((ticked ? kChecked : 0) |
                                                               (object.frame ? kFramed : 0));
                    break;
                }
                case ObjectKind::kBarcode:
                    prepared.kind = PreparedKind::kBarcode;
                    AppendText(object.text, page, prepared);
                    if (object.spaced) DropLetterSpacing(page, prepared);
                    break;
                case ObjectKind::kPicture:
                    prepared.kind = PreparedKind::kPicture;
                    prepared.picture = static_cast<std::uint16_t>(object.picture);
                    break;
                case ObjectKind::kSubreport:
                    break;
            }
            page.objects.push_back(prepared);
        }
    }

    void EmitText(const TemplateObject& object, double left, PreparedObject& prepared,
                  PreparedPage& page) {
        prepared.kind = PreparedKind::kText;
        prepared.font = static_cast<std::uint16_t>(object.font);
        prepared.halign = object.halign;
        prepared.valign = object.valign;
        prepared.flags =
            static_cast<std::uint8_t>((object.wrap ? kWrap : 0) | (object.clip ? kClip : 0) |
                                      (object.rotated ? kRotated : 0));
        prepared.indent = static_cast<float>(object.indent);
        prepared.padding_x = static_cast<float>(object.padding_x);
        prepared.padding_y = static_cast<float>(object.padding_y);
        prepared.cell = static_cast<float>(object.cell);
        if (active_style_ != nullptr) StyleText(object, left, prepared);

        const bool deferred = AppendText(object.text, page, prepared);
        if (object.cell > 0) DropLetterSpacing(page, prepared);
        if (object.grow_to_width) Grow(prepared, page.Text(prepared));
        page.objects.push_back(prepared);
        if (deferred) {
            deferred_.push_back({doc_.pages.size() - 1, page.objects.size() - 1,
                                 Pieces(object.text), object.grow_to_width});
        }
    }

    void StyleText(const TemplateObject& object, double left, PreparedObject& prepared) {
        const RowStyleState& style = *active_style_;
        if (&object == style.description) {
            FontSpec font = doc_.fonts[prepared.font];
            font.bold = style.bold;
            font.italic = style.italic;
            font.underline = style.underline;
            prepared.font = FontIndex(font);
            prepared.colour = style.colour;
            prepared.x = static_cast<float>(left + style.x);
        } else if (std::find(style.amounts.begin(), style.amounts.end(), &object) !=
                   style.amounts.end()) {
            prepared.colour = style.amount_colour;
        }
    }

    std::uint16_t FontIndex(const FontSpec& font) {
        const auto found = std::find(doc_.fonts.begin(), doc_.fonts.end(), font);
        if (found == doc_.fonts.end()) {
            doc_.fonts.push_back(font);
            return static_cast<std::uint16_t>(doc_.fonts.size() - 1);
        }
        return static_cast<std::uint16_t>(found - doc_.fonts.begin());
    }

    // The object takes the width of its text (its widest line), keeping its
    // left edge, right edge or centre as its alignment says.
    void Grow(PreparedObject& prepared, std::string_view text) const {
        double width = 0;
        if (prepared.cell > 0) {
            width = prepared.cell * static_cast<double>(text.size());
        } else {
            const FontSpec& font = doc_.fonts[prepared.font];
            std::size_t start = 0;
            while (start <= text.size()) {
                const std::size_t end = std::min(text.find('\n', start), text.size());
                width = std::max(width, measurer_.TextWidth(text.substr(start, end - start), font));
                start = end + 1;
            }
            width += 2 * prepared.padding_x + prepared.indent;
        }
        const double old_width = prepared.w;
        if (prepared.halign == HAlign::kRight) prepared.x += static_cast<float>(old_width - width);
        if (prepared.halign == HAlign::kCenter)
            prepared.x += static_cast<float>((old_width - width) / 2);
        prepared.w = static_cast<float>(width);
    }

    // --- texts -----------------------------------------------------------------------

    // Appends the text to the sheet's pool; true when it names the total page
    // count, which is filled in at the end.
    bool AppendText(const TextParts& parts, PreparedPage& page, PreparedObject& prepared) {
        prepared.text_offset = static_cast<std::uint32_t>(page.text.size());
        bool deferred = false;
        for (const TextPart& part : parts) {
            switch (part.kind) {
                case TextPart::Kind::kLiteral:
                    page.text += part.text;
                    break;
                case TextPart::Kind::kField:
                    page.text +=
                        datasets_[static_cast<std::size_t>(part.dataset)]->Value(part.text);
                    break;
                case TextPart::Kind::kPage:
                    page.text += std::to_string(doc_.pages.size());
                    break;
                case TextPart::Kind::kTotalPages:
                    deferred = true;
                    break;
            }
        }
        prepared.text_length = static_cast<std::uint32_t>(page.text.size() - prepared.text_offset);
        return deferred;
    }

    std::string EvaluateToString(const TextParts& parts) {
        std::string text;
        for (const TextPart& part : parts) {
            if (part.kind == TextPart::Kind::kLiteral) text += part.text;
            if (part.kind == TextPart::Kind::kField) {
                text += datasets_[static_cast<std::size_t>(part.dataset)]->Value(part.text);
            }
            if (part.kind == TextPart::Kind::kPage) text += std::to_string(doc_.pages.size());
        }
        return text;
    }

    std::vector<std::string> Pieces(const TextParts& parts) {
        std::vector<std::string> pieces(1);
        for (const TextPart& part : parts) {
            if (part.kind == TextPart::Kind::kTotalPages) {
                pieces.emplace_back();
            } else {
                pieces.back() += EvaluateToString({part});
            }
        }
        return pieces;
    }

    void FinishTotals() {
        const std::string total = std::to_string(doc_.pages.size());
        for (const DeferredText& deferred : deferred_) {
            PreparedPage& page = doc_.pages[deferred.page];
            PreparedObject& prepared = page.objects[deferred.object];
            std::string text = deferred.pieces.front();
            for (std::size_t i = 1; i < deferred.pieces.size(); ++i)
                text += total + deferred.pieces[i];
            prepared.text_offset = static_cast<std::uint32_t>(page.text.size());
            prepared.text_length = static_cast<std::uint32_t>(text.size());
            page.text += text;
            if (deferred.grow) Grow(prepared, page.Text(prepared));
        }
    }

    const Template& template_;
    const TextMeasurer& measurer_;
    PreparedDocument doc_;
    std::vector<Dataset*> datasets_;

    std::unordered_map<std::string, const Band*> bands_by_name_;
    std::unordered_map<const TemplatePage*, const Band*> page_footers_;
    std::vector<bool> through_subreport_;
    std::unordered_set<const Band*> dropped_;
    std::unordered_set<const Band*> hidden_footers_;
    std::vector<RowStyleState> row_styles_;
    const RowStyleState* active_style_ = nullptr;

    bool sheet_open_ = false;
    std::size_t sheet_owner_ = 0;
    std::size_t current_page_ = 0;
    double sheet_top_ = 0, cursor_ = 0, bottom_ = 0;
    std::vector<std::pair<const Band*, double>> repeat_headers_;
    bool reprinting_ = false;
    std::vector<DeferredText> deferred_;
};

}  // namespace

PreparedDocument PrepareReport(const Template& report, std::span<const NamedDataset> datasets,
                               const TextMeasurer& measurer) {
    return Layout(report, datasets, measurer).Run();
}

}  // namespace orvane
