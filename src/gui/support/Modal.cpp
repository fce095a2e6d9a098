#include "gui/support/IModal.h"

#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>

namespace belvane {

namespace {

class QtModal final : public IModal {
public:
    int Exec(QDialog& dialog) override { return dialog.exec(); }

    QString ChoosePath(QWidget* parent, const PathRequest& r) override {
        switch (r.kind) {
            case PathRequest::Kind::Open:
                return QFileDialog::getOpenFileName(parent, r.title, r.proposed, r.filter);
            case PathRequest::Kind::Save:
                return QFileDialog::getSaveFileName(parent, r.title, r.proposed, r.filter);
            case PathRequest::Kind::Folder:
                return QFileDialog::getExistingDirectory(parent, r.title, r.proposed);
            case PathRequest::Kind::OpenOrNew:
                break;
        }
        QFileDialog dialog(parent, r.title, r.proposed, r.filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().front();
    }
};

IModal* g_installed = nullptr;

}  // namespace

IModal& IModal::Current() {
    static QtModal defaultModal;
    return g_installed ? *g_installed : defaultModal;
}

IModal* IModal::Install(IModal* modal) {
    IModal* previous = g_installed;
    g_installed = modal;
    return previous;
}

int RunModal(QDialog& dialog) {
    return IModal::Current().Exec(dialog);
}

QString ChoosePath(QWidget* parent, const PathRequest& request) {
    return IModal::Current().ChoosePath(parent, request);
}

std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial, const QString& title,
                                bool monospaced) {
    QFontDialog dialog(parent);
    // The options first: they choose the families the current font is looked up in.
    if (monospaced)
        dialog.setOptions(QFontDialog::MonospacedFonts);
    dialog.setCurrentFont(initial);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    if (RunModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont();
}

}  // namespace belvane
