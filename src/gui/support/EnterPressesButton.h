#pragma once

#include <QObject>

namespace belvane {

// Enter on a push button of a dialog that has the keyboard focus presses that
// button, as Space does, whichever button is the dialog's default: Enter on a
// focused "Annuler" cancels. (Qt would press the default button, or nothing
// when the dialog has none.)
class EnterPressesButton : public QObject {
    Q_OBJECT

public:
    // For every dialog made from now on. Called once the application object
    // exists; later calls do nothing.
    static void Install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace belvane
