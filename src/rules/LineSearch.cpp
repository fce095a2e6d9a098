#include "rules/LineSearch.h"

#include "core/CBelvaneDoc.h"
#include "core/CLigne.h"
#include "core/Text.h"

#include <unicode/locid.h>
#include <unicode/ustring.h>

#include <cstdint>

namespace belvane {

namespace {

bool IsAscii(std::string_view s) {
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Asks ICU rather than assuming: only where it maps every ASCII character as
// the byte-wise rule does may ASCII fields skip it.
bool LocaleUpperIsPlainAscii() {
    std::string all;
    for (int c = 1; c < 0x80; ++c)
        all.push_back(static_cast<char>(c));
    std::string plain = all;
    for (char& c : plain)
        c = AsciiUpper(c);
    return text::ToUpper(all) == plain;
}

// UTF-8 to UTF-16 into `out`, malformed bytes as U+FFFD like text::ToUpper.
std::u16string_view ToUtf16Into(std::string_view s, std::vector<char16_t>& out) {
    for (;;) {
        UErrorCode status = U_ZERO_ERROR;
        int32_t length = 0;
        u_strFromUTF8WithSub(reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()),
                             &length, s.data(), static_cast<int32_t>(s.size()), 0xFFFD, nullptr,
                             &status);
        if (status == U_BUFFER_OVERFLOW_ERROR ||
            (U_SUCCESS(status) && length > static_cast<int32_t>(out.size()))) {
            out.resize(static_cast<std::size_t>(length) + 1);
            continue;
        }
        if (U_FAILURE(status))
            return {};
        return {out.data(), static_cast<std::size_t>(length)};
    }
}

std::u16string_view ToUpperInto(std::u16string_view s, const char* locale,
                                std::vector<char16_t>& out) {
    for (;;) {
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length =
            u_strToUpper(reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()),
                         reinterpret_cast<const UChar*>(s.data()), static_cast<int32_t>(s.size()),
                         locale, &status);
        if (status == U_BUFFER_OVERFLOW_ERROR || length > static_cast<int32_t>(out.size())) {
            out.resize(static_cast<std::size_t>(length) + 1);
            continue;
        }
        if (U_FAILURE(status))
            return {};
        return {out.data(), static_cast<std::size_t>(length)};
    }
}

// `needle` is upper case already; the field's letters are raised on the fly.
bool AsciiContainsUpper(std::string_view field, std::string_view needle) {
    if (needle.size() > field.size())
        return false;
    const std::size_t last = field.size() - needle.size();
    for (std::size_t i = 0; i <= last; ++i) {
        std::size_t k = 0;
        while (k < needle.size() && AsciiUpper(field[i + k]) == needle[k])
            ++k;
        if (k == needle.size())
            return true;
    }
    return false;
}

std::int64_t Abs(Amount a) {
    const std::int64_t v = a;  // the lowest 32-bit amount has no 32-bit opposite
    return v < 0 ? -v : v;
}

}  // namespace

LineMatcher::LineMatcher(const SearchCriteria& criteria)
    : m_mode(criteria.mode),
      m_issueDate(criteria.issueDate),
      m_statementDate(criteria.statementDate),
      m_validityDate(criteria.validityDate),
      m_amount(criteria.amount),
      m_credit(criteria.credit),
      m_debit(criteria.debit),
      m_locale(icu::Locale::getDefault().getName()),
      m_plainAsciiUpper(LocaleUpperIsPlainAscii()),
      m_utf16(256),
      m_upper16(256) {
    const std::pair<const std::optional<std::string>*, std::string CLigne::*> texts[] = {
        {&criteria.paiement, &CLigne::m_paiement},
        {&criteria.reference, &CLigne::m_reference},
        {&criteria.rubrique, &CLigne::m_rubrique},
        {&criteria.sousRubrique, &CLigne::m_sousRubrique},
        {&criteria.beneficiaire, &CLigne::m_beneficiaire},
        {&criteria.observation, &CLigne::m_observation},
    };
    for (const auto& [value, field] : texts) {
        if (!*value)
            continue;
        Needle needle{field, text::ToUpper(**value), {}, false};
        needle.upper16 = text::ToUtf16(needle.upper);
        needle.ascii = IsAscii(needle.upper);
        m_needles.push_back(std::move(needle));
    }
}

bool LineMatcher::TextContains(const std::string& field, const Needle& needle) {
    if (needle.upper.empty())
        return true;
    if (m_plainAsciiUpper && IsAscii(field))
        return needle.ascii && AsciiContainsUpper(field, needle.upper);
    const std::u16string_view upper =
        ToUpperInto(ToUtf16Into(field, m_utf16), m_locale.c_str(), m_upper16);
    return upper.find(needle.upper16) != std::u16string_view::npos;
}

bool LineMatcher::Matches(const CLigne& line) {
    const bool all = m_mode == SearchCriteria::Mode::And;
    // In And mode the first false criterion decides, in Or mode the first true
    // one: the cheap ones are tested before the texts.
    const Amount amount = line.m_montant;
    if (m_issueDate && (line.m_dateEmission == *m_issueDate) != all)
        return !all;
    if (m_statementDate && (line.m_dateReleve == *m_statementDate) != all)
        return !all;
    if (m_validityDate && (line.m_dateValidite == *m_validityDate) != all)
        return !all;
    if (m_amount && (Abs(amount) == *m_amount) != all)
        return !all;
    // A zero amount is both credit and debit in And mode, neither in Or mode.
    if (m_credit && (all ? amount >= 0 : amount > 0) != all)
        return !all;
    if (m_debit && (all ? amount <= 0 : amount < 0) != all)
        return !all;
    for (const Needle& needle : m_needles)
        if (TextContains(line.*needle.field, needle) != all)
            return !all;
    // And: every ticked criterion held (or none was ticked). Or: none held.
    return all;
}

int FindLine(const CBelvaneDoc& doc, const SearchCriteria& criteria, int selected, int step) {
    if (step == 0)
        return -1;
    const int count = doc.GetLineCount();
    int start = selected;
    if (start < 0)
        start = step < 0 ? count : -1;
    LineMatcher matcher(criteria);
    for (int i = start + step; i >= 0 && i < count; i += step)
        if (matcher.Matches(doc.GetLine(i)))
            return i;
    return -1;
}

}  // namespace belvane
