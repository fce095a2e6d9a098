#include "gui/support/EnterPressesButton.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace belvane {

void EnterPressesButton::Install() {
    static EnterPressesButton* installed = nullptr;
    if (installed || !qApp)
        return;
    installed = new EnterPressesButton(qApp);
    qApp->installEventFilter(installed);
}

bool EnterPressesButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier))
        return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    // Keys go to the widget with the focus: a button sent Enter has it.
    if (!button || !button->isEnabled() || !qobject_cast<QDialog*>(button->window()))
        return false;
    button->click();
    return true;
}

}  // namespace belvane
