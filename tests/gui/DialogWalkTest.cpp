// Every dialog, made headless: it has a title, the keyboard reaches each of its
// controls by a mnemonic of its own, Tab follows the layout, Enter has a default
// button to press, and the dialog fits a 1024x768 screen.
#include "DialogTestSupport.h"
#include "reports/ReportRegister.h"

#include "gui/dialogs/lines/CChercherDlg.h"
#include "gui/dialogs/lines/CColonnesCsvDlg.h"
#include "gui/dialogs/lines/CLigneDlg.h"
#include "gui/dialogs/lines/CReleveDlg.h"
#include "gui/dialogs/lines/CReleveImportDlg.h"
#include "gui/dialogs/lines/CTotauxDlg.h"
#include "gui/dialogs/lines/ISearchHost.h"
#include "gui/dialogs/lists/CBeneficiaireDlg.h"
#include "gui/dialogs/lists/CBeneficiairesDlg.h"
#include "gui/dialogs/lists/CPaiementDlg.h"
#include "gui/dialogs/lists/CPaiementsDlg.h"
#include "gui/dialogs/lists/CRubriqueDlg.h"
#include "gui/dialogs/lists/CRubriquesDlg.h"
#include "gui/dialogs/maintenance/CApurationDlg.h"
#include "gui/dialogs/maintenance/CExerciceDlg.h"
#include "gui/dialogs/movements/CCreationManuelleDlg.h"
#include "gui/dialogs/movements/CMouvementDlg.h"
#include "gui/dialogs/movements/CMouvementsDlg.h"
#include "gui/dialogs/preferences/CAboutDlg.h"
#include "gui/dialogs/preferences/CPreferencesSheet.h"
#include "gui/dialogs/preferences/CResumeDlg.h"
#include "gui/dialogs/print/CPrintDlg.h"
#include "gui/dialogs/print/CPrintPreviewDlg.h"
#include "gui/dialogs/reports/CGraphiquesDlg.h"
#include "gui/dialogs/reports/CLignesCorrespondantesDlg.h"
#include "gui/dialogs/reports/CTotauxRubriquesDlg.h"
#include "gui/dialogs/settings/CLanguageDlg.h"
#include "reports/PrintOptions.h"
#include "statements/StatementImport.h"

#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QTabWidget>

namespace belvane {
namespace {

struct NoSearchHost final : ISearchHost {
    int SearchFrom() const override { return 0; }
    bool SelectFound(int) override { return false; }
    void ShowStatusText(const QString&) override {}
};

// The texts of what the keyboard reaches by Alt+letter while `page` shows (the
// page another tab replaces is not seen), and those that should and do not.
void CheckMnemonics(QDialog& dialog, const QString& page) {
    QMap<QString, QStringList> byKey;
    QStringList missing;
    const auto take = [&](const QString& text, bool required) {
        const QString key = QKeySequence::mnemonic(text).toString();
        if (!key.isEmpty())
            byKey[key] << text;
        else if (required && !text.isEmpty())
            missing << text;
    };
    const auto* totals = qobject_cast<CTotauxRubriquesDlg*>(&dialog);
    for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>()) {
        // "Annuler" and "Fermer" (2) are Escape's; the totals and the colour
        // samples are no keyboard's targets.
        if (b->isVisibleTo(&dialog) && b->objectName() != QStringLiteral("2") &&
            !(totals && b->parentWidget() == totals->Grid()))
            take(b->text(), b->focusPolicy() != Qt::NoFocus);
    }
    for (const QLabel* l : dialog.findChildren<QLabel*>()) {
        if (l->isVisibleTo(&dialog))
            take(l->text(), l->buddy() != nullptr);
    }
    for (const QGroupBox* g : dialog.findChildren<QGroupBox*>()) {
        if (g->isVisibleTo(&dialog))
            take(g->title(), false);
    }
    for (const QMenuBar* m : dialog.findChildren<QMenuBar*>()) {
        for (const QAction* a : m->actions())
            take(a->text(), true);
    }
    EXPECT_TRUE(missing.isEmpty())
        << page.toStdString() << ": " << missing.join(" | ").toStdString();
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        EXPECT_EQ(it->size(), 1) << page.toStdString() << ": " << it.key().toStdString() << " for "
                                 << it->join(" | ").toStdString();
    }
}

// Tab never goes back up and to the left: it reads the dialog as it is laid out.
void CheckTabOrder(QDialog& dialog, const QString& name) {
    dialog.show();
    QTest::qWait(1);
    QWidget* first = dialog.nextInFocusChain();
    QWidget* previous = nullptr;
    for (QWidget* w = first;; w = w->nextInFocusChain()) {
        if (w->isVisibleTo(&dialog) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            w->window() == &dialog && !w->focusProxy()) {
            const QRect here(w->mapTo(&dialog, QPoint()), w->size());
            if (previous) {
                const QRect before(previous->mapTo(&dialog, QPoint()), previous->size());
                EXPECT_FALSE(here.bottom() < before.top() && here.right() < before.left())
                    << name.toStdString() << ": " << previous->objectName().toStdString()
                    << " then " << w->objectName().toStdString();
            }
            previous = w;
        }
        if (w->nextInFocusChain() == first || w->nextInFocusChain() == &dialog)
            break;
    }
    dialog.hide();
}

