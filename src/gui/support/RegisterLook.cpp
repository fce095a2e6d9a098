#include "gui/support/RegisterLook.h"

#include "core/CPolice.h"
#include "gui/support/QtText.h"

#include <algorithm>
#include <cstdint>

namespace belvane {

namespace {

constexpr int kDefaultHeightTenths = 100;
constexpr int kLargestHeightTenths = 10000;
constexpr std::uint8_t kFixedPitch = 0x01;
constexpr std::uint8_t kFamilyModern = 0x30;

}  // namespace

QFont RegisterFont(const CPolice& police) {
    QFont font(FromStd(police.Face()));
    int tenths = police.HeightTenths();
    if (tenths <= 0 || tenths > kLargestHeightTenths)
        tenths = kDefaultHeightTenths;
    font.setPointSizeF(tenths / 10.0);
    const int weight = police.Weight();
    font.setWeight(weight <= 0 ? QFont::Normal
                               : static_cast<QFont::Weight>(std::min(weight, 1000)));
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

QColor FromColorRef(ColorRef c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

}  // namespace belvane
