#include "ReportRegister.h"

#include "SyntheticRegister.h"

#include "core/DayDate.h"

#include <string>

namespace belvane::bench {

std::unique_ptr<CBelvaneDoc> MakeReportRegister() {
    constexpr int kCategories = 30;
    constexpr int kSubcategories = 5;
    auto doc = std::make_unique<CBelvaneDoc>();
    for (int c = 0; c < kCategories; ++c) {
        CRubrique r("Rubrique " + std::to_string(c), 100 * c);
        for (int s = 0; s < kSubcategories; ++s)
            r.InsertSousRubrique(s, CSousRubrique("Sous-rubrique " + std::to_string(s), s));
        doc->InsertRubrique(c, r);
    }
    const std::int64_t firstDay = DaysFromCivil(1996, 1, 1);
    const std::int64_t days = DaysFromCivil(2025, 12, 31) - firstDay + 1;
    std::uint64_t seed = 12345;
    for (int i = 0; i < kBenchLines; ++i) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        CLigne line;
        const DayDate date = ToDayDate(CivilFromDays(firstDay + i * days / kBenchLines));
        const auto amount = static_cast<Amount>((seed >> 33) % 200000) - 150000;
        const int c = static_cast<int>((seed >> 20) % kCategories);
        const int s = static_cast<int>((seed >> 12) % kSubcategories);
        line.Set(date, 0, date, amount, "", "CB",
                 i % 20 == 0 ? "" : "Rubrique " + std::to_string(c),
                 i % 10 == 0 ? "" : "Sous-rubrique " + std::to_string(s), "Payee", "");
        doc->AddLine(line);
    }
    return doc;
}

}  // namespace belvane::bench
