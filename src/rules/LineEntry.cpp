#include "rules/LineEntry.h"
