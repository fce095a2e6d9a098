#include "core/Text.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <array>
#include <charconv>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace belvane::text {

namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// windows-1252 decoding table (one UTF-8 text per byte) and its reverse, both
// taken from ICU's converter once. Tables make loading a 300000-line register
// cheap; the converter stays the authority on the mapping.
struct Cp1252Tables {
    std::array<std::string, 256> decode;
    std::unordered_map<char32_t, std::uint8_t> encode;  // non-ASCII code points only
};

const Cp1252Tables& Tables() {
    static const Cp1252Tables tables = [] {
        Cp1252Tables t;
        UErrorCode status = U_ZERO_ERROR;
        UConverter* conv = ucnv_open("windows-1252", &status);
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            UChar out[4];
            UErrorCode st = U_ZERO_ERROR;
            int32_t n = U_SUCCESS(status) ? ucnv_toUChars(conv, out, 4, &byte, 1, &st) : 0;
            if (U_FAILURE(st) || n < 1) {
                out[0] = static_cast<UChar>(b);  // latin-1 fallback, never expected
                n = 1;
            }
            std::string utf8;
            icu::UnicodeString(out, n).toUTF8String(utf8);
            t.decode[b] = utf8;
            if (b >= 0x80)
                t.encode.emplace(static_cast<char32_t>(icu::UnicodeString(out, n).char32At(0)),
                                 static_cast<std::uint8_t>(b));
        }
        if (conv)
            ucnv_close(conv);
        return t;
    }();
    return tables;
}

// Decodes one code point; returns false on a malformed sequence.
bool NextCodePoint(std::string_view s, std::size_t& i, char32_t& cp) {
    const auto c = static_cast<unsigned char>(s[i]);
    int extra = 0;
    if (c < 0x80) {
        cp = c;
    } else if ((c & 0xE0) == 0xC0) {
        cp = c & 0x1F;
        extra = 1;
    } else if ((c & 0xF0) == 0xE0) {
        cp = c & 0x0F;
        extra = 2;
    } else if ((c & 0xF8) == 0xF0) {
        cp = c & 0x07;
        extra = 3;
    } else {
        return false;
    }
    if (extra > 0 && i + extra >= s.size())
        return false;
    for (int k = 1; k <= extra; ++k) {
        const auto cc = static_cast<unsigned char>(s[i + k]);
        if (!IsContinuation(cc))
            return false;
        cp = (cp << 6) | (cc & 0x3F);
    }
    i += 1 + extra;
    return true;
}

// Collators are costly to make and not thread-safe: one per thread.
icu::Collator* CaseBlindCollator() {
    thread_local std::unique_ptr<icu::Collator> collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        // The POSIX locale's collation puts every capital before every small letter:
        // under LANG=C fall back to the root collation, which orders as people do.
        icu::Locale locale = icu::Locale::getDefault();
        if (std::string_view(locale.getName()) == "en_US_POSIX")
            locale = icu::Locale::getRoot();
        std::unique_ptr<icu::Collator> c(icu::Collator::createInstance(locale, status));
        if (U_FAILURE(status) || !c)
            return std::unique_ptr<icu::Collator>();
        c->setStrength(icu::Collator::SECONDARY);  // accents count, letter case does not
        return c;
    }();
    return collator.get();
}

}  // namespace

std::size_t Length(std::string_view s) {
    std::size_t n = 0;
    for (const char c : s)
        n += IsContinuation(static_cast<unsigned char>(c)) ? 0 : 1;
    return n;
}

std::string_view Left(std::string_view s, std::size_t n) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!IsContinuation(static_cast<unsigned char>(s[i]))) {
            if (count == n)
                return s.substr(0, i);
            ++count;
        }
    }
    return s;
}

