#include "gui/window/PrintCommands.h"

#include "core/StringIds.h"
#include "gui/dialogs/print/PrintJobs.h"
#include "gui/paint/QtText.h"
#include "gui/support/CResources.h"
#include "gui/window/CBelvaneView.h"
#include "uilogic/CommandIds.h"

namespace belvane {

QString RunPrintCommand(int command, CBelvaneView& view, QWidget* parent) {
    const PrintMode mode = command == cmd::kFilePrintDirect    ? PrintMode::Direct
                           : command == cmd::kFilePrintPreview ? PrintMode::Preview
                                                               : PrintMode::Dialog;
    QString written;
    PrintRegister(view.Document(), view.GetPrintOptions(), mode, parent, &written);
    if (written.isEmpty())
        return {};
    return FillPlaceholders(CResources::Str(ids::kMsgPrintedToFile), {written});
}

}  // namespace belvane
