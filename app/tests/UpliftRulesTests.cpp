// The uplift-pressures dialog's rules: guideline -> code -> uplift load, the drainage flag,
// pictures and notes, and the warning when the cracking options expect another drain rule.
#include <gtest/gtest.h>

#include "app/UpliftRules.h"

namespace {

TUpliftEntries Drained(Integer guideline)
{
    TUpliftEntries e;
    e.Guideline = guideline;
    e.Drain = true;
    e.Xdrain = 6;
    e.GalleryElev = 105;
    e.DrainOver = true;
    e.MaxElevation = 130;
    e.K1 = 0.25;
    e.K2 = 0.5;
    e.Alternative = 2;
    e.Effectiveness = 0.66;
    e.Computed = true;
    return e;
}

}  // namespace

TEST(UpliftRules, GuidelineGivesCodeAndUpliftLoad)
{
    struct Case {
        const char* entry;
        TCode code;
        TUpliftLoad load;
        const char* picture;
        const char* note1;
    };
    const char* external = "Uplift pressures are considered as an external load.";
    const char* internal = "Uplift pressures are considered as an internal load.";
    const Case cases[] = {
        {"CDSA 1995", cCDSA, ulExternal, "Alternatives CDSA.bmp", external},
        {"USACE 1995", cUSACE, ulExternal, "Alternatives USACE.bmp", external},
        {"FERC 1999", cFERC1999, ulExternal, "Alternatives USACE.bmp", external},
        {"FERC 1991", cFERC, ulInternal, "Alternatives USACE.bmp", internal},
        {"USBR 1987", cUSBR, ulExternal, "Alternatives USBR.bmp", external},
    };
    ASSERT_EQ(UpliftGuidelines.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.entry);
        EXPECT_STREQ(UpliftGuidelines[i].Entry, c.entry);
        TParametres m;
        m.UpliftLoad = c.load == ulExternal ? ulInternal : ulExternal;
        m.Drainage.Code = cANCOLD;
        TUpliftRules rules(m);
        rules.ChooseGuideline(static_cast<Integer>(i));
        EXPECT_EQ(m.Drainage.Code, c.code);
        EXPECT_EQ(rules.Guideline(), static_cast<Integer>(i));
        EXPECT_EQ(rules.Picture(true), String(c.picture));
        EXPECT_EQ(rules.Picture(false), String("No Drain.wmf"));
        EXPECT_EQ(rules.Notes()[0], String(c.note1));
        EXPECT_EQ(rules.ShowsAlternatives(), c.code == cCDSA);
        rules.ApplyOk(Drained(static_cast<Integer>(i)));
        EXPECT_EQ(m.UpliftCode, c.code);
        EXPECT_EQ(m.UpliftLoad, c.load);
        EXPECT_TRUE(m.Drain);
        EXPECT_TRUE(m.Donnees.Contains(daDrain));
    }
    TParametres m;
    m.Drainage.Code = cFERC;
    EXPECT_EQ(TUpliftRules(m).Notes()[1], String("Dorva will do calculations using total stresses."));
    m.Drainage.Code = cUSBR;
    EXPECT_EQ(TUpliftRules(m).Notes()[1], String("Dorva will do calculations using effective stresses."));
}

