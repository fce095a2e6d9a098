#pragma once

#include "core/CRegistre.h"

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

}  // namespace belvane
