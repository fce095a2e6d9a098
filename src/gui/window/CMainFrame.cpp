#include "gui/window/CMainFrame.h"

#include "core/CBelvaneDoc.h"
#include "core/SettingsStore.h"
#include "core/StringIds.h"
#include "core/StringTable.h"
#include "gui/dialogs/lines/CChercherDlg.h"
#include "gui/dialogs/lines/CLigneDlg.h"
#include "gui/dialogs/lines/CReleveDlg.h"
#include "gui/dialogs/lists/CBeneficiairesDlg.h"
#include "gui/dialogs/lists/CPaiementsDlg.h"
#include "gui/dialogs/lists/CRubriquesDlg.h"
#include "gui/dialogs/print/CPageSetupDlg.h"
#include "gui/paint/QtText.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/HelpPages.h"
#include "gui/support/IModal.h"
#include "gui/window/CBelvaneView.h"
#include "gui/window/LineCommands.h"
#include "gui/window/MaintenanceCommands.h"
#include "gui/window/MovementCommands.h"
#include "gui/window/PreferenceCommands.h"
#include "gui/window/PrintCommands.h"
#include "gui/window/ReportCommands.h"
#include "gui/window/StatementCommands.h"
#include "uilogic/CommandIds.h"
#include "uilogic/CommandState.h"
#include "uilogic/RecentFiles.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace belvane {

namespace {

// Resource numbers of the frame: menu bar, accelerators, toolbar and its images
// share 128; the register's context menu is 209.
constexpr int kFrameResource = 128;
constexpr int kContextMenuResource = 209;

constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 15;
constexpr int kMinPaneSize = 10;

bool IsCheckable(int command) {
    return command == cmd::kStatementMode || command == cmd::kBackupToggle ||
           command == cmd::kViewToolbar || command == cmd::kViewStatusBar;
}

}  // namespace

CMainFrame::CMainFrame(CBelvaneDoc& doc, ISettingsStore& settings, RecentFiles& recent,
                       QWidget* parent)
    : QMainWindow(parent),
      m_doc(doc),
      m_settings(settings),
      m_recent(recent),
      m_files(doc, settings, recent, this,
              {.recentChanged = [this] { RebuildRecentFiles(); },
               .claimChanged =
                   [this] {
                       OnTitleChanged();
                       UpdateCommandUi();
                   }}) {
    if (const std::optional<WindowRect> saved = FramePlacement::Saved(settings)) {
        setGeometry(saved->x, saved->y, saved->width, saved->height);
        m_placement.SetNormal(*saved);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // No saved place: the window manager places the window, but its size would
        // be the bare minimum of the widgets. Take three quarters of the screen.
        const QSize available = screen->availableGeometry().size();
        resize(available.width() * 3 / 4, available.height() * 3 / 4);
    }
    CreateMenus();
    CreateAccelerators();
    CreateToolBar();
    CreateStatusBar();
    CreateSplitter();
    m_doc.AddObserver(this);
    OnStatementMode(m_doc.IsStatementMode() ? m_doc.GetStatementDate() : 0);
    OnTitleChanged();
    UpdateCommandUi();
}

CMainFrame::~CMainFrame() {
    m_doc.RemoveObserver(this);
    for (CBelvaneView* view : Views())
        m_doc.RemoveObserver(view);
}

// --- construction -----------------------------------------------------------

QAction* CMainFrame::NewAction(int command, const QString& text) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::number(command));
    action->setStatusTip(CResources::Prompt(command));
    // The toolbar images are for the toolbar only.
    action->setIconVisibleInMenu(false);
    action->setCheckable(IsCheckable(command));
    connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    m_actions[command].append(action);
    return action;
}

QAction* CMainFrame::SharedAction(int command, const QString& text) {
    if (QAction* existing = Action(command)) {
        if (existing->text().isEmpty())
            existing->setText(text);
        return existing;
    }
    QAction* action = NewAction(command, text);
    // Added to the window so that its shortcuts work wherever it shows.
    addAction(action);
    return action;
}

