#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Texts are UTF-8 in memory. Every width, cut and limit of the program counts
// characters (code points), never bytes.
namespace belvane::text {

// Number of code points of a UTF-8 text.
std::size_t Length(std::string_view s);

// The first n code points of s (all of s when it is shorter).
std::string_view Left(std::string_view s, std::size_t n);

// printf's "%-*.*s" (left = true) or "%*.*s" (left = false), counted in characters:
// s is cut to `precision` characters, then padded with blanks to `width`.
void AppendField(std::string& out, std::string_view s, std::size_t width, std::size_t precision,
                 bool left);

// Whether a text is empty or made only of blanks (spaces, tabs, no-break
// spaces): a name of that kind names nothing.
bool IsBlank(std::string_view s);

// Equality without regard to letter case, with full Unicode case folding
// ("Chèque" equals "CHÈQUE", "Straße" equals "STRASSE").
bool EqualsNoCase(std::string_view a, std::string_view b);

// The whole of `s` as a decimal number (an optional '-' then digits, nothing
// before or after), or nothing when it is not one or does not fit an int.
std::optional<int> ToInt(std::string_view s);

// Index of the first of `records` whose m_nom equals `nom` without regard to
// letter case; -1 when none does or `nom` is empty. The one lookup of payment
// methods, categories, subcategories and payees by name.
template <class Record>
int FindByName(const std::vector<Record>& records, std::string_view nom) {
    if (nom.empty())
        return -1;
    for (std::size_t i = 0; i < records.size(); ++i)
        if (EqualsNoCase(records[i].m_nom, nom))
            return static_cast<int>(i);
    return -1;
}

// Whether two full paths name the same file: letter case is ignored only where
// the file system ignores it (Windows), so that two files differing only in case
// stay two files elsewhere.
bool SamePath(std::string_view a, std::string_view b);

// Order of names in sorted lists: the collation of the user's locale with letter
// case ignored. Returns <0, 0 or >0.
int CompareNoCase(std::string_view a, std::string_view b);

// Upper case in the user's locale.
std::string ToUpper(std::string_view s);

// windows-1252, the text encoding of register files.
std::string DecodeCp1252(std::string_view bytes);
// The windows-1252 bytes of a text, or nothing when a character has no such byte.
std::optional<std::string> EncodeCp1252(std::string_view utf8);

// UTF-16 little-endian (the other string form of register files).
std::string DecodeUtf16Le(const std::uint8_t* data, std::size_t units);
std::u16string ToUtf16(std::string_view utf8);

}  // namespace belvane::text
