#include "gui/window/StatementCommands.h"

#include "core/CBelvaneDoc.h"
#include "core/SafeFile.h"
#include "core/SettingsStore.h"
#include "core/StringIds.h"
#include "gui/dialogs/lines/CColonnesCsvDlg.h"
#include "gui/dialogs/lines/CReleveImportDlg.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/FileFilter.h"
#include "gui/support/IModal.h"
#include "statements/BankText.h"
#include "statements/StatementImport.h"
#include "statements/StatementReader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProgressDialog>

#include <optional>

namespace belvane {

namespace {

constexpr int kImportDialog = 260;
constexpr int kCancel = 2;

// Where the columns chosen for a bank's CSV files are kept, by bank name.
constexpr std::string_view kColumnsSection = "StatementColumns";

std::string BankKey(const CBelvaneDoc& doc) {
    const std::string banque = bank::Tidy(doc.GetResume().banque);
    return banque.empty() ? std::string("-") : banque;
}

// Reads the statement, asking what the file does not tell. Nothing when the
// user cancelled or the file could not be read (the message was shown).
std::optional<Statement> Read(const CBelvaneDoc& doc, ISettingsStore& settings,
                              const std::string& bytes, const QString& path, QWidget* parent) {
    // Shown only when reading lasts over a second.
    QProgressDialog progress(CResources::Str(ids::kStatementReading),
                             dlg::Text(kImportDialog, kCancel), 0, 0, parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(1000);
    ReadOptions options;
    options.progress = [&](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    };
    const std::string key = BankKey(doc);
    // The columns of a CSV file: those its titles name, else those chosen the
    // last time for this bank, else those the user chooses (remembered).
    enum class Columns { FromTitles, Remembered, Chosen } columns = Columns::FromTitles;
    std::optional<CsvLayout> layout;
    const auto askColumns = [&](const CsvLayout& proposed) {
        CColonnesCsvDlg dialog(
            bank::DecodeText({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}),
            QFileInfo(path).fileName(), proposed, parent);
        if (RunModal(dialog) != QDialog::Accepted)
            return false;
        layout = dialog.Layout();
        columns = Columns::Chosen;
        return true;
    };
    for (;;) {
        Statement statement;
        options.csvLayout = layout ? &*layout : nullptr;
        const StatementProblem p = ReadStatement(bytes, statement, options);
        progress.reset();
        using Kind = StatementProblem::Kind;
        if (!p) {
            if (columns == Columns::Chosen)
                settings.WriteString(kColumnsSection, key, LayoutToText(*layout));
            return statement;
        }
        if (p.kind == Kind::Cancelled)
            return std::nullopt;
        if (p.kind == Kind::AmbiguousDates) {
            const QString question =
                FillPlaceholders(CResources::Str(ids::kAskStatementDayFirst), {path});
            const IMessageBox::Answer a = dlg::AskYesNoCancel(parent, question);
            if (a == IMessageBox::Answer::Cancel)
                return std::nullopt;
            options.dateOrder =
                a == IMessageBox::Answer::Yes ? DateOrder::DayFirst : DateOrder::MonthFirst;
            continue;
        }
        if (p.kind == Kind::UnknownColumns && columns == Columns::FromTitles) {
            const std::optional<std::string> text = settings.ReadString(kColumnsSection, key);
            if (text && (layout = LayoutFromText(*text))) {
                columns = Columns::Remembered;
                continue;
            }
            CsvLayout proposed;
            proposed.delimiter = GuessDelimiter(bytes);
            proposed.date = 0;
            if (!askColumns(proposed))
                return std::nullopt;
            continue;
        }
        // The remembered columns no longer fit this bank's files: asked again,
        // silently; a choice that does not read: said, then asked again.
        if (columns != Columns::Remembered)
            dlg::Refuse(parent,
                        FromStd(ProblemMessage(p, ToStd(path), CResources::Active().Strings())));
        if (columns == Columns::FromTitles || !askColumns(*layout))
            return std::nullopt;
    }
}

}  // namespace

void ImportStatement(CBelvaneDoc& doc, ISettingsStore& settings, QWidget* parent) {
    const QString path =
        ChoosePath(parent, {.kind = PathRequest::Kind::OpenOrNew,
                            .title = CResources::Str(ids::kStatementImportTitle),
                            .filter = QtFilter(CResources::Str(ids::kStatementFilter))});
    if (path.isEmpty())
        return;
    ByteBuffer buffer;
    if (const Status read = ReadWholeFile(ToStd(path), buffer); !read.ok()) {
        dlg::ShowFailure(parent, read);
        return;
    }
    const std::string bytes(buffer.begin(), buffer.end());
    std::optional<Statement> statement = Read(doc, settings, bytes, path, parent);
    if (!statement)
        return;
    StatementImport import(doc, std::move(*statement));
    // In statement mode the statement being checked is the one of the mode.
    const DayDate date =
        doc.IsStatementMode() ? doc.GetStatementDate() : import.DefaultDate(doc.Format().Today());
    CReleveImportDlg dialog(doc, import, QFileInfo(path).fileName(), date, parent);
    if (RunModal(dialog) == QDialog::Accepted)
        import.Apply(doc, dialog.Date());
}

}  // namespace belvane
