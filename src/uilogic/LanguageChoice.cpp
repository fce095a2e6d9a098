#include "uilogic/LanguageChoice.h"

#include "core/Text.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>
#include <numeric>

namespace belvane {

namespace {

icu::UnicodeString Unicode(const std::string& utf8) {
    return icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
}

}  // namespace

LanguageEntry MakeLanguageEntry(std::string displayName, std::string fileName,
                                const CResourceSet& resources) {
    LanguageEntry entry;
    entry.displayName = std::move(displayName);
    entry.fileName = std::move(fileName);
    entry.langId = ParseLangId(resources.String(95));
    entry.title = resources.String(90);
    entry.ok = resources.String(91);
    entry.cancel = resources.String(92);
    entry.textNormal = resources.String(93);
    entry.textFirst = resources.String(94);
    if (const std::string* banner = resources.Image(127))
        entry.banner = *banner;
    return entry;
}

int ParseLangId(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const std::optional<int> id = text::ToInt(text);
    return id && *id >= 0 && *id <= 0xFFFF ? *id : 0;
}

std::size_t PreferredLanguage(const std::vector<LanguageEntry>& entries, int wanted) {
    const auto find = [&](auto&& accepts) -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (accepts(entries[i]))
                return i;
        }
        return std::nullopt;
    };
    if (auto i = find([&](const LanguageEntry& e) { return e.langId == wanted; }))
        return *i;
    if (auto i = find([&](const LanguageEntry& e) { return (e.langId & 0xFF) == (wanted & 0xFF); }))
        return *i;
    if (auto i = find([](const LanguageEntry& e) { return (e.langId & 0xFF) == 9; }))
        return *i;
    if (auto i = find([](const LanguageEntry& e) { return e.fileName == kBuiltinLanguageFile; }))
        return *i;
    return 0;
}

std::optional<std::size_t> FindByLetter(const std::vector<std::string>& displayNames, int current,
                                        char letter) {
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z' || displayNames.empty())
        return std::nullopt;
    const std::size_t count = displayNames.size();
    const std::size_t start =
        current < 0 || static_cast<std::size_t>(current) >= count ? 0 : current + 1;
    for (std::size_t step = 0; step < count; ++step) {
        const std::size_t i = (start + step) % count;
        icu::UnicodeString upper = Unicode(displayNames[i]);
        upper.toUpper(icu::Locale::getRoot());
        if (!upper.isEmpty() && upper.char32At(0) == static_cast<UChar32>(letter))
            return i;
    }
    return std::nullopt;
}

std::vector<std::size_t> DisplayOrder(const std::vector<LanguageEntry>& entries) {
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(
        icu::Collator::createInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status) || !collator) {
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return entries[a].displayName < entries[b].displayName;
        });
        return order;
    }
    // Secondary strength: accents count, letter case does not.
    collator->setStrength(icu::Collator::SECONDARY);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        UErrorCode s = U_ZERO_ERROR;
        return collator->compare(Unicode(entries[a].displayName), Unicode(entries[b].displayName),
                                 s) == UCOL_LESS;
    });
    return order;
}

}  // namespace belvane
