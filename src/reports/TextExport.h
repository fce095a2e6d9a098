#pragma once

#include "core/Status.h"

#include <iosfwd>
#include <string>

// The register as tab-separated text for a spreadsheet: one record per line,
// newest line first, nine fields (issue date, statement date, reference, payment
// method, signed amount, category, subcategory, payee, observation) laid out by
// the record text of the document's string table. No header; texts are written
// as stored (UTF-8), a tab inside a text is not escaped; the validity date is not
// exported.
namespace belvane {

class CBelvaneDoc;

void WriteTextExport(const CBelvaneDoc& doc, std::ostream& out);
std::string TextExport(const CBelvaneDoc& doc);

// Creates or empties `path` and writes the export to it in text mode, so that
// records end with the platform's line end. CannotCreate when the file cannot
// be opened (nothing is written then), CannotWrite when not every record
// reached it; both name `path` as given.
Status ExportTextFile(const CBelvaneDoc& doc, const std::string& path);

}  // namespace belvane
