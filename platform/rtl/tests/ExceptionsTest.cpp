#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/RtlConsts.h"

TEST(Exceptions, OutOfResourcesIsAnOutOfMemoryError)
{
    try {
        throw EOutOfResources("Pas assez de timers disponibles");
    } catch (const EOutOfMemory& e) {
        EXPECT_EQ(e.Message(), "Pas assez de timers disponibles");
        EXPECT_STREQ(e.what(), "Pas assez de timers disponibles");
    }
}

TEST(Exceptions, AFailedAssertionNamesTheUnitAndTheLine)
{
    struct Case { String message; const char* expected; };
    const Case cases[] = {
        {"", "Echec de l'assertion (ACXPVS, ligne 1537)"},
        {"Index out of range", "Index out of range (ACXPVS, ligne 1537)"},
    };
    for (const Case& c : cases) {
        try {
            AssertionFailed(c.message, "ACXPVS", 1537);
            ADD_FAILURE() << "no exception";
        } catch (const EAssertionFailed& e) {
            EXPECT_EQ(e.Message(), String(c.expected));
        }
    }
    EXPECT_NO_THROW(Assert(true, "ACXPVS", 1));
    EXPECT_THROW(Assert(false, "GxXPVS", 1700), EAssertionFailed);
}
