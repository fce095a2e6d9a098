#pragma once

#include "core/CPolice.h"
#include "core/CRegistre.h"
#include "gui/dialogs/preferences/CPropPage.h"

#include <array>

class QPushButton;

namespace belvane {

class ColorSample;
class ISettingsStore;

// Page "Couleurs" (dialog 202): the samples of the selected line ("1177"), the
// odd lines ("1178") and the even lines ("1179"), each with its "&Texte" and
// "&Fond" buttons (1168/1167, 1170/1169, 1172/1171), and "&Police" ("1275")
// for the register's fixed-pitch screen font. The colour chooser keeps its 16
// custom colours in the settings (CustomColor0 to CustomColor15).
class CCouleursPropPage : public CPropPage {
public:
    CCouleursPropPage(const std::array<ColorRef, 6>& colors, const CPolice& font,
                      ISettingsStore& settings, QWidget* parent = nullptr);

    // Text and background of the odd lines, of the even lines, of the selected line.
    const std::array<ColorRef, 6>& Colors() const { return m_colors; }
    const CPolice& Font() const { return m_font; }

    // Sets colour `index` of Colors(), as the colour chooser does on OK.
    void SetColor(int index, ColorRef color);
    // Replaces the sample font, as the font chooser does on OK.
    void SetFont(const CPolice& font);
    ColorSample* Sample(int style) const { return m_samples[style]; }

private:
    void ChooseColor(int index);
    void ChooseFont();
    void ShowSamples();

    std::array<ColorRef, 6> m_colors;
    CPolice m_font;
    ISettingsStore& m_settings;
    std::array<ColorSample*, 3> m_samples{};  // by line style
};

}  // namespace belvane
