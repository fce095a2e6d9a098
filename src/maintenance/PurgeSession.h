#pragma once

#include "core/CBelvaneDoc.h"
#include "core/Status.h"
#include "core/Types.h"
#include "maintenance/InitialAmounts.h"

#include <string>

namespace belvane {

// One purge of the open register into an archive register, from the choice of
// the archive to the saves. It remembers what the purge can change in the open
// register (its lines, its initial amounts, its modified flag), so that the
// register can be put back when the archive cannot be written.
//
// The saves never lose a line: the archive is written first (atomically); only
// once it is on disk is the open register written. When the archive's save
// fails the open register is put back as it was before the purge, on both sides
// nothing moved; when the open register's save then fails the moved lines are
// in the archive on disk and still in the register on disk, never in neither.
class PurgeSession {
public:
    enum class Failure {
        None,
        Archive,   // the archive could not be written: the open register was put back
        Register,  // the archive is written, the open register could not be
    };
    struct SaveResult {
        Failure failure = Failure::None;
        Status status;  // the failed save's status
    };

    // Remembers the state of `doc`, which must outlive the session.
    explicit PurgeSession(CBelvaneDoc& doc);

    CBelvaneDoc& Archive() { return m_archive; }
    const std::string& ArchivePath() const { return m_archivePath; }

    // The archive is the register at `path`: LoadArchive reads it (its status is
    // the load's), NewArchive starts a new empty register that will be saved there.
    Status LoadArchive(const std::string& path);
    void NewArchive(const std::string& path);

    // Writes the archive, then the open register, in that order. Once the
    // archive is written the open register's undo is forgotten (the moves
    // cannot be undone).
    SaveResult Save();

    // Puts the open register back as it was when the session began.
    void Restore();

private:
    CBelvaneDoc& m_doc;
    // Lines moved out of the register stand in an archive not saved yet.
    CBelvaneDoc::UnfinishedChange m_moving;
    CBelvaneDoc m_archive;
    std::string m_archivePath;
    CLigneStore m_lines;
    InitialAmounts m_amounts;
    bool m_modified;
};

// The whole purge without questions, as belvane-tool runs it: every candidate of
// `doc` (a register loaded from its file) up to `limit` moves into the register
// at `archivePath` (a new one when that file does not exist), then both are
// saved as PurgeSession::Save does. The kill-during-save checks drive it too.
struct PurgeOutcome {
    enum class End {
        Done,
        Untitled,           // the open register has no file to be saved to
        SameFile,           // the archive is the open register's own file
        ArchiveUnreadable,  // the archive exists and could not be read (status says why)
        Overflow,           // a carried amount would not fit: nothing moved
        ArchiveNotSaved,    // nothing moved, the register is as it was
        RegisterNotSaved,   // the archive holds the lines, the register file is unchanged
    };
    End end = End::Done;
    int moved = 0;
    Status status;
};
PurgeOutcome PurgeAndSave(CBelvaneDoc& doc, const std::string& archivePath, DayDate limit);

}  // namespace belvane
