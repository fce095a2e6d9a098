#include "gui/support/IMessageBox.h"

#include "core/StringIds.h"
#include "gui/support/CResources.h"
#include "uilogic/CommandIds.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace belvane {

namespace {

class QtMessageBox final : public IMessageBox {
public:
    Answer Show(QWidget* parent, const QString& text, Icon icon, Buttons buttons) override {
        QMessageBox box(parent);
        Prepare(box, text, icon);
        switch (buttons) {
            case Buttons::Ok:
                box.setStandardButtons(QMessageBox::Ok);
                break;
            case Buttons::YesNo:
                box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
                break;
            case Buttons::YesNoCancel:
                box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
                break;
            case Buttons::OkCancel:
                box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
                break;
            case Buttons::YesNoDefaultNo:
                box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
                box.setDefaultButton(QMessageBox::No);
                break;
        }
        switch (box.exec()) {
            case QMessageBox::Yes:
                return Answer::Yes;
            case QMessageBox::No:
                return Answer::No;
            case QMessageBox::Cancel:
                return Answer::Cancel;
            default:
                return Answer::Ok;
        }
    }
    int Choose(QWidget* parent, const QString& text, Icon icon,
               const QStringList& choices) override {
        QMessageBox box(parent);
        Prepare(box, text, icon);
        QList<QAbstractButton*> buttons;
        for (const QString& choice : choices)
            buttons << box.addButton(choice, QMessageBox::AcceptRole);
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
        if (!buttons.isEmpty())
            box.setDefaultButton(qobject_cast<QPushButton*>(buttons.front()));
        box.exec();
        return static_cast<int>(buttons.indexOf(box.clickedButton()));
    }
    void Beep() override { QApplication::beep(); }

private:
    static void Prepare(QMessageBox& box, const QString& text, Icon icon) {
        box.setWindowTitle(CResources::Str(ids::kAppName));
        box.setText(text);
        switch (icon) {
            case Icon::Information:
                box.setIcon(QMessageBox::Information);
                break;
            case Icon::Warning:
                box.setIcon(QMessageBox::Warning);
                break;
            case Icon::Question:
                box.setIcon(QMessageBox::Question);
                break;
            case Icon::None:
                box.setIcon(QMessageBox::NoIcon);
                break;
        }
    }
};

IMessageBox* g_installed = nullptr;

}  // namespace

int IMessageBox::Choose(QWidget*, const QString&, Icon, const QStringList&) {
    return -1;
}

IMessageBox& IMessageBox::Current() {
    static QtMessageBox defaultBox;
    return g_installed ? *g_installed : defaultBox;
}

void IMessageBox::Install(IMessageBox* box) {
    g_installed = box;
}

}  // namespace belvane
