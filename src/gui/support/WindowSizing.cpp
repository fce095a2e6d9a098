#include "gui/support/WindowSizing.h"

#include "gui/paint/CQtSettings.h"
#include "uilogic/WindowSize.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

namespace belvane::dlg {

namespace {

PixelSize Pixels(QSize size) {
    return {size.width(), size.height()};
}

}  // namespace

void SizeWindow(QDialog* window, int windowId, QSize wanted) {
    const QWidget* parent = window->parentWidget();
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    if (QLayout* layout = window->layout())
        layout->activate();
    const QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
    CQtSettings settings;
    const WindowShape shape =
        OpeningShape(Pixels(screen->availableGeometry().size()), {Pixels(minimum), Pixels(wanted)},
                     ChosenShape(settings, windowId));
    window->resize(shape.size.width, shape.size.height);
    if (shape.maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    QObject::connect(window, &QDialog::finished, window, [window, windowId] {
        CQtSettings kept;
        KeepShape(kept, windowId,
                  {Pixels(window->size()), window->isMaximized() || window->isFullScreen()});
    });
}

}  // namespace belvane::dlg