void CMainFrame::BuildMenu(QMenu* menu, const std::vector<CResourceSet::MenuItem>& items,
                           bool shared) {
    using Kind = CResourceSet::MenuItem::Kind;
    for (const CResourceSet::MenuItem& item : items) {
        const QString text = FromStd(item.text);
        switch (item.kind) {
            case Kind::Popup:
                BuildMenu(menu->addMenu(text), item.children, shared);
                break;
            case Kind::Separator:
                menu->addSeparator();
                break;
            case Kind::Command:
                menu->addAction(shared ? SharedAction(item.id, text) : NewAction(item.id, text));
                break;
            case Kind::RecentFiles:
                m_recentMenu = menu;
                m_recentAnchor = menu->addAction(text);
                m_recentAnchor->setEnabled(false);
                break;
        }
    }
}

void CMainFrame::CreateMenus() {
    using Kind = CResourceSet::MenuItem::Kind;
    if (const auto* bar = CResources::Active().Menu(kFrameResource)) {
        for (const CResourceSet::MenuItem& item : *bar) {
            const QString text = FromStd(item.text);
            if (item.kind == Kind::Popup)
                BuildMenu(menuBar()->addMenu(text), item.children, true);
            else if (item.kind == Kind::Command)
                menuBar()->addAction(SharedAction(item.id, text));
        }
    }
    m_contextMenu = new QMenu(this);
    if (const auto* context = CResources::Active().Menu(kContextMenuResource)) {
        // A context menu resource is one popup holding the items.
        if (context->size() == 1 && context->front().kind == Kind::Popup)
            BuildMenu(m_contextMenu, context->front().children, false);
        else
            BuildMenu(m_contextMenu, *context, false);
    }
    RebuildRecentFiles();
}

void CMainFrame::CreateAccelerators() {
    QHash<int, QList<QKeySequence>> keys;
    if (const auto* table = CResources::Active().Accelerators(kFrameResource)) {
        for (const CResourceSet::Accelerator& a : *table) {
            const QKeySequence sequence = CResources::Keys(a.keys);
            if (!sequence.isEmpty())
                keys[a.command].append(sequence);
        }
    }
    // The pane keys belong to the splitter: they work whatever the table says.
    if (!keys.contains(cmd::kNextPane))
        keys[cmd::kNextPane].append(QKeySequence(Qt::Key_F6));
    if (!keys.contains(cmd::kPrevPane))
        keys[cmd::kPrevPane].append(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    // F1 is the help's, as the status bar says.
    if (!keys.contains(cmd::kHelp))
        keys[cmd::kHelp].append(QKeySequence(Qt::Key_F1));
    for (auto it = keys.cbegin(); it != keys.cend(); ++it)
        SharedAction(it.key(), CResources::Tooltip(it.key()))->setShortcuts(it.value());
}

void CMainFrame::CreateToolBar() {
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QString::number(cmd::kViewToolbar));
    m_toolBar->setIconSize(QSize(kButtonWidth, kButtonHeight));
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    const std::vector<int>* buttons = CResources::Active().Toolbar(kFrameResource);
    if (!buttons)
        return;
    // One strip of images, in the order of the buttons, separators left out.
    const QPixmap strip = CResources::Image(kFrameResource);
    int image = 0;
    for (int command : *buttons) {
        if (command == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action = SharedAction(command, CResources::Tooltip(command));
        const int x = kButtonWidth * image++;
        if (!strip.isNull() && x + kButtonWidth <= strip.width())
            action->setIcon(QIcon(strip.copy(x, 0, kButtonWidth, kButtonHeight)));
        action->setToolTip(CResources::Tooltip(command));
        action->setIconText(CResources::Tooltip(command));
        m_toolBar->addAction(action);
    }
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QString::number(cmd::kViewStatusBar));
    // Command prompts are shown as temporary messages over this pane.
    m_messagePane = new QLabel(CResources::Str(ids::kIdlePrompt), bar);
    m_messagePane->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(m_messagePane, 1);
    // Each indicator is as wide as its own longest text, and hidden while it has
    // nothing to show, so that its room goes to the message. The keyboard lock
    // panes stay hidden: Qt offers no portable way to read the lock states.
    for (int id :
         {ids::kPaneStatement, ids::kPaneBackup, ids::kPaneCaps, ids::kPaneNum, ids::kPaneScroll}) {
        auto* pane = new QLabel(bar);
        pane->setObjectName(QString::number(id));
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(CResources::Str(id)) + 8);
        pane->hide();
        bar->addPermanentWidget(pane);
        m_panes.insert(id, pane);
    }
}

