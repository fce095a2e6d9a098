#pragma once

#include <QLocale>

namespace belvane {

// Windows language identifiers (LANGID: primary language in the low 10 bits,
// sublanguage above) for Qt locales, so that language modules can name their
// language the same way on every platform.

// The LANGID of a locale; 1033 (English, United States) for a language
// without one. A territory without its own identifier gets the language's
// default (sublanguage 1): French in Senegal gives 1036.
int LangIdForLocale(const QLocale& locale);

// The locale of a LANGID: its language, in the territory of its sublanguage
// (the language's main one by default); French for a LANGID without a locale.
QLocale LocaleForLangId(int langId);

// The LANGID of the user's desktop language (QLocale::system()).
int DesktopLangId();

}  // namespace belvane
