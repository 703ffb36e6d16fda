// The lift-joints dialog's rules: generation, creation and removal on a dam with A = B = 95 and
// its crest at G = 120, the crack lengths and analysis marks that follow their joints, and OK.
#include <gtest/gtest.h>

#include "app/JointRules.h"

namespace {
// A = B = 95, G = 120, L1 = 40; two lift-joint materials "Concrete" (1) and "Lift B" (2).
TParametres Dam()
{
    TParametres m;
    SetDefaultParameters(m, [] { return TDateTime(45000); });
    m.Dim.L1 = 40;
    m.Dim.L2 = 2;
    m.Dim.L3 = 20;
    m.Dim.L4 = 5;
    m.Dim.Elev = {95, 95, 100, 100, 105, 110, 120, 95, 95};
    m.JointMaterials.SetLength(3);
    m.JointMaterials[1].id = 1;
    m.JointMaterials[1].nom = "Concrete";
    m.JointMaterials[2].id = 2;
    m.JointMaterials[2].nom = "Lift B";
    m.NJointMaterials = 2;
    return m;
}

std::vector<double> Elevations(const TParametres& m)
{
    std::vector<double> e;
    for (Integer k = 1; k <= m.NJoints; ++k) e.push_back(m.Joint.Elev[k]);
    return e;
}
}  // namespace

TEST(JointRules, GenerationKeepsInsideTheDamHighestFirst)
{
    struct Case {
        TGenerationRange range;
        std::vector<double> joints;
    };
    const Case cases[] = {
        {{100, 110, 5}, {110, 105, 100}},
        // 90 and 95 lie at or below both heel elevations.
        {{90, 100, 5}, {100}},
        // The crest stops the series at 115.
        {{100, 120, 5}, {115, 110, 105, 100}},
        // The end itself is a joint.
        {{100, 107.5, 2.5}, {107.5, 105, 102.5, 100}},
        // Nothing: increment 0, end not above start, increment above end - start.
        {{100, 110, 0}, {}},
        {{110, 110, 1}, {}},
        {{110, 100, 1}, {}},
        {{100, 104, 5}, {}},
    };
    for (const Case& c : cases) {
        TParametres m = Dam();
        TJointRules rules(m);
        rules.Generate(c.range, 0, 0);
        EXPECT_EQ(Elevations(m), c.joints) << c.range.Start << ".." << c.range.End << " by " << c.range.Increment;
        for (Integer k = 1; k <= m.NJoints; ++k) EXPECT_EQ(m.Joint.mat[k], 1);
    }
}

TEST(JointRules, AMistypedIncrementGeneratingThousandsOfJointsIsRefused)
{
    TParametres m = Dam();
    TJointRules rules(m);
    EXPECT_FALSE(rules.Generate({96, 119, 0.01}, 0, 0));   // 2 301 elevations
    EXPECT_EQ(m.NJoints, 0);
    EXPECT_TRUE(rules.Generate({96, 115.99, 0.01}, 0, 0));   // 2 000 elevations
    EXPECT_EQ(m.NJoints, 2000);
    EXPECT_EQ(String(TooManyJointsMessage), String("Too many lift joints: the increment gives more than 2000 elevations."));
}

TEST(JointRules, ElevationsWithinAMicrometreOfTheCrestOrTheBaseAreRefused)
{
    TParametres m = Dam();
    TJointRules rules(m);
    EXPECT_EQ(rules.Create(119.9999995, 0, 0), jcOutsideDam);
    EXPECT_EQ(rules.Create(120, 0, 0), jcOutsideDam);
    EXPECT_EQ(rules.Create(95.0000005, 0, 0), jcOutsideDam);
    EXPECT_EQ(rules.Create(119.99, 0, 0), jcCreated);
    EXPECT_EQ(String(JointNotWithinDamMessage), String("Lift joint is not within dam!"));
    EXPECT_EQ(Elevations(m), std::vector<double>{119.99});
}

