#include "reports/PrintTexts.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "core/StringTable.h"
#include "core/Text.h"

namespace belvane {

std::string RegisterPrintHeader(const CBelvaneDoc& doc, DayDate from, DayDate to) {
    return FillPlaceholders(
        doc.Strings().Get(ids::kPrintHeader),
        {doc.GetTitle(), doc.Format().FormatDate(from), doc.Format().FormatDate(to)});
}

std::string PrintHeader(const CBelvaneDoc& doc, std::string_view printTitle) {
    std::string text = doc.GetShownTitle();
    text.append(", ").append(printTitle);
    return text;
}

std::string PrintFooter(const CBelvaneDoc& doc, int page, int count) {
    return FillPlaceholders(doc.Strings().Get(ids::kPrintFooter),
                            {std::to_string(page), std::to_string(count)});
}

std::string FitText(std::string_view text, int maxChars) {
    if (static_cast<int>(text::Length(text)) <= maxChars)
        return std::string(text);
    if (maxChars <= 0)
        return {};
    std::string_view kept = text::Left(text, static_cast<std::size_t>(maxChars - 1));
    if (text[kept.size()] != ' ') {
        const std::size_t blank = kept.rfind(' ');
        if (blank != std::string_view::npos)
            kept = kept.substr(0, blank);
    }
    while (!kept.empty() && kept.back() == ' ')
        kept.remove_suffix(1);
    return std::string(kept) + "\xE2\x80\xA6";  // "…"
}

}  // namespace belvane