void AppendField(std::string& out, std::string_view s, std::size_t width, std::size_t precision,
                 bool left) {
    const std::string_view cut = Left(s, precision);
    const std::size_t len = Length(cut);
    const std::size_t pad = width > len ? width - len : 0;
    if (!left)
        out.append(pad, ' ');
    out.append(cut);
    if (left)
        out.append(pad, ' ');
}

bool IsBlank(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == ' ' || s[i] == '\t')
            i += 1;
        else if (s.substr(i, 2) == "\xC2\xA0")  // U+00A0
            i += 2;
        else if (s.substr(i, 3) == "\xE2\x80\xAF")  // U+202F
            i += 3;
        else
            return false;
    }
    return true;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() == b.size() && a == b)
        return true;
    const auto ua =
        icu::UnicodeString::fromUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())));
    const auto ub =
        icu::UnicodeString::fromUTF8(icu::StringPiece(b.data(), static_cast<int32_t>(b.size())));
    return ua.caseCompare(ub, U_FOLD_CASE_DEFAULT) == 0;
}

bool SamePath(std::string_view a, std::string_view b) {
#ifdef _WIN32
    return EqualsNoCase(a, b);
#else
    return a == b;
#endif
}

int CompareNoCase(std::string_view a, std::string_view b) {
    const icu::StringPiece pa(a.data(), static_cast<int32_t>(a.size()));
    const icu::StringPiece pb(b.data(), static_cast<int32_t>(b.size()));
    if (icu::Collator* c = CaseBlindCollator()) {
        UErrorCode status = U_ZERO_ERROR;
        const UCollationResult r = c->compareUTF8(pa, pb, status);
        if (U_SUCCESS(status))
            return static_cast<int>(r);
    }
    return icu::UnicodeString::fromUTF8(pa).caseCompare(icu::UnicodeString::fromUTF8(pb),
                                                        U_FOLD_CASE_DEFAULT);
}

std::string ToUpper(std::string_view s) {
    auto u =
        icu::UnicodeString::fromUTF8(icu::StringPiece(s.data(), static_cast<int32_t>(s.size())));
    u.toUpper(icu::Locale::getDefault());
    std::string out;
    u.toUTF8String(out);
    return out;
}

std::string DecodeCp1252(std::string_view bytes) {
    std::size_t ascii = 0;
    while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80)
        ++ascii;
    if (ascii == bytes.size())
        return std::string(bytes);  // the common case, at its exact size

    const Cp1252Tables& t = Tables();
    std::string out;
    out.reserve(bytes.size() + 8);
    out.append(bytes.substr(0, ascii));
    for (const char c : bytes.substr(ascii)) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            out.push_back(c);
        else
            out.append(t.decode[b]);
    }
    return out;
}

std::optional<std::string> EncodeCp1252(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size() && static_cast<unsigned char>(utf8[i]) < 0x80)
        ++i;
    if (i == utf8.size())
        return std::string(utf8);  // plain ASCII, the common case

    const Cp1252Tables& t = Tables();
    std::string out(utf8.substr(0, i));
    while (i < utf8.size()) {
        char32_t cp = 0;
        if (!NextCodePoint(utf8, i, cp))
            return std::nullopt;
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        const auto it = t.encode.find(cp);
        if (it == t.encode.end())
            return std::nullopt;
        out.push_back(static_cast<char>(it->second));
    }
    return out;
}

std::string DecodeUtf16Le(const std::uint8_t* data, std::size_t units) {
    std::u16string u16(units, u'\0');
    for (std::size_t k = 0; k < units; ++k)
        u16[k] = static_cast<char16_t>(data[2 * k] | (data[2 * k + 1] << 8));
    std::string out;
    icu::UnicodeString(u16.data(), static_cast<int32_t>(u16.size())).toUTF8String(out);
    return out;
}

std::u16string ToUtf16(std::string_view utf8) {
    const auto u = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    return std::u16string(u.getBuffer(), static_cast<std::size_t>(u.length()));
}

std::optional<int> ToInt(std::string_view s) {
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

}  // namespace belvane::text
