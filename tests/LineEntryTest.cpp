#include "rules/LineEntry.h"

#include <gtest/gtest.h>
