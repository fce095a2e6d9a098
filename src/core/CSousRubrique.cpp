#include "core/CSousRubrique.h"

#include "core/Archive.h"

namespace belvane {

void CSousRubrique::Serialize(CArchiveReader& ar) {
    m_nom = ar.ReadString();
    m_montantInitial = ar.ReadI32();
}

void CSousRubrique::Serialize(CArchiveWriter& ar) const {
    ar.WriteString(m_nom);
    ar.WriteI32(m_montantInitial);
}

}  // namespace belvane
