// Choosing among languages: preselection, keyboard search, list order, LANGIDs.
#include "uilogic/LanguageChoice.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

LanguageEntry Entry(std::string name, std::string file, int langId) {
    return {std::move(name), std::move(file), langId, "", "", "", "", "", ""};
}

TEST(LanguageChoice, PreselectionGoesFromExactToLanguageToEnglishToBuiltin) {
    const std::vector<LanguageEntry> entries = {
        Entry("Français", "Default", 1036), Entry("English (UK)", "en_gb.so", 2057),
        Entry("English", "en.so", 1033),    Entry("Deutsch (Schweiz)", "de_ch.so", 2055),
        Entry("Deutsch", "de.so", 1031),
    };
    EXPECT_EQ(PreferredLanguage(entries, 1031), 4u);  // exact wins over an earlier relative
    EXPECT_EQ(PreferredLanguage(entries, 3079), 3u);  // German (Austria): first German entry
    EXPECT_EQ(PreferredLanguage(entries, 2060), 0u);  // French (Belgium): the built-in one
    EXPECT_EQ(PreferredLanguage(entries, 1040), 1u);  // Italian: the first English entry
    const std::vector<LanguageEntry> noEnglish = {Entry("Deutsch", "de.so", 1031),
                                                  Entry("Français", "Default", 1036)};
    EXPECT_EQ(PreferredLanguage(noEnglish, 1040), 1u);  // the built-in entry, wherever it is
    EXPECT_EQ(PreferredLanguage({Entry("Deutsch", "de.so", 1031)}, 1040), 0u);
}

TEST(LanguageChoice, LetterSearchRunsCyclicallyAfterTheCurrentItem) {
    const std::vector<std::string> names = {"Dansk",   "Deutsch",  "English",
                                            "español", "Français", "Ελληνικά"};
    EXPECT_EQ(FindByLetter(names, -1, 'D'), 0u);
    EXPECT_EQ(FindByLetter(names, 0, 'D'), 1u);
    EXPECT_EQ(FindByLetter(names, 1, 'D'), 0u);  // wraps to the top
    EXPECT_EQ(FindByLetter(names, 2, 'E'), 3u);  // names are upper-cased first
    EXPECT_EQ(FindByLetter(names, 3, 'e'), 2u);
    EXPECT_EQ(FindByLetter(names, 4, 'F'), 4u);  // the current item comes last
    EXPECT_FALSE(FindByLetter(names, 0, 'Z'));
    EXPECT_FALSE(FindByLetter({}, -1, 'A'));
    EXPECT_EQ(FindByLetter(names, 99, 'D'), 0u);  // an out-of-range current item
}

TEST(LanguageChoice, ListIsOrderedByNameWithoutRegardToCase) {
    const std::vector<LanguageEntry> entries = {
        Entry("Français", "Default", 1036), Entry("english", "en.so", 1033),
        Entry("Deutsch", "de.so", 1031), Entry("Español", "es.so", 3082)};
    EXPECT_EQ(DisplayOrder(entries), (std::vector<std::size_t>{2, 1, 3, 0}));
    EXPECT_TRUE(DisplayOrder({}).empty());
}

TEST(LanguageChoice, EntryTakesItsTextsFromTheResourceSet) {
    const CResourceSet set = CResourceSet::Parse(
        "[strings]\n90\tLanguage\n91\tOK\n92\tCancel\n93\tNext start\n94\tWelcome\n95\t 1033 \n"
        "[image 127]\n/* XPM */\n");
    const LanguageEntry entry = MakeLanguageEntry("English", "en.so", set);
    EXPECT_EQ(
        std::vector<std::string>({entry.displayName, entry.fileName, entry.title, entry.ok,
                                  entry.cancel, entry.textNormal, entry.textFirst, entry.banner}),
        std::vector<std::string>({"English", "en.so", "Language", "OK", "Cancel", "Next start",
                                  "Welcome", "/* XPM */\n"}));
    EXPECT_EQ(entry.langId, 1033);  // blanks around the number aside (the reading is text::ToInt's)
    EXPECT_EQ(ParseLangId("-1"), 0);
    EXPECT_EQ(ParseLangId("70000"), 0);
    const LanguageEntry builtin = MakeLanguageEntry("Français", "Default", CResourceSet::Builtin());
    EXPECT_EQ(builtin.langId, 1036);
    EXPECT_FALSE(builtin.banner.empty());
}

}  // namespace
}  // namespace belvane
