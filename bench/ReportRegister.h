#pragma once

#include "core/CBelvaneDoc.h"

#include <memory>

// The register of the report timings: 300000 lines over thirty years
// (1996 to 2025, about 27 a day), in 30 categories of 5 subcategories each,
// every tenth line without subcategory and every twentieth without category.
namespace belvane::bench {

std::unique_ptr<CBelvaneDoc> MakeReportRegister();

}  // namespace belvane::bench
