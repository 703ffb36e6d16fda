// The pseudo-dynamic window's live values and flags, without the window.
#include <cmath>

#include <gtest/gtest.h>

#include "app/PseudoDynamicRules.h"
#include "engine/Tables.h"

namespace {

// A dam of height hs on its foundation at elevation 100, an empty reservoir (no lengthening by
// the water) and a foundation more than five times stiffer than the concrete (none by the rock).
TParametres Dam(TUnites unites, double hs, double Ec)
{
    TParametres m;
    m.unites = unites;
    m.Dim.Elev.A = m.Dim.Elev.B = m.Dim.Elev.Fup = 100;
    m.Dim.Elev.G = 100 + hs;
    m.Reservoir.NormalUp = 100;
    m.Concrete.Ec = Ec;
    m.Foundation.Ef = 6 * Ec;
    m.ChopraC.e1 = 0.05;
    m.ChopraC.Alpha = 0.75;
    m.ChopraC.FoundHystDamping = 10;
    return m;
}

}  // namespace

TEST(PseudoDynamicRules, PeriodOfTheDamAloneInBothUnitSystems)
{
    struct Case {
        TUnites unites;
        double hs, Ec;
        const char *T1, *T1rf, *D1, *D1rf;
    };
    const Case cases[] = {
        // 0.38 x 100 / sqrt(25000) = 0.2403 s; 1.4 x 300 / sqrt(3600000) = 0.2214 s
        {SI, 100, 25000, "0.240 sec", "0.240 sec", "0.050 ", "0.050 "},
        {US, 300, 3600000, "0.221 sec", "0.221 sec", "0.050 ", "0.050 "},
        // No stiffness: the period divides by zero; the damping needs no period.
        {SI, 100, 0, "-", "-", "0.050 ", "0.050 "},
        {SI, 100, -10, "-", "-", "0.050 ", "0.050 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.T1);
        TParametres m = Dam(c.unites, c.hs, c.Ec);
        const TChopraValues v = ComputeChopraCoefficients(m);
        EXPECT_EQ(PeriodText(v.T1), String(c.T1));
        EXPECT_EQ(PeriodText(v.T1rf), String(c.T1rf));
        EXPECT_EQ(DampingText(v.D1), String(c.D1));
        EXPECT_EQ(DampingText(v.D1rf), String(c.D1rf));
        EXPECT_EQ(m.ChopraC.Hbarrage, c.hs);
        EXPECT_EQ(m.ChopraC.Hreservoir, 0);
        EXPECT_EQ(m.ChopraC.Rr, 1);
        EXPECT_EQ(m.ChopraC.Rf, 1);
        // What cannot be computed is stored as 0, never as a number that is not one.
        EXPECT_TRUE(std::isfinite(m.ChopraC.TDam));
        EXPECT_TRUE(std::isfinite(m.ChopraC.TDamResFound));
    }
}

TEST(PseudoDynamicRules, ADamWithoutHeightShowsADashWhereTheDepthRatioIsNeeded)
{
    TParametres m = Dam(SI, 0, 25000);
    m.Reservoir.NormalUp = 110;   // 10 m of water over a dam of no height
    TChopraValues v;
    EXPECT_NO_THROW(v = ComputeChopraCoefficients(m));
    EXPECT_EQ(PeriodText(v.T1), String("0.000 sec"));
    EXPECT_EQ(PeriodText(v.T1rf), String("-"));
    EXPECT_EQ(DampingText(v.D1rf), String("-"));
    EXPECT_EQ(m.ChopraC.Rr, 0);
    EXPECT_EQ(m.ChopraC.TDamResFound, 0);
    EXPECT_EQ(m.ChopraC.e, 0);
}

TEST(PseudoDynamicRules, ReservoirAndFoundationLengthenThePeriodAndAddDamping)
{
    // 90 m of water behind a 100 m dam of 25000 MPa (3.626e6 psi) on rock of the same modulus.
    TParametres m = Dam(SI, 100, 25000);
    m.Reservoir.NormalUp = 190;
    m.Foundation.Ef = 25000;
    const TChopraValues v = ComputeChopraCoefficients(m);
    double Rr = 0, er = 0, Rf = 0, ef = 0;
    InterpolateReservoirFactors(25000 / 0.006894757, 0.9, 0.75, Rr, er);
    InterpolateFoundationFactors(25000, 25000, 10, Rf, ef);
    ASSERT_GT(Rr, 1);
    ASSERT_GT(Rf, 1);
    EXPECT_NEAR(v.T1rf, 0.38 * 100 / std::sqrt(25000.0) * Rr * Rf, 1e-12);
    EXPECT_NEAR(v.D1rf, 0.05 / Rr / (Rf * Rf * Rf) + er + ef, 1e-12);
    EXPECT_EQ(m.ChopraC.TDamResFound, v.T1rf);
    EXPECT_EQ(m.ChopraC.e, v.D1rf);

    // More hysteretic damping in the rock: more damping, the same period.
    m.ChopraC.FoundHystDamping = 15;
    const TChopraValues w = ComputeChopraCoefficients(m);
    EXPECT_GT(w.D1rf, v.D1rf);
    EXPECT_EQ(w.T1rf, v.T1rf);
    // The velocity of pressure waves takes no part.
    m.Reservoir.WaveVelocity = 1;
    EXPECT_EQ(ComputeChopraCoefficients(m).T1rf, w.T1rf);
}

TEST(PseudoDynamicRules, TheFourHorizontalAccelerationsMakeThePseudoDynamicInput)
{
    struct Case {
        TAccelerations acc;
        bool input;
    };
    const Case cases[] = {
        {{0, {0.2, 0.1, 0.5}, {0.1, 0.05, 0.3}}, true},
        {{0, {0.2, 0, 0.5}, {0.1, 0, 0.3}}, true},   // the vertical ones do not count
        {{0, {0, 0.1, 0.5}, {0.1, 0.05, 0.3}}, false},
        {{0, {0.2, 0.1, 0}, {0.1, 0.05, 0.3}}, false},
        {{0, {0.2, 0.1, 0.5}, {0, 0.05, 0.3}}, false},
        {{0, {0.2, 0.1, 0.5}, {0.1, 0.05, 0}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        TParametres m;
        m.Acc = c.acc;
        m.Donnees = {daAnalysed, daPseudoStatic};
        m.Charges.Seisme.PseudoDynamic = !c.input;
        ApplyPseudoDynamicFlags(m);
        EXPECT_EQ(m.Charges.Seisme.PseudoDynamic, c.input);
        EXPECT_EQ(m.Donnees.Contains(daPseudoDynamic), c.input);
        EXPECT_FALSE(m.Donnees.Contains(daAnalysed));
        EXPECT_TRUE(m.Donnees.Contains(daPseudoStatic));
    }
}
