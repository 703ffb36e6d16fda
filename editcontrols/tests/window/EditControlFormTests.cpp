// The edit controls created by name from a form description, as the program's dialogs and the
// document window describe them.
#include <gtest/gtest.h>

#include <memory>

#include "editcontrols/EcBaseEdits.h"
#include "editcontrols/EcxSlider.h"
#include "editcontrols/EditControlsRegistry.h"
#include "editcontrols/Gpshape.h"
#include "editcontrols/TextEdit.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/testing/Driver.h"

namespace {

// A load factor, the reservoir water drawn as a gradient triangle and the pseudo-dynamic slider
// whose horizontal thumb the user replaced (the "UserImages" byte: bit 0), in a lowered bevel.
const char* const Description = R"(object Panel1: TPanel
  Left = 0
  Top = 0
  Width = 400
  Height = 200
  object Factor: TExtendEdit
    Left = 8
    Top = 8
    Width = 80
    Height = 21
    EditStyle = esFloat
    DecimalPlaces = 3
    Range.Enforce = True
    Range.MinValue = -0.0001
    Range.MaxValue = 10
    Value = 1.5
  end
  object Water: TManyShape
    Left = 100
    Top = 8
    Width = 120
    Height = 90
    BackColor = clAqua
    GradientToColor = clBlue
    OutlineStyle = psClear
    Shape = gstTriangleLeft
    SurfaceType = stGradientFill
  end
  object Periods: TEcxSlider
    Left = 8
    Top = 120
    Width = 321
    Height = 40
    Increment = 5
    MaxValue = 40
    Value = 26
    BevelStyle = bvLowered
    UserImages = {01}
  end
end)";

TEST(EditControlForms, ReadsTheEditTheShapeAndTheSliderByClassName)
{
    TestInitialize();
    RegisterEditControlClasses();
    std::unique_ptr<TComponent> root(ReadComponentText(Description));

    auto* factor = dynamic_cast<TExtendEdit*>(root->FindComponent("Factor"));
    ASSERT_NE(factor, nullptr);
    EXPECT_EQ(factor->EditStyle(), esFloat);
    EXPECT_EQ(factor->DecimalPlaces(), 3);
    EXPECT_TRUE(factor->Range().Enforce());
    EXPECT_DOUBLE_EQ(factor->Range().MinValue(), -0.0001);
    EXPECT_DOUBLE_EQ(factor->Range().MaxValue(), 10.0);
    EXPECT_DOUBLE_EQ(factor->Value(), 1.5);
    EXPECT_TRUE(factor->ActiveFocus());   // not in the description: the default

    auto* water = dynamic_cast<TManyShape*>(root->FindComponent("Water"));
    ASSERT_NE(water, nullptr);
    EXPECT_EQ(water->Shape(), gstTriangleLeft);
    EXPECT_EQ(water->SurfaceType(), stGradientFill);
    EXPECT_EQ(water->BackColor(), clAqua);
    EXPECT_EQ(water->GradientToColor(), clBlue);
    EXPECT_EQ(water->OutlineStyle(), TPenStyle::psClear);
    EXPECT_EQ(water->FillDirection(), gdUp);
    EXPECT_EQ(water->Width(), 120);

    auto* periods = dynamic_cast<TEcxSlider*>(root->FindComponent("Periods"));
    ASSERT_NE(periods, nullptr);
    EXPECT_EQ(periods->MaxValue(), 40);
    EXPECT_EQ(periods->Increment(), 5);
    EXPECT_EQ(periods->Value(), 26);
    EXPECT_EQ(periods->UserImages(), TSliderImages{siHThumb});
    EXPECT_EQ(periods->BevelStyle(), TPanelBevel::bvLowered);
    EXPECT_EQ(periods->Parent(), root.get());
}

TEST(EditControlForms, OlderFormsGiveTheImageKindAndTheFlatLookUnderTheirFormerNames)
{
    TestInitialize();
    RegisterEditControlClasses();
    struct Case {
        const char* glyphKind;
        TEcImageKind kind;
        const char* ctl3D;
        bool flat;
    };
    const Case cases[] = {{"gkCustom", ikCustom, "False", true}, {"gkDefault", ikDefault, "True", false},
                          {"gkDropDown", ikDropDown, "False", true}, {"gkEllipsis", ikEllipsis, "True", false}};
    for (const Case& c : cases) {
        const String text = String("object Panel1: TPanel\n  object Factor: TEcCalcEdit\n    GlyphKind = ") + c.glyphKind +
                            "\n    Ctl3D = " + c.ctl3D + "\n    ParentCtl3D = False\n  end\nend\n";
        std::unique_ptr<TComponent> root(ReadComponentText(text));
        auto* edit = dynamic_cast<TEcCalcEdit*>(root->FindComponent("Factor"));
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->ImageKind(), c.kind) << c.glyphKind;
        EXPECT_EQ(!edit->Ctl3D(), c.flat) << c.glyphKind;
        EXPECT_FALSE(edit->ParentCtl3D()) << c.glyphKind;   // ParentFlat off
        // written back under the names of today
        const std::string written = WriteComponentText(root.get()).ToUtf8();
        EXPECT_NE(written.find(std::string("Flat = ") + (c.flat ? "True" : "False")), std::string::npos) << written;
        EXPECT_NE(written.find("ParentFlat = False"), std::string::npos) << written;
        EXPECT_EQ(written.find("Ctl3D"), std::string::npos) << written;
    }
}

TEST(EditControlForms, RegisteringTwiceKeepsOneClassPerName)
{
    RegisterEditControlClasses();
    RegisterEditControlClasses();
    EXPECT_EQ(FindClass("TExtendEdit"), TExtendEdit::StaticClass());
    EXPECT_EQ(FindClass("TManyShape"), TManyShape::StaticClass());
    EXPECT_EQ(FindClass("TEcxSlider"), TEcxSlider::StaticClass());
}

}  // namespace
