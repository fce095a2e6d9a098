#pragma once

#include <string>
#include <vector>

// Which of Qt's own translation catalogues (the texts of its standard buttons
// and dialogs) suit the interface language.
namespace belvane {

// The language of a Windows LANGID (as string 95 of a resource set gives it)
// named as Qt names its catalogues: "fr", "de", "pt_BR", "zh_TW". Empty for a
// language the program does not know.
std::string QtLanguageName(int langId);

// Qt's catalogues to try for the interface language `langId`, best first: the
// language's own, then French, the language of the built-in texts, which a
// language Qt has no texts for falls back to.
std::vector<std::string> QtCatalogueNames(int langId);

}  // namespace belvane
