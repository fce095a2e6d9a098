#include "gui/window/RecoveryKeeper.h"

#include "core/CBelvaneDoc.h"
#include "core/FileIdentity.h"
#include "core/SafeFile.h"
#include "core/StringIds.h"
#include "gui/paint/QtText.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "maintenance/RecoveryFiles.h"
#include "maintenance/RegisterLock.h"

#include <QDir>
#include <QStandardPaths>

#include <cstdio>
#include <ctime>
#include <filesystem>

#include <unistd.h>

namespace belvane {

namespace {

// From the first change to the file written: the copy, encoding and writing
// of a register at the line limit take well under the second left.
constexpr int kDelayMs = 4000;
constexpr int kRetryMs = 100;
// Lines copied between two events of the window: a fraction of a millisecond.
constexpr std::size_t kSliceLines = 5000;

QString& ChosenFolder() {
    static QString folder;
    return folder;
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(CBelvaneDoc& doc) : m_doc(doc) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { Write(); });
    m_doc.AddObserver(this);
}

RecoveryKeeper::~RecoveryKeeper() {
    m_doc.RemoveObserver(this);
}

QString RecoveryKeeper::Folder() {
    if (!ChosenFolder().isEmpty())
        return ChosenFolder();
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recuperation");
}

void RecoveryKeeper::SetFolder(const QString& folder) {
    ChosenFolder() = folder;
}

std::string RecoveryKeeper::CurrentFile() const {
    return ToStd(Folder()) + "/" + RecoveryFileName(m_doc.GetPathName(), ::getpid());
}

void RecoveryKeeper::OnModified() {
    m_restart = true;
    if (m_timer.isActive())
        return;  // the write already coming will hold this change too
    // The copy's room is made now, away from this thread, so that the write
    // itself only copies.
    m_writer.Reserve(static_cast<std::size_t>(m_doc.GetLineCount()) + 1024);
    m_reserved = true;
    WriteSoon(kDelayMs);
}

void RecoveryKeeper::OnTitleChanged() {
    m_restart = true;
    // The title follows the modified flag and the file: a register saved, or
    // gone to another file, leaves its recovery file behind.
    if (!m_written.empty() && (!m_doc.IsModified() || m_written != CurrentFile())) {
        m_writer.Remove(m_written);
        m_written.clear();
    }
    if (!m_doc.IsModified()) {
        m_timer.stop();
        if (m_reserved)
            m_writer.Release();
        m_reserved = false;
    }
}

void RecoveryKeeper::WriteSoon(int milliseconds) {
    m_timer.start(milliseconds);
}

void RecoveryKeeper::Write() {
    if (!m_doc.IsModified())
        return;
    // Half-way through a change the register is no state to keep.
    if (m_doc.HasUnfinishedChange()) {
        WriteSoon(kRetryMs);
        return;
    }
    const bool restart = m_restart;
    m_restart = false;
    switch (m_writer.CopySlice(m_doc.Registre(), CurrentFile(), kSliceLines, restart)) {
        case RecoveryWriter::Copy::Partial:
            WriteSoon(0);  // the next slice once the window's waiting events are done
            break;
        case RecoveryWriter::Copy::Busy:
            m_restart = true;
            WriteSoon(kRetryMs);
            break;
        case RecoveryWriter::Copy::Done:
            m_written = CurrentFile();
            break;
    }
}

void RecoveryKeeper::Discard() {
    m_timer.stop();
    if (!m_written.empty())
        m_writer.Remove(m_written);
    m_written.clear();
}

std::optional<std::string> RecoveryKeeper::Offer(QWidget* parent, const std::string& path) {
    const std::string folder = ToStd(Folder());
    const RecoveryChoice choice =
        ChooseRecovery(ListRecoveryFiles(folder), path, path.empty() ? 0 : StampOf(path).mtimeNs,
                       BootTimeNs(), [](long long pid) { return RunningProgram(pid).has_value(); });
    const std::time_t now = std::time(nullptr);
    for (const std::string& name : choice.setAside)
        SetAside(folder, name, now);
    if (!choice.offer)
        return std::nullopt;
    const QStringList when =
        dlg::DateAndTime(static_cast<std::time_t>(choice.offer->writtenNs / 1000000000),
                         m_doc.Format().GetDateFormat());
    const QString text =
        FillPlaceholders(CResources::Str(ids::kMsgAskRecover), {when[0], when[1]}) +
        QStringLiteral("\n\n") +
        FillPlaceholders(CResources::Str(ids::kMsgRecoveryAside),
                         {QDir::toNativeSeparators(FromStd(AsideFolder(folder)))});
    if (dlg::AskYesNo(parent, text) == IMessageBox::Answer::Yes)
        return folder + "/" + choice.offer->name;
    SetAside(folder, choice.offer->name, now);
    return std::nullopt;
}

Status RecoveryKeeper::Recover(const std::string& file) {
    ByteBuffer bytes;
    Status status = ReadWholeFile(file, bytes);
    if (status.ok())
        status = m_doc.LoadRecovered(bytes).status.About(file);
    if (!status.ok()) {
        SetAside(ToStd(Folder()), std::filesystem::path(file).filename().string(),
                 std::time(nullptr));
        return status;
    }
    // The changes are this window's now: so is their file, until the next
    // write replaces it.
    const std::string mine = CurrentFile();
    if (std::rename(file.c_str(), mine.c_str()) == 0)
        m_written = mine;
    return status;
}

}  // namespace belvane
