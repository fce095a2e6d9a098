#pragma once

#include "core/CRegistre.h"

#include <QColor>

namespace belvane {

// A stored colour (0x00BBGGRR) as Qt knows it, and back.
QColor FromColorRef(ColorRef c);
ColorRef ToColorRef(const QColor& color);

}  // namespace belvane
