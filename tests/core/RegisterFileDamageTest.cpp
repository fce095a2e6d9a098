#include "FileBuilder.h"
#include "RecordBuilders.h"
#include "ScratchDir.h"
#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"
#include "core/RegisterFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace belvane {
namespace {

using testutil::FileBuilder;

std::vector<std::uint8_t> SampleRegisterBytes() {
    FixedClock clock({2026, 12, 6});
    CBelvaneDoc doc(nullptr, clock);
    for (int i = 0; i < 3; ++i)
        doc.AddLine(testutil::MakeLine(ToDayDate(2026, 1, 1 + i), 0, 0, -100 * i,
                                       "R" + std::to_string(i), "Chèque", "Rub", "Sous",
                                       "Bénéficiaire Ω", std::string(300, 'o')));
    doc.AddPaiement(CPaiement("Chèque", 0, 1, 1));
    doc.AddMouvement(testutil::MakeMouvement("Loyer", {2026, 1, 5}, 1, 5));
    doc.InsertRubrique(0, testutil::MakeRubrique("Rub", 0, {{"Sous", 0}}));
    doc.InsertBeneficiaire(0, CBeneficiaire("B", "T", "A"));
    const std::string s = doc.SaveToBytes();
    return {s.begin(), s.end()};
}

// Every file cut short fails cleanly: damaged once the magic is whole, and the
// document is a new register afterwards.
TEST(RegisterFileDamage, EveryCutFailsAndResetsTheDocument) {
    const std::vector<std::uint8_t> full = SampleRegisterBytes();
    FixedClock clock({2026, 12, 6});
    CBelvaneDoc doc(nullptr, clock);
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        ASSERT_TRUE(doc.LoadFromBytes(full).status.ok());
        const std::vector<std::uint8_t> part(full.begin(), full.begin() + cut);
        const LoadResult r = doc.LoadFromBytes(part);
        ASSERT_FALSE(r.status.ok()) << "cut at " << cut;
        ASSERT_EQ(r.status.code(), cut < 16 ? Status::Code::Unreadable : Status::Code::Damaged)
            << "cut at " << cut;
        ASSERT_EQ(doc.GetLineCount(), 0) << "cut at " << cut;
        ASSERT_EQ(doc.GetPaiementCount() + doc.GetMouvementCount() + doc.GetRubriqueCount() +
                      doc.GetBeneficiaireCount(),
                  0);
        ASSERT_FALSE(doc.TakeJustLoaded());
    }
    // A register loaded whole is said so once, unmodified, with nothing to undo.
    EXPECT_TRUE(doc.LoadFromBytes(full).status.ok());
    EXPECT_TRUE(doc.TakeJustLoaded());
    EXPECT_FALSE(doc.TakeJustLoaded());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.Undo());
}

// Flipping any single byte may give another register or a refusal, never a crash
// or a runaway allocation.
TEST(RegisterFileDamage, FlippedBytesNeverCrash) {
    const std::vector<std::uint8_t> full = SampleRegisterBytes();
    for (std::size_t i = 0; i < full.size(); ++i) {
        for (const std::uint8_t mask : {0x01, 0x80, 0xFF}) {
            std::vector<std::uint8_t> bytes = full;
            bytes[i] ^= mask;
            CRegistre reg;
            const LoadResult r = ReadRegister(bytes, reg);
            if (r.status.ok()) {
                EXPECT_LE(reg.m_lignes.size(), 3u);
            }
        }
    }
}

FileBuilder Header() {
    FileBuilder f;
    f.Str("KVT-BELVANE-BLV").U32(0x305).U16(0).Str("");
    return f;
}

// Thirteen columns, a column number of 12, a width of 0x7FFFFFFF.
TEST(RegisterFileDamage, ImpossibleDisplayValuesAreUnreadable) {
    FileBuilder f[3] = {Header(), Header(), Header()};
    for (int i = 0; i < 6; ++i) {
        f[0].U32(16);
        f[1].U32(16);
    }
    f[0].U16(13);
    f[1].U16(2).U16(0).U16(12);
    f[2].U32(16).U32(0x7FFFFFFF);
    for (int i = 0; i < 3; ++i) {
        CRegistre reg;
        EXPECT_EQ(ReadRegister(f[i].Bytes(), reg).status.code(), Status::Code::Unreadable) << i;
    }
}

