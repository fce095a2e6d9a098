#include "uilogic/QtCatalogue.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

TEST(QtCatalogue, TheInterfaceLanguageFirstThenFrench) {
    using Names = std::vector<std::string>;
    const std::pair<int, Names> cases[] = {
        {1036, {"qtbase_fr"}},                  // the built-in French
        {2060, {"qtbase_fr"}},                  // French of Belgium
        {1033, {"qtbase_en", "qtbase_fr"}},     // English
        {1046, {"qtbase_pt_BR", "qtbase_fr"}},  // Portuguese of Brazil
        {2052, {"qtbase_zh_CN", "qtbase_fr"}},  // Chinese, simplified
        {0, {"qtbase_fr"}},                     // no identifier
        {1279, {"qtbase_fr"}},                  // a language the table does not know
    };
    for (const auto& [langId, names] : cases)
        EXPECT_EQ(QtCatalogueNames(langId), names) << langId;
}

}  // namespace
}  // namespace belvane
