#pragma once

#include <QDialog>

#include <array>

class QTabWidget;

namespace belvane {

class CAffichagePropPage;
class CBelvaneDoc;
class CCouleursPropPage;
class CDimensionsPropPage;
class CPropPage;
class CRepertoirePropPage;
class ISettingsStore;

// The preferences (title: string 10066): a tab for each page, OK ("1") and
// Cancel ("2"). The pages show the register's display settings and the user's
// settings; the caller applies, after OK, what the pages that were shown hold.
// The colour chooser alone writes to the settings at once (its custom colours).
class CPreferencesSheet : public QDialog {
    Q_OBJECT

public:
    enum Page { kColumns = 0, kColors, kDirectories, kDisplay };

    CPreferencesSheet(const CBelvaneDoc& doc, ISettingsStore& settings, QWidget* parent = nullptr);

    // Runs the sheet modally, the first page shown.
    int Run();

    QTabWidget* Tabs() const { return m_tabs; }
    // Whether a page was shown during the sheet's life: only then is what it
    // holds to be applied.
    bool Visited(Page page) const { return m_visited[page]; }

    CDimensionsPropPage* Columns() const { return m_columns; }
    CCouleursPropPage* Colors() const { return m_colors; }
    CRepertoirePropPage* Directories() const { return m_directories; }
    CAffichagePropPage* Display() const { return m_display; }

public slots:
    // Each page shown checks its fields; the first refusal shows its page and
    // keeps the sheet open.
    void accept() override;

private:
    CPropPage* PageAt(int index) const;

    QTabWidget* m_tabs = nullptr;
    CDimensionsPropPage* m_columns = nullptr;
    CCouleursPropPage* m_colors = nullptr;
    CRepertoirePropPage* m_directories = nullptr;
    CAffichagePropPage* m_display = nullptr;
    std::array<bool, 4> m_visited{};
};

}  // namespace belvane
