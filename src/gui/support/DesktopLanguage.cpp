#include "gui/support/DesktopLanguage.h"

#include "uilogic/LanguageChoice.h"

namespace belvane {

namespace {

struct PrimaryLanguage {
    QLocale::Language language;
    int primary;  // Windows primary language identifier
};

// Primary identifiers of the languages a translation is likely to exist for.
constexpr PrimaryLanguage kPrimaries[] = {
    {QLocale::Arabic, 0x01},        {QLocale::Bulgarian, 0x02},
    {QLocale::Catalan, 0x03},       {QLocale::Chinese, 0x04},
    {QLocale::Czech, 0x05},         {QLocale::Danish, 0x06},
    {QLocale::German, 0x07},        {QLocale::Greek, 0x08},
    {QLocale::English, 0x09},       {QLocale::Spanish, 0x0A},
    {QLocale::Finnish, 0x0B},       {QLocale::French, 0x0C},
    {QLocale::Hebrew, 0x0D},        {QLocale::Hungarian, 0x0E},
    {QLocale::Icelandic, 0x0F},     {QLocale::Italian, 0x10},
    {QLocale::Japanese, 0x11},      {QLocale::Korean, 0x12},
    {QLocale::Dutch, 0x13},         {QLocale::NorwegianBokmal, 0x14},
    {QLocale::Polish, 0x15},        {QLocale::Portuguese, 0x16},
    {QLocale::Romanian, 0x18},      {QLocale::Russian, 0x19},
    {QLocale::Croatian, 0x1A},      {QLocale::Slovak, 0x1B},
    {QLocale::Albanian, 0x1C},      {QLocale::Swedish, 0x1D},
    {QLocale::Thai, 0x1E},          {QLocale::Turkish, 0x1F},
    {QLocale::Indonesian, 0x21},    {QLocale::Ukrainian, 0x22},
    {QLocale::Slovenian, 0x24},     {QLocale::Estonian, 0x25},
    {QLocale::Latvian, 0x26},       {QLocale::Lithuanian, 0x27},
    {QLocale::Vietnamese, 0x2A},    {QLocale::Basque, 0x2D},
    {QLocale::Afrikaans, 0x36},     {QLocale::Hindi, 0x39},
    {QLocale::Luxembourgish, 0x6E}, {QLocale::Galician, 0x56},
    {QLocale::Welsh, 0x52},         {QLocale::Irish, 0x3C},
};

struct Regional {
    QLocale::Language language;
    QLocale::Territory territory;
    int sublanguage;
};

// Territories whose sublanguage is not the default one.
constexpr Regional kRegionals[] = {
    {QLocale::French, QLocale::Belgium, 2},       {QLocale::French, QLocale::Canada, 3},
    {QLocale::French, QLocale::Switzerland, 4},   {QLocale::French, QLocale::Luxembourg, 5},
    {QLocale::French, QLocale::Monaco, 6},        {QLocale::English, QLocale::UnitedKingdom, 2},
    {QLocale::English, QLocale::Australia, 3},    {QLocale::English, QLocale::Canada, 4},
    {QLocale::English, QLocale::NewZealand, 5},   {QLocale::English, QLocale::Ireland, 6},
    {QLocale::English, QLocale::SouthAfrica, 7},  {QLocale::German, QLocale::Switzerland, 2},
    {QLocale::German, QLocale::Austria, 3},       {QLocale::German, QLocale::Luxembourg, 4},
    {QLocale::German, QLocale::Liechtenstein, 5}, {QLocale::Spanish, QLocale::Spain, 3},
    {QLocale::Spanish, QLocale::Mexico, 2},       {QLocale::Spanish, QLocale::Argentina, 11},
    {QLocale::Italian, QLocale::Switzerland, 2},  {QLocale::Dutch, QLocale::Belgium, 2},
    {QLocale::Portuguese, QLocale::Portugal, 2},  {QLocale::Swedish, QLocale::Finland, 2},
    {QLocale::Chinese, QLocale::China, 2},        {QLocale::Chinese, QLocale::HongKong, 3},
    {QLocale::Chinese, QLocale::Singapore, 4},    {QLocale::Arabic, QLocale::Egypt, 3},
};

}  // namespace

int LangIdForLocale(const QLocale& locale) {
    int primary = 0;
    for (const PrimaryLanguage& p : kPrimaries) {
        if (p.language == locale.language()) {
            primary = p.primary;
            break;
        }
    }
    if (primary == 0)
        return kFallbackLangId;
    int sublanguage = 1;
    for (const Regional& r : kRegionals) {
        if (r.language == locale.language() && r.territory == locale.territory()) {
            sublanguage = r.sublanguage;
            break;
        }
    }
    return (sublanguage << 10) | primary;
}

QLocale LocaleForLangId(int langId) {
    const int primary = langId & 0x3ff;
    const int sublanguage = langId >> 10;
    for (const PrimaryLanguage& p : kPrimaries) {
        if (p.primary != primary)
            continue;
        for (const Regional& r : kRegionals)
            if (r.language == p.language && r.sublanguage == sublanguage)
                return QLocale(r.language, r.territory);
        return QLocale(p.language);
    }
    return QLocale(QLocale::French);
}

int DesktopLangId() {
    return LangIdForLocale(QLocale::system());
}

}  // namespace belvane
