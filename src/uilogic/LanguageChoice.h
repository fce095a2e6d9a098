#pragma once

#include "core/CResourceSet.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace belvane {

// File name that stands for the built-in French set in `LanguageDLLName`.
inline constexpr std::string_view kBuiltinLanguageFile = "Default";
// Language identifier used when nothing better is known (English, United States).
inline constexpr int kFallbackLangId = 1033;

// One language offered by the language dialog: what it is called, where it
// comes from, and the texts the dialog shows while it is selected.
struct LanguageEntry {
    std::string displayName;  // "Français", or the module's GetLanguage
    std::string fileName;     // "Default", or the module's file name
    int langId = 0;           // string 95, a Windows LANGID; 0 when missing
    std::string title;        // string 90
    std::string ok;           // string 91
    std::string cancel;       // string 92
    std::string textNormal;   // string 93, dialog opened from the menu
    std::string textFirst;    // string 94, dialog opened at first start
    std::string banner;       // bitmap 127 as XPM text; empty when missing
};

// Takes the dialog's texts and the banner out of a language's resource set.
LanguageEntry MakeLanguageEntry(std::string displayName, std::string fileName,
                                const CResourceSet& resources);

// The decimal LANGID of string 95; 0 when the text is not a number.
int ParseLangId(std::string_view text);

// Index of the entry to preselect for `wanted`: the first with that LANGID,
// else the first with the same primary language (low 8 bits), else the first
// English one (low 8 bits 9), else the built-in entry (file "Default"), else 0.
// `entries` must not be empty.
std::size_t PreferredLanguage(const std::vector<LanguageEntry>& entries, int wanted);

// Keyboard search of the list: the first item after `current` (cyclically,
// `current` itself last; -1 = no current item) whose upper-cased display name
// starts with `letter` (A to Z). Nothing when no item matches or `letter` is
// not a letter.
std::optional<std::size_t> FindByLetter(const std::vector<std::string>& displayNames, int current,
                                        char letter);

// The order in which the list shows the entries: by display name, collated
// without regard to case. Returns entry indices.
std::vector<std::size_t> DisplayOrder(const std::vector<LanguageEntry>& entries);

}  // namespace belvane