TEST(DialogWalk, MnemonicsDefaultButtonAndSize) {
    CBelvaneDoc doc;
    testutil::FillReportRegister(doc);
    CBelvaneDoc archive;
    CMemorySettings settings;
    NoSearchHost host;
    CRubrique rubrique("Maison", 0);
    CSousRubrique sous("Loyer", 0);
    CBeneficiaire beneficiaire;
    CPaiement paiement;
    CMouvementAuto mouvement;
    CLigne ligne;
    PrintOptions options;
    StatementImport import(doc, Statement{});
    auto line = std::make_unique<CLigneDlg>(doc);
    line->Open(ligne, CLigneDlg::kNew, -1);
    const struct {
        const char* name;
        std::unique_ptr<QDialog> dialog;
        bool enterPresses = true;  // else Enter moves to the next field, or lists a total
    } dialogs[] = {
        {"search", std::make_unique<CChercherDlg>(doc, host, nullptr)},
        {"csv", std::make_unique<CColonnesCsvDlg>("a;b\n1;2\n", "f.csv", CsvLayout{})},
        {"line", std::move(line), false},
        {"statement", std::make_unique<CReleveDlg>(doc.Format(), CReleveDlg::kStatement, 0)},
        {"import", std::make_unique<CReleveImportDlg>(doc, import, "f.ofx", 0)},
        {"balances", std::make_unique<CTotauxDlg>(doc)},
        {"payee", std::make_unique<CBeneficiaireDlg>(doc, beneficiaire, true)},
        {"payees", std::make_unique<CBeneficiairesDlg>(doc)},
        {"method", std::make_unique<CPaiementDlg>(doc, paiement, true)},
        {"methods", std::make_unique<CPaiementsDlg>(doc)},
        {"category", std::make_unique<CRubriqueDlg>(doc, rubrique, false)},
        {"subcategory", std::make_unique<CRubriqueDlg>(doc, 0, sous, true)},
        {"categories", std::make_unique<CRubriquesDlg>(doc)},
        {"purge", std::make_unique<CApurationDlg>(doc, archive, "archive")},
        {"new year", std::make_unique<CExerciceDlg>(doc.Format())},
        {"manual", std::make_unique<CCreationManuelleDlg>(doc, [](const CLigne&) {})},
        {"movement", std::make_unique<CMouvementDlg>(doc, mouvement, 1), false},
        {"movements", std::make_unique<CMouvementsDlg>(doc)},
        {"about", std::make_unique<CAboutDlg>()},
        {"preferences", std::make_unique<CPreferencesSheet>(doc, settings)},
        {"summary", std::make_unique<CResumeDlg>(doc)},
        {"print", std::make_unique<CPrintDlg>(doc, options)},
        {"preview", std::make_unique<CPrintPreviewDlg>(doc, options)},
        {"charts", std::make_unique<CGraphiquesDlg>(doc, nullptr)},
        {"matching",
         std::make_unique<CLignesCorrespondantesDlg>(doc, std::vector<std::uint32_t>{0}, "t", "t",
                                                     nullptr),
         false},
        {"totals", std::make_unique<CTotauxRubriquesDlg>(doc, 0, kOpenEndDate, nullptr), false},
        {"language", std::make_unique<CLanguageDlg>(nullptr, settings, true, ".")},
    };
    for (const auto& d : dialogs) {
        QDialog* dialog = d.dialog.get();
        const QString name = QString::fromLatin1(d.name);
        EXPECT_FALSE(dialog->windowTitle().isEmpty()) << d.name;
        const QList<QTabWidget*> tabs = dialog->findChildren<QTabWidget*>();
        if (tabs.isEmpty())
            CheckMnemonics(*dialog, name);
        for (QTabWidget* t : tabs) {
            for (int i = 0; i < t->count(); ++i) {
                t->setCurrentIndex(i);
                CheckMnemonics(*dialog, name + u'/' + t->tabText(i));
            }
        }
        bool hasDefault = false;
        for (const QPushButton* b : dialog->findChildren<QPushButton*>())
            hasDefault = hasDefault || (b->isDefault() && b->isVisibleTo(dialog));
        EXPECT_EQ(hasDefault, d.enterPresses) << d.name;
        CheckTabOrder(*dialog, name);
        const QSize least = dialog->minimumSizeHint();
        EXPECT_TRUE(least.width() <= 1024 && least.height() <= 768)
            << d.name << " " << least.width() << "x" << least.height();
    }
}

}  // namespace
}  // namespace belvane
