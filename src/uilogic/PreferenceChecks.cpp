#include "uilogic/PreferenceChecks.h"

namespace belvane {

std::string WithTrailingSeparator(std::string_view directory, char separator) {
    std::string path(directory);
    if (!path.empty() && path.back() != separator)
        path += separator;
    return path;
}

}  // namespace belvane