void CMainFrame::CreateSplitter() {
    m_rows = new QSplitter(Qt::Vertical, this);
    m_rows->setChildrenCollapsible(false);
    for (QSplitter*& row : m_columns) {
        row = new QSplitter(Qt::Horizontal, m_rows);
        row->setChildrenCollapsible(false);
        m_rows->addWidget(row);
    }
    // Both rows share their column widths, as one grid.
    connect(m_columns[0], &QSplitter::splitterMoved, this,
            [this] { m_columns[1]->setSizes(m_columns[0]->sizes()); });
    connect(m_columns[1], &QSplitter::splitterMoved, this,
            [this] { m_columns[0]->setSizes(m_columns[1]->sizes()); });
    m_columns[1]->hide();
    m_views[0][0] = MakeView(m_columns[0]);
    setCentralWidget(m_rows);
    SetActiveView(m_views[0][0]);
}

CBelvaneView* CMainFrame::MakeView(QSplitter* parent) {
    auto* view = new CBelvaneView(m_doc, parent);
    view->setMinimumSize(kMinPaneSize, kMinPaneSize);
    parent->addWidget(view);
    m_doc.AddObserver(view);
    connect(view, &CBelvaneView::activated, this, &CMainFrame::SetActiveView);
    connect(view, &CBelvaneView::lineSelectedChanged, this, [this] { UpdateCommandUi(); });
    connect(view, &CBelvaneView::statusTextChanged, this, [this, view](const QString& text) {
        if (view == m_active)
            ShowStatusText(text);
    });
    connect(view, &CBelvaneView::commandRequested, this, &CMainFrame::RunCommand);
    connect(view, &CBelvaneView::contextMenuRequested, this, [this, view](const QPoint& at) {
        SetActiveView(view);
        m_contextMenu->popup(at);
    });
    return view;
}

// --- panes ------------------------------------------------------------------

std::vector<CBelvaneView*> CMainFrame::Views() const {
    std::vector<CBelvaneView*> views;
    for (const auto& row : m_views)
        for (CBelvaneView* view : row)
            if (view)
                views.push_back(view);
    return views;
}

CBelvaneView* CMainFrame::CommandView() const {
    if (m_active)
        return m_active;
    const std::vector<CBelvaneView*> views = Views();
    return views.empty() ? nullptr : views.back();
}

int CMainFrame::SearchFrom() const {
    const CBelvaneView* view = CommandView();
    return view ? view->SelectedLine() : -1;
}

bool CMainFrame::SelectFound(int line) {
    CBelvaneView* view = CommandView();
    if (!view)
        return false;
    view->SelectAndShow(line);
    return true;
}

void CMainFrame::SetActiveView(CBelvaneView* view) {
    if (!view)
        return;
    m_active = view;
    for (CBelvaneView* v : Views())
        v->SetActiveView(v == view);
    UpdateCommandUi();
}

