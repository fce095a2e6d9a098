#include "gui/window/MaintenanceCommands.h"

#include "core/CBelvaneDoc.h"
#include "core/FileIdentity.h"
#include "core/SafeFile.h"
#include "core/StringIds.h"
#include "gui/dialogs/maintenance/CApurationDlg.h"
#include "gui/dialogs/maintenance/CExerciceDlg.h"
#include "gui/paint/QtText.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/FileFilter.h"
#include "gui/support/IModal.h"
#include "gui/window/CMainFrame.h"
#include "gui/window/DocumentCommands.h"
#include "gui/window/RegisterClaim.h"
#include "maintenance/BackupRegistration.h"
#include "maintenance/NewYear.h"
#include "maintenance/PurgeSession.h"
#include "reports/TextExport.h"

#include <QFileInfo>
#include <QLockFile>
#include <QStringList>

namespace belvane {

void ExportToText(const CBelvaneDoc& doc, QWidget* parent) {
    QString path = ChoosePath(parent, {.kind = PathRequest::Kind::Save,
                                       .title = CResources::Str(ids::kExportTitle),
                                       .filter = QtFilter(CResources::Str(ids::kExportFilter))});
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".txt");
    if (!ExportTextFile(doc, ToStd(path)).ok())
        dlg::Refuse(parent, FillPlaceholders(CResources::Str(ids::kMsgExportOpenError), {path}));
}

void PurgeToArchive(CBelvaneDoc& doc, ISettingsStore& settings, QWidget* parent) {
    if (IMessageBox::Current().Show(parent, CResources::Str(ids::kPurgeWarning),
                                    IMessageBox::Icon::Warning,
                                    IMessageBox::Buttons::OkCancel) != IMessageBox::Answer::Ok)
        return;
    if (doc.GetPathName().empty()) {
        dlg::Refuse(parent, ids::kMsgPurgeUntitled);
        return;
    }
    const QString path = ChoosePath(parent, {.kind = PathRequest::Kind::OpenOrNew,
                                             .title = CResources::Str(ids::kPurgeFileTitle),
                                             .filter = DocumentCommands::FileFilter()});
    if (path.isEmpty())
        return;
    const std::string file = ToStd(path);
    if (SameFile(file, doc.GetPathName())) {
        dlg::Refuse(parent, ids::kMsgPurgeSameFile);
        return;
    }
    // The archive is written too: not while another window has it open.
    const RegisterClaim archiveClaim = ClaimToSave(parent, doc.Format(), NormalPath(file));
    if (archiveClaim.access == RegisterClaim::Access::Cancelled)
        return;
    PurgeSession session(doc);
    if (QFileInfo::exists(path)) {
        const Status loaded = session.LoadArchive(file);
        if (!loaded.ok()) {
            dlg::ShowFailure(parent, loaded);
            return;
        }
    } else {
        if (dlg::AskYesNo(parent, CResources::Str(ids::kAskCreateArchive)) !=
            IMessageBox::Answer::Yes)
            return;
        session.NewArchive(NormalPath(file));
    }
    CApurationDlg dialog(doc, session.Archive(), QFileInfo(path).fileName(), parent);
    RunModal(dialog);
    // Both registers are saved however the dialog ended, even when nothing moved.
    const PurgeSession::SaveResult saved = session.Save();
    if (saved.failure == PurgeSession::Failure::Archive) {
        dlg::ShowFailure(parent, saved.status);
        return;
    }
    RegisterIfMarked(settings, session.Archive());
    if (saved.failure == PurgeSession::Failure::Register) {
        // The moved lines are in both files on disk: say so, and that saving the
        // register ends the purge.
        dlg::Refuse(parent,
                    FillPlaceholders(CResources::Str(ids::kMsgPurgeRegisterNotSaved),
                                     {FromStd(session.ArchivePath()), FromStd(doc.GetPathName())}));
        return;
    }
    RegisterIfMarked(settings, doc);
}

void StartNewFiscalYear(CMainFrame& frame) {
    CBelvaneDoc& doc = frame.Document();
    CExerciceDlg dialog(doc.Format(), &frame);
    if (RunModal(dialog) != QDialog::Accepted || !frame.Files().SaveModified())
        return;
    if (!StartNewYear(doc, dialog.Method(), dialog.Date(), ToStd(dialog.Observation())))
        dlg::Refuse(&frame, ids::kMsgCarryOverflow);
}

}  // namespace belvane
