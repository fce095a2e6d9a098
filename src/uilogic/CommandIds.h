#pragma once

// Numeric identifiers of the program's commands: menus, accelerators, toolbar
// buttons and the context menu all carry them, and their prompts are the strings
// of the same numbers ("prompt\ntooltip").
namespace belvane::cmd {

// File
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintDirect = 57608;
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kFileMruFirst = 57616;  // the recent files, up to nine
inline constexpr int kFileMruLast = 57624;
inline constexpr int kAppExit = 57665;
inline constexpr int kNewFiscalYear = 32839;
inline constexpr int kExportText = 32838;
inline constexpr int kSummary = 32775;

// Edit
inline constexpr int kEditUndo = 57643;
inline constexpr int kNewLine = 32776;
inline constexpr int kCorrectLine = 32777;
inline constexpr int kDeleteLine = 32778;
inline constexpr int kStatementMode = 32779;
inline constexpr int kImportStatement = 32860;
inline constexpr int kSearch = 32780;
inline constexpr int kTotals = 32781;
inline constexpr int kPurge = 32782;
inline constexpr int kCharts = 32852;
inline constexpr int kCalculator = 32849;

// Entities
inline constexpr int kPaymentMethods = 32786;
inline constexpr int kCategories = 32787;
inline constexpr int kPayees = 32788;

// Movements
inline constexpr int kMovements = 32789;
inline constexpr int kCreateManual = 32790;
inline constexpr int kCreateAutomatic = 32791;
inline constexpr int kCreateAnticipated = 32792;

// Options
inline constexpr int kLanguage = 32854;
inline constexpr int kPreferences = 32793;
inline constexpr int kBackupToggle = 32796;

// View
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;
inline constexpr int kWindowSplit = 57653;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;

// Help
inline constexpr int kHelp = 57670;
inline constexpr int kAbout = 57664;

}  // namespace belvane::cmd
