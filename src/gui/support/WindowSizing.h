#pragma once

#include <QSize>

class QDialog;

namespace belvane::dlg {

// Gives a window its opening size (see OpeningShape): the size its user left it
// at last time, else `wanted`, or the whole available area, maximised, when
// `wanted` is empty; never below what its layout needs nor beyond the screen's
// available area. Its shape when it closes is kept under `windowId`.
void SizeWindow(QDialog* window, int windowId, QSize wanted = {});

}  // namespace belvane::dlg
