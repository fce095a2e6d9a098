#pragma once

#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"

// A small register for the reports' tables: two categories sharing the
// subcategory name "Divers", and lines that differ from them only by letter case
// or that have no category at all.
namespace belvane::testutil {

inline DayDate D(int year, int month, int day) {
    return ToDayDate(year, month, day);
}

inline void AddLine(CBelvaneDoc& doc, DayDate issue, Amount amount, const char* category,
                    const char* subcategory) {
    CLigne line;
    line.Set(issue, 0, issue, amount, "", "CB", category, subcategory, "", "");
    doc.AddLine(line);
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
    CRubrique maison("Maison", 1000);
    maison.InsertSousRubrique(0, CSousRubrique("Loyer", 100));
    maison.InsertSousRubrique(1, CSousRubrique("Divers", 10));
    doc.InsertRubrique(0, maison);
    CRubrique autos("Auto", 5);
    autos.InsertSousRubrique(0, CSousRubrique("Divers", 1));
    doc.InsertRubrique(1, autos);
    AddLine(doc, D(2024, 1, 10), -50000, "Maison", "Loyer");
    AddLine(doc, D(2024, 2, 1), 2000, "Maison", "");
    AddLine(doc, D(2024, 2, 10), 0, "Maison", "Loyer");
    AddLine(doc, D(2024, 3, 1), -300, "Maison", "Divers");
    AddLine(doc, D(2024, 3, 1), -7000, "Auto", "Divers");
    AddLine(doc, D(2024, 4, 1), -1, "maison", "Loyer");
    AddLine(doc, D(2024, 5, 1), 99, "", "");
}

}  // namespace belvane::testutil
