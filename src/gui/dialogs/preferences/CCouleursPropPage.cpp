#include "gui/dialogs/preferences/CCouleursPropPage.h"

#include "core/SettingsStore.h"
#include "gui/dialogs/preferences/ColorSample.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/FontConversions.h"
#include "gui/support/IModal.h"
#include "gui/support/RegisterLook.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QPushButton>

#include <string>

namespace belvane {

namespace {

constexpr int kDialog = 202;
constexpr int kFontButton = 1275;
constexpr ColorRef kWhite = 0xFFFFFF;

// Per line style: its sample, its "&Texte" and its "&Fond" button, in the
// page's order from the top: the selected line, the odd lines, the even lines.
struct StyleControls {
    int style;
    int sample;
    int text;
    int background;
};
constexpr std::array<StyleControls, 3> kStyles = {{
    {kStyleSelected, 1177, 1168, 1167},
    {kStyleOdd, 1178, 1170, 1169},
    {kStyleEven, 1179, 1172, 1171},
}};

std::string CustomColorName(int i) {
    return "CustomColor" + std::to_string(i);
}

}  // namespace

CCouleursPropPage::CCouleursPropPage(const std::array<ColorRef, 6>& colors, const CPolice& font,
                                     ISettingsStore& settings, QWidget* parent)
    : CPropPage(kDialog, parent), m_colors(colors), m_font(font), m_settings(settings) {
    auto* grid = new QGridLayout(this);
    int row = 0;
    for (const StyleControls& s : kStyles) {
        auto* sample = dlg::Named(new ColorSample(dlg::Text(kDialog, s.sample), this), s.sample);
        m_samples[s.style] = sample;
        QPushButton* text = dlg::Button(this, kDialog, s.text);
        QPushButton* background = dlg::Button(this, kDialog, s.background);
        connect(text, &QPushButton::clicked, this, [this, s] { ChooseColor(2 * s.style); });
        connect(background, &QPushButton::clicked, this,
                [this, s] { ChooseColor(2 * s.style + 1); });
        grid->addWidget(sample, row, 0);
        grid->addWidget(text, row, 1);
        grid->addWidget(background, row, 2);
        ++row;
    }
    QPushButton* fontButton = dlg::Button(this, kDialog, kFontButton);
    connect(fontButton, &QPushButton::clicked, this, &CCouleursPropPage::ChooseFont);
    grid->addWidget(fontButton, row, 1, 1, 2);
    grid->setColumnStretch(0, 1);
    ShowSamples();
}

void CCouleursPropPage::SetColor(int index, ColorRef color) {
    if (index < 0 || index >= static_cast<int>(m_colors.size()))
        return;
    m_colors[index] = color;
    ShowSamples();
}

void CCouleursPropPage::SetFont(const CPolice& font) {
    m_font = font;
    ShowSamples();
}

void CCouleursPropPage::ShowSamples() {
    const QFont font = ScreenFont(m_font);
    for (int style = 0; style < 3; ++style) {
        m_samples[style]->SetColors(FromColorRef(m_colors[2 * style]),
                                    FromColorRef(m_colors[2 * style + 1]));
        m_samples[style]->SetSampleFont(font);
    }
}

void CCouleursPropPage::ChooseColor(int index) {
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        const int stored = m_settings.GetInt("Settings", CustomColorName(i), kWhite);
        QColorDialog::setCustomColor(i, FromColorRef(static_cast<ColorRef>(stored)));
    }
    QColorDialog dialog(FromColorRef(m_colors[index]), this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    const QColor chosen = dialog.selectedColor();
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        m_settings.WriteInt("Settings", CustomColorName(i),
                            static_cast<int>(ToColorRef(QColorDialog::customColor(i))));
    SetColor(index, ToColorRef(chosen));
}

void CCouleursPropPage::ChooseFont() {
    if (const std::optional<QFont> chosen =
            belvane::ChooseFont(this, ForFontDialog(ScreenFont(m_font)), QString(), true))
        SetFont(PoliceOf(*chosen, m_font));
}

}  // namespace belvane
