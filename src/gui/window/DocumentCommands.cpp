#include "gui/window/DocumentCommands.h"

#include "core/CBelvaneDoc.h"
#include "core/SafeFile.h"
#include "core/Status.h"
#include "core/StringIds.h"
#include "core/StringTable.h"
#include "gui/paint/QtText.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/FileFilter.h"
#include "gui/support/IMessageBox.h"
#include "gui/support/IModal.h"
#include "gui/window/RecoveryKeeper.h"
#include "gui/window/RegisterClaim.h"
#include "maintenance/BackupCopy.h"
#include "maintenance/BackupExit.h"
#include "maintenance/BackupRegistration.h"
#include "uilogic/RecentFiles.h"

#include <QFileInfo>
#include <QLockFile>

namespace belvane {

namespace {

// Field `index` of the document type: 3 is its file filter, 4 its extension.
QString DocumentTypeField(int index) {
    return FromStd(ResourceField(ToStd(CResources::Str(ids::kDocumentType)), index));
}

}  // namespace

DocumentCommands::DocumentCommands(CBelvaneDoc& doc, ISettingsStore& settings, RecentFiles& recent,
                                   QWidget* parent, Hooks hooks)
    : m_doc(doc),
      m_settings(settings),
      m_recent(recent),
      m_parent(parent),
      m_hooks(std::move(hooks)),
      m_recovery(std::make_unique<RecoveryKeeper>(doc)) {}

DocumentCommands::~DocumentCommands() = default;

QString DocumentCommands::FileFilter() {
    return DocumentTypeField(3) + QStringLiteral(";;") + AllFilesFilter();
}

bool DocumentCommands::SaveModified() {
    if (!m_doc.IsModified())
        return true;
    switch (dlg::AskYesNoCancel(m_parent, FillPlaceholders(CResources::Str(ids::kMsgAskToSave),
                                                           {FromStd(m_doc.GetTitle())}))) {
        case IMessageBox::Answer::Yes:
            return SaveDocument();
        case IMessageBox::Answer::No:
            return true;
        default:
            return false;
    }
}

void DocumentCommands::OfferUntitledRecovery() {
    if (const std::optional<std::string> recovered = m_recovery->Offer(m_parent, {}))
        dlg::ShowFailure(m_parent, m_recovery->Recover(*recovered));
}

bool DocumentCommands::NewDocument() {
    if (!SaveModified())
        return false;
    m_doc.OnNewDocument();
    return true;
}

bool DocumentCommands::OpenChosenDocument() {
    const QString path = ChoosePath(m_parent, {.kind = PathRequest::Kind::Open,
                                               .title = CResources::Str(ids::kOpenFileTitle),
                                               .filter = FileFilter()});
    return !path.isEmpty() && OpenDocument(path);
}

bool DocumentCommands::OpenDocument(const QString& path) {
    return Open(path) == OpenResult::Opened;
}

bool DocumentCommands::OpenRecentFile(int index) {
    if (index < 0 || index >= m_recent.Count())
        return false;
    const QString path = FromStd(m_recent.Path(index));
    const OpenResult result = Open(path);
    if (result == OpenResult::Failed) {
        // A listed file that no longer opens leaves the list.
        m_recent.Remove(index);
        m_hooks.recentChanged();
    }
    return result == OpenResult::Opened;
}

DocumentCommands::OpenResult DocumentCommands::Open(const QString& path) {
    if (m_doc.IsPathName(ToStd(path))) {
        // That register is open already: it is not read again.
        AddRecent();
        return OpenResult::Opened;
    }
    if (!SaveModified())
        return OpenResult::Cancelled;
    const std::string full = NormalPath(ToStd(path));
    RegisterClaim claim = ClaimToOpen(m_parent, m_doc.Format(), full);
    if (claim.access == RegisterClaim::Access::Cancelled)
        return OpenResult::Cancelled;
    // Changes left by a run that ended without saving are offered before the
    // register shows (not to a window that may not change it).
    const std::optional<std::string> recovered = claim.access == RegisterClaim::Access::ReadOnly
                                                     ? std::nullopt
                                                     : m_recovery->Offer(m_parent, full);
    // A file that cannot be read at all leaves the register in memory as it was.
    const LoadResult result = m_doc.OnOpenDocument(full);
    if (!result.status.ok()) {
        dlg::ShowFailure(m_parent, result.status);
        return OpenResult::Failed;
    }
    TakeClaim(std::move(claim));
    if (recovered)
        dlg::ShowFailure(m_parent, m_recovery->Recover(*recovered));
    AddRecent();
    return OpenResult::Opened;
}

bool DocumentCommands::SaveDocument() {
    if (m_doc.GetPathName().empty())
        return SaveDocumentAs();
    return SaveTo(FromStd(m_doc.GetPathName()));
}

bool DocumentCommands::SaveDocumentAs() {
    const QString extension = DocumentTypeField(4);
    QString proposed = FromStd(m_doc.GetPathName());
    if (proposed.isEmpty()) {
        proposed = FromStd(m_doc.GetTitle());
        proposed.truncate(proposed.indexOf(u'/') < 0 ? proposed.size() : proposed.indexOf(u'/'));
        proposed += extension;
    }
    QString path = ChoosePath(m_parent, {.kind = PathRequest::Kind::Save,
                                         .title = CResources::Str(ids::kSaveFileTitle),
                                         .filter = FileFilter(),
                                         .proposed = proposed});
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty() && !extension.isEmpty())
        path += extension;
    return SaveTo(path);
}

