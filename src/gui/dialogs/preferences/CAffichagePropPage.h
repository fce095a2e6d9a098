#pragma once

#include "gui/dialogs/preferences/CPropPage.h"
#include "uilogic/DisplayPreferences.h"

#include <array>
#include <string>

class QComboBox;

namespace belvane {

// Page "Affichage" (dialog 102): the decimal symbol ("1261", one character),
// the date format ("1263", shown as "dd.mm.yy", stored as "%d.%m.%y") and the
// print fonts of headers and footers ("1276"), transaction lines ("1277",
// fixed pitch) and chart amounts ("1278").
class CAffichagePropPage : public CPropPage {
public:
    // `defaultFormat`: the stored format selected when the one given is none of
    // those offered.
    CAffichagePropPage(const DisplayPreferences& values, const std::string& defaultFormat,
                       QWidget* parent = nullptr);

    // Refuses a decimal symbol that would make amounts unreadable.
    bool Check() override;
    // What the page shows, the date format in its stored form.
    DisplayPreferences Values() const;

    // Sets print font `index` (0 headers, 1 lines, 2 charts), as its chooser does on OK.

private:
    void ChooseFont(int index);

    QComboBox* m_symbol = nullptr;
    QComboBox* m_format = nullptr;
    std::array<std::string, 3> m_fonts;
};

}  // namespace belvane
