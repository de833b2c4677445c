#include "numbers/Real.h"
