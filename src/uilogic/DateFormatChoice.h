#pragma once

#include <array>
#include <string>
#include <string_view>

namespace belvane {

// The date formats offered by the preferences, as the list shows them
// ("dd.mm.yy") and as the settings store them ("%d.%m.%y").
class DateFormatChoice {
public:
    // The nine formats in the order the list shows them (sorted).
    static const std::array<std::string_view, 9>& Shown();

    // "%d.%m.%y" -> "dd.mm.yy": every "%" becomes the letter after it.
    static std::string ToShown(std::string_view stored);
    // "dd.mm.yy" -> "%d.%m.%y": every character equal to the one after it
    // becomes "%".
    static std::string ToStored(std::string_view shown);

    // Index in Shown() of the stored format; a format that is none of the nine
    // gives the index of `fallback` (the built-in default), or 0.
    static int IndexOf(std::string_view stored, std::string_view fallback);
};

}  // namespace belvane
