#include "maintenance/PurgeSession.h"

#include "core/FileIdentity.h"
#include "maintenance/Purge.h"

#include <filesystem>

namespace belvane {

PurgeSession::PurgeSession(CBelvaneDoc& doc)
    : m_doc(doc),
      m_moving(doc),
      m_lines(doc.Lines()),
      m_amounts(InitialAmounts::Of(doc)),
      m_modified(doc.IsModified()) {}

Status PurgeSession::LoadArchive(const std::string& path) {
    const LoadResult loaded = m_archive.OnOpenDocument(path);
    if (loaded.status.ok())
        m_archivePath = m_archive.GetPathName();
    return loaded.status;
}

void PurgeSession::NewArchive(const std::string& path) {
    m_archive.OnNewDocument();
    m_archivePath = path;
}

PurgeSession::SaveResult PurgeSession::Save() {
    SaveResult result;
    result.status = m_archive.OnSaveDocument(m_archivePath);
    if (!result.status.ok()) {
        result.failure = Failure::Archive;
        Restore();
        return result;
    }
    // The moved lines are in the archive on disk now: undoing a move would put
    // a line in both registers.
    m_doc.ClearUndo();
    result.status = m_doc.OnSaveDocument(m_doc.GetPathName());
    if (!result.status.ok())
        result.failure = Failure::Register;
    return result;
}

void PurgeSession::Restore() {
    m_doc.PutLines(m_lines);
    m_amounts.ApplyTo(m_doc);
    m_doc.SetModifiedFlag(m_modified);
}

PurgeOutcome PurgeAndSave(CBelvaneDoc& doc, const std::string& archivePath, DayDate limit) {
    PurgeOutcome outcome;
    using End = PurgeOutcome::End;
    if (doc.GetPathName().empty()) {
        outcome.end = End::Untitled;
        return outcome;
    }
    if (SameFile(archivePath, doc.GetPathName())) {
        outcome.end = End::SameFile;
        return outcome;
    }
    PurgeSession session(doc);
    std::error_code ec;
    if (std::filesystem::exists(archivePath, ec)) {
        outcome.status = session.LoadArchive(archivePath);
        if (!outcome.status.ok()) {
            outcome.end = End::ArchiveUnreadable;
            return outcome;
        }
    } else {
        session.NewArchive(archivePath);
    }
    const std::optional<int> moved = PurgeUpTo(doc, limit, session.Archive());
    if (!moved) {
        outcome.end = End::Overflow;
        return outcome;
    }
    outcome.moved = *moved;
    const PurgeSession::SaveResult saved = session.Save();
    outcome.status = saved.status;
    if (saved.failure == PurgeSession::Failure::Archive)
        outcome.end = End::ArchiveNotSaved;
    else if (saved.failure == PurgeSession::Failure::Register)
        outcome.end = End::RegisterNotSaved;
    return outcome;
}

}  // namespace belvane
