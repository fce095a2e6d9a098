// The statement import from the frame: the file chosen, the window, OK applies
// what is ticked, Annuler changes nothing, one undo takes the import back.
#include "DialogTestSupport.h"
#include "gui/dialogs/lines/CColonnesCsvDlg.h"
#include "gui/dialogs/lines/CReleveImportDlg.h"
#include "gui/support/CResources.h"
#include "gui/window/MaintenanceCommands.h"
#include "uilogic/CommandIds.h"

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>

namespace belvane {
namespace {

TEST(StatementImportWindow, OkAppliesAnnulerChangesNothingUndoTakesItBack) {
    testing::FrameFixture f;
    f.Make();
    testing::ScriptedMessageBox box;
    CLigne monoprix = testing::TestLine({2026, 1, 2}, -2345);
    monoprix.m_dateValidite = ToDayDate(2026, 1, 3);
    f.doc.AddLine(monoprix);
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
        for (int r = 0; r < table->rowCount(); ++r)
            shown << table->item(r, 3)->text() + " " + table->item(r, 4)->text();
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
    EXPECT_EQ(shown,
              QStringList({QString::fromUtf8("Pointée n°1 du 02.01.26, "),
                           QString::fromUtf8("Pointée n°2 du 05.01.26, "),
                           QString::fromUtf8("Nouvelle à ajouter : SALAIRE, "),
                           QString::fromUtf8("Solde dernier relevé après l'import : +2126,55")}));

    answer = QDialog::Accepted;
    f.frame->RunCommand(cmd::kImportStatement);
    const DayDate end = ToDayDate(2026, 1, 28);
    ASSERT_EQ(f.doc.GetLineCount(), 3);
    EXPECT_EQ(f.doc.GetLine(0).m_dateReleve, end);
    EXPECT_EQ(f.doc.GetLine(1).m_dateReleve, 0);
    EXPECT_EQ(f.doc.GetLine(2).m_beneficiaire, "SALAIRE");
    EXPECT_EQ(f.doc.GetLine(2).m_dateReleve, end);
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
    EXPECT_EQ(f.doc.GetLineCount(), 0);
}

}  // namespace
}  // namespace belvane
