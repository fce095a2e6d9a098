#pragma once

#include "core/Types.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace belvane {

class CBelvaneDoc;
class CLigne;

// What the search window asks for. An engaged optional is a ticked criterion
// holding its value; a disengaged one is not ticked.
struct SearchCriteria {
    enum class Mode { And, Or };

    Mode mode = Mode::And;
    // 0 stands for "no date": an empty or unreadable field.
    std::optional<DayDate> issueDate{};
    std::optional<DayDate> statementDate{};
    std::optional<DayDate> validityDate{};
    // Without sign, compared with the line's amount without sign; 0 when empty.
    std::optional<Amount> amount{};
    bool credit = false;
    bool debit = false;
    // Found anywhere inside the line's field, letter case ignored.
    std::optional<std::string> paiement{};
    std::optional<std::string> reference{};
    std::optional<std::string> rubrique{};
    std::optional<std::string> sousRubrique{};
    std::optional<std::string> beneficiaire{};
    std::optional<std::string> observation{};
};

// The criteria made ready for testing many lines: the texts are upper-cased
// once here, and the scratch buffers are reused from line to line.
class LineMatcher {
public:
    explicit LineMatcher(const SearchCriteria& criteria);

    // Not const: it upper-cases the line's fields into its own buffers.
    bool Matches(const CLigne& line);

private:
    struct Needle {
        std::string CLigne::*field;
        std::string upper;       // UTF-8, for fields in plain ASCII
        std::u16string upper16;  // for the other fields
        bool ascii;              // the upper-cased value is plain ASCII
    };

    bool TextContains(const std::string& field, const Needle& needle);

    SearchCriteria::Mode m_mode;
    std::optional<DayDate> m_issueDate;
    std::optional<DayDate> m_statementDate;
    std::optional<DayDate> m_validityDate;
    std::optional<Amount> m_amount;
    bool m_credit;
    bool m_debit;
    std::vector<Needle> m_needles;
    std::string m_locale;
    // Whether the locale upper-cases ASCII letters to ASCII letters one by one
    // (not so in Turkish, where i becomes a dotted capital).
    bool m_plainAsciiUpper;
    std::vector<char16_t> m_utf16;
    std::vector<char16_t> m_upper16;
};

// The index of the first line matching `criteria` from `selected` (-1 for no
// selection) in direction `step` (+1 or -1), or -1 when none matches before
// the end of the register. The selected line itself is never tested.
int FindLine(const CBelvaneDoc& doc, const SearchCriteria& criteria, int selected, int step);

}  // namespace belvane
