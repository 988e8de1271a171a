#pragma once

#include <QFont>
#include <QString>
#include <string_view>

#include "reports/engine/TemplateModel.h"

namespace orvane {

// The families the templates name, printed with free fonts of the same
// metrics installed from Debian packages, so that a page looks the same on
// every machine: Book Antiqua with P052 (fonts-urw-base35), Times New Roman,
// Courier New and Arial with Liberation Serif, Mono and Sans
// (fonts-liberation2). Other families are asked for by their own name.
QString PrintedFamily(std::string_view template_family);

// The font of a template font, its size in pixels of the painter's units.
// Needs a QGuiApplication.
QFont ReportFont(const FontSpec& font);

// Windows-1252 text as a QString.
QString FromAnsi(std::string_view text);

}  // namespace orvane
