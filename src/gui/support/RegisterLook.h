#pragma once

#include "core/CRegistre.h"

#include <QColor>
#include <QFont>

namespace belvane {

class CPolice;

// The register's display font as Qt knows it (heights are stored in tenths of
// a point; a fixed-pitch or modern family asks for a typewriter face).
QFont RegisterFont(const CPolice& police);

// A stored colour (0x00BBGGRR).
QColor FromColorRef(ColorRef c);

}  // namespace belvane
