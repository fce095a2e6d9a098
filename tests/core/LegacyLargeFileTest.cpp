// A legacy register that uses every number for its lists once took minutes to
// read: each line and movement searched the lists for its numbers, and each
// payment method and movement was inserted into a sorted list one at a time.
#include "FileBuilder.h"
#include "core/CRegistre.h"
#include "core/RegisterFile.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace belvane {
namespace {

using testutil::FileBuilder;

TEST(LegacyLargeFile, ManyNumberedRecordsReadInLinearTime) {
    constexpr int n = 30000;
    FileBuilder f;
    f.U32(0xAAC010EE).Zeros(348);
    f.U16(16).U16(12).U16(n).U16(n).U16(n).U16(0).U16(10).U16(20).U16(2).U16(1);
    f.Zeros(64 + 1024).U16(n);
    auto name = [](const char* prefix, int i) { return prefix + std::to_string(n - i); };
    for (int i = 0; i < n; ++i)  // categories numbered 1..n, one subcategory each
        f.Slot(name("cat", i), 16).U32(0).Zeros(4).U16(i + 1).U16(1).Zeros(36);
    for (int i = 0; i < n; ++i)
        f.Slot(name("sub", i), 16).U32(0).Zeros(4).U16(7).Zeros(38);
    for (int i = 0; i < n; ++i)  // payment methods numbered 1..n, in reverse name order
        f.Slot(name("pay", i), 20).U16(i + 1).U16(1).U16(0).U16(0).Zeros(36);
    for (int i = 0; i < n; ++i)  // every movement and line names the last numbers
        f.U16(0x3585).U16(1).U16(n).U32(5).U16(n).U16(7).Slot("", 38).Slot(name("mvt", i), 76);
    for (int i = 0; i < n; ++i)
        f.U16(0x3585).U16(0).U16(0x3585).Slot("", 16).U16(n).U32(5).U16(n).U16(7).Slot("", 96);

    CRegistre reg;
    const std::clock_t start = std::clock();
    const LoadResult r = ReadRegister(f.Bytes(), reg);
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    ASSERT_TRUE(r.status.ok()) << r.status.ToString();
    EXPECT_LT(seconds, 5.0);  // processor time: several minutes before
    ASSERT_EQ(reg.m_lignes.size(), std::size_t{n});
    EXPECT_EQ(reg.m_lignes.back().m_paiement, "pay1");
    EXPECT_EQ(reg.m_lignes.back().m_rubrique, "cat1");
    EXPECT_EQ(reg.m_lignes.back().m_sousRubrique, "sub1");
    EXPECT_EQ(reg.m_paiements.front().m_nom, "pay1");
    EXPECT_EQ(reg.m_mouvements.front().m_titre, "mvt1");
}

}  // namespace
}  // namespace belvane
