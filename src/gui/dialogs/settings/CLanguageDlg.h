#pragma once

#include "uilogic/LanguageChoice.h"

#include <QDialog>
#include <QPixmap>
#include <QString>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace belvane {

class ISettingsStore;

// The language dialog (dialog 236): lists the built-in French set and every
// language module of the program's directory, each shown as its banner, and
// writes the chosen file name to `LanguageDLLName`. The choice takes effect at
// the next start. Child object names: "1" OK, "2" Cancel, "1192" the text.
class CLanguageDlg : public QDialog {
    Q_OBJECT

public:
    // `firstStart`: the dialog of the first run, without Cancel and with string
    // 94; it closes itself (as with OK) when the built-in set is the only entry.
    // The preselection follows the desktop language there, string 95 of the
    // active set otherwise. `programDir` is searched for modules.
    CLanguageDlg(QWidget* parent, ISettingsStore& settings, bool firstStart, QString programDir);
    // Same, with the LANGID to preselect given (tests, and callers that know it).
    CLanguageDlg(QWidget* parent, ISettingsStore& settings, bool firstStart, QString programDir,
                 int wantedLangId);

    // The languages in the order they were found (built-in first).
    const std::vector<LanguageEntry>& Entries() const { return m_entries; }
    // The entry of the selected list item, or -1.
    int SelectedEntry() const;
    // Selects the list item of entry `index` (-1 clears the selection).
    void SelectEntry(int index);
    // True when the dialog closes as soon as it is shown (first start, one entry).
    bool ClosesItself() const { return m_closesItself; }
    QListWidget* List() const { return m_list; }

public slots:
    // OK: without a selection nothing happens; otherwise writes the entry's
    // file name to `LanguageDLLName` and closes.
    void accept() override;
    // Cancel; refused at first start, which offers no Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillEntries();
    void FillList();
    void ApplySelection();

    ISettingsStore& m_settings;
    bool m_firstStart;
    QString m_programDir;
    bool m_closesItself = false;
    std::vector<LanguageEntry> m_entries;
    std::vector<QPixmap> m_banners;  // per entry
    QListWidget* m_list = nullptr;
    QLabel* m_text = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace belvane
