#pragma once

#include <QHash>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The menus of the report windows, built from their menu resources: each item
// runs its command number through one handler.
namespace belvane::reportmenus {

using Handler = std::function<void(int command)>;

// The commands the totals and the charts windows share in their menus.
inline constexpr int kShowLines = 32840;
inline constexpr int kPrint = 32824;
inline constexpr int kExit = 2;

// Runs one of those commands through its function; any other does nothing.
void RunCommand(int command, const std::function<void()>& showLines,
                const std::function<void()>& print, const std::function<void()>& exit);

// A menu bar of `parent` with the popups of menu resource `resource`.
QMenuBar* MakeMenuBar(QWidget* parent, int resource, const Handler& run);

// The items of context menu resource `resource` (its one popup) in `menu`.
// Returns the actions by command number.
QHash<int, QAction*> FillContextMenu(QMenu* menu, int resource, const Handler& run);

}  // namespace belvane::reportmenus
