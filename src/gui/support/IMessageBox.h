#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace belvane {

// Every message box of the program goes through this interface, so that tests
// can answer them without a modal loop.
class IMessageBox {
public:
    enum class Icon { Information, Warning, Question, None };
    // YesNoDefaultNo: a question whose safe answer is No (Enter answers it).
    enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel, YesNoDefaultNo };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~IMessageBox() = default;
    virtual Answer Show(QWidget* parent, const QString& text, Icon icon, Buttons buttons) = 0;
    // A question answered by buttons of its own, `choices` (the first is the
    // default), followed by "Annuler": the index of the choice pressed, or -1
    // for Annuler and Escape. A box that cannot ask answers -1.
    virtual int Choose(QWidget* parent, const QString& text, Icon icon, const QStringList& choices);
    // The default beep.
    virtual void Beep() = 0;

    // The one in use; the program's own QMessageBox-based one unless a test installed another.
    static IMessageBox& Current();
    // Installs `box` (not owned) as the current one; nullptr puts back the default.
    static void Install(IMessageBox* box);
};

}  // namespace belvane
