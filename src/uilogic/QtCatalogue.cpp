#include "uilogic/QtCatalogue.h"

#include <algorithm>
#include <iterator>

namespace belvane {

namespace {

struct Language {
    int id;
    const char* name;
};

// Languages whose variants Qt translates apart, by their whole LANGID.
constexpr Language kVariants[] = {
    {1028, "zh_TW"}, {2052, "zh_CN"}, {3076, "zh_TW"}, {4100, "zh_CN"},
    {5124, "zh_TW"}, {1046, "pt_BR"}, {2070, "pt_PT"}, {1044, "nb"},
    {2068, "nn"},    {1050, "hr"},    {2074, "sr"},    {3098, "sr"},
};

// The others by their primary language (the low 10 bits of a LANGID).
constexpr Language kPrimary[] = {
    {0x01, "ar"}, {0x02, "bg"}, {0x03, "ca"}, {0x05, "cs"}, {0x06, "da"}, {0x07, "de"},
    {0x08, "el"}, {0x09, "en"}, {0x0a, "es"}, {0x0b, "fi"}, {0x0c, "fr"}, {0x0d, "he"},
    {0x0e, "hu"}, {0x0f, "is"}, {0x10, "it"}, {0x11, "ja"}, {0x12, "ko"}, {0x13, "nl"},
    {0x15, "pl"}, {0x16, "pt"}, {0x18, "ro"}, {0x19, "ru"}, {0x1b, "sk"}, {0x1c, "sq"},
    {0x1d, "sv"}, {0x1e, "th"}, {0x1f, "tr"}, {0x22, "uk"}, {0x24, "sl"}, {0x25, "et"},
    {0x26, "lv"}, {0x27, "lt"}, {0x29, "fa"}, {0x2a, "vi"}, {0x2d, "eu"}, {0x56, "gl"},
    {0x91, "gd"},
};

const char* Find(const Language* begin, const Language* end, int id) {
    const auto it = std::find_if(begin, end, [id](const Language& l) { return l.id == id; });
    return it == end ? nullptr : it->name;
}

}  // namespace

std::string QtLanguageName(int langId) {
    if (const char* name = Find(std::begin(kVariants), std::end(kVariants), langId))
        return name;
    if (const char* name = Find(std::begin(kPrimary), std::end(kPrimary), langId & 0x3ff))
        return name;
    return {};
}

std::vector<std::string> QtCatalogueNames(int langId) {
    const std::string name = QtLanguageName(langId);
    std::vector<std::string> names;
    if (!name.empty() && name != "fr")
        names.push_back("qtbase_" + name);
    names.push_back("qtbase_fr");
    return names;
}

}  // namespace belvane
