#pragma once

#include "core/CPolice.h"
#include "reports/PrintFontCode.h"

#include <QFont>

namespace belvane {

// The register's screen font as Qt knows it (heights are kept in tenths of a
// point), and back: the record keeps the character set of `previous`, since Qt
// has none to give, and its face when that face is drawn with the family
// chosen.
QFont ScreenFont(const CPolice& police);
CPolice PoliceOf(const QFont& font, const CPolice& previous);

// The font a font dialog is to open on: the family actually drawn, with that
// family's style of the same slant and the nearest weight. Without a style
// name the dialog selects its family's first style, an oblique one for some.
QFont ForFontDialog(QFont font);

// A print font's code as a font for the screen, and back (the character set
// of `previous` is kept, and its face as above).
QFont FontOfCode(const PrintFontCode& code);
PrintFontCode CodeOf(const QFont& font, const PrintFontCode& previous);

}  // namespace belvane