TEST(RegisterFileDamage, AbsurdCountsAreDamagedWithoutAllocating) {
    std::vector<std::uint8_t> bytes = SampleRegisterBytes();
    // The line count sits right after the initial amount, before the first line.
    const std::size_t countAt = 16 + 4 + 2 + 1 + 24 + 2 + 18 + 60 + 24 + 6 + 4;
    ASSERT_EQ(bytes[countAt], 3);
    for (const std::uint32_t count : {0xFFFFFFFFu, 0x7FFFFFFFu, 300000u, 1000u}) {
        std::vector<std::uint8_t> b = bytes;
        for (int k = 0; k < 4; ++k)
            b[countAt + k] = (count >> (8 * k)) & 0xFF;
        CRegistre reg;
        EXPECT_EQ(ReadRegister(b, reg).status.code(), Status::Code::Damaged) << count;
    }
    // A huge string length is damaged too, in the single-byte and the UTF-16 form.
    FileBuilder s[2];
    for (FileBuilder& f : s)
        f.Str("KVT-BELVANE-BLV").U32(0x305).U16(0).U8(0xFF);
    s[0].U16(0xFFFF).U32(0xFFFFFFF0u);
    s[1].U16(0xFFFE).U8(0xFF).U16(0xFFFF).U32(0x7FFFFFFF);
    for (const FileBuilder& f : s) {
        CRegistre reg;
        EXPECT_EQ(ReadRegister(f.Bytes(), reg).status.code(), Status::Code::Damaged);
    }
}

TEST(RegisterFileDamage, UnknownMagicIsUnreadable) {
    CRegistre reg;
    EXPECT_EQ(ReadRegister({}, reg).status.code(), Status::Code::Unreadable);
    for (const char* magic : {"KVT-BELVANE-BLW", "kvt-belvane-blv"}) {
        FileBuilder f;
        f.Str(magic).U32(0x305);
        EXPECT_EQ(ReadRegister(f.Bytes(), reg).status.code(), Status::Code::Unreadable) << magic;
    }
}

class SaveTest : public ::testing::Test {
protected:
    testutil::ScratchDir scratch;
    const std::filesystem::path dir = scratch.Path();
};

// Leaving no temporary file is the kill test's (SaveKillTest), the names the
// path test's below.
TEST_F(SaveTest, SaveReplacesTheFileKeepingItsPermissions) {
    const std::string path = (dir / "compte.blv").string();
    testutil::WriteFile(path, "old contents");
    ::chmod(path.c_str(), 0640);
    CBelvaneDoc doc;
    ASSERT_TRUE(doc.OnSaveDocument(path).ok());
    EXPECT_EQ(testutil::ReadFile(path), doc.SaveToBytes());
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// The rename is the last step: when it fails, the temporary file goes and the
// target is untouched.
TEST_F(SaveTest, FailedRenameLeavesNoTemporaryFile) {
    const std::filesystem::path target = dir / "compte.blv";
    std::filesystem::create_directories(target / "inside");
    CBelvaneDoc doc;
    doc.SetModifiedFlag(true);
    EXPECT_EQ(doc.OnSaveDocument(target.string()).code(), Status::Code::CannotWrite);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.GetPathName().empty());
    EXPECT_TRUE(std::filesystem::is_directory(target / "inside"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

TEST_F(SaveTest, OpeningAMissingFileKeepsTheRegister) {
    CBelvaneDoc doc;
    doc.AddLine(testutil::MakeLine(ToDayDate(2026, 1, 1), 0, 0, 5));
    const LoadResult r = doc.OnOpenDocument((dir / "absent.blv").string());
    EXPECT_EQ(r.status.code(), Status::Code::CannotOpen);
    EXPECT_EQ(r.status.file(), (dir / "absent.blv").string());
    // The line for logs: what, which file, why.
    EXPECT_EQ(r.status.ToString(),
              "cannot open: " + (dir / "absent.blv").string() + ": No such file or directory");
    EXPECT_EQ(doc.GetLineCount(), 1);
}

// The document takes paths as given and keeps one form of them: absolute,
// without "." or ".."; failures name the file in that form too.
TEST_F(SaveTest, PathsAreMadeAbsoluteAndNormalByTheDocument) {
    std::filesystem::create_directories(dir / "sub");
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    CBelvaneDoc doc;
    const Status saved = doc.OnSaveDocument("./sub/../compte.blv");
    const LoadResult opened = doc.OnOpenDocument("sub/./../compte.blv");
    testutil::WriteFile((dir / "cut.blv").string(), doc.SaveToBytes().substr(0, 30));
    CBelvaneDoc other;
    const LoadResult damaged = other.OnOpenDocument("sub/../cut.blv");
    std::filesystem::current_path(here);

    const std::string full = (dir / "compte.blv").string();
    EXPECT_TRUE(saved.ok());
    EXPECT_TRUE(opened.status.ok());
    EXPECT_EQ(doc.GetPathName(), full);
    EXPECT_EQ(doc.GetTitle(), "compte.blv");
    EXPECT_TRUE(doc.IsPathName(full));
    EXPECT_FALSE(doc.IsPathName((dir / "sub" / "compte.blv").string()));
    EXPECT_EQ(damaged.status.code(), Status::Code::Damaged);
    EXPECT_EQ(damaged.status.file(), (dir / "cut.blv").string());
}

}  // namespace
}  // namespace belvane