void CMainFrame::ToggleSplit() {
    if (IsSplit()) {
        for (CBelvaneView** slot : {&m_views[0][1], &m_views[1][0], &m_views[1][1]}) {
            if (*slot == m_active)
                m_active = nullptr;
            m_doc.RemoveObserver(*slot);
            delete *slot;
            *slot = nullptr;
        }
        m_columns[1]->hide();
        // The first pane is the one left.
        SetActiveView(m_views[0][0]);
        m_views[0][0]->setFocus();
        return;
    }
    m_views[0][1] = MakeView(m_columns[0]);
    m_views[1][0] = MakeView(m_columns[1]);
    m_views[1][1] = MakeView(m_columns[1]);
    m_columns[1]->show();
    const int width = m_rows->width();
    const int height = m_rows->height();
    m_rows->setSizes({height / 2, height - height / 2});
    for (QSplitter* row : m_columns)
        row->setSizes({width / 2, width - width / 2});
    SetActiveView(m_active);
}

void CMainFrame::MoveActivePane(int step) {
    const std::vector<CBelvaneView*> views = Views();
    if (views.empty())
        return;
    const auto found = std::find(views.begin(), views.end(), m_active);
    const int n = static_cast<int>(views.size());
    const int current = found == views.end() ? 0 : static_cast<int>(found - views.begin());
    CBelvaneView* next = views[((current + step) % n + n) % n];
    SetActiveView(next);
    next->setFocus();
}

// --- command states ---------------------------------------------------------

QAction* CMainFrame::Action(int command) const {
    if (command >= cmd::kFileMruFirst && command <= cmd::kFileMruLast) {
        const int i = command - cmd::kFileMruFirst;
        return i < m_recentActions.size() ? m_recentActions[i] : nullptr;
    }
    const auto it = m_actions.constFind(command);
    return it == m_actions.cend() || it->isEmpty() ? nullptr : it->front();
}

QLabel* CMainFrame::Pane(int id) const {
    return m_panes.value(id, nullptr);
}

void CMainFrame::UpdateCommandUi() {
    CommandState state;
    state.lineSelected = m_active && m_active->SelectedLine() >= 0;
    state.statementMode = m_statementMode;
    state.backup = m_doc.GetBackup();
    state.toolbarVisible = m_toolBar && !m_toolBar->isHidden();
    state.statusBarVisible = !statusBar()->isHidden();
    state.readOnly = m_files.IsReadOnly();
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const CommandUi ui = EvaluateCommand(it.key(), state);
        for (QAction* action : it.value()) {
            action->setEnabled(ui.enabled);
            if (action->isCheckable())
                action->setChecked(ui.checked);
        }
    }
    const auto show = [](QLabel* pane, const QString& text) {
        pane->setText(text);
        pane->setVisible(!text.isEmpty());
    };
    if (QLabel* pane = Pane(ids::kPaneStatement))
        show(pane, m_statementMode ? m_statementText : QString());
    if (QLabel* pane = Pane(ids::kPaneBackup))
        show(pane, state.backup ? CResources::Str(ids::kPaneBackup) : QString());
}

void CMainFrame::ShowStatusText(const QString& text) {
    m_messagePane->setText(text.isEmpty() ? CResources::Str(ids::kIdlePrompt) : text);
}

// --- document notifications -------------------------------------------------

void CMainFrame::OnStatementMode(DayDate date) {
    m_statementMode = date != 0;
    m_statementText.clear();
    if (m_statementMode) {
        m_statementText = FromStd(FillPlaceholders(ToStd(CResources::Str(ids::kStatementText)),
                                                   {m_doc.Format().FormatDate(date)}));
    }
    UpdateCommandUi();
}

void CMainFrame::OnBackupFlag(bool) {
    UpdateCommandUi();
}

void CMainFrame::OnResetDisplay() {
    ShowStatusText({});
    UpdateCommandUi();
    ScheduleOpeningCheck();
}

void CMainFrame::ScheduleOpeningCheck() {
    if (!isVisible()) {
        m_openingCheckPending = true;
        return;
    }
    // After the view has drawn the register; the document says whether it was
    // loaded (a new register never is).
    m_openingCheckPending = false;
    QTimer::singleShot(0, this, [this] { CheckDueAtOpening(m_doc, this); });
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_openingCheckPending)
        ScheduleOpeningCheck();
}

