// Every published property of the edits' buttons, the auto-completion, the formats, the spin edit,
// the hook component, the combo box and the message hint travels through a form description and
// back; properties at their defaults are left out.
#include <gtest/gtest.h>

#include "StyPublishedRoundTrip.h"
#include "platform/classes/TypInfo.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StyComboBox.h"
#include "styledcontrols/StyCurrencySettings.h"
#include "styledcontrols/StyEditRegistry.h"
#include "styledcontrols/StyHookComponent.h"
#include "styledcontrols/StyMessageHint.h"
#include "styledcontrols/StySpinEdit.h"
#include "styledcontrols/StyTimeFormat.h"

namespace {

// The formats are value objects of the masked edit; this component carries them into a form.
class TFormatHost : public TComponent {
    DECLARE_CLASS(TFormatHost, TComponent)
public:
    explicit TFormatHost(TComponent* AOwner) : TComponent(AOwner) {}
    TStyDateFormat Date{nullptr};
    TStyTimeFormat Time{nullptr};
    TStyCurrencySettings Currency{nullptr};
};

}  // namespace

TClass TFormatHost::StaticClass()
{
    static const TMetaClass meta("TFormatHost", TComponent::StaticClass(), NewComponent<TFormatHost>, [](TMetaClass& m) {
        using H = TFormatHost;
        TPublished<H>(&m)
            .Property("Date", [](H* h) { return &h->Date; }, [](H* h, TStyDateFormat* v) { h->Date.Assign(v); })
            .Property("Time", [](H* h) { return &h->Time; }, [](H* h, TStyTimeFormat* v) { h->Time.Assign(v); })
            .Property("Currency", [](H* h) { return &h->Currency; },
                      [](H* h, TStyCurrencySettings* v) { h->Currency.Assign(v); });
    });
    return &meta;
}

namespace {

struct StyPublished : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        RegisterStyledEditClasses();
        RegisterClasses({TStySpinEdit::StaticClass(), TStyComboBox::StaticClass(), TStyMessageHint::StaticClass(),
                         TStyHookComponent::StaticClass(), TFormatHost::StaticClass()});
    }
};

// The component of that name on the form.
std::function<TPersistent*(TComponent*)> Named(const char* name)
{
    return [name](TComponent* form) -> TPersistent* { return form->FindComponent(name); };
}

TEST_F(StyPublished, EmbeddedButtonItems)
{
    ExpectPublishedRoundTrip({
        "special button", TStySpecialButton::StaticClass(), nullptr,
        {"Hint", "Caption", "Cursor", "GroupIndex", "ParentFont", "Enabled", "OnClick", "Layout", "Font", "FontFX",
         "ThemeMode", "PngGlyph", "UsePngGlyph", "Color", "Alignment", "AllowAllUp", "Glyph", "ImageList",
         "ImageIndex", "ListIndex"},
        "object Form1: TForm\n  object Spin: TStySpinEdit\n    CustomButtons = <\n      item\n", "      end>\n  end\nend\n",
        "        ",
        [](TComponent* form) -> TPersistent* {
            return static_cast<TStySpinEdit*>(form->FindComponent("Spin"))->CustomButtons().Items(0);
        },
        {}, {}, {"Font.Height", "Font.Name"}});
}

TEST_F(StyPublished, CustomEditAndAutoCompletion)
{
    ExpectPublishedRoundTrip({
        "custom edit", TStyCustomEdit::StaticClass(), TStyBaseEdit::StaticClass(),
        {"AutoSize", "CueBanner", "DraggingAllowed", "Font", "CharCase", "Font3D", "MaxLength", "HideSelection",
         "AutoSelect", "OEMConvert", "ParentFont", "Options"},
        "object Form1: TForm\n  object Edit: TStyCustomEdit\n", "  end\nend\n", "    ", Named("Edit"), {}, {}});
    ExpectPublishedRoundTrip({
        "auto-completion", TStyEditAutoComplete::StaticClass(), TStyCustomComponent::StaticClass(),
        {"CaseSensitive", "Enabled", "StringList", "StringListIndex", "Mode", "AddUnknownOn", "OnAdd", "OnSelect",
         "IsExact"},
        "object Form1: TForm\n  object Completion: TStyEditAutoComplete\n", "  end\nend\n", "    ", Named("Completion"),
        {{"StringListIndex", "0"}}, {"StringListIndex"}});
}

TEST_F(StyPublished, DateTimeAndCurrencyFormats)
{
    ExpectPublishedRoundTrip({
        "formats", TFormatHost::StaticClass(), TComponent::StaticClass(),
        {"Date", "Time", "Currency"},
        "object Form1: TForm\n  object Formats: TFormatHost\n", "  end\nend\n", "    ", Named("Formats"),
        {{"Currency.SystemDefaults", "cmUser"}}, {}});
    for (auto [cls, names] : {std::pair{TStyDateFormat::StaticClass(), std::vector<const char*>{"FormatStr", "Format", "YearDelta"}},
                              std::pair{TStyTimeFormat::StaticClass(),
                                        std::vector<const char*>{"FormatStr", "Format", "AMSign", "PMSign", "MSign"}}})
        for (const char* name : names) EXPECT_NE(GetPropInfo(cls, name), nullptr) << name;
}

