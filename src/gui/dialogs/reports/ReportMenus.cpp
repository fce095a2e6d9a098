#include "gui/dialogs/reports/ReportMenus.h"

#include "core/CResourceSet.h"
#include "gui/paint/QtText.h"
#include "gui/support/CResources.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace belvane::reportmenus {

namespace {

using Item = CResourceSet::MenuItem;

void Fill(QMenu* menu, const std::vector<Item>& items, const Handler& run,
          QHash<int, QAction*>& actions) {
    for (const Item& item : items) {
        switch (item.kind) {
            case Item::Kind::Popup:
                Fill(menu->addMenu(FromStd(item.text)), item.children, run, actions);
                break;
            case Item::Kind::Separator:
                menu->addSeparator();
                break;
            case Item::Kind::Command: {
                QAction* action = menu->addAction(FromStd(item.text));
                const int command = item.id;
                action->setObjectName(QString::number(command));
                QObject::connect(action, &QAction::triggered, menu,
                                 [run, command] { run(command); });
                actions.insert(command, action);
                break;
            }
            case Item::Kind::RecentFiles:
                break;
        }
    }
}

}  // namespace

QMenuBar* MakeMenuBar(QWidget* parent, int resource, const Handler& run) {
    auto* bar = new QMenuBar(parent);
    QHash<int, QAction*> actions;
    if (const auto* items = CResources::Active().Menu(resource)) {
        for (const Item& item : *items)
            if (item.kind == Item::Kind::Popup)
                Fill(bar->addMenu(FromStd(item.text)), item.children, run, actions);
    }
    return bar;
}

QHash<int, QAction*> FillContextMenu(QMenu* menu, int resource, const Handler& run) {
    QHash<int, QAction*> actions;
    if (const auto* items = CResources::Active().Menu(resource)) {
        // A context menu resource is one popup holding the items.
        if (items->size() == 1 && items->front().kind == Item::Kind::Popup)
            Fill(menu, items->front().children, run, actions);
        else
            Fill(menu, *items, run, actions);
    }
    return actions;
}

void RunCommand(int command, const std::function<void()>& showLines,
                const std::function<void()>& print, const std::function<void()>& exit) {
    switch (command) {
        case kShowLines:
            showLines();
            break;
        case kPrint:
            print();
            break;
        case kExit:
            exit();
            break;
        default:
            break;
    }
}

}  // namespace belvane::reportmenus
