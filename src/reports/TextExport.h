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

// Writes the export to `path` (created, or replaced whole) with the platform's
// line ends. The text goes through a temporary file renamed into place, so that
// a failed write leaves any previous file intact. CannotCreate when the file's
// folder does not exist or the file cannot be opened, CannotWrite when the
// text could not be written whole; both name `path` as given.
Status ExportTextFile(const CBelvaneDoc& doc, const std::string& path);

}  // namespace belvane
