// The simple label: measuring and painting the caption, and the jump label's target, counter,
// colours and context menu.
#include "styledcontrols/StyCustomSimpleLabel.h"

#include "foundation/StyProcs.h"
#include "platform/classes/FormReader.h"
#include "platform/graphics/Clipbrd.h"
#include "platform/services/ShellApi.h"
#include "platform/stdctrls/Menus.h"

const TEnumTypeInfo& TypeInfoOf(TStyJumpModes)
{
    static const TEnumTypeInfo info("TStyJumpModes", {"jmInternet", "jmApplication", "jmNone", "jmCustom"});
    return info;
}

TClass TStyCustomSimpleLabel::StaticClass()
{
    static const TMetaClass meta("TStyCustomSimpleLabel", TStyBaseLabel::StaticClass(),
                                 NewComponent<TStyCustomSimpleLabel>, [](TMetaClass& m) {
        m.OnMessage(WM_CONTEXTMENU, &TStyCustomSimpleLabel::WMContextMenu);
        TPublished<TStyCustomSimpleLabel>(&m)
            .Property("Font3D", &TStyCustomSimpleLabel::Font3D, &TStyCustomSimpleLabel::SetFont3D)
            .Property("Jump", &TStyCustomSimpleLabel::Jump, &TStyCustomSimpleLabel::SetJump)
            .Property("ActiveColor", &TStyCustomSimpleLabel::ActiveColor, &TStyCustomSimpleLabel::SetActiveColor)
            .Type("TColor")
            .Default(clPurple)
            .Property("InActiveColor", &TStyCustomSimpleLabel::InActiveColor, &TStyCustomSimpleLabel::SetInActiveColor)
            .Type("TColor")
            .Default(clBlue)
            .Property("ShowURLInHint", &TStyCustomSimpleLabel::ShowURLInHint, &TStyCustomSimpleLabel::SetShowURLInHint)
            .Default(false)
            .Property("ShowURLMenu", &TStyCustomSimpleLabel::ShowURLMenu, &TStyCustomSimpleLabel::SetShowURLMenu)
            .Default(false)
            .Property("JumpUnderline", &TStyCustomSimpleLabel::JumpUnderline, &TStyCustomSimpleLabel::SetJumpUnderline)
            .Default(true)
            .Property("JumpMode", &TStyCustomSimpleLabel::JumpMode, &TStyCustomSimpleLabel::SetJumpMode)
            .Default(jmNone)
            .Property("OnContextPopup", &TStyCustomSimpleLabel::OnContextPopup);
    });
    return &meta;
}

TStyCustomSimpleLabel::TStyCustomSimpleLabel(TComponent* AOwner)
    : TStyBaseLabel(AOwner), FFont3D(std::make_unique<TSty3DCaption>(nullptr))
{
    FFont3D->OnChange = TNotifyEvent(this, &TStyCustomSimpleLabel::Font3DChanged);
}

TStyCustomSimpleLabel::~TStyCustomSimpleLabel() { FFont3D->OnChange = TNotifyEvent(); }

void TStyCustomSimpleLabel::CorrectBounds()
{
    const TComponentState state = ComponentState();
    if (!(AutoSize() || FControl) || Align() != alNone || IsUpdating() || state.Contains(csLoading) ||
        state.Contains(csReading))
        return;
    TRect r = ClientRect();
    Cardinal flags = OptionFlags();
    if (!FMultiLine) flags |= DT_SINGLELINE;
    MeasureCaption(GetCaptionText(), FFont3D.get(), r, Font(), FMultiLine, FAccelChar, 0, flags);
    SetBounds(Left(), Top(), r.Right, r.Bottom);
}

