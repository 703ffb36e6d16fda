// The reservoir dialog's rules: which water, ice, silt and debris flags its OK sets.
#include <gtest/gtest.h>

#include "app/ReservoirRules.h"

namespace {

// A section with its upstream heel at 100, its downstream toe at 98 and the upstream rock at 102.
TParametres Section()
{
    TParametres m;
    m.Dim.Elev.A = 100;
    m.Dim.Elev.B = 98;
    m.Dim.Elev.Fup = 102;
    m.Dim.Elev.G = 160;
    return m;
}

}  // namespace

TEST(ReservoirRules, LevelsCountOnlyAboveTheirHeel)
{
    struct Case {
        double up, down;
        bool water;
    };
    const Case cases[] = {
        {100, 98, false},   // both at their lower bounds
        {101, 98, true},    // 1 m above A upstream
        {100, 99, true},    // above B downstream alone
        {150, 110, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.up << ", " << c.down);
        TParametres m = Section();
        m.Donnees = {daResNormal, daResFlood};
        TReservoirRules rules(m);
        TReservoirEntries e = rules.Entries();
        e.NormalUp = c.up;
        e.NormalDn = c.down;
        e.FloodUp = 100;
        e.FloodDn = 98;
        rules.ApplyOk(e);
        EXPECT_EQ(m.Donnees.Contains(daResNormal), c.water);
        EXPECT_FALSE(m.Donnees.Contains(daResFlood));
        EXPECT_EQ(m.Reservoir.NormalUp, c.up);
        EXPECT_EQ(m.Reservoir.NormalDn, c.down);

        // The flood levels follow the same rule.
        e.NormalUp = 100;
        e.NormalDn = 98;
        e.FloodUp = c.up;
        e.FloodDn = c.down;
        rules.ApplyOk(e);
        EXPECT_FALSE(m.Donnees.Contains(daResNormal));
        EXPECT_EQ(m.Donnees.Contains(daResFlood), c.water);
    }
}

TEST(ReservoirRules, IceSiltAndDebrisFlags)
{
    struct Case {
        const char* what;
        double iceLoad, iceThickness, silt, siltWeight, debris;
        bool ice, sediments, floatingDebris;
    };
    const Case cases[] = {
        {"nothing", 0, 0, 102, 0, 0, false, false, false},
        {"ice load without thickness", 50, 0, 102, 0, 0, false, false, false},
        {"ice thickness without load", 0, 0.5, 102, 0, 0, false, false, false},
        {"ice load and thickness", 50, 0.5, 102, 0, 0, true, false, false},
        {"silt at the rock", 0, 0, 102, 8, 0, false, false, false},
        {"silt above the rock without weight", 0, 0, 110, 0, 0, false, false, false},
        {"silt above the rock with weight", 0, 0, 110, 8, 0, false, true, false},
        {"debris force", 0, 0, 102, 0, 20, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TParametres m = Section();
        m.Donnees = {daIce, daSediments, daFloatingDebris, daAnalysed};
        // The ice thickness is stored when its field is left; OK keeps it.
        m.Reservoir.IceThickness = c.iceThickness;
        TReservoirRules rules(m);
        TReservoirEntries e = rules.Entries();
        e.IceLoad = c.iceLoad;
        e.Sediment = c.silt;
        e.SedWeight = c.siltWeight;
        e.DebrisForce = c.debris;
        e.DebrisElev = -5;   // whatever the debris elevations are
        e.DebrisMaxElev = 0;
        rules.ApplyOk(e);
        EXPECT_EQ(m.Donnees.Contains(daIce), c.ice);
        EXPECT_EQ(m.Donnees.Contains(daSediments), c.sediments);
        EXPECT_EQ(m.Donnees.Contains(daFloatingDebris), c.floatingDebris);
        EXPECT_FALSE(m.Donnees.Contains(daAnalysed));
        EXPECT_EQ(m.Reservoir.IceThickness, c.iceThickness);
    }
}

TEST(ReservoirRules, OkWritesEveryFieldAndLeavesTheOvertoppingFlag)
{
    for (bool overtop : {false, true}) {
        TParametres m = Section();
        if (overtop) m.Donnees.Include(daResOvertop);
        TReservoirRules rules(m);
        const TReservoirEntries e{9.81, 150, 99, 155, 101, 40, 12, 1.5, 3, 120, 11, 30, 0.5, 1.5, smPassive};
        rules.ApplyOk(e);
        EXPECT_EQ(m.Donnees.Contains(daResOvertop), overtop);
        const TReservoir& r = m.Reservoir;
        EXPECT_EQ(r.WaterWeight, 9.81);
        EXPECT_EQ(r.FloodUp, 155);
        EXPECT_EQ(r.FloodDn, 101);
        EXPECT_EQ(r.IceLoad, 40);
        EXPECT_EQ(m.DebrisFlottant.Force, 12);
        EXPECT_EQ(m.DebrisFlottant.Elev, 1.5);
        EXPECT_EQ(m.DebrisFlottant.MaxElev, 3);
        EXPECT_EQ(r.Sediment, 120);
        EXPECT_EQ(r.SedWeight, 11);
        EXPECT_EQ(r.SedAngle, 30);
        // "50.0%" and a typed 150 % are kept as fractions, the range not enforced.
        EXPECT_EQ(r.PressureUp, 0.5);
        EXPECT_EQ(r.PressureDown, 1.5);
        EXPECT_EQ(r.SedModel, smPassive);
    }
}
