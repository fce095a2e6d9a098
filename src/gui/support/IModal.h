#pragma once

#include <QFont>
#include <QString>

#include <optional>

class QDialog;
class QWidget;

namespace belvane {

// A file or folder asked of the user.
struct PathRequest {
    enum class Kind {
        Open,       // an existing file
        OpenOrNew,  // a file to read or to make: the name of a missing one is taken too
        Save,       // a file to write (its replacement is confirmed)
        Folder,     // an existing folder
    };
    Kind kind = Kind::Open;
    QString title{};
    QString filter{};    // Qt's form, "Name (*.x);;All (*)"; none for a folder
    QString proposed{};  // the file or folder shown first
};

// Everything the program runs modally but message boxes (see IMessageBox) goes
// through this interface: dialogs, the page setup, file and folder choosers.
// Tests install their own to play the user's part without a modal loop.
class IModal {
public:
    virtual ~IModal() = default;
    // Runs `dialog` modally and returns its result (QDialog::Accepted...).
    virtual int Exec(QDialog& dialog) = 0;
    // The path chosen, or an empty one when the user cancelled.
    virtual QString ChoosePath(QWidget* parent, const PathRequest& request) = 0;

    // The one in use; the program's own (exec() and Qt's file dialogs) unless
    // a test installed another.
    static IModal& Current();
    // Installs `modal` (not owned); nullptr puts back the program's own.
    // Returns the one installed before (nullptr for the program's own).
    static IModal* Install(IModal* modal);
};

// IModal::Current().Exec(dialog).
int RunModal(QDialog& dialog);
// IModal::Current().ChoosePath(parent, request).
QString ChoosePath(QWidget* parent, const PathRequest& request);
// Qt's font dialog titled `title` (Qt's own title when empty) on `initial`,
// fixed-pitch fonts alone when `monospaced`: the font chosen, none on Cancel.
std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial, const QString& title,
                                bool monospaced);

}  // namespace belvane
