// The English resource set of the shipped language module stands in for the
// French one everywhere: while it is active, a number it lacks shows as nothing.
#include "MenuDump.h"
#include "core/CResourceSet.h"
#include "core/StringTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace belvane {
namespace {

std::string EnglishText() {
    std::ifstream in(BELVANE_ENGLISH_TEXT, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every section header of a resource text, and the texts of its numbered
// sections ([strings], [dialog N]) under "section/number".
struct Entries {
    std::set<std::string> sections;
    std::map<std::string, std::string> texts;
};

Entries Read(std::string_view text) {
    Entries entries;
    std::string section;
    std::size_t pos = 0;
    std::string_view line;
    while (NextResourceLine(text, pos, line)) {
        if (line.front() == '[') {
            section = std::string(line);
            entries.sections.insert(section);
            continue;
        }
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos ||
            (section != "[strings]" && section.rfind("[dialog ", 0) != 0))
            continue;
        entries.texts[section + "/" + std::string(line.substr(0, tab))] =
            UnescapeResourceText(line.substr(tab + 1));
    }
    return entries;
}

// The placeholders of a text ("%s", "%d", "%1", "%y"...), sorted: a translation
// may move them, never add or lose one.
std::vector<std::string> Placeholders(const std::string& text) {
    static const std::regex placeholder("%l?[\\s\\S]");
    std::vector<std::string> found(
        std::sregex_token_iterator(text.begin(), text.end(), placeholder), {});
    std::sort(found.begin(), found.end());
    return found;
}

// Within one popup, no two items share a mnemonic letter, and every text is there.
void ExpectUsableMenu(const std::vector<CResourceSet::MenuItem>& items, const std::string& where) {
    using Kind = CResourceSet::MenuItem::Kind;
    std::set<char> letters;
    for (const auto& item : items) {
        if (item.kind != Kind::Popup && item.kind != Kind::Command)
            continue;
        EXPECT_FALSE(item.text.empty()) << where << " item " << item.id;
        const std::size_t amp = item.text.find('&');
        if (amp != std::string::npos && amp + 1 < item.text.size()) {
            EXPECT_TRUE(letters.insert(std::tolower(item.text[amp + 1])).second)
                << where << ": " << item.text;
        }
        ExpectUsableMenu(item.children, where + " > " + item.text);
    }
}

TEST(EnglishResources, HoldEveryFrenchNumberWithItsPlaceholders) {
    const Entries fr = Read(BuiltinResourceText());
    const std::string enText = EnglishText();
    const Entries en = Read(enText);
    ASSERT_GT(fr.texts.size(), 400u);

    EXPECT_EQ(en.sections, fr.sections);
    for (const auto& [key, french] : fr.texts) {
        const auto it = en.texts.find(key);
        if (it == en.texts.end()) {
            ADD_FAILURE() << key << " has no English text";
            continue;
        }
        const std::string& english = it->second;
        EXPECT_EQ(english.empty(), french.empty()) << key;
        EXPECT_EQ(Placeholders(english), Placeholders(french)) << key << ": " << english;
        // The entries of a list or combo box, one a line.
        if (key.find("/-") != std::string::npos) {
            EXPECT_EQ(std::count(english.begin(), english.end(), '\n'),
                      std::count(french.begin(), french.end(), '\n'))
                << key;
        }
    }
    for (const auto& [key, english] : en.texts)
        EXPECT_TRUE(fr.texts.contains(key)) << key << " is not a French number";

    const CResourceSet frSet = CResourceSet::Builtin();
    const CResourceSet enSet = CResourceSet::Parse(enText);
    EXPECT_EQ(enSet.String(95), "1033");
    for (const int id : {128, 209, 190, 219, 231, 221}) {
        ASSERT_NE(enSet.Menu(id), nullptr) << "menu " << id;
        EXPECT_EQ(testutil::DumpMenu(*enSet.Menu(id), false),
                  testutil::DumpMenu(*frSet.Menu(id), false))
            << "menu " << id;
        ExpectUsableMenu(*enSet.Menu(id), "menu " + std::to_string(id));
    }
    ASSERT_NE(enSet.Accelerators(128), nullptr);
    ASSERT_EQ(enSet.Accelerators(128)->size(), frSet.Accelerators(128)->size());
    for (std::size_t i = 0; i < frSet.Accelerators(128)->size(); ++i)
        EXPECT_EQ((*enSet.Accelerators(128))[i].keys, (*frSet.Accelerators(128))[i].keys);
    EXPECT_EQ(*enSet.Toolbar(128), *frSet.Toolbar(128));
}

}  // namespace
}  // namespace belvane
