#include "DialogTestSupport.h"
#include "FileBuilder.h"
#include "RecordBuilders.h"
#include "core/ReferenceLists.h"
#include "gui/dialogs/lines/CLigneDlg.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/CResources.h"
#include "gui/window/LineCommands.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include <tuple>

namespace belvane {
namespace {

using testing::ScriptedMessageBox;
using testutil::MakeLine;
using Answer = IMessageBox::Answer;

class LigneDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.AddPaiement(
            CPaiement("Virement", CPaiement::kShiftDays, static_cast<std::uint16_t>(-2), 5));
        doc.InsertRubrique(0, testutil::MakeRubrique("Maison", 0, {{"Loyer", 0}, {"Travaux", 0}}));
        doc.InsertBeneficiaire(0, CBeneficiaire("Boulangerie", "", ""));
        doc.AddLine(MakeLine(ToDayDate(2009, 2, 1), 0, ToDayDate(2009, 2, 1), -50000, "", "", "",
                             "", "", "Loyer appartement"));
        dialog = std::make_unique<CLigneDlg>(doc);
        other = new QLineEdit(dialog.get());  // somewhere to put the focus
    }

    void Show(CLigne& line, int mode, int index = 0, std::uint16_t* code = nullptr) {
        dialog->Open(line, mode, index, code);
        testing::ShowAndWait(*dialog);
    }
    // A new line's dialog, active so that its mnemonics work.
    void ShowActive(CLigne& line) {
        Show(line, CLigneDlg::kNew);
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template <class W = QWidget>
    W* Field(int control) const {
        return testing::Child<W>(*dialog, control);
    }
    QLineEdit* Edit(int control) const { return Field<QLineEdit>(control); }
    QComboBox* Combo(int control) const { return Field<QComboBox>(control); }
    QPushButton* Button(int control) const { return Field<QPushButton>(control); }

    bool Alt(Qt::Key key, const std::function<bool()>& done) {
        QTest::keyClick(dialog.get(), key, Qt::AltModifier);
        return QTest::qWaitFor(done);
    }
    bool Accepted() const { return !dialog->isVisible() && dialog->result() == QDialog::Accepted; }

    // Types over what a field holds, then leaves it.
    void Type(QWidget* w, const QString& text, bool leave = true) {
        w->setFocus();
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        if (leave)
            other->setFocus();
    }
    // Near the left edge: a check box wider than its text takes clicks on its
    // box and text only, not at its centre.
    void Click(QAbstractButton* b) {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
    }

    FixedClock clock{{2009, 3, 10}};
    CBelvaneDoc doc{nullptr, clock};
    ScriptedMessageBox box;
    std::unique_ptr<CLigneDlg> dialog;
    QLineEdit* other = nullptr;
};

// A value typed is stored exactly, or refused with the field's message, the
// focus back in it and nothing stored: each field typed wrong, then put right
// in the order of the checks.
TEST_F(LigneDlgTest, TypedValuesAreStoredExactlyOrRefused) {
    CLigne line;
    line.m_observation = "left over";
    Show(line, CLigneDlg::kNew);
    EXPECT_EQ(dialog->windowTitle(), "Entrée d'une nouvelle ligne");
    const std::tuple<int, const char*, int, const char*> fields[] = {
        {1023, "", 10000, "1.3.09"},
        {1024, "31.04.26", 10005, ""},
        {1026, "12,345", 10121, "+12,50"},
        {1033, "29.02.25", 10026, ""}};
    for (const auto& [field, wrong, refusal, right] : fields)
        Type(Edit(field), wrong);
    QStringList refusals;
    for (const auto& [field, wrong, refusal, right] : fields) {
        Click(Button(1038));
        refusals << CResources::Str(refusal);
        EXPECT_TRUE(Edit(field)->hasFocus()) << field;
        EXPECT_EQ(line.m_observation, "left over") << "nothing stored";
        Edit(field)->setText(right);
    }
    EXPECT_EQ(testing::Texts(box), refusals);
    Click(Button(1038));
    ASSERT_TRUE(Accepted());
    EXPECT_EQ(line.m_montant, 1250);
    EXPECT_EQ(line.m_observation, "") << "a new line replaces what was left over";
    EXPECT_TRUE(Field<QRadioButton>(1029)->isChecked()) << "a typed sign is shown on the buttons";
}

// The questions come in the completer's order (see LineEntryTest); here the
// answers act: Annuler keeps the dialog as typed with the focus on the field
// asked about, Oui creates the record at once (it stays whatever becomes of the
// line), Non keeps the name typed; a payee ticked is created without a question.
// Each record is created through its entry dialog, accepted as it opens on the
// name typed.
TEST_F(LigneDlgTest, AnswersToTheCreationQuestionsAct) {
    QStringList entries;
    testing::ScriptedModal modal;
    modal.On<QDialog>([&](QDialog& d) {
        entries << QString::fromLatin1(d.metaObject()->className()).remove("belvane::");
        d.accept();
        return d.result();
    });
    CLigne line;
    Show(line, CLigneDlg::kNew);
    Type(Edit(1023), "3.3.09");
    Type(Combo(1031), "Chèque");
    Type(Edit(1033), "5");
    Type(Combo(1035), "Loisirs");
    Type(Combo(1036), "Cinéma");
    Type(Combo(1034), "Boulangerie", false);
    EXPECT_FALSE(Field<QCheckBox>(1042)->isEnabled()) << "a known payee";
    Type(Combo(1034), "Fleuriste", false);
    Click(Field<QCheckBox>(1042));

    box.Answer(Answer::Cancel);
    Click(Button(1038));
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].buttons, IMessageBox::Buttons::YesNoCancel);
    EXPECT_TRUE(Combo(1031)->hasFocus());

    box.Answer(Answer::No);
    box.Answer(Answer::Yes);
    box.Answer(Answer::Cancel);
    Click(Button(1038));
    ASSERT_EQ(box.shown.size(), 4u);
    EXPECT_TRUE(Combo(1036)->hasFocus());
    EXPECT_EQ(entries, QStringList{"CRubriqueDlg"});
    EXPECT_TRUE(HasRubrique(doc, "Loisirs"));

    box.Answer(Answer::Yes);
    box.Answer(Answer::Yes);
    Click(Button(1038));
    ASSERT_TRUE(Accepted());
    EXPECT_EQ(entries,
              QStringList({"CRubriqueDlg", "CPaiementDlg", "CRubriqueDlg", "CBeneficiaireDlg"}));
    EXPECT_TRUE(HasPaiement(doc, "Chèque") && HasBeneficiaire(doc, "Fleuriste"));
    EXPECT_TRUE(HasSousRubrique(doc, doc.FindRubrique("Loisirs"), "Cinéma"));
    EXPECT_EQ(line, MakeLine(ToDayDate(2009, 3, 3), 0, ToDayDate(2009, 3, 5), 0, "", "Chèque",
                             "Loisirs", "Cinéma", "Fleuriste"));
}

