// Styled controls and components described with the properties they publish set away from
// their defaults: read from the description and written back, they give it again.
#include <gtest/gtest.h>

#include <memory>

#include "foundation/StyImageList.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StyBoundLabel.h"
#include "styledcontrols/StyCustomEdit.h"
#include "styledcontrols/StyEditRegistry.h"
#include "styledcontrols/StyFaceController.h"
#include "styledcontrols/StySpeedButton.h"
#include "styledcontrols/StyStyleMan.h"

namespace {

// A form whose methods the events of the descriptions bind to.
class TStyRoundTripForm : public TForm {
    DECLARE_CLASS(TStyRoundTripForm, TForm)
public:
    using TForm::TForm;
    void Notified(TObject*) {}
    void AtPosition(TObject*, Integer) {}
    void Popup(TObject*, TPoint, bool&) {}
    void Wheel(TObject*, TShiftState, Integer, TPoint, bool&) {}
    void SetController(TObject*, TControl*, bool&) {}
};

}  // namespace

TClass TStyRoundTripForm::StaticClass()
{
    static const TMetaClass meta("TStyRoundTripForm", TForm::StaticClass(), NewComponent<TStyRoundTripForm>,
                                 [](TMetaClass& m) {
        TPublished<TStyRoundTripForm>(&m)
            .Method("Notified", &TStyRoundTripForm::Notified)
            .Method("AtPosition", &TStyRoundTripForm::AtPosition)
            .Method("Popup", &TStyRoundTripForm::Popup)
            .Method("Wheel", &TStyRoundTripForm::Wheel)
            .Method("SetController", &TStyRoundTripForm::SetController);
    });
    return &meta;
}

