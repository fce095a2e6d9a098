#pragma once

#include <QObject>

class QAbstractButton;

namespace belvane {

// Whatever presses a button of a dialog (the mouse, its mnemonic, Enter on the
// default button, Space), the field being edited is left first, as a mouse
// click leaves it: the focus moves to the button before the button acts. So
// the field's own leaving work (a date rewritten in the document's format, a
// name taking its list's letter case, the validity date refreshed) runs once,
// before OK, "Calculer" or "Suivant" read the fields.
class PressLeavesField : public QObject {
    Q_OBJECT

public:
    // Watches the buttons of every dialog made from now on. Called once the
    // application object exists, before the first window; later calls do nothing.
    static void Install();
    // What a press does first: moves the focus from a field of the button's
    // dialog to the button. Nothing when the button takes no focus or already
    // has it, or when its window is not a dialog.
    static void LeaveField(QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace belvane
