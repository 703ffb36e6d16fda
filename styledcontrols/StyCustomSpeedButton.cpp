// The speed button's face: background, main face and drop-down part, arrow, and the placing of
// picture and caption inside the frame.
#include "styledcontrols/StyCustomSpeedButton.h"

#include "foundation/StyGraph.h"
#include "platform/classes/FormReader.h"

TClass TStyCustomSpeedButton::StaticClass()
{
    static const TMetaClass meta("TStyCustomSpeedButton", TStyBaseGraphicButton::StaticClass(), nullptr,
                                 [](TMetaClass&) {});
    return &meta;
}

TStyCustomSpeedButton::TStyCustomSpeedButton(TComponent* AOwner) : TStyBaseGraphicButton(AOwner)
{
    FThemeMode = ttmPlatform;
    FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks, csReplicatable};
    SetAllowMouseOver(true);
    SetAllowTransparency(false);
    SetBounds(Left(), Top(), 23, 22);
}

// The explorer and transparent office looks (and every themed button) show the parent through.
void TStyCustomSpeedButton::SetButtonStyle(TStyUserButtonStyle Value)
{
    if (Value == FStyle) return;
    const auto seeThrough = [](TStyUserButtonStyle s) {
        return s == ubsExplorer || s == ubsExplorerColored || s == ubsOfficeTransp;
    };
    if (seeThrough(Value) || IsThemed()) {
        FButtonTransparent = true;
        FControlStyle.Exclude(csOpaque);
    } else if (seeThrough(FStyle)) {
        FButtonTransparent = false;
        FControlStyle.Include(csOpaque);
    }
    FStyle = Value;
    const bool explorer = Value == ubsFlatUnColored || Value == ubsNavigator || Value == ubsExplorer;
    GlyphObject().SetStyle(explorer ? gsExplorer : gsStandard);
    ObjectChanged(nullptr);
}

void TStyCustomSpeedButton::SetUnColorMain(bool Value)
{
    GlyphObject().SetStyle(Value ? gsExplorer : gsStandard);
    Invalidate();
}

bool TStyCustomSpeedButton::IsHotOptionSet()
{
    return FState == bsOptionSet && (FStyle == ubsOffice || FStyle == ubsOfficeTransp || IsThemed());
}

bool TStyCustomSpeedButton::HoverChangesFace()
{
    const TStyUserButtonStyle s = Style();
    return (s >= ubsVesperFlat && s <= ubsExplorerColored) || (s >= ubsOffice && s <= ubsWin40Ext) || IsThemed();
}

// With a custom style that paints fonts, the text colour of the element the look stands for.
TColor TStyCustomSpeedButton::GetTextColor()
{
    if (!UsesCustomStyle() || !StyleElements().Contains(seFont)) return Font().Color();
    Integer variant = 0;   // normal, hot, pressed, disabled
    switch (FState) {
    case bsMouseOver: case bsDragOver: variant = 1; break;
    case bsOptionSet: case bsDown: case bsDropDownOpen: variant = 2; break;
    case bsDisabledUp: case bsDisabledDown: variant = 3; break;
    default: break;
    }
    const TStyUserButtonStyle s = Style();
    TCustomStyleServices& styles = CurrentStyleServices();
    TThemedElementDetails details;
    if (s == ubsWin31 || s == ubsWin40 || s == ubsVesper || s == ubsIntegrated || s == ubsWin40Ext)
        details = styles.GetElementDetails(static_cast<TThemedButton>(tbPushButtonNormal + variant));
    else if (s == ubsCombo)
        details = styles.GetElementDetails(static_cast<TThemedComboBox>(tcDropDownButtonNormal + variant));
    else
        details = styles.GetElementDetails(static_cast<TThemedToolBar>(ttbButtonNormal + variant));
    TColor color = clNone;
    if (styles.GetElementColor(details, ecTextColor, color) && color != clNone) return color;
    return Font().Color();
}

void TStyCustomSpeedButton::ThemeChanged()
{
    TStyBaseGraphicButton::ThemeChanged();
    Invalidate();
}

void TStyCustomSpeedButton::ImageListChanged()
{
    if (GlyphKind() == gkCustom) TStyBaseGraphicButton::ImageListChanged();
}