TEST(JointRules, AgainOverExistingJointsOnlyNewElevationsAtThreeDecimalsAreAdded)
{
    TParametres m = Dam();
    TJointRules rules(m);
    rules.Generate({100, 110, 5}, 0, 0);
    rules.Generate({100.0004, 112.0004, 4}, 0, 1);   // 100.000 exists; 104, 108, 112 are new
    EXPECT_EQ(Elevations(m).size(), 6u);
    EXPECT_EQ(m.Joint.Elev[1], 112.0004);
    EXPECT_EQ(m.Joint.mat[1], 2);
    EXPECT_EQ(m.Joint.Elev[6], 100);   // the first joint at 100 stays, with its material
    EXPECT_EQ(m.Joint.mat[6], 1);
    // Creating one at an existing elevation does nothing, without a message.
    EXPECT_EQ(rules.Create(105.0001, 10, 1), jcDuplicate);
    EXPECT_EQ(Elevations(m).size(), 6u);
    EXPECT_EQ(rules.Lines()[0], String("  112.000   Lift B"));
}

TEST(JointRules, CracksAndAnalysisMarksFollowTheirJoints)
{
    TParametres m = Dam();
    TJointRules rules(m);
    rules.Generate({100, 115, 5}, 0, 0);   // 115, 110, 105, 100 as joints 1..4
    m.Cracks.Up[3] = 0.25;                 // the joint at 105
    m.Cracks.Down[3] = 0.1;
    m.Statistiques.OutputJoint = 3;
    m.IncrementLoad.JointNumber = 2;       // the joint at 110
    rules.Create(112, 0, 0);               // a higher joint moves them down by one
    EXPECT_EQ(m.Joint.Elev[4], 105);
    EXPECT_EQ(m.Cracks.Up[4], 0.25);
    EXPECT_EQ(m.Cracks.Down[4], 0.1);
    EXPECT_EQ(m.Statistiques.OutputJoint, 4);
    EXPECT_EQ(m.IncrementLoad.JointNumber, 3);
    // Removing a joint listed before them moves them up; removing the marked one clears its mark.
    rules.Remove({true, false, true, false, false});   // 115 and 110
    EXPECT_EQ(Elevations(m), (std::vector<double>{112, 105, 100}));
    EXPECT_EQ(m.Cracks.Up[2], 0.25);
    EXPECT_EQ(m.Statistiques.OutputJoint, 2);
    EXPECT_EQ(m.IncrementLoad.JointNumber, 0);
}

TEST(JointRules, OkGivesTheBaseJointItsCracksBackAndRebuildsIt)
{
    TParametres m = Dam();
    m.Cracks.Up[0] = 0.3;
    m.Cracks.Down[0] = 0.05;
    m.Donnees.Include(daAnalysed);
    const TParametres document = m;
    TJointRules rules(m);
    rules.Generate({100, 110, 5}, 2.5, 1);
    EXPECT_EQ(m.Cracks.Up[0], 0);   // zero until OK
    rules.ApplyOk();
    EXPECT_EQ(m.Cracks.Up[0], 0.3);
    EXPECT_EQ(m.Cracks.Down[0], 0.05);
    EXPECT_EQ(document.Cracks.Up[0], 0.3);
    EXPECT_EQ(m.DrainEfficiency.Joint.Length(), 4);
    EXPECT_TRUE(m.Donnees.Contains(daLiftjoints));
    EXPECT_FALSE(m.Donnees.Contains(daAnalysed));
    EXPECT_EQ(m.Joint.x2[0], 40);
    EXPECT_EQ(m.Joint.Length[0], 40);
    EXPECT_EQ(m.Joint.Angle[1], 2.5);
    // Every joint removed: the flag goes; with L1 = 0 the base joint has no angle.
    m.Dim.L1 = 0;
    m.Dim.Elev.B = 97;
    rules.Remove({true, true, true});
    rules.ApplyOk();
    EXPECT_FALSE(m.Donnees.Contains(daLiftjoints));
    EXPECT_EQ(m.Joint.Angle[0], 0);
    EXPECT_EQ(m.Joint.Length[0], 2);
}

TEST(JointRules, TheListOffersTheLiftJointMaterialsOnly)
{
    TParametres m = Dam();
    TJointRules rules(m);
    EXPECT_EQ(rules.MaterialNames(), (std::vector<String>{"Concrete", "Lift B"}));
    EXPECT_EQ(JointLine(1234.5678, "Concrete"), String(" 1234.568   Concrete"));
}
