#pragma once

#include "core/CRegistre.h"

#include <cstdint>
#include <span>
#include <string>

namespace belvane {

// The index in m_largeurs of a column's width, or -1 for a column without one.
constexpr int WidthIndexOf(int column) {
    switch (column) {
        case kColReference:
            return kWidthReference;
        case kColPaiement:
            return kWidthPaiement;
        case kColRubrique:
            return kWidthRubrique;
        case kColSousRubrique:
            return kWidthSousRubrique;
        case kColBeneficiaire:
            return kWidthBeneficiaire;
        case kColObservation:
            return kWidthObservation;
        default:
            return -1;
    }
}

// Characters of the columns whose width the register does not set.
inline constexpr int kDateColumnWidth = 8;
// "-21474836,47", the widest amount a line can hold.
inline constexpr int kAmountColumnWidth = 12;

constexpr bool IsDateColumn(int column) {
    return column <= kColDateValidite;
}
constexpr bool IsAmountColumn(int column) {
    return column == kColMontant || column == kColCredit || column == kColDebit;
}

// One column of a row of text: which column, and its width in characters.
struct RowColumn {
    std::uint8_t id = 0;
    int width = 0;

    bool operator==(const RowColumn&) const = default;
};

// Characters of a row of `columns`: a leading blank, then each column with two
// blanks after it.
inline int RowLength(std::span<const RowColumn> columns) {
    int length = 1;
    for (const RowColumn& c : columns)
        length += c.width + 2;
    return length;
}

// The text of a line in a text column (one with a width).
inline const std::string& TextOf(const CLigne& line, int column) {
    switch (column) {
        case kColReference:
            return line.m_reference;
        case kColPaiement:
            return line.m_paiement;
        case kColRubrique:
            return line.m_rubrique;
        case kColSousRubrique:
            return line.m_sousRubrique;
        case kColBeneficiaire:
            return line.m_beneficiaire;
        default:
            return line.m_observation;
    }
}

}  // namespace belvane
