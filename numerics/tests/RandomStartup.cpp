// Runs in a process of its own: the first draws after the program starts must be the
// ones the generator's definition gives, computed here independently.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "numerics/VEZ_math1.h"

namespace {

// The generator written out from its definition: seed 1234, the permutation draws of
// the start-up (integer draws over 255 until an unused value comes up), then three
// real draws.
struct ReferenceGenerator {
    uint32_t seed = 1234;
    uint32_t Step() { return seed = seed * 134775813u + 1u; }
    ReferenceGenerator()
    {
        std::set<uint32_t> used;
        while (used.size() < 255) used.insert(static_cast<uint32_t>((uint64_t(Step()) * 255u) >> 32) + 1);
        for (int i = 0; i < 3; ++i) Step();
    }
};

}  // namespace

TEST(RandomStartup, FirstDrawsAfterStartUpAreFixed)
{
    ReferenceGenerator ref;
    for (int i = 0; i < 20; ++i) {
        double expected = ref.Step() / 4294967296.0;
        ASSERT_EQ(Random(), expected) << "real draw " << i + 1;
    }
    for (int i = 0; i < 20; ++i) {
        int expected = static_cast<int>((uint64_t(ref.Step()) * 100u) >> 32);
        ASSERT_EQ(Random(100), expected) << "integer draw " << i + 1;
    }
}