TEST_F(LigneDlgTest, EnterMovesOnAndTheKeyboardAloneEntersALine) {
    CLigne line;
    ShowActive(line);
    QTest::keyClicks(Edit(1023), "1.3");
    QTest::keyClick(Edit(1023), Qt::Key_Return);
    EXPECT_TRUE(Edit(1024)->hasFocus()) << "Enter goes to the next field";

    ASSERT_TRUE(Alt(Qt::Key_M, [&] { return Edit(1026)->hasFocus(); }));
    QTest::keyClicks(Edit(1026), "40");
    ASSERT_TRUE(Alt(Qt::Key_C, [&] { return Field<QRadioButton>(1029)->isChecked(); }));
    ASSERT_TRUE(Alt(Qt::Key_P, [&] { return Combo(1031)->hasFocus(); }));
    QTest::keyClicks(Combo(1031), "virement");
    QTest::keyClick(Combo(1031), Qt::Key_Enter);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Edit(1032)->hasFocus(); }));
    ASSERT_TRUE(Alt(Qt::Key_B, [&] { return Edit(1037)->hasFocus(); }));
    QTest::keyClicks(Edit(1037), "Salaire");
    ASSERT_TRUE(Alt(Qt::Key_O, [&] { return Accepted(); }));
    EXPECT_EQ(line, MakeLine(ToDayDate(2009, 3, 1), 0, ToDayDate(2009, 3, 6), 4000, "", "Virement",
                             "", "", "", "Salaire"));
}

// The issue date corrected after the validity date followed it, then Alt+O
// straight from the field: the validity date follows again. Every dialog's
// buttons leave the field first the same way, a combo box's too.
TEST_F(LigneDlgTest, KeyboardOkLeavesTheFieldFirst) {
    CLigne line;
    ShowActive(line);
    QTest::keyClicks(Edit(1023), "10.11.08");
    QTest::keyClick(Edit(1023), Qt::Key_Tab);
    EXPECT_EQ(Edit(1033)->text(), "10.11.08");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Edit(1023)->hasFocus(); }));
    QTest::keyClicks(Edit(1023), "21.11.08");
    ASSERT_TRUE(Alt(Qt::Key_O, [&] { return Accepted(); }));
    EXPECT_EQ(line, MakeLine(ToDayDate(2008, 11, 21), 0, ToDayDate(2008, 11, 21), 0));
}

