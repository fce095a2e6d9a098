#include "core/ReferenceLists.h"

#include <gtest/gtest.h>
