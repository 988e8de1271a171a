#include "reports/render/HtmlExport.h"

#include <cstdio>

#include "reports/engine/Code39.h"
#include "reports/render/ReportFonts.h"
#include "xml/AnsiCodePage.h"

namespace orvane {
namespace {

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string number = text;
    while (number.back() == '0') number.pop_back();
    if (number.back() == '.') number.pop_back();
    return number;
}

std::string CssColour(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", colour & 0xFFFFFFu);
    return text;
}

std::string Escape(std::string_view ansi) {
    std::string html;
    for (const char c : AnsiToUtf8(ansi)) {
        switch (c) {
            case '&':
                html += "&amp;";
                break;
            case '<':
                html += "&lt;";
                break;
            case '>':
                html += "&gt;";
                break;
            case '"':
                html += "&quot;";
                break;
            default:
                html += c;
        }
    }
    return html;
}

std::string Base64(const std::string& bytes) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned n = (static_cast<unsigned char>(bytes[i]) << 16) |
                           (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                           static_cast<unsigned char>(bytes[i + 2]);
        text += kDigits[(n >> 18) & 63];
        text += kDigits[(n >> 12) & 63];
        text += kDigits[(n >> 6) & 63];
        text += kDigits[n & 63];
    }
    if (i < bytes.size()) {
        unsigned n = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) n |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        text += kDigits[(n >> 18) & 63];
        text += kDigits[(n >> 12) & 63];
        text += i + 1 < bytes.size() ? kDigits[(n >> 6) & 63] : '=';
        text += '=';
    }
    return text;
}

std::string MimeType(const std::string& bytes) {
    if (bytes.starts_with("\x89PNG")) return "image/png";
    if (bytes.starts_with("\xFF\xD8")) return "image/jpeg";
    if (bytes.starts_with("GIF8")) return "image/gif";
    if (bytes.starts_with("BM")) return "image/bmp";
    return "application/octet-stream";
}

std::string FontStyle(const FontSpec& font) {
    const std::string family = PrintedFamily(font.family).toStdString();
    std::string style = "font-family:'" + family + "','" + font.family +
                        "',serif;font-size:" + Number(font.size) + "px;";
    if (font.bold) style += "font-weight:bold;";
    if (font.italic) style += "font-style:italic;";
    if (font.underline) style += "text-decoration:underline;";
    return style;
}

std::string Position(const PreparedObject& object) {
    if (object.Has(kRotated)) {
        // Laid out upright with width and height swapped, then turned a
        // quarter to the left about the box's bottom left corner.
        return "left:" + Number(object.x) + "px;top:" + Number(object.y + object.h) +
               "px;width:" + Number(object.h) + "px;height:" + Number(object.w) +
               "px;transform-origin:0 0;transform:rotate(-90deg);";
    }
    return "left:" + Number(object.x) + "px;top:" + Number(object.y) +
           "px;width:" + Number(object.w) + "px;height:" + Number(object.h) + "px;";
}

void AddText(const PreparedDocument& document, const PreparedPage& page,
             const PreparedObject& object, std::string& html) {
    const std::string_view text = page.Text(object);
    if (text.empty()) return;
    const char* justify = object.halign == HAlign::kRight    ? "flex-end"
                          : object.halign == HAlign::kCenter ? "center"
                                                             : "flex-start";
    const char* align = object.valign == VAlign::kBottom   ? "flex-end"
                        : object.valign == VAlign::kCenter ? "center"
                                                           : "flex-start";
    const char* text_align = object.halign == HAlign::kRight    ? "right"
                             : object.halign == HAlign::kCenter ? "center"
                                                                : "left";
    html += "<div class=\"t\" style=\"" + Position(object) +
            FontStyle(document.fonts[object.font]) + "color:" + CssColour(object.colour) +
            ";justify-content:" + justify + ";align-items:" + align + ";text-align:" + text_align +
            ";padding:" + Number(object.padding_y) + "px " + Number(object.padding_x) + "px " +
            Number(object.padding_y) + "px " + Number(object.padding_x + object.indent) +
            "px;white-space:" + (object.Has(kWrap) ? "pre-wrap" : "pre") +
            ";overflow:" + (object.Has(kClip) ? "hidden" : "visible") + ";\">";
    if (object.cell > 0) {
        html += "<span>";
        for (const char c : text) {
            html += "<span class=\"c\" style=\"width:" + Number(object.cell) + "px\">" +
                    Escape({&c, 1}) + "</span>";
        }
        html += "</span></div>\n";
        return;
    }
    html += "<span>" + Escape(text) + "</span></div>\n";
}

