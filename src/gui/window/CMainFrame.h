#pragma once

#include "core/CResourceSet.h"
#include "core/IDocObserver.h"
#include "gui/dialogs/lines/ISearchHost.h"
#include "gui/window/DocumentCommands.h"
#include "uilogic/FramePlacement.h"

#include <QHash>
#include <QList>
#include <QMainWindow>

#include <unordered_map>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QToolBar;

namespace belvane {

class CBelvaneDoc;
class CBelvaneView;
class ISettingsStore;
class RecentFiles;

// The program's one top-level window: menu bar, toolbar, status bar and a
// splitter of up to 2 x 2 register panes on the one document. It runs the
// commands of its menus (the register's file commands through DocumentCommands,
// the line commands that need no dialog) and keeps its own position in the
// settings.
class CMainFrame : public QMainWindow, public IDocObserver, public ISearchHost {
    Q_OBJECT

public:
    // `doc`, `settings` and `recent` must outlive the frame.
    CMainFrame(CBelvaneDoc& doc, ISettingsStore& settings, RecentFiles& recent,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    CBelvaneDoc& Document() const { return m_doc; }
    // The action of a command (the one the menu bar, toolbar and shortcuts share),
    // or nullptr.
    QAction* Action(int command) const;
    QMenu* ContextMenu() const { return m_contextMenu; }
    QToolBar* ToolBar() const { return m_toolBar; }
    // A pane of the status bar by its string number (59142, 59144, 59137 to 59139).
    QLabel* Pane(int id) const;
    QLabel* MessagePane() const { return m_messagePane; }

    // The pane the commands act on.
    CBelvaneView* ActiveView() const { return m_active; }
    void SetActiveView(CBelvaneView* view);
    // The pane a command works in: the active one, else the last pane.
    CBelvaneView* CommandView() const;
    // Shows `text` in the message pane of the status bar (the idle prompt when empty).
    void ShowStatusText(const QString& text) override;
    // The search window searches in the command pane.
    int SearchFrom() const override;
    bool SelectFound(int line) override;
    // The panes shown, row by row.
    std::vector<CBelvaneView*> Views() const;
    bool IsSplit() const { return m_views[1][1] != nullptr; }

    // The register's file commands: new, open, save...; whether it is read only.
    DocumentCommands& Files() { return m_files; }

    // Runs a command as its menu item would; disabled commands do nothing.
    void RunCommand(int command);
    // Brings the enabled and checked states and the indicator panes up to date.
    void UpdateCommandUi();

    // IDocObserver
    void OnStatementMode(DayDate date) override;
    void OnBackupFlag(bool on) override;
    void OnResetDisplay() override;
    void OnTitleChanged() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateMenus();
    void CreateAccelerators();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateSplitter();
    void BuildMenu(QMenu* menu, const std::vector<CResourceSet::MenuItem>& items, bool shared);
    QAction* SharedAction(int command, const QString& text);
    QAction* NewAction(int command, const QString& text);
    void RebuildRecentFiles();
    CBelvaneView* MakeView(QSplitter* parent);
    void ToggleSplit();
    void MoveActivePane(int step);
    // What a command does, by its number.
    using Command = void (*)(CMainFrame& frame);
    static const std::unordered_map<int, Command>& Commands();
    // A print command (print, print at once, preview) on the active pane.
    void Print(int command);
    void Undo();
    void DeleteSelectedLine();
    void TrackPlacement();
    // Schedules the due check of a register just loaded, once its view shows.
    void ScheduleOpeningCheck();

    CBelvaneDoc& m_doc;
    ISettingsStore& m_settings;
    RecentFiles& m_recent;
    DocumentCommands m_files;
    FramePlacement m_placement;

    // Every action of a command: the shared one first, then those of the context menu.
    QHash<int, QList<QAction*>> m_actions;
    QMenu* m_contextMenu = nullptr;
    QMenu* m_recentMenu = nullptr;
    QAction* m_recentAnchor = nullptr;  // stands for the list; shown greyed when it is empty
    QList<QAction*> m_recentActions;
    QToolBar* m_toolBar = nullptr;

    QLabel* m_messagePane = nullptr;
    QHash<int, QLabel*> m_panes;
    bool m_statementMode = false;
    QString m_statementText;
    bool m_openingCheckPending = false;  // waits for the window to show

    QSplitter* m_rows = nullptr;
    QSplitter* m_columns[2] = {};
    CBelvaneView* m_views[2][2] = {};
    CBelvaneView* m_active = nullptr;
};

}  // namespace belvane
