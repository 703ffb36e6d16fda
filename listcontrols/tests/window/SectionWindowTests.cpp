#include <gtest/gtest.h>

#include "listcontrols/tests/ListTestSupport.h"

TEST(SectionModel, Placeholder) { TSectionListFixture f; EXPECT_EQ(f.List->Items().Count(), 0); }
