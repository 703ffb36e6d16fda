// Style text: names, inheritance, class variants, state styles, and values applied through the
// published properties.
#include <gtest/gtest.h>

#include "foundation/StyButton.h"
#include "platform/controls/Controls.h"
#include "styledcontrols/StyStyleMan.h"

namespace {

class TWideButton : public TStyButton {
    DECLARE_CLASS(TWideButton, TStyButton)
public:
    using TStyButton::TStyButton;
};
IMPLEMENT_CLASS(TWideButton, TStyButton, nullptr)

void LoadText(TStyStyleManager& manager, const char* text)
{
    TStringList lines;
    lines.SetText(text);
    TMemoryStream stream;
    lines.SaveToStream(stream);
    stream.SetPosition(0);
    manager.LoadFromStream(stream);
}

std::string SavedText(TStyStyleManager& manager)
{
    TMemoryStream stream;
    manager.SaveToStream(stream);
    return std::string(reinterpret_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

}  // namespace

TEST(StyStyleManager, NamesOfStylesAndOfStateStyles)
{
    struct Case {
        const char* name;
        bool valid, state;
    };
    const Case cases[] = {{"", false, false},       {".", false, false},         {"Big|Warn", false, false},
                          {"Big", true, false},     {"Edit.Focused", true, true}, {"edit.READONLY", true, true},
                          {"Edit.Hotter", true, true}, {"Edit", true, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(TStyStyleManager::IsValidStyleName(c.name), c.valid) << c.name;
        EXPECT_EQ(TStyStyleManager::IsStateStyle(c.name), c.state) << c.name;
    }
}

TEST(StyStyleManager, AStateStyleInheritsItsStyleAndTheDefault)
{
    TStyStyleManager manager(nullptr);
    LoadText(manager, "[(Default)]\nColor:TColor=clWhite\nFont.Name:string=Arial\nFont.Height:Integer=-15\n"
                      "[Red]\nColor:TColor=clRed\n"
                      "[Red|Warn]\nFont.Style:TFontStyles=[fsBold]\n");
    TCustomControl panel(nullptr);
    manager.ApplyStyle(&panel, "Red", true, "Warn");
    EXPECT_EQ(panel.Color(), clRed);
    EXPECT_TRUE(panel.Font().Style().Contains(TFontStyle::fsBold));
    EXPECT_EQ(panel.Font().Height(), -15);

    TCustomControl plain(nullptr);
    manager.ApplyStyle(&plain, "Red", false, String());   // the section alone
    EXPECT_EQ(plain.Color(), clRed);
    EXPECT_NE(plain.Font().Height(), -15);
    EXPECT_FALSE(plain.Font().Style().Contains(TFontStyle::fsBold));
}

TEST(StyStyleManager, AClassVariantServesTheClassAndItsDescendants)
{
    TStyStyleManager manager(nullptr);
    LoadText(manager, "[(Default)]\nFont.Height:Integer=-12\n[Big]\nFont.Height:Integer=-19\n"
                      "[Big.TStyButton]\nCaption:string=Wide\n");
    TStyButton button(nullptr);
    manager.ApplyStyle(&button, "Big", true, String());
    EXPECT_EQ(button.Caption(), String("Wide"));
    EXPECT_EQ(button.Font().Height(), -12);   // the variant inherits from (Default) only
    TWideButton wide(nullptr);
    manager.ApplyStyle(&wide, "Big", true, String());
    EXPECT_EQ(wide.Caption(), String("Wide"));
    TCustomControl panel(nullptr);
    manager.ApplyStyle(&panel, "Big", true, String());
    EXPECT_EQ(panel.Font().Height(), -19);
}

TEST(StyStyleManager, KeysOfAnotherTypeOrPathAreIgnored)
{
    TStyStyleManager manager(nullptr);
    LoadText(manager, "[S]\nColor:Integer=255\nFont.Colour:TColor=clRed\nOwner.Name:string=x\n"
                      "_StyleKind:Integer=3\nFont.Color:TColor=clBlue\n");
    TCustomControl panel(nullptr);
    const TColor before = panel.Color();
    manager.ApplyStyle(&panel, "S", false, String());
    EXPECT_EQ(panel.Color(), before);
    EXPECT_EQ(panel.Font().Color(), clBlue);
}

TEST(StyStyleManager, ValuesAreWrittenAsTextAndStylesErasedByPrefix)
{
    TStyStyleManager manager(nullptr);
    manager.WritePropValue("(Default)", "Color", "TColor", Integer(clWhite));
    manager.WritePropValue("Red", "Color", "TColor", Integer(clRed));
    manager.WritePropValue("Red|Warn", "Tag", "Integer", 7);
    manager.WritePropValue("Redder", "Hint", "string", String("deep"));
    manager.WritePropValue("Red", "Ratio", "Double", 0.25);
    // lines end as the platform's text files do
    EXPECT_EQ(SavedText(manager), "[(Default)]\r\nColor:TColor=clWhite\r\n\r\n[Red]\r\nColor:TColor=clRed\r\n"
                                  "Ratio:Double=0.25\r\n\r\n[Red|Warn]\r\nTag:Integer=7\r\n\r\n[Redder]\r\n"
                                  "Hint:string=deep\r\n");
    Integer colour = 0;
    manager.ReadPropValue("Red", "Color", "TColor", colour);
    EXPECT_EQ(colour, clRed);
    double ratio = 0;
    manager.ReadPropValue("Red", "Ratio", "Double", ratio);
    EXPECT_EQ(ratio, 0.25);
    EXPECT_EQ(manager.StyleNames().Count(), 4);
    manager.RenameStyle("Red", "Blue");   // its state variant and "Redder" go along
    TStringList renamed;
    manager.GetStyleNames(renamed);
    EXPECT_EQ(renamed.CommaText(), String("(Default),Blue,Blue|Warn,Blueder"));
    manager.RenameStyle("Blue", "Red");
    manager.EraseStyle("Red");
    TStringList names;
    manager.GetStyleNames(names);
    ASSERT_EQ(names.Count(), 1);
    EXPECT_EQ(names[0], String("(Default)"));
}

TEST(StyStyleManager, StyleTextAppliedToAControlAndWrittenBack)
{
    const char* text = "[(Default)]\r\nColor:TColor=clInfoBk\r\n\r\n[Note]\r\nCaption:string=Joint 3\r\n"
                       "Font.Style:TFontStyles=[fsItalic,fsUnderline]\r\n";
    TStyStyleManager manager(nullptr);
    LoadText(manager, text);
    TCustomControl panel(nullptr);
    manager.ApplyStyle(&panel, "Note", true, String());
    EXPECT_EQ(panel.Caption(), String("Joint 3"));
    EXPECT_EQ(panel.Color(), clInfoBk);
    EXPECT_TRUE(panel.Font().Style().Contains(TFontStyle::fsUnderline));
    EXPECT_EQ(SavedText(manager), text);
    TStyStyleManager copy(nullptr);
    copy.Assign(&manager);
    EXPECT_EQ(SavedText(copy), text);
}
