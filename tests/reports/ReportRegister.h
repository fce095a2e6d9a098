#pragma once

#include "RecordBuilders.h"
#include "core/CBelvaneDoc.h"

// A small register for the reports' tables: two categories sharing the
// subcategory name "Divers", and lines that differ from them only by letter case
// or that have no category at all.
namespace belvane::testutil {

inline void AddLine(CBelvaneDoc& doc, DayDate issue, Amount amount, const char* category,
                    const char* subcategory) {
    doc.AddLine(MakeLine(issue, 0, issue, amount, "", "CB", category, subcategory));
}

// Line indices, in date order:
//   0  2024-01-10  Maison/Loyer   -500,00
//   1  2024-02-01  Maison/        +20,00
//   2  2024-02-10  Maison/Loyer    0,00
//   3  2024-03-01  Maison/Divers   -3,00
//   4  2024-03-01  Auto/Divers    -70,00
//   5  2024-04-01  maison/Loyer    -0,01
//   6  2024-05-01  (none)          +0,99
inline void FillReportRegister(CBelvaneDoc& doc) {
    doc.InsertRubrique(0, MakeRubrique("Maison", 1000, {{"Loyer", 100}, {"Divers", 10}}));
    doc.InsertRubrique(1, MakeRubrique("Auto", 5, {{"Divers", 1}}));
    AddLine(doc, D(2024, 1, 10), -50000, "Maison", "Loyer");
    AddLine(doc, D(2024, 2, 1), 2000, "Maison", "");
    AddLine(doc, D(2024, 2, 10), 0, "Maison", "Loyer");
    AddLine(doc, D(2024, 3, 1), -300, "Maison", "Divers");
    AddLine(doc, D(2024, 3, 1), -7000, "Auto", "Divers");
    AddLine(doc, D(2024, 4, 1), -1, "maison", "Loyer");
    AddLine(doc, D(2024, 5, 1), 99, "", "");
}

}  // namespace belvane::testutil
