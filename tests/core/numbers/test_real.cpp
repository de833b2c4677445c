#include <gtest/gtest.h>
#include <cfloat>
#include "core/numbers/Real.h"

TEST(Real, IsExtendedPrecision) {
    EXPECT_EQ(sizeof(Real) >= 10, true);
    EXPECT_EQ(LDBL_MANT_DIG, 64);
}