TEST_F(StyPublished, SpinEdit)
{
    ExpectPublishedRoundTrip({
        "spin edit", TStySpinEdit::StaticClass(), TStyCustomMaskEdit::StaticClass(),
        {"AutoSize", "AutoDisableButtons", "Alignment", "CheckOnExitOnly", "CustomButtons", "CustomButtonsStyle",
         "CustomButtonWidth", "CustomButtonParentCtlXP", "ForceOverwriteMode", "Interval", "SpinBtnWidth",
         "SpinBtnColor", "SpinBtnHotColor", "SpinBtnDiag", "Step", "EditorEnabled", "ReadOnly", "OnSpinBtnUpClick",
         "OnSpinBtnDownClick", "OnValueChanged", "OnValueChanging", "Options", "LineSize", "PageSize", "MinValue",
         "MaxValue", "Value", "Suffix", "AutoSelect", "Color", "Font", "Hint", "ShowHint", "TabOrder", "OnChange"},
        "object Form1: TForm\n  object Spin: TStySpinEdit\n", "  end\nend\n", "    ", Named("Spin"), {{"Suffix", "' px'"}},
        {"CustomButtonParentCtlXP"},   // starts as the edit's theme; its own test
        {"Value"}});                   // goes with the masked edit's own entry too
}

TEST_F(StyPublished, HookComponent)
{
    ExpectPublishedRoundTrip({
        "hook component", TStyHookComponent::StaticClass(), TStyCustomComponent::StaticClass(),
        {"About", "Control", "OnMessage"},
        "object Form1: TForm\n  object Hook: TStyHookComponent\n", "  end\nend\n", "    ", Named("Hook"), {}, {}});
}

TEST_F(StyPublished, ComboBox)
{
    ExpectPublishedRoundTrip({
        "combo box", TStyComboBox::StaticClass(), TCustomComboBox::StaticClass(),
        {"About", "Anchors", "Color", "Constraints", "Cursor", "DropDownCount", "DropDownWidth", "Enabled", "Flat",
         "FocusControl", "Font", "Height", "HelpContext", "Hint", "Interval", "ItemHeight", "Items", "Left",
         "MaxLength", "MRUList", "MRUMax", "Name", "ParentColor", "ParentFont", "ParentShowHint", "ParentThemeMode",
         "PopupMenu", "Search", "ShowHint", "Sorted", "Style", "TabOrder", "TabStop", "Tag", "Text",
         "ThemeGlobalMode", "ThemeMode", "Top", "UseGlobalTimer", "Visible", "Width", "OnChange", "OnClick",
         "OnCloseUp", "OnContextPopup", "OnDblClick", "OnDrawItem", "OnDropDown", "OnEditClick", "OnEnter", "OnExit",
         "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMeasureItem", "OnMouseDown", "OnMouseMove", "OnMouseUp",
         "OnSelect", "Validator", "ValidationMsgString", "ValidatedValue", "OnValidationError", "CtlXP"},
        "object Form1: TForm\n  object Combo: TStyComboBox\n", "  end\nend\n", "    ", Named("Combo"), {}, {}});
}

TEST_F(StyPublished, MessageHint)
{
    ExpectPublishedRoundTrip({
        "message hint", TStyMessageHint::StaticClass(), TComponent::StaticClass(),
        {"About", "AllowMultipleHints", "CloseBtnType", "CloseBtnStyle", "DefaultTitle", "Distance", "Enabled",
         "Font3D", "Gradient", "HideAccelChar", "NoseLength", "NoseWidth", "NoseAngleWidth", "Options", "Position",
         "RoundRectWidth", "SetCapture", "Shadow", "Style", "ThemeMode", "ThemeGlobalMode", "TitleFont",
         "TitleFont3D", "UseGradient", "UseSystemShadow", "MaxWidth", "Font", "UseScreenHintFont", "EnableHtml",
         "LinkColor", "LinkStyle", "BorderColor", "Color", "OnShow", "OnHide", "OnImageNeeded", "OnImageNeededEx",
         "OnVariableNeeded", "OnTagFound", "OnLinkClick", "OnCloseHintWindow"},
        "object Form1: TForm\n  object Balloons: TStyMessageHint\n", "  end\nend\n", "    ", Named("Balloons"), {}, {},
        {"AllowMultipleHints", "TitleFont.Color", "TitleFont.Height", "TitleFont.Name"}});
}

}  // namespace
