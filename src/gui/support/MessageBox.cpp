#include "gui/support/IMessageBox.h"

#include "gui/support/CResources.h"
#include "uilogic/CommandIds.h"

#include <QApplication>
#include <QMessageBox>

namespace belvane {

namespace {

class QtMessageBox final : public IMessageBox {
public:
    Answer Show(QWidget* parent, const QString& text, Icon icon, Buttons buttons) override {
        QMessageBox box(parent);
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
    void Beep() override { QApplication::beep(); }
};

IMessageBox* g_installed = nullptr;

}  // namespace

IMessageBox& IMessageBox::Current() {
    static QtMessageBox defaultBox;
    return g_installed ? *g_installed : defaultBox;
}

void IMessageBox::Install(IMessageBox* box) {
    g_installed = box;
}

}  // namespace belvane
