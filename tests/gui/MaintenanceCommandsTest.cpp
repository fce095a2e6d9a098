// The purge and new fiscal year dialogs, and the frame's export, purge and new
// fiscal year commands.
#include "DialogTestSupport.h"
#include "core/Clock.h"
#include "gui/dialogs/maintenance/CApurationDlg.h"
#include "gui/dialogs/maintenance/CExerciceDlg.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/CResources.h"
#include "gui/window/MaintenanceCommands.h"
#include "uilogic/CommandIds.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>

namespace belvane {
namespace {

using Answer = IMessageBox::Answer;

CLigne Closed(int day, Amount amount, bool closed = true) {
    return testutil::MakeLine(ToDayDate(2024, 1, day), closed ? ToDayDate(2024, 2, 1) : 0, 0,
                              amount);
}

class MaintenanceCommands : public ::testing::Test {
protected:
    void SetUp() override { f.doc.SetClock(clock); }
    QString Text(int id) const { return CResources::Str(id); }
    QStringList Messages() const { return testing::Texts(box); }

    FixedClock clock{{2024, 3, 1}};
    testing::FrameFixture f;
    testing::ScriptedMessageBox box;
    QTemporaryDir dir;
};

TEST_F(MaintenanceCommands, PurgeDialogOffersEachClosedLineUpToTheLimit) {
    for (const CLigne& l : {Closed(1, -100), Closed(2, -200, false), Closed(3, -300)})
        f.doc.AddLine(l);
    CBelvaneDoc archive;
    CApurationDlg d(f.doc, archive, "archive.blv");
    auto button = [&](const char* name) { return d.findChild<QPushButton*>(name); };
    auto number = [&] { return testing::Child<QLabel>(d, "1201")->text(); };
    EXPECT_EQ(testing::Child<QLabel>(d, "1192")->text(), "archive.blv");
    EXPECT_EQ(d.LimitField()->text(), "03.01.24") << "the last line's date";
    EXPECT_EQ(number(), QString::fromUtf8("Li&gne n°1"));
    button("1121")->click();
    EXPECT_EQ(number(), QString::fromUtf8("Li&gne n°3"));

    // Leaving the limit field looks again from the line shown; a date that does
    // not read stays, and the buttons refuse it; an empty one gives the last
    // line's date back.
    d.LimitField()->setText("2.1.24");
    emit d.LimitField()->left();
    EXPECT_EQ(d.Current(), 0);
    d.LimitField()->setText("31.02.24");
    emit d.LimitField()->left();
    EXPECT_EQ(d.LimitField()->text(), "31.02.24");
    for (const char* name : {"1121", "1194", "1195"})
        button(name)->click();
    EXPECT_EQ(Messages(), QStringList({Text(10026), Text(10026), Text(10026)}));
    EXPECT_EQ(archive.GetLineCount(), 0);
    box.shown.clear();
    d.LimitField()->clear();
    emit d.LimitField()->left();
    EXPECT_EQ(d.LimitField()->text(), "03.01.24");

    box.Answer(Answer::Yes);
    button("1194")->click();
    EXPECT_EQ(archive.GetLineCount(), 1);
    EXPECT_EQ(number(), QString::fromUtf8("Li&gne n°2")) << "the line that was the 3rd";
    box.Answer(Answer::No);
    button("1195")->click();
    EXPECT_EQ(archive.GetLineCount(), 1);
    box.Answer(Answer::Yes);
    button("1195")->click();
    EXPECT_EQ(archive.GetLineCount(), 2);
    EXPECT_EQ(Messages().mid(0, 3), QStringList({Text(10077), Text(10078), Text(10078)}));
    EXPECT_EQ(testing::Child<QLineEdit>(d, "1193")->text(), Text(10075));
    EXPECT_TRUE(number().isEmpty());
    for (const char* name : {"1194", "1121", "1195"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
}

TEST_F(MaintenanceCommands, PurgeCommandSavesTheArchiveAndTheRegister) {
    f.doc.AddLine(Closed(1, -100));
    f.doc.ToggleBackup();
    const QString reg = dir.filePath("compte.blv");
    ASSERT_TRUE(f.doc.OnSaveDocument(ToStd(reg)).ok());
    CBelvaneDoc marked;  // the archive, marked for backup too
    marked.ToggleBackup();
    ASSERT_TRUE(marked.OnSaveDocument(ToStd(dir.filePath("archive.blv"))).ok());
    f.doc.AddLine(Closed(5, 40, false));
    f.Make();
    // Untitled register; then the open file under another spelling; then a new archive.
    CBelvaneDoc untitled;
    box.Answer(Answer::Ok);
    PurgeToArchive(untitled, f.settings, nullptr);
    f.modal.paths << dir.filePath("./compte.blv") << dir.filePath("archive.blv");
    box.Answer(Answer::Ok);
    f.frame->RunCommand(cmd::kPurge);
    int dialogs = 0;
    f.modal.On<CApurationDlg>([&](CApurationDlg& d) {
        ++dialogs;
        box.Answer(Answer::Yes);
        testing::Child<QPushButton>(d, "1195")->click();
        return QDialog::Rejected;
    });
    box.Answer(Answer::Ok);
    f.frame->RunCommand(cmd::kPurge);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(Messages(), QStringList({Text(10070), Text(10073), Text(10070), Text(10076),
                                       Text(10070), Text(10078)}));
    EXPECT_EQ(f.modal.asked[0].title, Text(10071));
    CBelvaneDoc archive, saved;
    ASSERT_TRUE(archive.OnOpenDocument(ToStd(dir.filePath("archive.blv"))).status.ok());
    ASSERT_TRUE(saved.OnOpenDocument(ToStd(reg)).status.ok());
    EXPECT_EQ(archive.GetLineCount(), 1);
    EXPECT_EQ(saved.GetLineCount(), 1);
    EXPECT_EQ(saved.GetMontantInitial(), -100);
    EXPECT_FALSE(f.doc.IsModified());
    // Both saves entered their files (two, the list holds no file twice) for the backup at exit.
    EXPECT_EQ(f.settings.GetInt("BackupFiles", "NbrFiles", 0), 2);
}

// The archive written, the register not: the message says the lines are in both.
TEST_F(MaintenanceCommands, PurgeSaysWhereTheLinesAreWhenTheRegisterCannotBeSaved) {
    f.doc.AddLine(Closed(1, -100));
    const QString reg = dir.filePath("compte.blv");
    ASSERT_TRUE(f.doc.OnSaveDocument(ToStd(reg)).ok());
    f.Make();
    // Nothing can be renamed over a folder, whoever runs the test.
    ASSERT_TRUE(QFile::remove(reg) && QDir().mkdir(reg));
    f.modal.paths << dir.filePath("archive.blv");
    f.modal.On<CApurationDlg>([&](CApurationDlg& d) {
        box.Answer(Answer::Yes);
        testing::Child<QPushButton>(d, "1195")->click();
        return QDialog::Rejected;
    });
    box.Answer(Answer::Ok);
    box.Answer(Answer::Yes);
    f.frame->RunCommand(cmd::kPurge);
    EXPECT_EQ(Messages().back(), Text(10147).arg(dir.filePath("archive.blv"), reg));
    CBelvaneDoc archive;
    ASSERT_TRUE(archive.OnOpenDocument(ToStd(dir.filePath("archive.blv"))).status.ok());
    EXPECT_EQ(archive.GetLineCount(), 1);
    EXPECT_TRUE(f.doc.IsModified());
}

TEST_F(MaintenanceCommands, NewYearAndExportCommands) {
    f.doc.InsertRubrique(0, CRubrique("Maison", 0));
    CLigne l = Closed(1, 10000);
    l.m_rubrique = "Maison";
    f.doc.AddLine(l);
    f.Make();
    // A method that generates a line wants a date that reads and an observation
    // that is not blank.
    f.modal.On<CExerciceDlg>([](CExerciceDlg& d) {
        EXPECT_EQ(d.MethodList()->count(), 6);
        EXPECT_EQ(d.MethodList()->currentText(), "Simple effacement des lignes sans calcul");
        d.MethodList()->setCurrentIndex(2);
        d.ObservationField()->setText("  ");
        for (const char* date : {"29.02.25", "1.1.2025"}) {
            d.DateField()->setText(date);
            d.accept();
            EXPECT_NE(d.result(), QDialog::Accepted);
        }
        d.ObservationField()->setText("Report");
        d.accept();
        return d.result();
    });
    box.Answer(Answer::Ok);
    box.Answer(Answer::Ok);
    box.Answer(Answer::No);  // the old year is not saved
    f.frame->RunCommand(cmd::kNewFiscalYear);
    EXPECT_EQ(Messages(), QStringList({Text(10026), Text(10029), Text(61699).arg("Sans-Nom")}));
    ASSERT_EQ(f.doc.GetLineCount(), 1);
    EXPECT_EQ(f.doc.GetLine(0).m_observation, "Report");
    EXPECT_EQ(f.doc.GetLine(0).m_dateEmission, ToDayDate(2025, 1, 1));
    EXPECT_TRUE(f.doc.IsModified());

    f.modal.paths << dir.filePath("export") << dir.filePath("none/x.txt");
    f.frame->RunCommand(cmd::kExportText);
    f.frame->RunCommand(cmd::kExportText);
    EXPECT_EQ(f.modal.asked[0].title, Text(10068));
    EXPECT_EQ(f.modal.asked[0].kind, PathRequest::Kind::Save);
    EXPECT_EQ(f.modal.asked[0].filter, "Documents textes (*.txt);;Tous les Fichiers (*)");
    EXPECT_TRUE(QFile::exists(dir.filePath("export.txt")));
    EXPECT_EQ(Messages().mid(3), QStringList{Text(10069).arg(dir.filePath("none/x.txt"))});
}

}  // namespace
}  // namespace belvane
