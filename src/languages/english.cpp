// The English language module: src/resources/belvane.en.txt, compiled in.
#include <string_view>

#define BELVANE_EXPORT extern "C" __attribute__((visibility("default")))

namespace belvane {
std::string_view EnglishResourceText();
}

BELVANE_EXPORT const char* GetModuleKey() {
    return "Belvane Language DLL #3.7";
}

BELVANE_EXPORT const char* GetLanguage() {
    return "English";
}

// The text ends in a NUL, as the program expects.
BELVANE_EXPORT const char* GetResourceText() {
    return belvane::EnglishResourceText().data();
}
