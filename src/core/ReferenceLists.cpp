#include "core/ReferenceLists.h"
