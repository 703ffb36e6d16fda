// The concentrated-masses dialogs' rules: list lines, the editor's caption, and the list's edits
// on the dialog's copy, which never reach the document's masses.
#include <gtest/gtest.h>

#include "app/MassesRules.h"
#include "platform/rtl/SysFormat.h"

namespace {
TParametres WithMasses(std::initializer_list<TMasses> masses)
{
    TParametres m;
    m.Masses.Elem = DynArray<TMasses>(masses);
    m.Masses.count = m.NMasses = static_cast<Integer>(masses.size());
    return m;
}
}  // namespace

TEST(MassesRules, ListLinesRightAlignEachValue)
{
    // Three decimals for the position and elevation, one for the masses, each in 8 characters.
    EXPECT_EQ(MassLine({12.5, 100, 2500, 30000.26}), String("(x:  12.500, el: 100.000) (H:  2500.0, V: 30000.3)"));
    TFormatSettings french = FormatSettings;
    french.DecimalSeparator = u',';
    const TFormatSettings saved = FormatSettings;
    FormatSettings = french;
    EXPECT_EQ(MassLine({1, 2, 3, 4}), String("(x:   1,000, el:   2,000) (H:     3,0, V:     4,0)"));
    FormatSettings = saved;
}

TEST(MassesRules, EditorCaptionTellsAddFromEdit)
{
    EXPECT_EQ(AddMassCaption({}), String("Add a mass"));
    EXPECT_EQ(AddMassCaption({0, 0, 0, 5}), String("Edit mass properties"));
    EXPECT_EQ(AddMassCaption({3, 0, 0, 0}), String("Edit mass properties"));
}

TEST(MassesRules, AddingRefusesAMassWithoutMassesOnly)
{
    struct Case {
        TMasses mass;
        bool added;
    };
    const Case cases[] = {
        {{10, 100, 0, 0}, false},
        {{10, 100, 500, 0}, true},
        {{10, 100, 0, 500}, true},
        {{0, 0, -5, 0}, true},
    };
    for (const Case& c : cases) {
        TParametres m = WithMasses({{1, 2, 3, 4}});
        TMassesRules rules(m);
        EXPECT_EQ(rules.Add(c.mass), c.added) << c.mass.HorMass << "," << c.mass.VertMass;
        EXPECT_EQ(m.NMasses, c.added ? 2 : 1);
        EXPECT_EQ(m.Masses.count, m.NMasses);
        EXPECT_EQ(m.Masses.Elem.Length(), m.NMasses);
        EXPECT_EQ(m.Masses.Elem[0].VertMass, 4);
    }
}

TEST(MassesRules, EditsNeverReachTheDocumentsArray)
{
    const TParametres document = WithMasses({{1, 2, 3, 4}, {5, 6, 7, 8}});
    TParametres copy = document;   // shares the array, as a record copy does
    TMassesRules rules(copy);
    rules.Replace(0, {0, 0, 0, 0});   // editing accepts both masses 0
    EXPECT_EQ(copy.Masses.Elem[0].HorMass, 0);
    EXPECT_EQ(document.Masses.Elem[0].HorMass, 3);
    rules.Add({9, 9, 9, 9});
    rules.Remove({true, false, true});
    EXPECT_EQ(document.NMasses, 2);
    EXPECT_EQ(document.Masses.Elem[1].PosX, 5);
    ASSERT_EQ(copy.NMasses, 1);
    EXPECT_EQ(copy.Masses.Elem[0].PosX, 5);
    EXPECT_EQ(rules.Lines(), std::vector<String>{MassLine({5, 6, 7, 8})});
}

TEST(MassesRules, OkSetsTheMassesFlagByCountAndDropsTheResults)
{
    TParametres m = WithMasses({{1, 2, 3, 4}});
    m.Donnees = {daAnalysed, daGeometry};
    TMassesRules rules(m);
    rules.ApplyOk();
    EXPECT_TRUE(m.Donnees.Contains(daMasses));
    EXPECT_FALSE(m.Donnees.Contains(daAnalysed));
    rules.Remove({true});
    rules.ApplyOk();
    EXPECT_FALSE(m.Donnees.Contains(daMasses));
    EXPECT_TRUE(m.Donnees.Contains(daGeometry));
}
