// The commands of the frame that open dialogs: each reaches its dialog and
// what the dialog does reaches the register and the status bar; the actions
// enabled as the register and the selection allow.
#include "DialogTestSupport.h"
#include "RecordBuilders.h"
#include "core/Clock.h"
#include "gui/dialogs/lines/CColonnesCsvDlg.h"
#include "gui/dialogs/lines/CLigneDlg.h"
#include "gui/dialogs/lines/CReleveDlg.h"
#include "gui/dialogs/lines/CReleveImportDlg.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/CResources.h"
#include "gui/window/CBelvaneView.h"
#include "uilogic/CommandIds.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>

namespace belvane {
namespace {

using testing::FrameFixture;
using testing::ScriptedMessageBox;

class FrameDialogCommands : public ::testing::Test {
protected:
    void SetUp() override {
        f.doc.SetClock(clock);
        f.doc.OnNewDocument();  // the statement date proposed is today's
        f.doc.AddLine(testing::TestLine({2026, 3, 1}, -1000, "loyer"));
        // The second line's validity date is forced: the rule's would be 5 March.
        f.doc.AddLine(testutil::MakeLine(ToDayDate(2026, 3, 5), 0, ToDayDate(2026, 3, 8), 2500));
        f.doc.SetModifiedFlag(false);
        f.Make();
        f.frame->resize(800, 400);
        f.frame->show();
    }

