// The speed buttons, the file-name edit and the numeric (combo) edit described with every
// property they publish set: read from the description and written back, they give it again.
#include <gtest/gtest.h>

#include <memory>

#include "editcontrols/EcBaseEdits.h"
#include "editcontrols/EditControlsRegistry.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/testing/Driver.h"

namespace {

// A form whose methods the events of the description bind to.
class TRoundTripForm : public TForm {
    DECLARE_CLASS(TRoundTripForm, TForm)
public:
    using TForm::TForm;
    void Entered(TObject*) {}
    void Left(TObject*) {}
    void ParentColorChanged(TObject*) {}
    void Clicked(TObject*) {}
    void Dialog(TObject*, String&, bool&) {}
};

}  // namespace

TClass TRoundTripForm::StaticClass()
{
    static const TMetaClass meta("TRoundTripForm", TForm::StaticClass(), NewComponent<TRoundTripForm>,
                                 [](TMetaClass& m) {
        TPublished<TRoundTripForm>(&m)
            .Method("Entered", &TRoundTripForm::Entered)
            .Method("Left", &TRoundTripForm::Left)
            .Method("ParentColorChanged", &TRoundTripForm::ParentColorChanged)
            .Method("Clicked", &TRoundTripForm::Clicked)
            .Method("Dialog", &TRoundTripForm::Dialog);
    });
    return &meta;
}

