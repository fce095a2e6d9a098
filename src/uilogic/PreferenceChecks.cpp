#include "uilogic/PreferenceChecks.h"

namespace belvane {

std::string WithTrailingSeparator(std::string_view directory, char separator) {
    std::string path(directory);
    if (!path.empty() && path.back() != separator)
        path += separator;
    return path;
}

bool IsUsableDecimalSymbol(std::string_view symbol) {
    if (symbol.size() != 1)
        return false;
    const char c = symbol.front();
    return !(c >= '0' && c <= '9') && c != '-' && c != ' ' && c != '\t';
}

}  // namespace belvane
