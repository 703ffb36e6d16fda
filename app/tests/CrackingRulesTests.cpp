// The cracking-options window's controls against the model's per-case arrays, without the window.
#include <gtest/gtest.h>

#include "app/CrackingRules.h"

TEST(CrackingRules, EachPageStandsForItsLoadCases)
{
    TCrackingChoices c;
    c.Considered = true;
    const double initiation[CrackingPages] = {2, 3, 1.5, 4};
    const double propagation[CrackingPages] = {5, 6, 7, 8};
    for (int page = 0; page < CrackingPages; ++page) {
        c.Initiation[page] = initiation[page];
        c.Propagation[page] = propagation[page];
        c.ZeroInitiation[page] = page == 2;
        c.ZeroPropagation[page] = page == 3;
    }
    TParametres m;
    m.Cracking.RootMethod = rmBrent;
    m.Donnees = {daAnalysed};
    WriteCrackingChoices(c, m);
    // case:                     1  2  3    4    5    6    7
    const double expectedI[] = {2, 3, 1.5, 1.5, 1.5, 1.5, 4};
    const double expectedP[] = {5, 6, 7, 7, 7, 7, 8};
    for (int k = 1; k <= 7; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(m.Cracking.InitiationSF[k], expectedI[k - 1]);
        EXPECT_EQ(m.Cracking.PropagationSF[k], expectedP[k - 1]);
        EXPECT_EQ(m.Cracking.NoTensionI[k], k >= 3 && k <= 6);
        EXPECT_EQ(m.Cracking.NoTensionP[k], k == 7);
    }
    EXPECT_TRUE(m.Donnees.Contains(daCracking));
    EXPECT_FALSE(m.Donnees.Contains(daAnalysed));
    EXPECT_EQ(m.Cracking.RootMethod, rmBrent);

    // Opened again, each page shows its first case: the seismic page case 3.
    m.Cracking.InitiationSF[4] = 9;
    const TCrackingChoices again = ReadCrackingChoices(m);
    EXPECT_EQ(again.Initiation[2], 1.5);
    EXPECT_TRUE(again.ZeroInitiation[2]);
    EXPECT_FALSE(again.ZeroPropagation[2]);
    EXPECT_TRUE(again.Considered);
}

TEST(CrackingRules, UpliftButtonsShowTheStoredValuesAndOkStoresTheSelectedOnes)
{
    struct Case {
        Byte usual, seismic, postSeismic;        // UpliftState[1], [3], [7] of the model
        int staticButton, seismicButton, postButton;  // buttons selected as the window opens
        Byte storedUsual, storedSeismic, storedPost;  // OK without a change
    };
    const Case cases[] = {
        {1, 0, 1, 1, 0, 1, 1, 0, 1},
        {2, 1, 2, 2, 1, 2, 2, 1, 2},
        {1, 2, 1, 1, 2, 1, 1, 2, 1},
        // 0 has no button in the static and post-seismic groups: none selected, OK stores 2.
        {0, 0, 0, NoUpliftButton, 0, NoUpliftButton, 2, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        TParametres m;
        m.Cracking.UpliftState[1] = m.Cracking.UpliftState[2] = c.usual;
        for (int k = 3; k <= 6; ++k) m.Cracking.UpliftState[k] = c.seismic;
        m.Cracking.UpliftState[7] = c.postSeismic;
        const TCrackingChoices choices = ReadCrackingChoices(m);
        EXPECT_EQ(choices.StaticUplift, c.staticButton);
        EXPECT_EQ(choices.SeismicUplift, c.seismicButton);
        EXPECT_EQ(choices.PostSeismicUplift, c.postButton);
        WriteCrackingChoices(choices, m);
        EXPECT_EQ(m.Cracking.UpliftState[1], c.storedUsual);
        EXPECT_EQ(m.Cracking.UpliftState[2], c.storedUsual);
        for (int k = 3; k <= 6; ++k) EXPECT_EQ(m.Cracking.UpliftState[k], c.storedSeismic);
        EXPECT_EQ(m.Cracking.UpliftState[7], c.storedPost);
    }
}

TEST(CrackingRules, NoCrackingStillStoresEveryOption)
{
    TParametres m;
    m.Cracking.Considered = true;
    m.Drainage.CrackOver = cdNoDrain;
    TCrackingChoices c = ReadCrackingChoices(m);
    EXPECT_EQ(c.CrackOver, cdNoDrain);
    c.Considered = false;
    c.CrackOver = cdNotEffective;
    c.Accuracy = raFine;
    c.DynamicMagn = 1.3;
    c.RestoreClosedCrackUplift = true;
    WriteCrackingChoices(c, m);
    EXPECT_FALSE(m.Cracking.Considered);
    EXPECT_TRUE(m.Donnees.Contains(daCracking));
    EXPECT_EQ(m.Drainage.CrackOver, cdNotEffective);
    EXPECT_EQ(m.Cracking.RootAccuracy, raFine);
    EXPECT_EQ(m.Cracking.DynamicMagn, 1.3);
    EXPECT_TRUE(m.Cracking.UpliftInDownStreamClosedCrack);
}
