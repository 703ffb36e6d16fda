#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"

TEST(Exceptions, OutOfResourcesIsAnOutOfMemoryError)
{
    try {
        throw EOutOfResources("Pas assez de timers disponibles");
    } catch (const EOutOfMemory& e) {
        EXPECT_EQ(e.Message(), "Pas assez de timers disponibles");
        EXPECT_STREQ(e.what(), "Pas assez de timers disponibles");
    }
}
