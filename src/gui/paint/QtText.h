#pragma once

#include <QString>

#include <initializer_list>
#include <string>
#include <string_view>

namespace belvane {

// The register and the resources hold UTF-8; these two are the one place
// where text crosses between them and Qt.
QString FromStd(std::string_view text);
std::string ToStd(const QString& text);

// FillPlaceholders (core/StringTable.h) on Qt texts.
QString FillPlaceholders(const QString& pattern, std::initializer_list<QString> args);

}  // namespace belvane