TEST_F(LigneDlgTest, CreationModesShowTheirButtonsAndResultCodes) {
    CMouvementAuto loyer = testutil::MakeMouvement("Loyer", {2009, 3, 5}, 1, 5, -50000);
    loyer.m_paiement = "Virement";
    loyer.m_rubrique = "Maison";
    loyer.m_sousRubrique = "Loyer";
    loyer.m_observation = "Loyer appartement";
    doc.AddMouvement(loyer);

    CLigne line(doc.GetMouvement(0));
    Show(line, CLigneDlg::kManualCreation, 0);
    EXPECT_EQ(dialog->windowTitle(), "Création manuelle d'une transaction à partir de 'Loyer'");
    EXPECT_FALSE(Button(1038)->isVisible());
    for (int id : {1124, 1120, 1121, 3, 1123})
        EXPECT_TRUE(Button(id)->isVisible()) << id;
    EXPECT_FALSE(Button(1121)->isEnabled());
    EXPECT_TRUE(Button(1124)->isDefault());
    EXPECT_TRUE(Edit(1032)->hasFocus());
    EXPECT_EQ(Edit(1026)->text(), "500,00");
    EXPECT_EQ(Edit(1037)->text(), "Loyer appartement") << "no completion while opening";

    QTest::keyClicks(Edit(1032), "42");
    QTest::keyClick(Edit(1032), Qt::Key_Return);
    EXPECT_EQ(line, MakeLine(ToDayDate(2009, 3, 5), 0, ToDayDate(2009, 3, 3), -50000, "42",
                             "Virement", "Maison", "Loyer", "", "Loyer appartement"));

    std::uint16_t code = 0;
    CLigne again(doc.GetMouvement(0));
    const CLigne before = again;
    // Revoking in automatic creation is seen through the frame's command.
    Show(again, CLigneDlg::kAnticipatedCreation, 0, &code);
    EXPECT_EQ(dialog->windowTitle(), "Création anticipée d'une transaction à partir de 'Loyer'");
    // Enter on a focused button presses that button, not "Créer ligne".
    Button(1121)->setFocus();
    QTest::keyClick(Button(1121), Qt::Key_Return);
    EXPECT_EQ(code, CLigneDlg::kResultNext);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    Show(again, CLigneDlg::kAutomaticCreation, 0, &code);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(code, CLigneDlg::kResultCancel);
    EXPECT_EQ(again, before) << "closing without creating leaves the line alone";
}

// The sequence ends at the register's last line, and is refused before opening
// on a full register. Reopening until cancelled is the frame's command test's.
TEST_F(LigneDlgTest, NewLineSequenceStopsAtTheLimit) {
    int runs = 0;
    testing::ScriptedModal modal;
    modal.On<CLigneDlg>([&](CLigneDlg& d) {
        ++runs;
        d.IssueField()->setText("9.3");
        d.accept();
        return d.result();
    });
    // A register one line short of the limit, loaded as from a file.
    CRegistre full;
    full.m_lignes.assign(CBelvaneDoc::kMaxLines - 1, MakeLine(ToDayDate(2009, 3, 9), 0, 0, -1));
    ASSERT_TRUE(doc.LoadFromBytes(testutil::AsBytes(WriteRegister(full))).status.ok());
    RunNewLineSequence(doc, nullptr);
    EXPECT_EQ(runs, 1) << "the 300000th line ends the sequence";
    EXPECT_EQ(doc.GetLineCount(), CBelvaneDoc::kMaxLines);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_TRUE(box.shown[0].text.startsWith("Vous avez atteint"));
    RunNewLineSequence(doc, nullptr);
    EXPECT_EQ(runs, 1) << "refused before opening";
    EXPECT_EQ(box.shown.size(), 2u);
}

// A dialog closing with the focus in a date field must not run its "field
// left" handlers: by then the dialog's own part is already destroyed.
TEST(DateEditTest, ClosingTheDialogIsNotLeavingTheField) {
    CBelvaneDoc doc;
    auto* dialog = new QDialog;
    auto* date = new CDateEdit(doc.Format(), true, 1024, dialog);
    new QLineEdit(dialog);
    bool left = false;
    QObject::connect(date, &CDateEdit::left, [&left] { left = true; });
    testing::ShowAndWait(*dialog);
    dialog->activateWindow();
    date->setFocus();
    QTest::keyClicks(date, "12");
    delete dialog;
    EXPECT_FALSE(left);
}

}  // namespace
}  // namespace belvane
