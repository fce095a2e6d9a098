#include "uilogic/DateFormatChoice.h"

#include <algorithm>

namespace belvane {

const std::array<std::string_view, 9>& DateFormatChoice::Shown() {
    // Sorted as the list sorts them: "-" < "." < "/".
    static constexpr std::array<std::string_view, 9> kShown = {
        "dd-mm-yy", "dd.mm.yy", "dd/mm/yy", "mm-dd-yy", "mm.dd.yy",
        "mm/dd/yy", "yy-mm-dd", "yy.mm.dd", "yy/mm/dd",
    };
    return kShown;
}

std::string DateFormatChoice::ToShown(std::string_view stored) {
    std::string shown(stored);
    for (std::size_t i = 0; i + 1 < shown.size(); ++i)
        if (shown[i] == '%')
            shown[i] = shown[i + 1];
    return shown;
}

std::string DateFormatChoice::ToStored(std::string_view shown) {
    std::string stored(shown);
    for (std::size_t i = 0; i + 1 < stored.size(); ++i)
        if (stored[i] == stored[i + 1])
            stored[i] = '%';
    return stored;
}

int DateFormatChoice::IndexOf(std::string_view stored, std::string_view fallback) {
    const auto& shown = Shown();
    for (std::string_view format : {stored, fallback}) {
        // Only a real "%x" form counts: "dd.mm.yy" itself is not a stored format.
        if (ToStored(ToShown(format)) != format)
            continue;
        const auto it = std::find(shown.begin(), shown.end(), ToShown(format));
        if (it != shown.end())
            return static_cast<int>(it - shown.begin());
    }
    return 0;
}

}  // namespace belvane
