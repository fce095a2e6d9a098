#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <string>

class QLockFile;
class QWidget;

namespace belvane {

class CBelvaneDoc;
class ISettingsStore;
class RecentFiles;
class RecoveryKeeper;
struct RegisterClaim;

// The register's file commands, with their questions and messages: new, open,
// the recent files, save, save as, and what closing asks first (the offer to
// save, the backup at exit). They hold the window's claim on the register's
// file (its lock, or read-only access) and keep its unsaved changes for
// recovery.
class DocumentCommands {
public:
    // What the window shows of the files, to bring up to date.
    struct Hooks {
        std::function<void()> recentChanged;  // the list of recent files may have changed
        std::function<void()> claimChanged;   // a claim was taken: read only may have changed
    };

    // `doc`, `settings` and `recent` must outlive the commands; `parent` owns
    // their dialogs and messages.
    DocumentCommands(CBelvaneDoc& doc, ISettingsStore& settings, RecentFiles& recent,
                     QWidget* parent, Hooks hooks);
    ~DocumentCommands();

    // Each returns whether it was carried out.
    bool NewDocument();
    // Asks for the register to open, then opens it.
    bool OpenChosenDocument();
    bool OpenDocument(const QString& path);
    bool OpenRecentFile(int index);
    bool SaveDocument();
    bool SaveDocumentAs();
    // Offers to save a modified register: false when the user cancelled (or the
    // save failed), so that what was asked must not go on.
    bool SaveModified();
    // What closing the window asks first: the offer to save, then the backup at
    // exit. False when the window must stay open; otherwise the changes still
    // unsaved were given up, and their recovery file goes.
    bool AskBeforeClosing();
    // At start without a register: offers the changes of an untitled register
    // that a run ending without saving left.
    void OfferUntitledRecovery();

    // The register is open read only (another window has it): nothing changes it.
    bool IsReadOnly() const { return m_readOnly; }
    // Ends the claim when the register has left the file it was taken for (the
    // lock goes, and with it read only). Returns whether it ended now.
    bool FollowRegister();

    // The file dialogs' filters: the document type's (string 128), then all files.
    static QString FileFilter();

private:
    enum class OpenResult { Opened, Cancelled, Failed };

    OpenResult Open(const QString& path);
    bool SaveTo(const QString& path);
    // The window's claim on the file the register now has.
    void TakeClaim(RegisterClaim claim);
    bool BackupAtExit();
    void AddRecent();

    CBelvaneDoc& m_doc;
    ISettingsStore& m_settings;
    RecentFiles& m_recent;
    QWidget* m_parent;
    Hooks m_hooks;

    // The lock of the register's file (none when read only, opened anyway, or
    // where no lock can be made) and the read-only state: both belong to the
    // file they were taken for, and end when the register leaves it.
    std::unique_ptr<QLockFile> m_lock;
    bool m_readOnly = false;
    std::string m_claimedPath;
    // The register's unsaved changes, kept in a file between saves.
    std::unique_ptr<RecoveryKeeper> m_recovery;
};

}  // namespace belvane
