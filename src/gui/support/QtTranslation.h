#pragma once

#include <QString>

namespace belvane {

// Qt's own texts (the buttons of message boxes, the file, print, colour and
// font dialogs) in the interface language, from Qt's translation catalogues.
class QtTranslation {
public:
    // Loads the first catalogue of QtCatalogueNames(langId) found in
    // `directory` (empty: Qt's translations directory) and installs it in place
    // of the one installed before. Returns the catalogue's name; empty when none
    // was found, and then the catalogue installed before stays (Qt's English
    // texts when there is none).
    static QString Install(int langId, const QString& directory = QString());
    // Takes the installed catalogue away: Qt's English texts come back.
    static void Remove();
};

}  // namespace belvane
