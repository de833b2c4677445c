#include "core/numbers/Real.h"
