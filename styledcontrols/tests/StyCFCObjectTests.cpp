// Setting objects, their pool and the states of a face controller.
#include <gtest/gtest.h>

#include "platform/classes/FormWriter.h"
#include "styledcontrols/StyBevel.h"
#include "styledcontrols/StyCFCStateObject.h"

TEST(StyCFCSettingObjects, NamesAreMadeUniqueWithTheFirstFreeNumber)
{
    TStyCFCSettingObjects pool(nullptr);
    EXPECT_EQ(pool.Add(nullptr, "Any"), -1);
    EXPECT_EQ(pool.Count(), 0);
    EXPECT_EQ(pool.Add(cfcFont), 0);
    EXPECT_EQ(pool.GetObjName(0), String("TFont0"));
    EXPECT_EQ(pool.UniqueName("TFont"), String("TFont1"));
    EXPECT_EQ(pool.Add(new TStyColorObject, "Red"), 1);
    pool.SetObjName(1, "TFont0");   // used by the font
    EXPECT_EQ(pool.GetObjName(1), String("TFont00"));
    EXPECT_EQ(pool.FindInstanceOf(TStyColorObject::StaticClass()), 1);
    EXPECT_EQ(pool.FindInstanceOf(TStyObject::StaticClass(), true), -1);
    EXPECT_EQ(pool.FindInstanceOf(TStyObject::StaticClass(), false), 1);
}

TEST(StyCFCSettingObjects, ShortTextsOfTheSmallObjects)
{
    TStyCtlSettings settings;
    EXPECT_EQ(settings.GetSetStr(), String("(Transp.: False, CtlXP: True)"));
    TStyColorObject colour;
    colour.SetColor(clRed);
    EXPECT_EQ(colour.GetSetStr(), String("(clRed)"));
    TStyStyleObject style;
    style.SetStyleName("Warn");
    EXPECT_EQ(style.GetSetStr(), String("(Warn)"));
}

TEST(StyCFCSettingObjects, ThePoolStreamsItsObjectsWithTheirProperties)
{
    TStyCFCSettingObjects pool(nullptr);
    pool.SetName("Pool");
    auto* bevel = new TStyBevel;
    bevel->SetMode(bmStandard);
    bevel->SetStandardStyle(lsRaised);
    pool.Add(bevel, "Frame");
    auto* colour = new TStyColorObject;
    colour->SetColor(clYellow);
    pool.Add(colour, String());
    pool.Add(cfcCtlSettings);
    TMemoryStream stream;
    pool.SaveToStream(stream);
    const String text = WriteComponentText(&pool);
    EXPECT_NE(text.ToUtf8().find("'TStyBevel'"), std::string::npos) << text.ToUtf8();

    stream.SetPosition(0);
    TStyCFCSettingObjects back(nullptr);
    back.LoadFromStream(stream);
    ASSERT_EQ(back.Count(), 3);
    EXPECT_EQ(back.GetObjName(0), String("Frame"));
    auto* frame = dynamic_cast<TStyBevel*>(back.GetItem(0));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Mode(), bmStandard);
    EXPECT_EQ(frame->StandardStyle(), lsRaised);
    EXPECT_EQ(back.GetObjName(1), String("TStyColorObject0"));
    EXPECT_EQ(static_cast<TStyColorObject*>(back.GetItem(1))->Color(), clYellow);
    EXPECT_TRUE(dynamic_cast<TStyCtlSettings*>(back.GetItem(2)));

    TStyCFCSettingObjects copy(nullptr);
    copy.Assign(&back);
    ASSERT_EQ(copy.Count(), 3);
    EXPECT_NE(copy.GetItem(0), back.GetItem(0));
    EXPECT_EQ(static_cast<TStyBevel*>(copy.GetItem(0))->StandardStyle(), lsRaised);
}

TEST(StyCFCStates, ConditionsMatchTheFirstRegisteredPattern)
{
    struct Case {
        TStyStateList conditions;   // 1 true, 2 false
        const char* state;
    };
    const Case cases[] = {
        {{1, 2, 2, 2, 2, 1, 2}, "Error"},      // focused with an error
        {{1, 2, 2, 2, 2, 2, 1}, "Disabled"},   // disabled and focused
        {{1, 1, 2, 1, 2, 2, 2}, "Focused"},
        {{2, 2, 2, 2, 1, 2, 2}, "ReadOnly"},
        {{2, 1, 2, 2, 2, 2, 2}, "Hot"},
        {{2, 2, 2, 1, 2, 2, 2}, "Modified"},
        {{2, 2, 2, 2, 2, 2, 2}, "Normal"},
    };
    for (const Case& c : cases) EXPECT_EQ(MatchStateConditions(c.conditions).name, String(c.state)) << c.state;
    EXPECT_EQ(NormalizeStateList({1, 1, 1, 1, 1, 1, 1}), NormalStateList());
    EXPECT_EQ(NormalizeStateList(StateRegistryEntry(1).sl), StateRegistryEntry(1).sl);
}

TEST(StyCFCStates, SettingsFollowThePool)
{
    TStyCFCSettingObjects pool(nullptr);
    TStyCFCStateObjects states(nullptr, &pool);
    pool.Add(cfcFont);
    pool.Add(cfcColor);
    pool.Add(cfcColor);
    TStyCFCStateObject* state = states.Add();
    EXPECT_EQ(state->IndexOfSetting(cfcUnknown), -1);
    TStyColorObject stray;
    EXPECT_FALSE(state->Add(&stray, true));   // not in the pool
    EXPECT_TRUE(state->Add(pool.GetItem(0), false));
    EXPECT_TRUE(state->Add(pool.GetItem(1), false));
    EXPECT_FALSE(state->Add(pool.GetItem(2), false));   // a colour is there already
    EXPECT_TRUE(state->Add(pool.GetItem(2), true));
    EXPECT_EQ(state->IndexOfSetting(cfcColor), 1);
    EXPECT_EQ((*state->Settings())[1], String("TStyColorObject1"));
    pool.Remove(pool.GetItem(2));
    state->Synchronize();
    EXPECT_EQ(state->IndexOfSetting(cfcColor), -1);
    EXPECT_EQ(state->Settings()->Count(), 1);
    pool.SetObjName(0, "BigFont");
    state->SynchronizeName();
    EXPECT_EQ((*state->Settings())[0], String("BigFont"));
    EXPECT_EQ(states.ItemByKind(NormalStateList()), 0);
    EXPECT_EQ(states.ItemByKind(StateRegistryEntry(0).sl), -1);
}
