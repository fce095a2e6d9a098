#include "reports/TextExport.h"

#include "core/CBelvaneDoc.h"
#include "core/SafeFile.h"
#include "core/StringIds.h"
#include "core/StringTable.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string_view>

namespace belvane {

void WriteTextExport(const CBelvaneDoc& doc, std::ostream& out) {
    // A language set without the record text would give an empty export that
    // looks like a success: the built-in text stands in for it.
    std::string_view pattern = doc.Strings().Get(ids::kExportRecord);
    if (pattern.empty())
        pattern = CStringTable::Builtin().Get(ids::kExportRecord);

    std::string record;
    for (int i = doc.GetLineCount() - 1; i >= 0; --i) {
        const CLigne& line = doc.GetLine(i);
        const std::string issue = doc.Format().FormatDate(line.m_dateEmission);
        // FormatDate blanks a missing date for the screen; the export leaves
        // the field empty instead.
        const std::string statement =
            line.m_dateReleve != 0 ? doc.Format().FormatDate(line.m_dateReleve) : std::string();
        const std::string amount = doc.Format().FormatAmount(line.m_montant, true, 0);
        const std::array<std::string_view, 9> fields = {
            issue,           statement,           line.m_reference,    line.m_paiement,   amount,
            line.m_rubrique, line.m_sousRubrique, line.m_beneficiaire, line.m_observation};
        // The record text is a format of the original resources; what the
        // fields hold is never read as one.
        record.clear();
        AppendFilled(record, pattern, fields);
        out.write(record.data(), static_cast<std::streamsize>(record.size()));
    }
}

std::string TextExport(const CBelvaneDoc& doc) {
    std::ostringstream out;
    WriteTextExport(doc, out);
    return std::move(out).str();
}

Status ExportTextFile(const CBelvaneDoc& doc, const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status target = fs::status(path, ec);
    if (fs::exists(target) && !fs::is_regular_file(target)) {
        // A device or a pipe cannot be replaced by renaming: it is written to.
        std::ofstream file(path, std::ios::out | std::ios::trunc);
        if (!file.is_open())
            return Status::CannotCreate(path, "cannot be opened for writing");
        WriteTextExport(doc, file);
        file.close();
        return file.fail() ? Status::CannotWrite(path, "not every record was written")
                           : Status::Ok();
    }
    const fs::path parent = fs::absolute(path, ec).parent_path();
    if (ec || !fs::is_directory(parent, ec))
        return Status::CannotCreate(path, "its folder does not exist");
    // Through a temporary file renamed into place: a full disk leaves the
    // previous file whole and is reported, never taken for a success.
    return WriteFileAtomically(path, TextExport(doc));
}

}  // namespace belvane
