#include "gui/support/FontConversions.h"

#include "gui/paint/QtText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace belvane {

namespace {

constexpr int kDefaultTenths = 100;
constexpr int kLargestTenths = 10000;
constexpr std::uint8_t kFixedPitch = 0x01;
constexpr std::uint8_t kVariablePitch = 0x02;
constexpr std::uint8_t kFamilyModern = 0x30;
constexpr std::uint8_t kFamilySwiss = 0x20;

int SaneTenths(int tenths) {
    return tenths <= 0 || tenths > kLargestTenths ? kDefaultTenths : tenths;
}

QFont::Weight SaneWeight(int weight) {
    return weight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::min(weight, 1000));
}

int Tenths(const QFont& font) {
    return SaneTenths(static_cast<int>(std::lround(font.pointSizeF() * 10)));
}

// The face to keep for a font chosen: the previous face when this machine draws
// it with the family chosen (a name it substitutes, "Courier New" drawn as
// "Liberation Mono"), so that confirming a font dialog changes nothing.
std::string FaceOf(const QFont& chosen, const std::string& previous) {
    if (!previous.empty() && QFontInfo(QFont(FromStd(previous))).family() == chosen.family())
        return previous;
    return ToStd(chosen.family());
}

}  // namespace

QFont ScreenFont(const CPolice& police) {
    QFont font(FromStd(police.Face()));
    font.setPointSizeF(SaneTenths(police.HeightTenths()) / 10.0);
    font.setWeight(SaneWeight(police.Weight()));
    font.setItalic(police.Italic());
    font.setUnderline(police.Underline());
    font.setStrikeOut(police.StrikeOut());
    const std::uint8_t pitch = police.PitchAndFamily();
    if ((pitch & 0x03) == kFixedPitch || (pitch & 0xF0) == kFamilyModern) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    return font;
}

CPolice PoliceOf(const QFont& font, const CPolice& previous) {
    const bool fixed = font.fixedPitch() || QFontInfo(font).fixedPitch();
    const std::uint8_t pitch =
        fixed ? (kFixedPitch | kFamilyModern) : (kVariablePitch | kFamilySwiss);
    return CPolice::Make(FaceOf(font, previous.Face()), Tenths(font), font.weight(), font.italic(),
                         font.underline(), font.strikeOut(), previous.CharSet(), pitch);
}

QFont ForFontDialog(QFont font) {
    const QString family = QFontInfo(font).family();
    QString style;
    int nearest = 0;
    for (const QString& candidate : QFontDatabase::styles(family)) {
        const QFont styled = QFontDatabase::font(family, candidate, 10);
        if ((styled.style() != QFont::StyleNormal) != font.italic())
            continue;
        const int distance = std::abs(styled.weight() - font.weight());
        if (style.isEmpty() || distance < nearest) {
            style = candidate;
            nearest = distance;
        }
    }
    if (!style.isEmpty()) {
        font.setFamily(family);
        font.setStyleName(style);
    }
    return font;
}

QFont FontOfCode(const PrintFontCode& code) {
    QFont font(FromStd(code.face));
    font.setPointSizeF(SaneTenths(code.sizeTenths) / 10.0);
    font.setWeight(SaneWeight(code.weight));
    font.setItalic(code.italic);
    return font;
}

PrintFontCode CodeOf(const QFont& font, const PrintFontCode& previous) {
    PrintFontCode code = previous;
    code.face = FaceOf(font, previous.face);
    code.sizeTenths = Tenths(font);
    code.weight = font.weight();
    code.italic = font.italic();
    return code;
}

}  // namespace belvane