void CMainFrame::OnTitleChanged() {
    if (m_files.FollowRegister())
        UpdateCommandUi();
    QString title = FromStd(m_doc.GetShownTitle());
    if (m_files.IsReadOnly())
        title = FillPlaceholders(CResources::Str(ids::kReadOnlyTitle), {title});
    setWindowTitle(title + QStringLiteral(" - ") + CResources::Str(ids::kAppName));
}

// --- commands ---------------------------------------------------------------

void CMainFrame::RunCommand(int command) {
    UpdateCommandUi();
    const QAction* action = Action(command);
    if (!action || !action->isEnabled())
        return;
    if (command >= cmd::kFileMruFirst && command <= cmd::kFileMruLast)
        m_files.OpenRecentFile(command - cmd::kFileMruFirst);
    else if (const auto it = Commands().find(command); it != Commands().end())
        it->second(*this);
    UpdateCommandUi();
}

// What each command does; the recent files are run apart, by their range.
const std::unordered_map<int, CMainFrame::Command>& CMainFrame::Commands() {
    using F = CMainFrame&;
    static const std::unordered_map<int, Command> table = {
        {cmd::kFileNew, [](F f) { f.m_files.NewDocument(); }},
        {cmd::kFileOpen, [](F f) { f.m_files.OpenChosenDocument(); }},
        {cmd::kFileSave, [](F f) { f.m_files.SaveDocument(); }},
        {cmd::kFileSaveAs, [](F f) { f.m_files.SaveDocumentAs(); }},
        {cmd::kAppExit, [](F f) { f.close(); }},
        {cmd::kEditUndo, [](F f) { f.Undo(); }},
        {cmd::kDeleteLine, [](F f) { f.DeleteSelectedLine(); }},
        {cmd::kBackupToggle, [](F f) { f.m_doc.ToggleBackup(); }},
        {cmd::kNewLine, [](F f) { RunNewLineSequence(f.m_doc, &f); }},
        {cmd::kCorrectLine,
         [](F f) {
             if (CBelvaneView* view = f.CommandView())
                 CorrectLine(f.m_doc, view->SelectedLine(), &f);
         }},
        {cmd::kStatementMode, [](F f) { ToggleStatementMode(f.m_doc, &f); }},
        {cmd::kImportStatement, [](F f) { ImportStatement(f.m_doc, f.m_settings, &f); }},
        {cmd::kMovements, [](F f) { ManageMovements(f.m_doc, &f); }},
        {cmd::kCreateManual, [](F f) { CreateManually(f.m_doc, &f); }},
        {cmd::kCreateAutomatic, [](F f) { CreateAutomatically(f.m_doc, &f); }},
        {cmd::kCreateAnticipated, [](F f) { CreateInAdvance(f.m_doc, &f); }},
        // Modeless, one new window each time; it deletes itself when closed.
        {cmd::kSearch, [](F f) { (new CChercherDlg(f.m_doc, f, &f))->show(); }},
        {cmd::kPaymentMethods,
         [](F f) {
             CPaiementsDlg list(f.m_doc, &f);
             RunModal(list);
         }},
        {cmd::kCategories,
         [](F f) {
             CRubriquesDlg list(f.m_doc, &f);
             RunModal(list);
         }},
        {cmd::kPayees,
         [](F f) {
             CBeneficiairesDlg list(f.m_doc, &f);
             RunModal(list);
         }},
        {cmd::kTotals,
         [](F f) {
             if (CBelvaneView* view = f.CommandView())
                 ShowTotals(f.m_doc, view->GetPrintOptions(), &f);
         }},
        {cmd::kCharts,
         [](F f) {
             if (CBelvaneView* view = f.CommandView())
                 ShowCharts(f.m_doc, view->GetPrintOptions(), &f);
         }},
        {cmd::kPreferences, [](F f) { EditPreferences(f.m_doc, f.m_settings, &f); }},
        {cmd::kSummary, [](F f) { EditSummary(f.m_doc, &f); }},
        {cmd::kAbout, [](F f) { ShowAbout(&f); }},
        {cmd::kLanguage, [](F f) { ChooseLanguage(f.m_settings, &f); }},
        {cmd::kCalculator, [](F f) { RunCalculator(f.m_settings, &f); }},
        {cmd::kViewToolbar, [](F f) { f.m_toolBar->setVisible(f.m_toolBar->isHidden()); }},
        {cmd::kViewStatusBar, [](F f) { f.statusBar()->setVisible(f.statusBar()->isHidden()); }},
        {cmd::kWindowSplit, [](F f) { f.ToggleSplit(); }},
        {cmd::kNextPane, [](F f) { f.MoveActivePane(1); }},
        {cmd::kPrevPane, [](F f) { f.MoveActivePane(-1); }},
        {cmd::kHelp, [](F) { ShowHelp(); }},
        {cmd::kFilePrintSetup, [](F f) { EditPageSetup(&f); }},
        {cmd::kFilePrint, [](F f) { f.Print(cmd::kFilePrint); }},
        {cmd::kFilePrintDirect, [](F f) { f.Print(cmd::kFilePrintDirect); }},
        {cmd::kFilePrintPreview, [](F f) { f.Print(cmd::kFilePrintPreview); }},
        {cmd::kPurge, [](F f) { PurgeToArchive(f.m_doc, f.m_settings, &f); }},
        {cmd::kNewFiscalYear, [](F f) { StartNewFiscalYear(f); }},
        {cmd::kExportText, [](F f) { ExportToText(f.m_doc, &f); }},
    };
    return table;
}

