#include <gtest/gtest.h>

#include "chart/VEZ_vezbase.h"

TEST(VezBase, MessageNamesTheComponentInQuotes)
{
    EXPECT_EQ(ComponentMessage("Vec1", ": not enough memory"), String("Component \"Vec1\": not enough memory"));
    EXPECT_EQ(ComponentMessage("", ": not enough memory on heap"),
              String("Component \"\": not enough memory on heap"));
}

TEST(VezBase, LibraryErrorsAreRuntimeExceptions)
{
    try {
        throw EVEZError(ComponentMessage("M", ": x"));
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), String("Component \"M\": x"));
    }
}

namespace {
double lastSeen = -1;
void Remember(double counter) { lastSeen = counter; }
}  // namespace

TEST(VezBase, CountingAStepRaisesTheCounterAndCallsTheHook)
{
    ProgressHook = nullptr;
    double before = ProgressCounter;
    CountProgressStep();
    EXPECT_EQ(ProgressCounter, before + 1);
    EXPECT_EQ(lastSeen, -1);

    ProgressHook = Remember;
    CountProgressStep();
    EXPECT_EQ(lastSeen, before + 2);
    ProgressHook = nullptr;
}