TEST(UpliftRules, DrainageStoresItsValuesOnlyWithYes)
{
    TParametres m;
    m.Drainage.Code = cCDSA;
    m.UpliftLoad = ulInternal;
    m.Drainage.Xdrain = 4;
    m.Drainage.GalleryElev = 101;
    m.Drainage.MaxElevation = 102;
    m.Drain = true;
    m.Donnees = {daDrain};
    TUpliftRules rules(m);
    TUpliftEntries no = Drained(1);
    no.Drain = false;
    rules.ApplyOk(no);
    EXPECT_FALSE(m.Drain);
    EXPECT_FALSE(m.Donnees.Contains(daDrain));
    EXPECT_EQ(m.Drainage.Code, cUSACE);
    EXPECT_EQ(m.UpliftCode, cUSACE);
    EXPECT_EQ(m.UpliftLoad, ulInternal);
    EXPECT_EQ(m.Drainage.Xdrain, 4);
    EXPECT_EQ(m.Drainage.GalleryElev, 101);
    EXPECT_EQ(m.Drainage.MaxElevation, 102);

    rules.ApplyOk(Drained(1));
    EXPECT_EQ(m.Drainage.Xdrain, 6);
    EXPECT_EQ(m.Drainage.GalleryElev, 105);
    EXPECT_TRUE(m.Drainage.DrainOver);
    EXPECT_EQ(m.Drainage.MaxElevation, 130);
    EXPECT_EQ(m.Drainage.K1, 0.25);
    EXPECT_EQ(m.Drainage.K2, 0.5);
    EXPECT_EQ(m.Drainage.Alternative, 2);
    EXPECT_EQ(m.Drainage.effectiveness, 0.66);
    EXPECT_TRUE(m.DrainEfficiency.Activated);
    EXPECT_EQ(m.UpliftLoad, ulExternal);
}

TEST(UpliftRules, AncoldHasNoEntryAndIsKept)
{
    TParametres m;
    m.Drainage.Code = cANCOLD;
    m.Drainage.CrackOver = cdFullDecrement;
    TUpliftRules rules(m);
    EXPECT_EQ(rules.Guideline(), -1);
    EXPECT_EQ(rules.Notes()[0], String());
    EXPECT_EQ(rules.Picture(true), String());
    EXPECT_FALSE(rules.ShowsAlternatives());
    EXPECT_EQ(rules.ApplyOk(Drained(-1)), String());
    EXPECT_EQ(m.Drainage.Code, cANCOLD);
    EXPECT_EQ(m.UpliftCode, cANCOLD);
    EXPECT_EQ(m.UpliftLoad, ulExternal);
}

TEST(UpliftRules, WarnsWhenTheCrackingOptionsExpectAnotherDrainRule)
{
    const String cdsa = "Please check consistency between the drainage system and the cracking options.\r"
                        "CDSA guideline for drain under cracking condition is not the selected one.";
    const String usace = "Please check the drainage section in the cracking options\r"
                         "the USACE guideline for drain under cracking condition is not the selected one";
    const String ferc = "Please check the drainage section in the cracking options\r"
                        "the FERC guideline for drain under cracking condition is not the selected one";
    const String usbr = "Please check the drainage section in the cracking options\r"
                        "the USBR guideline for drain under cracking condition is not the selected one";
    struct Case {
        TCode code;
        TCrackOverDrain expected;
        String text;
    };
    const Case cases[] = {
        {cCDSA, cdNoDrain, cdsa},      {cUSACE, cdNotEffective, usace}, {cFERC1999, cdFullFull, ferc},
        {cFERC, cdFullFull, ferc},     {cUSBR, cdNoDrain, usbr},
    };
    for (const Case& c : cases) {
        for (TCrackOverDrain crackOver : {cdNotEffective, cdFullFull, cdFullDecrement, cdNoDrain}) {
            SCOPED_TRACE(testing::Message() << int(c.code) << " " << int(crackOver));
            TParametres m;
            m.Drainage.Code = c.code;
            m.Drainage.CrackOver = crackOver;
            TUpliftRules rules(m);
            const String warning = rules.ApplyOk(Drained(TUpliftRules::GuidelineIndex(c.code)));
            EXPECT_EQ(warning, crackOver == c.expected ? String() : c.text);
            EXPECT_EQ(m.Drainage.CrackOver, crackOver);   // never changed here
            // Without drainage nothing is checked.
            TUpliftEntries no = Drained(TUpliftRules::GuidelineIndex(c.code));
            no.Drain = false;
            EXPECT_EQ(rules.ApplyOk(no), String());
        }
    }
    for (TCrackOverDrain crackOver : {cdNotEffective, cdFullFull, cdFullDecrement, cdNoDrain})
        EXPECT_EQ(TUpliftRules::CrackOverWarning(cANCOLD, crackOver), String());
}
