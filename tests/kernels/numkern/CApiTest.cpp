#include <gtest/gtest.h>

#include "CApiCheck.h"

namespace numkern_test {
namespace {

TEST(CApi, ExportsCalledFromC) { EXPECT_EQ(NumkernCApiCheck(), 0); }

}  // namespace
}  // namespace numkern_test