    FixedClock clock{{2026, 3, 10}};
    FrameFixture f;
    ScriptedMessageBox box;
};

// Entering the mode asks a date, the last one entered proposed until the next
// register, today's before; leaving it asks nothing. The pane shows the mode.
TEST_F(FrameDialogCommands, StatementModeAsksADateOnlyToEnterIt) {
    QStringList proposed;
    QString typed;
    f.modal.On<CReleveDlg>([&](CReleveDlg& d) {
        proposed << d.DateField()->text();
        d.DateField()->setText(typed);
        typed.isEmpty() ? d.reject() : d.accept();
        return d.result();
    });
    QAction* mode = f.frame->Action(cmd::kStatementMode);
    mode->trigger();  // cancelled: nothing changes
    EXPECT_FALSE(f.doc.IsStatementMode());
    typed = "28.2";
    mode->trigger();
    EXPECT_EQ(f.frame->Pane(59142)->text(), "REL (28.02.26)");
    mode->trigger();
    EXPECT_TRUE(f.frame->Pane(59142)->text().isEmpty());
    mode->trigger();
    f.doc.OnNewDocument();
    mode->trigger();
    EXPECT_EQ(proposed, QStringList({"10.03.26", "10.03.26", "28.02.26", "10.03.26"}));
}

// The dialog opens on the selected line as it is, its forced validity date
// kept; OK replaces the line, Annuler leaves it.
TEST_F(FrameDialogCommands, CorrectionOpensOnTheSelectedLineAndReplacesIt) {
    QAction* correct = f.frame->Action(cmd::kCorrectLine);
    f.frame->CommandView()->SelectAndShow(1);
    f.modal.On<CLigneDlg>([](CLigneDlg& d) {
        EXPECT_EQ(d.windowTitle(), "Édition de la ligne n°2");
        EXPECT_TRUE(d.ForceBox()->isChecked()) << "8 March is not the rule's 5 March";
        d.IssueField()->setText("6.3.26");
        d.accept();
        return d.result();
    });
    correct->trigger();
    EXPECT_EQ(f.doc.GetLine(1).m_dateEmission, ToDayDate(2026, 3, 6));
    EXPECT_EQ(f.doc.GetLine(1).m_dateValidite, ToDayDate(2026, 3, 8)) << "still forced";
    const CLigne corrected = f.doc.GetLine(1);
    f.modal.On<CLigneDlg>([](CLigneDlg&) { return int(QDialog::Rejected); });
    correct->trigger();
    EXPECT_EQ(f.doc.GetLine(1), corrected);
}

// The dialog opens again for the next line until cancelled, each line empty.
TEST_F(FrameDialogCommands, NewLineReopensUntilCancelled) {
    QStringList issued;  // the issue date each opening shows
    f.modal.On<CLigneDlg>([&](CLigneDlg& d) {
        issued << d.IssueField()->text();
        if (issued.size() > 1)
            return int(QDialog::Rejected);
        d.IssueField()->setText(".");
        d.accept();
        return d.result();
    });
    f.frame->RunCommand(cmd::kNewLine);
    EXPECT_EQ(issued, QStringList({"", ""}));
    EXPECT_EQ(f.doc.GetLineCount(), 3);
}

TEST_F(FrameDialogCommands, ListCommandsOpenTheirDialogs) {
    QStringList opened;
    f.modal.On<QDialog>([&](QDialog& d) {
        opened << QString::fromLatin1(d.metaObject()->className()).remove("belvane::");
        return int(QDialog::Rejected);
    });
    for (int command : {cmd::kPaymentMethods, cmd::kCategories, cmd::kPayees, cmd::kMovements,
                        cmd::kCreateManual, cmd::kLanguage})
        f.frame->Action(command)->trigger();
    EXPECT_EQ(opened, QStringList({"CPaiementsDlg", "CRubriquesDlg", "CBeneficiairesDlg",
                                   "CMouvementsDlg", "CCreationManuelleDlg", "CLanguageDlg"}));
}

// The enabling rules (uilogic CommandStateTest) reach the frame's actions, the
// toolbar's and the context menu's alike; a command asked while disabled does
// nothing.
TEST_F(FrameDialogCommands, ActionsFollowTheSelectionAndTheFlags) {
    EXPECT_TRUE(f.frame->ToolBar()->actions().contains(f.frame->Action(cmd::kDeleteLine)));
    QAction* inContextMenu = nullptr;
    for (QAction* a : f.frame->ContextMenu()->actions())
        if (a->objectName() == QString::number(cmd::kDeleteLine))
            inContextMenu = a;
    ASSERT_NE(inContextMenu, nullptr);
    EXPECT_FALSE(inContextMenu->isEnabled());
    f.frame->RunCommand(cmd::kDeleteLine);
    EXPECT_EQ(f.doc.GetLineCount(), 2);
    f.frame->ActiveView()->SelectAndShow(1);
    EXPECT_TRUE(inContextMenu->isEnabled());

    QAction* backup = f.frame->Action(cmd::kBackupToggle);
    for (const bool on : {true, false}) {
        backup->trigger();
        EXPECT_EQ(f.doc.GetBackup(), on);
        EXPECT_EQ(backup->isChecked(), on);
        EXPECT_EQ(f.frame->Pane(59144)->text(), on ? QStringLiteral("BACKUP") : QString());
    }

    QAction* toolbar = f.frame->Action(cmd::kViewToolbar);
    QAction* status = f.frame->Action(cmd::kViewStatusBar);
    EXPECT_TRUE(toolbar->isChecked());
    for (const bool hidden : {true, false}) {
        toolbar->trigger();
        status->trigger();
        EXPECT_EQ(f.frame->ToolBar()->isHidden(), hidden);
        EXPECT_EQ(f.frame->statusBar()->isHidden(), hidden);
    }
}

// The statement import from the frame: the file chosen, the window, OK applies
// what is ticked, Annuler changes nothing, one undo takes the import back.
TEST(StatementImportWindow, OkAppliesAnnulerChangesNothingUndoTakesItBack) {
    testing::FrameFixture f;
    f.Make();
    testing::ScriptedMessageBox box;
    f.doc.AddLine(testutil::MakeLine(ToDayDate(2026, 1, 2), 0, ToDayDate(2026, 1, 3), -2345));
    f.doc.AddLine(testing::TestLine({2026, 1, 5}, -990));
    f.doc.SetModifiedFlag(false);
    const std::string before = f.doc.SaveToBytes();

    QTemporaryDir dir;
    const QString csv = testing::WriteBytes(
        dir.filePath("releve.csv"),
        "Date;Libellé;Montant\n02/01/2026;MONOPRIX;-23,45\n05/01/2026;CAFE;-9,90\n"
        "28/01/2026;SALAIRE;2150,00\n");
    f.modal.paths << csv << csv;

    QStringList shown;
    int answer = QDialog::Rejected;
    f.modal.On<CReleveImportDlg>([&](CReleveImportDlg& d) {
        QTableWidget* table = d.Table();
        shown << table->item(2, 3)->text() + " " + table->item(2, 4)->text();
        // The second line is left out: not stamped, not counted.
        table->item(1, 0)->setCheckState(Qt::Unchecked);
        shown << testing::Child<QLabel>(d, "1305")->text();
        if (answer == QDialog::Accepted)
            testing::Click(d, "1");
        return answer;
    });

    f.frame->RunCommand(cmd::kImportStatement);
    EXPECT_EQ(f.doc.SaveToBytes(), before);
    EXPECT_FALSE(f.doc.IsModified());
    EXPECT_EQ(shown, QStringList({"Nouvelle à ajouter : SALAIRE, ",
                                  "Solde dernier relevé après l'import : +2126,55"}));

    answer = QDialog::Accepted;
    f.frame->RunCommand(cmd::kImportStatement);
    ASSERT_EQ(f.doc.GetLineCount(), 3);
    EXPECT_EQ(f.doc.GetLine(0).m_dateReleve, ToDayDate(2026, 1, 28));
    EXPECT_EQ(f.doc.GetLine(1).m_dateReleve, 0);
    EXPECT_EQ(f.doc.GetLine(2).m_beneficiaire, "SALAIRE");
    EXPECT_TRUE(box.shown.empty());

    f.frame->RunCommand(cmd::kEditUndo);
    EXPECT_EQ(f.doc.SaveToBytes(), before);
}

// A CSV file of unknown columns: the columns are asked (a choice without an
// amount refused), then remembered for the register's bank.
TEST(StatementImportWindow, UnknownCsvColumnsAreAskedOnceForTheBank) {
    testing::FrameFixture f;
    f.Make();
    testing::ScriptedMessageBox box;
    QTemporaryDir dir;
    const QString csv = testing::WriteBytes(dir.filePath("inconnu.csv"),
                                            "Jour;Texte;Somme\n02/12/2025;ACHAT;-12,50\n");
    f.modal.paths << csv << csv;
    int asked = 0;
    f.modal.On<CColonnesCsvDlg>([&](CColonnesCsvDlg& d) {
        ++asked;
        testing::Click(d, "1");  // the date alone: refused
        testing::Child<QComboBox>(d, 1325)->setCurrentIndex(3);
        testing::Child<QComboBox>(d, 1328)->setCurrentIndex(2);
        testing::Click(d, "1");
        return d.result();
    });
    QStringList names;
    f.modal.On<CReleveImportDlg>([&](CReleveImportDlg& d) {
        names << d.Table()->item(0, 2)->text();
        return int(QDialog::Rejected);
    });
    f.frame->RunCommand(cmd::kImportStatement);
    f.frame->RunCommand(cmd::kImportStatement);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(names, QStringList({"ACHAT", "ACHAT"}));
    EXPECT_EQ(testing::Texts(box), QStringList({CResources::Str(10195)}));
}

// The date rules are the date field's, and the statement kind is the mode
// command's above: the anticipation shows its texts, completes the typed day
// after today, and refuses a date that does not read.
TEST(ReleveDlgTest, AnticipationCompletesAfterTodayAndRefusesNonDates) {
    FixedClock clock{{2009, 3, 10}};
    CBelvaneDoc doc{nullptr, clock};
    testing::ScriptedMessageBox box;
    CReleveDlg d(doc.Format(), CReleveDlg::kAnticipation, 0);
    testing::ShowAndWait(d);
    EXPECT_EQ(d.windowTitle(), "Anticipation de mouvements");
    EXPECT_EQ(testing::Child<QLabel>(d, "1127")->text(), "Anticiper jusqu'au:");
    d.DateField()->setFocus();
    QTest::keyClicks(d.DateField(), "15");
    testing::Child<QPushButton>(d, "2")->setFocus();
    EXPECT_EQ(d.DateField()->text(), "15.03.09");
    d.DateField()->setText("32");
    testing::Click(d, "1");
    EXPECT_EQ(testing::Texts(box), QStringList{"La date entrée n'est pas valide."});
    EXPECT_TRUE(d.isVisible());
    d.DateField()->setText(".");
    testing::Click(d, "1");
    EXPECT_EQ(d.Date(), ToDayDate(2009, 3, 10));
}

}  // namespace
}  // namespace belvane