void TStyCustomSpeedButton::DefineProperties(TFiler* Filer)
{
    TStyBaseGraphicButton::DefineProperties(Filer);
    Filer->DefineProperty(
        "Style",
        [this](TReader* r) {
            bool xp = CtlXP();
            ReadButtonStyleIdent(r->ReadIdent(), FStyle, xp);
            if (xp != CtlXP()) SetCtlXP(xp);
        },
        nullptr, false);
}

TRect TStyCustomSpeedButton::DropDownPartRect() const
{
    return Rect(ClientWidth() - DropDownComboWidth(), 0, ClientWidth(), ClientHeight());
}

void TStyCustomSpeedButton::DrawFace(TCanvas& Canvas, bool Hot, TRect R, TStyButtonState State, Word Flags)
{
    DrawButtonFace(Canvas, Hot, R, FStyle, State, Flags, Color(), FThemeMode);
}

void TStyCustomSpeedButton::Paint()
{
    const bool designing = ComponentState().Contains(csDesigning);
    if (ControlState().Contains(csCreating) || ComponentState().Contains(csLoading) || (!Visible() && !designing))
        return;
    TCanvas& canvas = Canvas();
    const Integer border = ButtonStyleBorderWidth(FStyle);
    // Background: the parent shows through a transparent or style-painted button.
    if (isTransparentSet() || CurrentStyleServices().Enabled()) {
        if (BackBitmapCheck()) BackDrawArea(canvas, ClientRect(), Point(0, 0), 0);
    } else {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(ClientRect());
    }
    // Main face and drop-down part; with a border wider than 1 the two overlap by a pixel.
    const TRect part = DropDownPartRect();
    TRect main = ClientRect();
    if (FUsed) main.Right = part.Left + (border > 1 ? 1 : 0);
    Word flags = 0x0005;
    if (FState == bsMouseOver) flags |= bfHot;
    if (IsThemed()) flags |= bfThemed;
    const bool hotStyle = IsHotButtonStyle(FStyle);
    const auto arrow = [&] {
        DrawArrow(canvas, part.Left + (DropDownComboWidth() - 3) / 2, (Height() - 3) / 2, 3, clBlack, true, Enabled());
    };
    if (designing && FDesign) {
        DrawFace(canvas, MouseOver(), main, bsMouseOver, flags);
        if (FUsed) {
            DrawFace(canvas, MouseOver(), part, bsMouseOver, flags | bfSplit | bfSplitDropDown);
            if (FStyle != ubsCombo && !(IsThemed() && hotStyle)) arrow();
        }
    } else if (FUsed) {
        TStyButtonState m = FState;
        if (m == bsDropDownOpen) m = hotStyle ? bsMouseOver : bsUp;
        DrawFace(canvas, m == bsMouseOver || MouseOver(), main, m, flags | bfSplit);
        TStyButtonState p = FState;
        if (p == bsDown) p = hotStyle ? bsMouseOver : bsUp;
        DrawFace(canvas, p == bsMouseOver, part, p, flags | bfSplit | bfSplitDropDown);
        arrow();
    } else {
        bool hot = MouseOver();
        if (IsHotOptionSet() && Parent()) {
            TPoint cursor;
            GetCursorPos(&cursor);
            hot = hot || Parent()->ControlAtPos(Parent()->ScreenToClient(cursor)) == this;
        }
        DrawFace(canvas, hot, main, FState, flags);
    }
    // Picture and caption inside the frame, pushed by a pixel while down.
    TRect content = main;
    InflateRect(content, -border, -border);
    const bool pushed = FState == bsOptionSet || FState == bsDown || FState == bsDropDownOpen;
    if (pushed && !(FUsed && FState == bsDropDownOpen)) OffsetRect(content, 1, 1);
    if (FStyle == ubsCombo) {
        if (IsThemed()) return;
        TStyButtonLayout layout(nullptr);
        layout.SetArrow(true);
        layout.SetArrowSize(4);
        layout.SetArrowIndent(-1);
        canvas.Refresh();
        TStyGlyphTransparency none;
        DrawGlyphAndText(canvas, String(), &FontFX(), content, nullptr, &layout, false, false, none,
                         {Enabled() ? dtEnabled : dtDisabled, dt3DDisabled}, flags);
        return;
    }
    canvas.Refresh();
    DrawContent(canvas, content);
}