void CMainFrame::Print(int command) {
    if (m_active == nullptr)
        return;
    if (const QString text = RunPrintCommand(command, *m_active, this); !text.isEmpty())
        ShowStatusText(text);
}

void CMainFrame::Undo() {
    if (!m_doc.Undo())
        dlg::Inform(this, ids::kMsgUndoNothing);
}

void CMainFrame::DeleteSelectedLine() {
    const int line = m_active ? m_active->SelectedLine() : -1;
    if (line >= 0 && line < m_doc.GetLineCount())
        m_doc.DeleteLine(line);
}

// --- recent files -----------------------------------------------------------

void CMainFrame::RebuildRecentFiles() {
    for (QAction* action : std::as_const(m_recentActions))
        delete action;
    m_recentActions.clear();
    if (!m_recentMenu || !m_recentAnchor)
        return;
    const std::string here = ToStd(QDir::currentPath());
    for (int i = 0; i < m_recent.Count(); ++i) {
        const int command = cmd::kFileMruFirst + i;
        auto* action = new QAction(FromStd(RecentFiles::MenuText(i, m_recent.Path(i), here)), this);
        action->setObjectName(QString::number(command));
        action->setStatusTip(CResources::Prompt(command));
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
        m_recentMenu->insertAction(m_recentAnchor, action);
        m_recentActions.append(action);
    }
    // The greyed placeholder stands in for an empty list only.
    m_recentAnchor->setVisible(m_recentActions.isEmpty() && !m_recentAnchor->text().isEmpty());
}

// --- closing ----------------------------------------------------------------

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_files.AskBeforeClosing()) {
        event->ignore();
        return;
    }
    WindowShow show = WindowShow::Normal;
    if (isMinimized())
        show = WindowShow::Minimized;
    else if (isMaximized() || isFullScreen())
        show = WindowShow::Maximized;
    else
        TrackPlacement();
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    m_placement.Store(m_settings, show, {normal.x(), normal.y(), normal.width(), normal.height()});
    event->accept();
}

void CMainFrame::TrackPlacement() {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QRect r = geometry();
    m_placement.Track(WindowShow::Normal, {r.x(), r.y(), r.width(), r.height()});
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (isVisible())
        TrackPlacement();
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isVisible())
        TrackPlacement();
}

}  // namespace belvane
