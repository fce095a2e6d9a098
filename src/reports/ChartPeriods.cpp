#include "reports/ChartPeriods.h"

#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"
#include "core/StringIds.h"
#include "core/StringTable.h"
#include "core/ValueFormat.h"
#include "reports/ReportTitles.h"

#include <algorithm>

namespace belvane {

namespace {

std::int64_t DayNumber(DayDate date) {
    const CivilDate d = ToCivil(date);
    return DaysFromCivil(d.year, d.month, d.day);
}

DayDate FromDayNumber(std::int64_t days) {
    return ToDayDate(CivilFromDays(days));
}

int MonthNumber(const CivilDate& d) {
    return d.year * 12 + (d.month - 1);
}

// Monday 0 to Sunday 6; day 0 (1 January 1970) was a Thursday.
int Weekday(std::int64_t days) {
    return static_cast<int>(((days + 3) % 7 + 7) % 7);
}

// Where the periods of a chart begin, to find a line's period without a search.
struct PeriodIndex {
    PeriodKind kind;
    std::int64_t first = 0;  // day, Monday, month or year number of period 0
    std::int64_t count = 0;

    std::int64_t Of(DayDate date) const {
        const CivilDate d = ToCivil(date);
        std::int64_t n = 0;
        switch (kind) {
            case PeriodKind::Day:
                n = DaysFromCivil(d.year, d.month, d.day) - first;
                break;
            case PeriodKind::Week: {
                const std::int64_t days = DaysFromCivil(d.year, d.month, d.day) - first;
                n = days >= 0 ? days / 7 : -1;
                break;
            }
            case PeriodKind::Month:
                n = MonthNumber(d) - first;
                break;
            case PeriodKind::Year:
                n = d.year - first;
                break;
        }
        return n >= 0 && n < count ? n : -1;
    }
};

PeriodIndex MakeIndex(DayDate firstStart, std::size_t count, PeriodKind kind) {
    const CivilDate d = ToCivil(firstStart);
    PeriodIndex index{kind, 0, static_cast<std::int64_t>(count)};
    switch (kind) {
        case PeriodKind::Day:
        case PeriodKind::Week:
            index.first = DaysFromCivil(d.year, d.month, d.day);
            break;
        case PeriodKind::Month:
            index.first = MonthNumber(d);
            break;
        case PeriodKind::Year:
            index.first = d.year;
            break;
    }
    return index;
}

}  // namespace

bool ChartFilter::Passes(const CLigne& line) const {
    if (category.empty())
        return true;
    return line.m_rubrique == category &&
           (subcategory.empty() || line.m_sousRubrique == subcategory);
}

std::vector<PeriodTotal> MakePeriods(const CBelvaneDoc& doc, DayDate from, DayDate to,
                                     PeriodKind kind) {
    std::vector<PeriodTotal> periods;
    if (to < from)
        return periods;
    const CivilDate f = ToCivil(from);
    const CivilDate t = ToCivil(to);
    switch (kind) {
        case PeriodKind::Day: {
            const std::int64_t first = DayNumber(from);
            const std::int64_t last = DayNumber(to);
            periods.reserve(static_cast<std::size_t>(last - first + 1));
            for (std::int64_t day = first; day <= last; ++day) {
                const DayDate date = FromDayNumber(day);
                periods.push_back({date, date, doc.Format().FormatDate(date)});
            }
            break;
        }
        case PeriodKind::Week: {
            const std::int64_t fromDay = DayNumber(from);
            const std::int64_t toDay = DayNumber(to);
            const std::int64_t monday = fromDay - Weekday(fromDay);
            const std::int64_t sunday = toDay + (6 - Weekday(toDay));
            const std::string pattern = ReportText(doc, ids::kChartWeekLabel);
            for (std::int64_t day = monday; day < sunday; day += 7) {
                const DayDate start = FromDayNumber(day);
                const DayDate end = FromDayNumber(day + 6);
                periods.push_back({start, end,
                                   FillPlaceholders(pattern, {doc.Format().FormatDate(start),
                                                              doc.Format().FormatDate(end)})});
            }
            break;
        }
        case PeriodKind::Month: {
            std::string patterns[12];
            for (int m = 0; m < 12; ++m)
                patterns[m] = ReportText(doc, ids::kChartMonthLabelFirst + m);
            for (int n = MonthNumber(f); n <= MonthNumber(t); ++n) {
                const int year = n / 12;
                const int month = n % 12 + 1;
                const DayDate start = ToDayDate(year, month, 1);
                periods.push_back({start, ToDayDate(year, month, DaysInMonth(year, month)),
                                   FormatDate(start, patterns[month - 1])});
            }
            break;
        }
        case PeriodKind::Year: {
            const std::string pattern = ReportText(doc, ids::kChartYearLabel);
            for (int year = f.year; year <= t.year; ++year) {
                const DayDate start = ToDayDate(year, 1, 1);
                periods.push_back({start, ToDayDate(year, 12, 31), FormatDate(start, pattern)});
            }
            break;
        }
    }
    return periods;
}

ChartData ComputeChart(const CBelvaneDoc& doc, DayDate from, DayDate to, PeriodKind kind,
                       const ChartFilter& filter) {
    ChartData chart;
    chart.periods = MakePeriods(doc, from, to, kind);
    if (chart.periods.empty())
        return chart;
    const PeriodIndex index = MakeIndex(chart.periods.front().start, chart.periods.size(), kind);
    const DayDate first = chart.periods.front().start;
    const DayDate last = chart.periods.back().end;
    for (const CLigne& line : doc.Lines()) {
        if (line.m_dateEmission < first || line.m_dateEmission > last || line.m_montant == 0 ||
            !filter.Passes(line))
            continue;
        const std::int64_t n = index.Of(line.m_dateEmission);
        if (n < 0)
            continue;
        PeriodTotal& p = chart.periods[static_cast<std::size_t>(n)];
        if (line.m_montant > 0)
            p.credits += line.m_montant;
        else
            p.debits -= line.m_montant;
    }
    for (const PeriodTotal& p : chart.periods)
        chart.largest = std::max({chart.largest, p.credits, p.debits});
    return chart;
}

std::vector<std::uint32_t> MatchBarLines(const CBelvaneDoc& doc, const PeriodTotal& period,
                                         bool credits, const ChartFilter& filter) {
    std::vector<std::uint32_t> indices;
    const CLigneStore& lines = doc.Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const CLigne& line = lines[i];
        if (line.m_dateEmission >= period.start && line.m_dateEmission <= period.end &&
            (credits ? line.m_montant > 0 : line.m_montant < 0) && filter.Passes(line))
            indices.push_back(static_cast<std::uint32_t>(i));
    }
    return indices;
}

void DefaultChartRange(const CBelvaneDoc& doc, DayDate& from, DayDate& to) {
    const int count = doc.GetLineCount();
    from = count > 0 ? doc.GetLine(0).m_dateEmission : 0;
    to = count > 0 ? doc.GetLine(count - 1).m_dateEmission : 0;
}

}  // namespace belvane
