// The unit texts of the dialogs' labels in both unit systems.
#include <gtest/gtest.h>

#include "app/UnitTexts.h"

TEST(UnitTexts, EachQuantityInBothSystems)
{
    struct Case {
        TUnitQuantity q;
        const char* metric;
        const char* imperial;
    };
    const Case cases[] = {
        {uqLength, "m", "ft"},
        {uqForce, "kN", "kip"},
        {uqCableForce, "kN", "kips"},
        {uqForcePerLength, "kN/m", "kip/ft"},
        {uqUnitWeight, "kN/m³", "kip/ft³"},
        {uqStress, "kPa", "ksf"},
        {uqMass, "kg", "lb"},
        {uqVolumetricMass, "kg/m³", "lb/ft³"},
        {uqGravity, "m/s²", "ft/s²"},
        {uqModulus, "MPa", "psi"},
        {uqVelocity, "m/s", "ft/s"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UnitText(SI, c.q), String(c.metric)) << c.metric;
        EXPECT_EQ(UnitText(US, c.q), String(c.imperial)) << c.imperial;
    }
}
