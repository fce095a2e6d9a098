#pragma once

#include <QString>

class QWidget;

namespace belvane {

class CBelvaneView;

// The frame's print commands on the register of the active pane, with the
// print options that pane keeps: "Imprimer..." (the dialog), the direct print
// (the default printer, or a PDF file beside the register when there is no
// printer) and the preview. Failures are shown to the user by the print jobs
// themselves. Returns the text for the status bar naming the PDF file a direct
// print wrote, or an empty text.
QString RunPrintCommand(int command, CBelvaneView& view, QWidget* parent);

}  // namespace belvane
