// The joint-materials dialogs' rules: the editor's checks, creation, change, removal with the
// renumbering that keeps ids equal to places, and OK.
#include <gtest/gtest.h>

#include "app/JointMaterialRules.h"

namespace {
// Four lift-joint materials M1..M4 and two lift joints using M2 and M4.
TParametres FourMaterials()
{
    TParametres m;
    SetDefaultParameters(m, [] { return TDateTime(45000); });
    m.JointMaterials.SetLength(5);
    const char* names[] = {"Base joint", "M1", "M2", "M3", "M4"};
    for (Integer i = 0; i <= 4; ++i) {
        m.JointMaterials[i].id = i;
        m.JointMaterials[i].nom = names[i];
        m.JointMaterials[i].fc = 1000 * i;
    }
    m.NJointMaterials = 4;
    m.NJoints = 2;
    SizeJointArrays(m.Joint, m.JointLoad, 2);
    m.Joint.mat[1] = 2;
    m.Joint.mat[2] = 4;
    return m;
}

std::vector<String> Names(const TParametres& m)
{
    std::vector<String> names;
    for (Integer i = 1; i <= m.NJointMaterials; ++i) names.push_back(m.JointMaterials[i].nom);
    return names;
}
}  // namespace

TEST(JointMaterialRules, EditorChecksInOrder)
{
    const std::vector<String> listed{"Concrete", "Rock"};
    struct Case {
        const char* name;
        double peak, residual;
        bool creating;
        const char* message;
    };
    const Case cases[] = {
        {"Concrete", 45, 35, true, "Duplicate material name!"},
        {"concrete", 45, 35, true, ""},
        {"Concrete+joint", 45, 35, true, ""},
        {"", 45, 35, true, "Material name is missing!"},
        {"Lift", 30, 35, true, "Peak friction angle lower than Residual friction angle!"},
        {"Lift", 35, 35, true, ""},
        {"Concrete", 30, 35, false, "Peak friction angle lower than Residual friction angle!"},
        {"Concrete", 40, 35, false, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckMaterial(listed, c.name, c.peak, c.residual, c.creating), String(c.message)) << c.name;
    // Names are compared as stored: cut to 10 characters.
    EXPECT_EQ(CheckMaterial({"Concrete 1"}, "Concrete 12", 40, 30, true), String("Duplicate material name!"));
}

TEST(JointMaterialRules, ACreatedMaterialTakesTheNextIdAndATenCharacterName)
{
    TParametres m = FourMaterials();
    const TParametres document = m;
    TJointMaterialRules rules(m);
    TParametres editor = rules.CopyForCreation();
    EXPECT_EQ(editor.JointMaterials.Length(), 6);
    TProprietes fresh = editor.JointMaterials[0];   // a new material starts from the base joint's
    fresh.nom = TString10(String("Roller-compacted"));
    fresh.peak.angle = 50;
    AddMaterialToCopy(editor, fresh);
    rules.TakeCreated(editor);
    EXPECT_EQ(m.NJointMaterials, 5);
    EXPECT_EQ(m.JointMaterials[5].id, 5);
    EXPECT_EQ(m.JointMaterials[5].nom.ToString(), String("Roller-com"));
    EXPECT_EQ(m.JointMaterials[5].peak.angle, 50);
    EXPECT_EQ(MaterialIdMap.back(), 5);
    EXPECT_EQ(document.NJointMaterials, 4);
    EXPECT_EQ(document.JointMaterials.Length(), 5);
}

TEST(JointMaterialRules, RemovingRenumbersAndKeepsMaterialsInUse)
{
    TParametres m = FourMaterials();
    const TParametres document = m;
    TJointMaterialRules rules(m);
    // M1 and M3 removed: M2 and M4 become ids 1 and 2, the joints follow.
    EXPECT_TRUE(rules.Remove({true, false, true, false}).empty());
    EXPECT_EQ(Names(m), (std::vector<String>{"M2", "M4"}));
    EXPECT_EQ(m.JointMaterials[2].id, 2);
    EXPECT_EQ(m.Joint.mat[1], 1);
    EXPECT_EQ(m.Joint.mat[2], 2);
    EXPECT_EQ(m.JointMaterials[2].fc, 4000);
    EXPECT_EQ(MaterialIdMap, (std::vector<Integer>{0, 1, 2}));
    EXPECT_EQ(document.Joint.mat[2], 4);   // the document's joints untouched
    EXPECT_EQ(document.NJointMaterials, 4);

    // A material in use stays, reported last selected first; the others go.
    TParametres n = FourMaterials();
    TJointMaterialRules again(n);
    EXPECT_EQ(again.Remove({true, true, true, true}), (std::vector<String>{"M4", "M2"}));
    EXPECT_EQ(Names(n), (std::vector<String>{"M2", "M4"}));
    EXPECT_EQ(MaterialInUseMessage("M2"),
              String("Material M2 is used by at least one joint.\rRemove all related joints before deleting this material"));
}

TEST(JointMaterialRules, ChangeKeepsTheNameAndOkWritesTheBaseJointAndTheRock)
{
    TParametres m = FourMaterials();
    m.Donnees.Include(daAnalysed);
    const TParametres document = m;
    TJointMaterialRules rules(m);
    TProprietes values;
    values.nom = "Other";
    values.fc = 25000;
    values.peak.angle = 45;
    values.residual.ShearCurve = scContinue;
    m.JointMaterials[3].InUse = true;
    rules.Change(2, values);
    EXPECT_TRUE(m.JointMaterials[3].InUse);
    EXPECT_EQ(m.JointMaterials[3].residual.ShearCurve, scContinue);
    EXPECT_EQ(m.JointMaterials[3].nom.ToString(), String("M3"));
    EXPECT_EQ(m.JointMaterials[3].id, 3);
    EXPECT_EQ(m.JointMaterials[3].fc, 25000);
    EXPECT_EQ(document.JointMaterials[3].fc, 3000);

    TProprietes base;
    base.fc = 30000;
    base.ft = 1500;
    base.peak = {55, 700, 10, scContinue};
    base.residual = {40, 0, 0, scNonContinue};
    TFoundation rock;
    rock.ShearStrength = false;
    rock.UnitMass = 2600;
    rock.Angle = 45;
    rock.FailureAngle = 22.5;
    rock.StrengthFactor = 0.5;
    rules.ApplyOk(base, rock);
    EXPECT_EQ(m.JointMaterials[0].nom.ToString(), String("Base joint"));
    EXPECT_EQ(m.JointMaterials[0].peak.c, 700);
    EXPECT_EQ(m.JointMaterials[0].peak.ShearCurve, scContinue);
    EXPECT_EQ(m.JointMaterials[0].residual.angle, 40);
    EXPECT_EQ(m.Foundation.UnitMass, 2600);   // stored though the rock is not considered
    EXPECT_FALSE(m.Foundation.ShearStrength);
    EXPECT_TRUE(m.Donnees.Contains(daMaterials));
    EXPECT_FALSE(m.Donnees.Contains(daAnalysed));
    EXPECT_NE(document.JointMaterials[0].peak.c, 700);

    TParametres none;
    SetDefaultParameters(none, [] { return TDateTime(45000); });
    TJointMaterialRules empty(none);
    empty.ApplyOk(base, rock);
    EXPECT_FALSE(none.Donnees.Contains(daMaterials));
}