namespace {

std::string Form(const std::string& objects)
{
    return "object Survey: TStyRoundTripForm\n"
           "  Left = 0\n"
           "  Top = 0\n"
           "  Width = 320\n"
           "  Height = 240\n"
           "  Font.Height = -11\n"
           "  Font.Name = 'Tahoma'\n" +
           objects + "end\n";
}

const char* const Components = "  object Images1: TStyImageList\n"
                               "  end\n"
                               "  object Styles1: TStyStyleManager\n"
                               "  end\n"
                               "  object Faces1: TStyFaceController\n"
                               "    States = <>\n"
                               "    StyleManager = Styles1\n"
                               "    StyleName = 'Dam'\n"
                               "    OnSetFaceController = SetController\n"
                               "  end\n";

// The editor stands for the windowed bases, the panel with its bevel and the bitmap effect
// with its alpha blend and fill.
const char* const Editor = "  object Crest: TStyCustomEdit\n"
                           "    Left = 8\n"
                           "    Top = 40\n"
                           "    Width = 140\n"
                           "    Height = 21\n"
                           "    Color = clYellow\n"
                           "    Cursor = crArrow\n"
                           "    TabOrder = 0\n"
                           "    TabStop = False\n"
                           "    OnMouseEnter = Notified\n"
                           "    OnMouseExit = Notified\n"
                           "    ThemeMode = ttmNone\n"
                           "    ThemeGlobalMode = True\n"
                           "    ParentThemeMode = False\n"
                           "    Flat = True\n"
                           "    Transparent = True\n"
                           "    ImageIndex = 2\n"
                           "    ListIndex = 1\n"
                           "    ImageList = Images1\n"
                           "    FaceController = Faces1\n"
                           "    BackFX.AlphaBlend.Strength = 0.25\n"
                           "    BackFX.AlphaBlend.ImageIndex = 3\n"
                           "    BackFX.AlphaBlend.ListIndex = 1\n"
                           "    BackFX.AlphaBlend.FillObject.Style = sfGradient\n"
                           "    BackFX.AlphaBlend.FillObject.TileMode = tmStretch\n"
                           "    BackFX.AlphaBlend.FillObject.Alignment = agCenter\n"
                           "    BackFX.AlphaBlend.FillObject.OffsetX = 4\n"
                           "    BackFX.AlphaBlend.FillObject.OffsetY = 5\n"
                           "    BackFX.AlphaBlend.FillObject.Options = [foQuickDraw]\n"
                           "    BackFX.AlphaBlend.FillObject.AlphaLevel = 128\n"
                           "    BackFX.Invert = True\n"
                           "    BackFX.Buffered = True\n"
                           "    BackFX.GrayScale = True\n"
                           "    BackFX.FlipVertical = True\n"
                           "    BackFX.FlipHorizontal = True\n"
                           "    BackFX.Brightness = -40\n"
                           "    OnAfterEnter = Notified\n"
                           "    OnAfterExit = Notified\n"
                           "    NoHandleUpdate = True\n"
                           "    Bevel.StyleInner = bvFrameRaised\n"
                           "    Bevel.StyleOuter = bvLowered\n"
                           "    Bevel.WidthInner = 2\n"
                           "    Bevel.WidthOuter = 3\n"
                           "    Bevel.BorderColor = clNavy\n"
                           "    Bevel.BorderInnerWidth = 1\n"
                           "    Bevel.BorderWidth = 4\n"
                           "    Bevel.BorderSides = [fsBottom, fsTop]\n"
                           "    Bevel.EdgeStyle = etBump\n"
                           "    Bevel.LightColor = clWhite\n"
                           "    Bevel.Mode = bmEdge\n"
                           "    Bevel.ShadowColor = clGray\n"
                           "    Bevel.StandardStyle = lsDoubleRaised\n"
                           "    Caret.BlinkRate = 400\n"
                           "    Caret.Style = csBlock\n"
                           "    Caret.Width = 3\n"
                           "    Caret.Height = 12\n"
                           "    Caret.ImageIndex = 1\n"
                           "    Caret.ListIndex = 1\n"
                           "    Caret.CaretBmpMode = cbTile\n"
                           "    Caret.CanEnable = False\n"
                           "    ValidationMsgString = 'Crest level'\n"
                           "    OnValidationError = AtPosition\n"
                           "    UseGlobalTimer = True\n"
                           "    FocusOnMouseAbove = True\n"
                           "    HighlightText = clRed\n"
                           "    HighlightBack = clLime\n"
                           "    OnChange = Notified\n"
                           "    OnModified = Notified\n"
                           "    OnCursorPosChanged = Notified\n"
                           "    OnTextChangedAt = AtPosition\n"
                           "    OnContextPopup = Popup\n"
                           "    OnMouseWheel = Wheel\n"
                           "  end\n";

// The label stands for the windowless bases and the labels (its focus control would size it
// to its caption).
const char* const Label = "  object Jump: TStyCustomSimpleLabel\n"
                          "    Left = 8\n"
                          "    Top = 80\n"
                          "    Width = 90\n"
                          "    Height = 20\n"
                          "    AutoSize = False\n"
                          "    Caption = 'Manual'\n"
                          "    OnMouseEnter = Notified\n"
                          "    OnMouseExit = Notified\n"
                          "    ShowAccelChar = False\n"
                          "    Twinkle = True\n"
                          "    MultiLine = True\n"
                          "    Alignment = agBottomRight\n"
                          "    Options = [loEndEllipsis, loShowLabelHint]\n"
                          "    TwinkleVisible = 1000\n"
                          "    TwinkleInVisible = 200\n"
                          "    TwinkleColor = clRed\n"
                          "    FontSmoothing = True\n"
                          "    UseGlobalTimer = True\n"
                          "    Transparent = False\n"
                          "    Font3D.Style = tdRaised\n"
                          "    Jump = 'https://example.org/manual'\n"
                          "    ActiveColor = clMaroon\n"
                          "    InActiveColor = clGreen\n"
                          "    ShowURLInHint = True\n"
                          "    ShowURLMenu = True\n"
                          "    JumpUnderline = False\n"
                          "    JumpMode = jmInternet\n"
                          "    OnContextPopup = Popup\n"
                          "  end\n";

// The speed button's other properties are covered by the button tests.
const char* const Button = "  object Run: TStySpeedButton\n"
                           "    Left = 120\n"
                           "    Top = 80\n"
                           "    Width = 23\n"
                           "    Height = 22\n"
                           "    OnMouseEnter = Notified\n"
                           "    OnMouseExit = Notified\n"
                           "    ThemeMode = ttmNative\n"
                           "    ThemeGlobalMode = True\n"
                           "  end\n";

TEST(StyFormRoundTrip, EveryPublishedPropertyReadsAndWritesBack)
{
    TestInitialize();
    RegisterStyledEditClasses();
    RegisterClasses({TStyRoundTripForm::StaticClass(), TStyImageList::StaticClass(),
                     TStyStyleManager::StaticClass(), TStyFaceController::StaticClass(),
                     TStyCustomSimpleLabel::StaticClass(), TStySpeedButton::StaticClass()});
    const std::string description = Form(std::string(Components) + Editor + Label + Button);
    std::unique_ptr<TComponent> form(ReadComponentText(String(description)));
    auto* edit = dynamic_cast<TStyCustomEdit*>(form->FindComponent("Crest"));
    auto* label = dynamic_cast<TStyCustomSimpleLabel*>(form->FindComponent("Jump"));
    ASSERT_TRUE(edit && label);
    EXPECT_EQ(edit->FaceController(), form->FindComponent("Faces1"));
    EXPECT_EQ(edit->ImageList(), form->FindComponent("Images1"));
    EXPECT_EQ(edit->Bevel()->Mode(), bmEdge);
    EXPECT_EQ(edit->BackFX()->Brightness(), -40);
    EXPECT_TRUE(static_cast<bool>(edit->OnMouseExit));
    EXPECT_TRUE(static_cast<bool>(label->OnMouseExit));
    EXPECT_EQ(WriteComponentText(form.get()).ToUtf8(), description);
}

// The editor's frame is the window's own edge by default, so a form need not say so; the
// "About" text is never written; the caret's blink rate, the system's here, always is.
TEST(StyFormRoundTrip, NewControlsWriteNothingButTheirPlace)
{
    TestInitialize();
    RegisterStyledEditClasses();
    TStyCustomEdit edit(nullptr);
    edit.SetName("Crest");
    EXPECT_EQ(edit.Bevel()->Mode(), bmWindows);
    EXPECT_EQ(WriteComponentText(&edit).ToUtf8(), "object Crest: TStyCustomEdit\n"
                                                  "  Left = 0\n"
                                                  "  Top = 0\n"
                                                  "  Width = 100\n"
                                                  "  Height = 21\n"
                                                  "  Caret.BlinkRate = 530\n"
                                                  "end\n");
    TStySpeedButton button(nullptr);
    button.SetName("Run");
    EXPECT_EQ(WriteComponentText(&button).ToUtf8(), "object Run: TStySpeedButton\n"
                                                    "  Left = 0\n"
                                                    "  Top = 0\n"
                                                    "  Width = 23\n"
                                                    "  Height = 22\n"
                                                    "end\n");
}

}  // namespace
