#pragma once

#include "core/Types.h"

namespace belvane {

// The print options the register's view keeps from one print job to the next
// and hands to the print dialog.
struct PrintOptions {
    DayDate from = 0;  // 0: no date
    DayDate to = 0;
    bool screenWidths = true;  // field widths as on screen, else the full widths
    bool fitWidth = true;      // lines font made smaller so that every column fits
    bool sorted = false;       // register grouped by category and subcategory
    bool values = false;       // charts: amounts written on the bars
    bool colour = false;       // charts: coloured bars instead of hatched ones
    int dialogFlags = 0;       // PrintDialogFlag bits of the current job
};

// What the print dialog hides or disables for a job.
enum PrintDialogFlag {
    kHideRange = 1,          // "Tout"/"Du" choice, both dates and "au"
    kHideScreenWidths = 2,   // "Largeur des champs…" and "Ajuster à la largeur de la page"
    kHideSorted = 4,         // "Trier par rubriques et sous-rubriques"
    kHideRangeGroup = 8,     // the whole "Étendue d'impression" group
    kDisableSorted = 16,     // the sort box, greyed
    kDisableRange = 32,      // the range choice and dates, greyed
    kShowChartOptions = 64,  // "Impression des valeurs" and "en couleur", group retitled
};

}  // namespace belvane
