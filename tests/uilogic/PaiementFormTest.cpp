#include "uilogic/PaiementForm.h"

#include <gtest/gtest.h>

#include <tuple>

namespace belvane {
namespace {

// The parameter area of each code: label, range and the value shown, for a
// record as opened.
TEST(PaiementFormTest, LayoutShowsTheParametersEachCodeUses) {
    using paiement_form::Layout;
    using paiement_form::ParamField;
    const ParamField none;
    const auto day = [](int v) { return ParamField{true, 10052, 1, 31, v}; };
    const auto months = [](int v) { return ParamField{true, 10053, 1, 999, v}; };
    const auto shift = [](int label, int v) { return ParamField{true, label, -999, 999, v}; };
    // The record opened, the code chosen, and the two parameter fields.
    const std::tuple<CPaiement, int, ParamField, ParamField> cases[] = {
        {CPaiement("", 0, 1, 1), 0, none, none},
        {CPaiement("", 0, 1, 1), 1, day(1), none},
        {CPaiement("", 2, 40, 5), 2, day(31), months(5)},
        {CPaiement("", 3, 1, 12), 3, months(12), none},
        // A shift keeps its signs; another method shows a stored 0 as 1.
        {CPaiement("", 4, static_cast<std::uint16_t>(-2), 5), 4, shift(10093, -2), shift(10094, 5)},
        {CPaiement("", 2, 0, 0), 4, shift(10093, 1), shift(10094, 1)},
    };
    // An unknown code behaves as immediate and shows so.
    EXPECT_EQ(paiement_form::CodeIndex(CPaiement("", 7, 3, 3)), 0);
    EXPECT_EQ(paiement_form::CodeIndex(CPaiement("", 4, 3, 3)), 4);
    const auto fields = [](const ParamField& f) {
        return std::tuple(f.shown, f.label, f.minimum, f.maximum, f.value);
    };
    for (const auto& [opened, code, first, second] : cases) {
        const paiement_form::ParamArea area = Layout(code, opened);
        EXPECT_EQ(fields(area.first), fields(first)) << code;
        EXPECT_EQ(fields(area.second), fields(second)) << code;
    }
}

// Each code checks the fields it uses against their spin ranges, first field
// first, and stores them; an unused field stores 1.
TEST(PaiementFormTest, EachCodeChecksAndStoresTheParametersItUses) {
    struct Case {
        int code;
        const char* first;
        const char* second;
        paiement_form::ParamRefusal refusal;
        std::uint16_t p1 = 0, p2 = 0;
    };
    // No refusal; the day; months in the first or second field; a shift.
    const paiement_form::ParamRefusal ok, day{10031, false}, m1{10123, false}, m2{10123, true},
        s2{10124, true};
    const Case cases[] = {
        {0, "7", "x", ok, 1, 1},
        {1, "15", "x", ok, 15, 1},
        {1, "32", "", day},
        {2, "-3", "", day},
        {2, "5", "11", ok, 5, 11},
        {2, "5", "1000", m2},
        {3, "12", "x", ok, 1, 12},
        {3, "mois", "8", m1},
        {3, "0", "8", m1},
        {4, "-3", "5", ok, 0xFFFD, 5},
        {4, "-999", "999", ok, 0xFC19, 999},
        {4, "5", "-1000", s2},
    };
    for (const Case& c : cases) {
        const paiement_form::Input input{"Carte", c.code, c.first, c.second};
        EXPECT_EQ(paiement_form::CheckParameters(input), c.refusal) << c.code << " " << c.first;
        if (c.refusal.stringId != 0)
            continue;
        CPaiement stored;
        paiement_form::Store(input, stored);
        EXPECT_EQ(stored, CPaiement("Carte", static_cast<std::uint16_t>(c.code), c.p1, c.p2))
            << c.code << " " << c.first << " " << c.second;
    }
}

}  // namespace
}  // namespace belvane