void AddDrawing(const PreparedPage& page, const PreparedObject& object, std::string& svg) {
    const std::string stroke =
        "stroke=\"" + CssColour(object.colour) + "\" stroke-width=\"" + Number(object.pen) + "\"";
    switch (object.kind) {
        case PreparedKind::kBox: {
            const std::string fill = (object.fill >> 24) != 0 ? CssColour(object.fill) : "none";
            const std::string line = object.pen > 0 ? stroke : "stroke=\"none\"";
            svg += "<rect x=\"" + Number(object.x) + "\" y=\"" + Number(object.y) + "\" width=\"" +
                   Number(object.w) + "\" height=\"" + Number(object.h) + "\" fill=\"" + fill +
                   "\" " + line + "/>\n";
            break;
        }
        case PreparedKind::kLine:
            svg += "<line x1=\"" + Number(object.x) + "\" y1=\"" + Number(object.y) + "\" x2=\"" +
                   Number(object.x + object.w) + "\" y2=\"" + Number(object.y + object.h) + "\" " +
                   stroke + "/>\n";
            break;
        case PreparedKind::kCheckBox:
            if (object.Has(kFramed)) {
                svg += "<rect x=\"" + Number(object.x) + "\" y=\"" + Number(object.y) +
                       "\" width=\"" + Number(object.w) + "\" height=\"" + Number(object.h) +
                       "\" fill=\"none\" " + stroke + "/>\n";
            }
            if (object.Has(kChecked)) {
                const double x = object.x, y = object.y, w = object.w, h = object.h;
                svg += "<polyline points=\"" + Number(x + 0.2 * w) + "," + Number(y + 0.52 * h) +
                       " " + Number(x + 0.42 * w) + "," + Number(y + 0.75 * h) + " " +
                       Number(x + 0.8 * w) + "," + Number(y + 0.25 * h) +
                       "\" fill=\"none\" stroke=\"" + CssColour(object.colour) +
                       "\" stroke-width=\"" + Number(std::max(1.0, std::min(w, h) / 7.0)) +
                       "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n";
            }
            break;
        case PreparedKind::kBarcode: {
            const std::string_view text = page.Text(object);
            const double module = object.w / Code39Width(text);
            for (const Code39Bar& bar : Code39Bars(text)) {
                svg += "<rect x=\"" + Number(object.x + bar.x * module) + "\" y=\"" +
                       Number(object.y) + "\" width=\"" + Number(bar.width * module) +
                       "\" height=\"" + Number(object.h) + "\" fill=\"" + CssColour(object.colour) +
                       "\"/>\n";
            }
            break;
        }
        default:
            break;
    }
}

}  // namespace

std::string DocumentHtml(const PreparedDocument& document) {
    std::string html =
        "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" +
        Escape(document.name) +
        "</title>\n<style>\n"
        "body{background:#808080;margin:0;padding:16px 0}\n"
        ".p{position:relative;background:#fff;margin:0 auto 16px auto;overflow:hidden;"
        "page-break-after:always;break-after:page}\n"
        ".p>svg,.p>img,.t{position:absolute}\n"
        ".t{display:flex;box-sizing:border-box;line-height:1.15}\n"
        ".c{display:inline-block;text-align:center}\n"
        "@media print{body{background:none;padding:0}.p{margin:0}}\n"
        "</style>\n</head>\n<body>\n";
    std::vector<std::string> pictures;
    for (const Picture& picture : document.pictures) {
        pictures.push_back("data:" + MimeType(*picture.bytes) + ";base64," +
                           Base64(*picture.bytes));
    }
    for (const PreparedPage& page : document.pages) {
        html += "<div class=\"p\" style=\"width:" + Number(page.width) +
                "px;height:" + Number(page.height) + "px\">\n";
        for (const PreparedObject& object : page.objects) {
            if (object.kind != PreparedKind::kPicture) continue;
            html += "<img alt=\"\" src=\"" + pictures.at(object.picture) + "\" style=\"" +
                    Position(object) + "\">\n";
        }
        html += "<svg width=\"" + Number(page.width) + "\" height=\"" + Number(page.height) +
                "\" viewBox=\"0 0 " + Number(page.width) + " " + Number(page.height) + "\">\n";
        for (const PreparedObject& object : page.objects) AddDrawing(page, object, html);
        html += "</svg>\n";
        for (const PreparedObject& object : page.objects) {
            if (object.kind == PreparedKind::kText) AddText(document, page, object, html);
        }
        html += "</div>\n";
    }
    return html + "</body>\n</html>\n";
}

}  // namespace orvane
