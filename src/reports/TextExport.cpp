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

namespace {

constexpr std::size_t kFieldCount = 9;

// The record text is a printf format of the original resources. User texts
// must never be read as a format, so only "%s" (the next field, empty once all
// are used) and "%%" are replaced; any other '%' is copied as it is.
void AppendRecord(std::string& out, std::string_view pattern,
                  const std::array<std::string_view, kFieldCount>& fields) {
    std::size_t next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
            if (next < fields.size())
                out += fields[next++];
            ++i;
        } else if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] == '%') {
            out.push_back('%');
            ++i;
        } else {
            out.push_back(c);
        }
    }
}

}  // namespace

void WriteTextExport(const CBelvaneDoc& doc, std::ostream& out) {
    // A language set without the record text would give an empty export that
    // looks like a success: the built-in text stands in for it.
    std::string_view pattern = doc.Strings().Get(ids::kExportRecord);
    if (pattern.empty())
        pattern = CStringTable::Builtin().Get(ids::kExportRecord);

    std::string record;
    for (int i = doc.GetLineCount() - 1; i >= 0; --i) {
        const CLigne& line = doc.GetLine(i);
        const std::string issue = doc.FormatDate(line.m_dateEmission);
        // FormatDate blanks a missing date for the screen; the export leaves
        // the field empty instead.
        const std::string statement =
            line.m_dateReleve != 0 ? doc.FormatDate(line.m_dateReleve) : std::string();
        const std::string amount = doc.FormatAmount(line.m_montant, true, 0);
        record.clear();
        AppendRecord(record, pattern,
                     {issue, statement, line.m_reference, line.m_paiement, amount, line.m_rubrique,
                      line.m_sousRubrique, line.m_beneficiaire, line.m_observation});
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