void TStyCustomSimpleLabel::Paint()
{
    if (Painting || ComponentState().Contains(csLoading)) return;
    Painting = true;
    TCanvas& c = Canvas();
    if (NothingToPaint()) {
        if (ComponentState().Contains(csDesigning)) DrawDesignFrame();
        Painting = false;
        return;
    }
    if (!FTransparent) FillClientRect();
    TRect text = ClientRect();
    Cardinal flags = 0;
    if (FMultiLine && FAlignment >= agCenterLeft)
        CalcCaptionRect(FAlignment, GetCaptionText(), FFont3D.get(), ClientRect(), Font(), true, FAccelChar,
                        OptionFlags(), text);
    if (!FMultiLine) flags |= DT_SINGLELINE;
    flags |= DT_EXPANDTABS | DT_WORDBREAK | AlignmentFlags(FAlignment) | OptionFlags();
    if (!FAccelChar) flags |= DT_NOPREFIX;
    c.Brush().SetColor(Color());
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Font().Assign(&Font());
    c.Font().SetColor(TextColor());
    const TStyDrawTextStyles styles = Enabled() ? TStyDrawTextStyles{dtEnabled} : TStyDrawTextStyles{dtDisabled};
    if (FTwinkleFlag) {
        DrawCaptionText(c, GetCaptionText(), FFont3D.get(), text, flags, styles, nullptr);
    } else if (FTwinkleColor != clNone) {
        c.Font().SetColor(FTwinkleColor);
        DrawCaptionText(c, GetCaptionText(), FFont3D.get(), text, flags, styles, nullptr);
    }
    Painting = false;
}

String TStyCustomSimpleLabel::JumpTarget() const
{
    return Trim(FJump).IsEmpty() ? Caption() : FJump;
}

void TStyCustomSimpleLabel::Click()
{
    switch (FJumpMode) {
    case jmInternet:
        if (!OpenUrlOrMail(JumpTarget())) {
            FJumpMode = jmNone;
            SetEnabled(false);
        }
        break;
    case jmApplication: ShellExecute(nullptr, "open", JumpTarget(), String(), String(), SW_SHOWNORMAL); break;
    default: TStyBaseLabel::Click(); break;
    }
}

void TStyCustomSimpleLabel::Press()
{
    if (FJumpMode == jmNone) return;
    ++FCounter;
    Font().SetColor(FActiveColor);
}

void TStyCustomSimpleLabel::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft) Press();
    TStyBaseLabel::MouseDown(Button, Shift, X, Y);
}

void TStyCustomSimpleLabel::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft && FUseAsJump) Font().SetColor(FInActiveColor);
    TStyBaseLabel::MouseUp(Button, Shift, X, Y);
}

void TStyCustomSimpleLabel::Execute()
{
    Press();
    Click();
}

void TStyCustomSimpleLabel::ResetCounter()
{
    FCounter = 0;
    Font().SetColor(FInActiveColor);
    if (FJumpUnderline) {
        TFontStyles style = Font().Style();
        style.Include(TFontStyle::fsUnderline);
        Font().SetStyle(style);
    }
}

void TStyCustomSimpleLabel::CopyURL() { Clipboard().SetAsText(JumpTarget()); }

String TStyCustomSimpleLabel::LabelHint() const
{
    if (Hint().IsEmpty() && FShowURLInHint && FJumpMode == jmInternet) return JumpTarget();
    if (Hint().IsEmpty() && FOptions.Contains(loShowLabelHint)) return Caption();
    return Hint();
}

void TStyCustomSimpleLabel::WMContextMenu(TMessage& message)
{
    if (PopupMenu() || !FShowURLMenu || FJumpMode != jmInternet || ComponentState().Contains(csDesigning)) {
        InheritedMessage(StaticClass(), message);
        return;
    }
    if (!FURLMenu) {
        FURLMenu = new TPopupMenu(this);
        auto* open = new TMenuItem(FURLMenu);
        open->SetCaption("&Open URL");
        open->OnClick = TNotifyEvent(this, &TStyCustomSimpleLabel::OpenClicked);
        auto* copy = new TMenuItem(FURLMenu);
        copy->SetCaption("&Copy URL");
        copy->OnClick = TNotifyEvent(this, &TStyCustomSimpleLabel::CopyClicked);
        FURLMenu->Items()->Add(open);
        FURLMenu->Items()->Add(copy);
    }
    FURLMenu->SetPopupComponent(this);
    FURLMenu->Popup(LoSmall(message.LParam), HiSmall(message.LParam));
    message.Result = 1;
}

void TStyCustomSimpleLabel::Loaded()
{
    TStyBaseLabel::Loaded();
    if (FUseAsJump) FJumpMode = jmInternet;
}

void TStyCustomSimpleLabel::DefineProperties(TFiler* Filer)
{
    TStyBaseLabel::DefineProperties(Filer);
    Filer->DefineProperty("UseAsJump", [this](TReader* r) { FUseAsJump = r->ReadBoolean(); }, nullptr, false);
}
