#include "rules/Generation.h"

#include "FileBuilder.h"
#include "RecordBuilders.h"
#include "core/CBelvaneDoc.h"
#include "core/RegisterFile.h"

#include <gtest/gtest.h>

#include <string>

namespace belvane {
namespace {

using testutil::MakeMouvement;

TEST(Generation, AlignsTheTypedDateOnTheDayOfTheMonth) {
    const std::tuple<CivilDate, int, CivilDate> cases[] = {
        {{2008, 12, 15}, 10, {2009, 1, 10}},  // past in December: January of the next year
        {{2009, 5, 10}, 5, {2009, 6, 5}},    {{2009, 5, 10}, 31, {2009, 5, 31}},
        {{2009, 4, 10}, 31, {2009, 4, 30}},  // clamped to a short month
        {{2009, 1, 31}, 30, {2009, 2, 28}},  {{2009, 5, 10}, 10, {2009, 5, 10}},
    };
    for (const auto& [typed, day, expected] : cases)
        EXPECT_EQ(ToCivil(AlignNextDate(ToDayDate(typed), day)), expected)
            << typed.day << "." << typed.month << " day " << day;
}

// A register with a monthly "Loyer" from 05.01.09 and a "Salaire" due once on
// 01.03.09; by 15.03.09 the first is three months late. The answers in the
// order the offers come, and the offers, one letter each: Create, Revoke, Next,
// X for cancel; Loyer, Salaire.
TEST(Generation, OfferEachDueMovementOncePerPass) {
    const DayDate mar15 = ToDayDate(2009, 3, 15), jan4 = ToDayDate(2009, 1, 4);
    const struct {
        const char* name;
        DayDate limit;
        std::string answers, offers;
        GenerationOutcome::End end;
        int lines, loyerNextMonth;  // of 2009, on the 5th
    } cases[] = {
        {"create all", mar15, "CCCC", "LSLL", GenerationOutcome::Done, 4, 4},
        {"revoke skips the line, advances", mar15, "CCRC", "LSLL", GenerationOutcome::Done, 3, 4},
        {"next offers again next pass", mar15, "NNX", "LSL", GenerationOutcome::Cancelled, 0, 1},
        {"cancel keeps what was done", mar15, "CX", "LS", GenerationOutcome::Cancelled, 1, 2},
        {"nothing due", jan4, "C", "", GenerationOutcome::NothingDue, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CBelvaneDoc doc;
        doc.AddMouvement(MakeMouvement("Loyer", {2009, 1, 5}, 1, 5));
        doc.AddMouvement(MakeMouvement("Salaire", {2009, 3, 1}, 1, 1));
        doc.SetModifiedFlag(false);
        EXPECT_EQ(AnyMovementDue(doc, c.limit), c.end != GenerationOutcome::NothingDue);
        std::string offers;
        std::size_t next = 0;
        const GenerationOutcome outcome = GenerateLines(doc, c.limit, [&](int i, CLigne& line) {
            offers += doc.GetMouvement(i).GetTitre().front();
            EXPECT_EQ(line.m_dateEmission, doc.GetMouvement(i).GetProchaineDate());
            const char answer = next < c.answers.size() ? c.answers[next++] : 'X';
            return answer == 'C'   ? OfferAnswer::Create
                   : answer == 'R' ? OfferAnswer::Revoke
                   : answer == 'N' ? OfferAnswer::Next
                                   : OfferAnswer::Cancel;
        });
        EXPECT_EQ(offers, c.offers);
        EXPECT_EQ(outcome.end, c.end);
        EXPECT_EQ(doc.GetLineCount(), c.lines);
        EXPECT_EQ(ToCivil(doc.GetMouvement(0).GetProchaineDate()),
                  (CivilDate{2009, c.loyerNextMonth, 5}));
        EXPECT_EQ(doc.IsModified(), outcome.created + outcome.revoked > 0);
    }
}

// Undoing a line "Créer ligne" made puts the movement's next date back, so that
// the occurrence is due again; undoing the undo creates it again. Whatever
// happens in between decides what the undo touches.
TEST(Generation, UndoOfAGeneratedLinePutsItsOccurrenceBack) {
    // What happens after the line is created, the undos, the lines left and the
    // movement's next date then.
    const std::tuple<std::string, int, int, CivilDate> cases[] = {
        {"", 1, 0, {2026, 10, 5}},              // due again
        {"", 2, 1, {2026, 11, 5}},              // created again
        {"another line", 1, 1, {2026, 11, 5}},  // the undo is that line's
        {"date moved", 1, 0, {2026, 12, 5}},    // the user's own date stays
    };
    for (const auto& [between, undos, lines, loyerNext] : cases) {
        CBelvaneDoc doc;
        doc.AddMouvement(MakeMouvement("Loyer", {2026, 10, 5}, 1, 5));
        GenerateLines(doc, ToDayDate(2026, 10, 5), [&](int, CLigne&) {
            return doc.GetLineCount() == 0 ? OfferAnswer::Create : OfferAnswer::Cancel;
        });
        if (between == "another line") {
            doc.AddLine(testutil::MakeLine(ToDayDate(2026, 10, 6), 0, 0, 100));
        } else if (between == "date moved") {
            doc.DeleteMouvement(0);
            doc.AddMouvement(MakeMouvement("Loyer", {2026, 12, 5}, 1, 5));
        }
        for (int i = 0; i < undos; ++i)
            doc.Undo();
        EXPECT_EQ(doc.GetLineCount(), lines) << between << " " << undos;
        EXPECT_EQ(ToCivil(doc.GetMouvement(0).GetProchaineDate()), loyerNext)
            << between << " " << undos;
    }
}

// Months 0 (an older file) never moves the next date past the limit: created or
// revoked once, the movement is offered no more, so the passes end.
TEST(Generation, AMovementThatDoesNotAdvanceEndsThePasses) {
    for (const OfferAnswer answer : {OfferAnswer::Create, OfferAnswer::Revoke}) {
        CBelvaneDoc doc;
        doc.AddMouvement(MakeMouvement("Bloqué", {2009, 1, 5}, 0, 5));
        int offers = 0;
        const GenerationOutcome outcome =
            GenerateLines(doc, ToDayDate(2009, 3, 15), [&](int, CLigne&) {
                ++offers;
                return answer;
            });
        EXPECT_EQ(offers, 1);
        EXPECT_EQ(outcome.end, GenerationOutcome::Done);
    }
}

TEST(Generation, StopsAtTheLineLimitKeepingWhatWasDone) {
    // One line short of the limit, loaded as from a file.
    CRegistre full;
    full.m_lignes.assign(CBelvaneDoc::kMaxLines - 1,
                         testutil::MakeLine(ToDayDate(2008, 1, 1), 0, 0, 100));
    full.m_mouvements.push_back(MakeMouvement("Loyer", {2009, 1, 5}, 1, 5));
    const std::string bytes = WriteRegister(full);
    CBelvaneDoc doc;
    ASSERT_TRUE(doc.LoadFromBytes(testutil::AsBytes(bytes)).status.ok());
    int offers = 0;
    const GenerationOutcome outcome = GenerateLines(doc, ToDayDate(2009, 3, 15), [&](int, CLigne&) {
        ++offers;
        return OfferAnswer::Create;
    });
    EXPECT_EQ(outcome.end, GenerationOutcome::LineLimit);
    EXPECT_EQ(offers, 1);
    EXPECT_EQ(doc.GetLineCount(), CBelvaneDoc::kMaxLines);
}

}  // namespace
}  // namespace belvane