namespace {

// The lines of the object named in the written description, from "object" to its "end".
std::string ObjectBlock(const std::string& text, const std::string& name)
{
    const size_t start = text.find("  object " + name + ":");
    if (start == std::string::npos) return "(no object " + name + ")";
    const size_t end = text.find("\n  end\n", start);
    return text.substr(start, end + 7 - start);
}

// The description of a glyph of w x h pixels in red and blue, as the bitmap writes it.
std::string GlyphData(const char* property, Integer w, Integer h)
{
    TEcSpeedButton button(nullptr);
    button.SetName("B");
    TBitmap glyph(w, h);
    glyph.Canvas().FillRectColor(TRect{0, 0, w, h}, clRed);
    glyph.Canvas().FillRectColor(TRect{0, 0, w / 2, h}, clBlue);
    button.SetGlyph(&glyph);
    const std::string text = WriteComponentText(&button).ToUtf8();
    const size_t start = text.find("  Glyph.Data = {");
    const size_t end = text.find("}\n", start);
    std::string block = text.substr(start, end + 2 - start);
    block.replace(2, 5, property);
    std::string indented;
    for (size_t i = 0; i < block.size(); ++i) {
        if (i == 0 || block[i - 1] == '\n') indented += "  ";
        indented += block[i];
    }
    return indented;
}

std::string SpeedButtonDescription()
{
    return "  object Tool: TEcSpeedButton\n"
           "    Action = Run1\n"
           "    Left = 8\n"
           "    Top = 8\n"
           "    Width = 60\n"
           "    Height = 30\n"
           "    Caption = 'Run'\n"
           "    Color = clYellow\n"
           "    ShowHint = False\n"
           "    Alignment = taLeftJustify\n"
           "    AllowAllUp = True\n"
           "    AllowTimer = True\n"
           "    GroupIndex = 3\n"
           "    Down = True\n"
           "    DoubleBuffered = False\n"
           "    DropDownMenu = Menu1\n"
           "    Flat = True\n"
           "    GrayedInactive = False\n"
           "    GrayNewStyle = False\n"
           "    HintColor = clInfoBk\n"
           "    HotTrack = True\n"
           "    HotTrackFontOptions = [hoFollowFont, hoPreserveColor]\n"
           "    HotTrackFont.Color = clRed\n"
           "    HotTrackFont.Height = -11\n"
           "    HotTrackFont.Name = 'Tahoma'\n"
           "    InitPause = 300\n"
           "    Layout = blGlyphLeft\n"
           "    Margin = 2\n"
           "    MarkDropDown = False\n"
           "    MenuPosition = dmpRight\n"
           "    ModalResult = 1\n"
           "    RepeatInterval = 50\n"
           "    Spacing = 4\n"
           "    Style = bsWin31\n"
           "    Transparent = True\n"
           "    WordWrap = True\n"
           "    OnMouseEnter = Entered\n"
           "    OnMouseLeave = Left\n"
           "    OnParentColorChange = ParentColorChanged\n" +
           GlyphData("Glyph", 32, 8) +
           "    NumGlyphs = 2\n" +
           GlyphData("HotTrackGlyph", 16, 8) +
           "    HotTrackOptions.Enabled = True\n"
           "    HotTrackOptions.Color = clAqua\n"
           "    HotTrackOptions.FrameVisible = True\n"
           "    HotTrackOptions.FrameColor = clNavy\n"
           "  end\n";
}

const char* const ImageButtonDescription = "  object Pick: TEcImageSpeedButton\n"
                                           "    Left = 80\n"
                                           "    Top = 8\n"
                                           "    Width = 25\n"
                                           "    Height = 25\n"
                                           "    Images = Images1\n"
                                           "    ImageIndex = 1\n"
                                           "    HotTrackImageIndex = 2\n"
                                           "  end\n";

const char* const FilenameEditDescription = "  object Input: TEcFilenameEdit\n"
                                            "    Left = 8\n"
                                            "    Top = 50\n"
                                            "    Width = 200\n"
                                            "    Height = 21\n"
                                            "    TabOrder = 0\n"
                                            "    Alignment = taCenter\n"
                                            "    BeepOnError = False\n"
                                            "    ButtonFlat = True\n"
                                            "    ButtonHint = 'Browse for the file'\n"
                                            "    ButtonWidth = 25\n"
                                            "    ClickKey = 113\n"
                                            "    ClipboardCommands = [caCopy, caPaste]\n"
                                            "    DirectInput = False\n"
                                            "    DisabledColor = clSilver\n"
                                            "    DisabledTextColor = clGray\n"
                                            "    DotNetHighlighting = True\n"
                                            "    Flat = True\n"
                                            "    ParentFlat = False\n"
                                            "    PopupAlign = epaLeft\n"
                                            "    TextHint = 'Input file'\n"
                                            "    OnButtonClick = Clicked\n"
                                            "    OnPopupShown = Clicked\n"
                                            "    OnPopupHidden = Clicked\n"
                                            "    AutoCompleteOptions = [acoAutoAppend]\n"
                                            "    AutoCompleteFileOptions = [acfFileSysDirs]\n"
                                            "    OnBeforeDialog = Dialog\n"
                                            "    OnAfterDialog = Dialog\n"
                                            "    OnDropFiles = Clicked\n"
                                            "    AddQuotes = False\n"
                                            "    DefaultExt = 'dam'\n"
                                            "    DialogKind = dkSave\n"
                                            "    DialogOptions = [ofOverwritePrompt, ofHideReadOnly]\n"
                                            "    DialogTitle = 'Output file'\n"
                                            "    DisplayLocalizedName = True\n"
                                            "    Filter = 'Dam files (*.dam)|*.dam'\n"
                                            "    FilterIndex = 2\n"
                                            "    GroupIndex = 1\n"
                                            "    InitialDir = '/data'\n"
                                            "  end\n";

const char* const CalcEditDescription = "  object Factor: TEcCalcEdit\n"
                                        "    Left = 8\n"
                                        "    Top = 80\n"
                                        "    Width = 120\n"
                                        "    Height = 21\n"
                                        "    Caption = '2.5'\n"
                                        "    TabOrder = 1\n"
                                        "    ReadOnly = True\n"
                                        "    Text = '2.5'\n"
                                        "    AlwaysEnableButton = True\n"
                                        "    ImageKind = ikEllipsis\n"
                                        "    ImageIndex = 0\n"
                                        "    Images = Images1\n"
                                        "    NumGlyphs = 2\n"
                                        "    ShowButton = False\n"
                                        "    DecimalPlaces = 3\n"
                                        "    DisplayFormat = ',0.###'\n"
                                        "    MaxValue = 10.0\n"
                                        "    MinValue = -1.0\n"
                                        "    Value = 2.5\n"
                                        "  end\n";

TEST(EditControlRoundTrip, EveryPublishedPropertyReadsAndWritesBackEqual)
{
    TestInitialize();
    RegisterEditControlClasses();
    RegisterClasses({TRoundTripForm::StaticClass(), TImageList::StaticClass()});
    struct Case {
        const char* name;
        std::string description;
    };
    const Case cases[] = {
        {"Tool", SpeedButtonDescription()},
        {"Pick", ImageButtonDescription},
        {"Input", FilenameEditDescription},
        {"Factor", CalcEditDescription},
    };
    std::string text = "object Form1: TRoundTripForm\n"
                       "  object Menu1: TPopupMenu\n"
                       "  end\n"
                       "  object Images1: TImageList\n"
                       "  end\n"
                       "  object Actions1: TActionList\n"
                       "    object Run1: TAction\n"
                       "      Caption = 'Run'\n"
                       "      GroupIndex = 3\n"
                       "    end\n"
                       "  end\n";
    for (const Case& c : cases) text += c.description;
    text += "end\n";
    std::unique_ptr<TComponent> root(ReadComponentText(String(text.c_str())));
    const std::string written = WriteComponentText(root.get()).ToUtf8();
    for (const Case& c : cases) EXPECT_EQ(ObjectBlock(written, c.name), c.description) << c.name;
}

}  // namespace
