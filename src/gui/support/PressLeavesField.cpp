#include "gui/support/PressLeavesField.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>

namespace belvane {

void PressLeavesField::Install() {
    static PressLeavesField* installed = nullptr;
    if (installed || !qApp)
        return;
    installed = new PressLeavesField(qApp);
    qApp->installEventFilter(installed);
}

void PressLeavesField::LeaveField(QAbstractButton* button) {
    QWidget* window = button->window();
    if (!qobject_cast<QDialog*>(window) || button->focusPolicy() == Qt::NoFocus)
        return;
    QWidget* focused = window->focusWidget();
    if (!focused || focused == button)
        return;
    button->setFocus(Qt::OtherFocusReason);
}

bool PressLeavesField::eventFilter(QObject* watched, QEvent* event) {
    // Every widget is polished once, before it is first shown: the moment to
    // take on each button, whoever made it.
    if (event->type() == QEvent::Polish) {
        if (auto* button = qobject_cast<QAbstractButton*>(watched)) {
            // Every way of pressing a button says "pressed" before "clicked".
            connect(button, &QAbstractButton::pressed, button, [button] { LeaveField(button); });
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace belvane
