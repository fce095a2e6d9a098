#pragma once

#include "core/IDocObserver.h"
#include "core/Status.h"
#include "maintenance/RecoveryWriter.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>
#include <string>

class QWidget;

namespace belvane {

class CBelvaneDoc;

// Keeps the window's register in a recovery file while it has unsaved changes,
// written at most five seconds after a change, away from the window's thread
// but for a copy of the register, made in slices between the window's events
// (begun again when the register changes meanwhile); removes the file when
// the changes are saved
// or given up, or when the register leaves its file. Offers, when a register is
// opened, the changes a run that crashed or was killed left of it.
class RecoveryKeeper : public QObject, public IDocObserver {
    Q_OBJECT

public:
    explicit RecoveryKeeper(CBelvaneDoc& doc);
    ~RecoveryKeeper() override;

    // The recovery folder: "recuperation" in the user's data folder
    // (AppLocalDataLocation), or the one SetFolder named (empty: back to that).
    static QString Folder();
    static void SetFolder(const QString& folder);

    // Asks, before the register at `path` (a full path; empty: the untitled
    // register at start) is shown, whether to take the changes a run that
    // ended without saving left of it, when they are newer than its file. Non
    // sets them aside (kept 30 days in a folder the question names). Returns
    // the file to take them from after Oui.
    std::optional<std::string> Offer(QWidget* parent, const std::string& path);
    // Takes the changes of `file` over the register loaded from its own file;
    // they are this window's from then on. A file that does not read is
    // refused as a register would be (the status says why) and set aside.
    Status Recover(const std::string& file);
    // The window closes with its changes given up: their file goes.
    void Discard();

    // IDocObserver: any change starts the copy under way again.
    void OnRedrawAll() override { m_restart = true; }
    void OnLineChanged(int) override { m_restart = true; }
    void OnResetDisplay() override { m_restart = true; }
    void OnModified() override;
    void OnTitleChanged() override;

private:
    void WriteSoon(int milliseconds);
    void Write();
    // This window's recovery file for the register as it now is.
    std::string CurrentFile() const;

    CBelvaneDoc& m_doc;
    RecoveryWriter m_writer;
    QTimer m_timer;
    std::string m_written;  // the file holding the register's unsaved changes
    bool m_reserved = false;
    bool m_restart = true;  // the register changed since the copy began
};

}  // namespace belvane