bool DocumentCommands::SaveTo(const QString& path) {
    const std::string full = NormalPath(ToStd(path));
    RegisterClaim claim;
    const bool over = m_doc.IsPathName(full);
    if (over) {
        // Someone else's version of the file is replaced only when the user says
        // so; otherwise the register may go to another file.
        if (m_readOnly ||
            (m_doc.FileChangedOnDisk() &&
             IMessageBox::Current().Show(
                 m_parent, CResources::Str(ids::kAskReplaceChanged), IMessageBox::Icon::Question,
                 IMessageBox::Buttons::YesNoDefaultNo) != IMessageBox::Answer::Yes))
            return SaveDocumentAs();
    } else {
        claim = ClaimToSave(m_parent, m_doc.Format(), full);
        if (claim.access == RegisterClaim::Access::Cancelled)
            return false;
    }
    const Status saved = m_doc.OnSaveDocument(full);
    if (!saved.ok()) {
        dlg::ShowFailure(m_parent, saved);
        return false;
    }
    if (!over)
        TakeClaim(std::move(claim));
    // A register saved with its backup flag set is copied at the next exit.
    RegisterIfMarked(m_settings, m_doc);
    AddRecent();
    return true;
}

void DocumentCommands::AddRecent() {
    m_recent.Add(m_doc.GetPathName());
    m_hooks.recentChanged();
}

void DocumentCommands::TakeClaim(RegisterClaim claim) {
    m_lock = std::move(claim.lock);
    m_readOnly = claim.access == RegisterClaim::Access::ReadOnly;
    m_claimedPath = m_doc.GetPathName();
    m_hooks.claimChanged();
}

bool DocumentCommands::FollowRegister() {
    if (m_claimedPath.empty() || m_doc.GetPathName() == m_claimedPath)
        return false;
    m_lock.reset();
    m_readOnly = false;
    m_claimedPath.clear();
    return true;
}

// --- closing ----------------------------------------------------------------

bool DocumentCommands::AskBeforeClosing() {
    if (!SaveModified() || !BackupAtExit())
        return false;
    // Changes still unsaved now were given up (Non): their file goes too.
    m_recovery->Discard();
    return true;
}

bool DocumentCommands::BackupAtExit() {
    const auto copy = [](const std::string& from, const std::string& to) {
        return CopyForBackup(from, to).ok();
    };
    const auto ask = [this] {
        switch (dlg::AskYesNoCancel(m_parent, CResources::Str(ids::kMsgBackupAsk))) {
            case IMessageBox::Answer::Yes:
                return BackupAnswer::Yes;
            case IMessageBox::Answer::No:
                return BackupAnswer::No;
            default:
                return BackupAnswer::Cancel;
        }
    };
    const auto failed = [this] { dlg::Refuse(m_parent, ids::kMsgBackupFailed); };
    return RunBackupAtExit(m_settings, copy, ask, failed);
}

}  // namespace belvane
