#include "gui/dialogs/preferences/CAffichagePropPage.h"

#include "core/StringIds.h"
#include "core/ValueFormat.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/FontConversions.h"
#include "gui/support/IModal.h"
#include "reports/PrintFontCode.h"
#include "uilogic/DateFormatChoice.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 102;
constexpr std::array<int, 3> kFontButtons = {1276, 1277, 1278};
constexpr int kLinesFont = 1;  // the transaction lines: fixed pitch only

}  // namespace

CAffichagePropPage::CAffichagePropPage(const DisplayPreferences& values,
                                       const std::string& defaultFormat, QWidget* parent)
    : CPropPage(kDialog, parent), m_fonts(values.printFonts) {
    // One character more than a symbol has, so that a second one typed is
    // refused on OK rather than dropped.
    m_symbol = dlg::Combo(this, 1261, 2);
    m_symbol->addItems(dlg::Entries(kDialog, 1261));
    m_symbol->setEditText(FromStd(values.decimalSymbol));
    m_format = dlg::Named(new QComboBox(this), 1263);
    for (std::string_view shown : DateFormatChoice::Shown())
        m_format->addItem(FromStd(shown));
    m_format->setCurrentIndex(DateFormatChoice::IndexOf(values.dateFormat, defaultFormat));

    auto* legend = new QLabel(dlg::Text(kDialog, 2001), this);
    legend->setObjectName(QStringLiteral("label2001"));
    auto* fonts = dlg::Named(new QGroupBox(dlg::Text(kDialog, 2002), this), 2002);
    auto* fontColumn = new QVBoxLayout(fonts);
    for (int i = 0; i < static_cast<int>(kFontButtons.size()); ++i) {
        QPushButton* button = dlg::Button(fonts, kDialog, kFontButtons[i]);
        connect(button, &QPushButton::clicked, this, [this, i] { ChooseFont(i); });
        fontColumn->addWidget(button);
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(dlg::Label(this, kDialog, 1261, m_symbol), 0, 0);
    grid->addWidget(m_symbol, 0, 1);
    grid->addWidget(dlg::Label(this, kDialog, 1263, m_format), 1, 0);
    grid->addWidget(m_format, 1, 1);
    grid->addWidget(legend, 2, 1);
    grid->addWidget(fonts, 3, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
}

bool CAffichagePropPage::Check() {
    if (IsUsableDecimalSymbol(ToStd(m_symbol->currentText())))
        return true;
    dlg::Refuse(this, ids::kMsgBadDecimalSymbol);
    dlg::FocusField(m_symbol);
    return false;
}

DisplayPreferences CAffichagePropPage::Values() const {
    return {ToStd(m_symbol->currentText()),
            DateFormatChoice::ToStored(ToStd(m_format->currentText())), m_fonts};
}

void CAffichagePropPage::ChooseFont(int index) {
    const PrintFontCode code = ParsePrintFontCode(m_fonts[index]);
    if (const std::optional<QFont> chosen =
            belvane::ChooseFont(this, ForFontDialog(FontOfCode(code)),
                                dlg::TitleText(kDialog, kFontButtons[index]), index == kLinesFont))
        m_fonts[index] = FormatPrintFontCode(CodeOf(*chosen, code));
}

}  // namespace belvane
