// The pseudo-static seismic dialog's rules: what OK writes, the accelerogram period of 0, and
// the pseudo-static flag.
#include <gtest/gtest.h>

#include "app/SeismicCoefficientRules.h"

TEST(SeismicCoefficientRules, AnyAccelerationTurnsThePseudoStaticLoadsOn)
{
    struct Case {
        double peakH, peakV, sustH, sustV;
        bool on;
    };
    const Case cases[] = {
        {0, 0, 0, 0, false}, {0.2, 0, 0, 0, true}, {0, 0.1, 0, 0, true},
        {0, 0, 0.1, 0, true}, {0, 0, 0, -0.05, true}, {0.3, 0.2, 0.15, 0.1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.peakH << " " << c.peakV << " " << c.sustH << " " << c.sustV);
        TParametres m;
        m.Donnees = {daPseudoStatic, daAnalysed};
        m.Charges.Seisme.PseudoStatic = !c.on;
        TSeismicCoefficientEntries e;
        e.PeakHorizontal = c.peakH;
        e.PeakVertical = c.peakV;
        e.SustHorizontal = c.sustH;
        e.SustVertical = c.sustV;
        TSeismicCoefficientRules(m).ApplyOk(e);
        EXPECT_EQ(m.Charges.Seisme.PseudoStatic, c.on);
        EXPECT_EQ(m.Donnees.Contains(daPseudoStatic), c.on);
        EXPECT_FALSE(m.Donnees.Contains(daAnalysed));
        EXPECT_EQ(m.Acc.Peak.vertical, c.peakV);
        EXPECT_EQ(m.Acc.Sust.vertical, c.sustV);
    }
}

TEST(SeismicCoefficientRules, ReturnPeriodAndWestergaardOptions)
{
    struct Case {
        double returnPeriod;
        Integer stored;
        bool compressibility;
        double period, storedPeriod;
    };
    const Case cases[] = {
        {475, 475, true, 0.6, 0.6},
        {474.6, 475, false, 0, 0.01},   // a period of 0 whether compressibility is ticked or not
        {2.5, 2, true, 0, 0.01},        // halves to the even year
        {3.5, 4, true, 0.005, 0.005},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.returnPeriod);
        TParametres m;
        TSeismicCoefficientEntries e;
        e.ReturnPeriod = c.returnPeriod;
        e.WaterCompressibility = c.compressibility;
        e.Period = c.period;
        e.VertAccOnReservoir = true;
        e.IsLimit = false;   // no limit still stores the limit field
        e.Limit = 35;
        e.Slope = sccCorns;
        TSeismicCoefficientRules(m).ApplyOk(e);
        EXPECT_EQ(m.Acc.ReturnPeriod, c.stored);
        EXPECT_EQ(m.CoeffSis.WaterCompressibility, c.compressibility);
        EXPECT_EQ(m.CoeffSis.te, c.storedPeriod);
        EXPECT_TRUE(m.Reservoir.VertAccOnReservoir);
        EXPECT_FALSE(m.CoeffSis.Depth.IsLimit);
        EXPECT_EQ(m.CoeffSis.Depth.Limit, 35);
        EXPECT_EQ(m.CoeffSis.SlopeCorr, scCorns);
    }
}

TEST(SeismicCoefficientRules, SlopeCorrectionButtons)
{
    struct Case {
        TSlopeCorrection correction;
        TSlopeCorrectionChoice choice;
    };
    const Case cases[] = {{scGeneralized, sccGeneralized}, {scCos2, sccCos2}, {scCorns, sccCorns},
                          {scNoCorrection, sccNoCorrection}};
    for (const Case& c : cases) {
        EXPECT_EQ(SlopeCorrectionChoice(c.correction), c.choice);
        EXPECT_EQ(SlopeCorrectionOf(c.choice), c.correction);
    }
    // A value the model should not hold selects the generalized correction.
    EXPECT_EQ(SlopeCorrectionChoice(static_cast<TSlopeCorrection>(9)), sccGeneralized);
}
