// The combo box's painting: the frame in border, focus-border or flat colours, the drop-down
// button in custom colours, themed or classic, and the placeholder text of an empty edit.  With
// every colour clNone, not flat and enabled, the platform draws the whole box.  The box's 3-D
// frame is the window's border here, so the button zone is the right end of the client area:
// client coordinates on the paint canvas, moved by the border's width on the window's.
#include "listcontrols/GxCombo.h"

#include <cmath>

#include "listcontrols/ACXPVS.h"
#include "platform/forms/Forms.h"

namespace {
bool AnyMouseButtonDown() { return GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0; }
Integer RoundInt(double v) { return static_cast<Integer>(std::nearbyint(v)); }

void Frame(TCanvas& DC, const TRect& R, TColor Color)
{
    DC.Brush().SetStyle(TBrushStyle::bsSolid);
    DC.Brush().SetColor(Color);
    DC.FrameRect(R);
}
}  // namespace

bool TGxCustomCombo::DoVisualStyles() const
{
    const ACXPVS::TIsThemeActive isThemeActive = ACXPVS::IsThemeActive();
    return FIsThemed && ACXPVS::UxThemeLoaded() && isThemeActive && isThemeActive() != 0;
}

bool TGxCustomCombo::ShowFocusBorder() const
{
    return !ComponentState().Contains(csDesigning) && (FMouseInControl || FHasFocus) && FFocusBorder;
}

bool TGxCustomCombo::IsActive() const
{
    if (ComponentState().Contains(csDesigning)) return Enabled();
    return FMouseInControl || FHasFocus;
}

void TGxCustomCombo::Paint()
{
    TCustomComboBox::Paint();
    const bool own = FFlat || ButtonColor != clNone || FBorderColor != clNone ||
                     (FFocusBorderColor != clNone && FHasFocus) || (!Enabled() && DoVisualStyles() && !FDisabledBorder);
    if (!own) return;
    if (Style() != csSimple) DrawButton(Canvas());
    DrawBorders();
}

void TGxCustomCombo::WMNCPaint(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (FFlat || (!Enabled() && DoVisualStyles() && !FDisabledBorder)) DrawBorders();
    if ((FFocusBorderColor != clNone && FHasFocus) || FBorderColor != clNone) DrawBorders();
}

void TGxCustomCombo::DrawBorders()
{
    if (Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) return;
    HDC dc = GetWindowDC(this);
    if (!dc) return;
    DrawControlBorder(*dc);
    if (Style() != csSimple && !(FIsWinXP && DoVisualStyles())) DrawButtonBorder(*dc);
    ReleaseDC(this, dc);
}

Integer TGxCustomCombo::ButtonZoneLeft() const { return BorderWidthNC() + ClientWidth() - FButtonWidth; }

void TGxCustomCombo::DrawControlBorder(TCanvas& DC)
{
    TRect R{0, 0, Width(), Height()};
    if (!Enabled() && FIsThemed && !FDisabledBorder) {
        Frame(DC, R, TColor(0xB99D7F));
        return;
    }
    if (FBorderColor != clNone && (!FHasFocus || FFocusBorderColor == clNone)) {
        Frame(DC, R, FBorderColor);
        return;
    }
    if (FFocusBorderColor != clNone) {
        if (FHasFocus) Frame(DC, R, FFocusBorderColor);
        return;
    }
    // The flat look: an outer frame in the face or the parent's colour, an inner one in the box's.
    const TColor outer = ShowFocusBorder() ? TColor(clBtnFace) : ParentBrushColor();
    const TColor inner = Color();
    if (ShowFocusBorder()) {
        DrawEdge(DC.Handle(), &R, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        Frame(DC, R, outer);
        InflateRect(R, -1, -1);
        Frame(DC, R, inner);
    } else {
        Frame(DC, R, outer);
        InflateRect(R, -1, -1);
        Frame(DC, TRect{R.Left, R.Top, ButtonZoneLeft() - 1, R.Bottom}, outer);
        InflateRect(R, -1, -1);
        Frame(DC, R, inner);
    }
    if (FFlat && FFlatLineColor != clNone) {
        DC.Pen().SetColor(FFlatLineColor);
        DC.Pen().SetWidth(1);
        DC.MoveTo(R.Left - 2, Height() - 1);
        DC.LineTo(ButtonZoneLeft() - 3, Height() - 1);
    }
}

void TGxCustomCombo::DrawButtonBorder(TCanvas& DC)
{
    const Integer b = BorderWidthNC();
    TRect B{ButtonZoneLeft(), b, b + ClientWidth(), b + ClientHeight()};
    ExcludeClipRect(DC.Handle(), B.Left + 4, B.Top + 2, B.Right - 2, B.Bottom - 2);
    if (IsActive()) {
        DrawEdge(DC.Handle(), &B, FEtched ? EDGE_ETCHED : EDGE_RAISED, BF_RECT | (DroppedDown() ? BF_FLAT : 0u));
    } else {
        B = TRect{B.Left, B.Top + 1, B.Right - 1, B.Bottom - 1};
        DC.Brush().SetStyle(TBrushStyle::bsSolid);
        DC.Brush().SetColor(clBtnFace);
        DC.FillRect(B);
    }
    ExcludeClipRect(DC.Handle(), B.Left, B.Top, B.Right, B.Bottom);
}

void TGxCustomCombo::DrawButton(TCanvas& DC)
{
    const Integer cw = ClientWidth(), ch = ClientHeight();
    TRect B{cw - FButtonWidth, 0, cw, ch};
    if (ButtonColor != clNone) {
        const bool down = FButtonHover && AnyMouseButtonDown();
        const TColor fill = down ? ButtonColorDown : FButtonHover ? ButtonColorHot : ButtonColor;
        B = TRect{B.Left - 1, B.Top + 1, B.Right - 1, B.Bottom - 1};
        DC.Brush().SetStyle(TBrushStyle::bsSolid);
        DC.Brush().SetColor(fill);
        DC.FillRect(B);
        DC.Pen().SetWidth(1);
        DC.Pen().SetColor(ButtonBorderColor);
        DC.MoveTo(B.Left, B.Top);
        DC.LineTo(B.Left, B.Bottom);
        // The chevron, its size following the resolution.
        DC.Pen().SetColor(AnyMouseButtonDown() ? ButtonTextColorDown : ButtonTextColor);
        DC.Pen().SetWidth(static_cast<Integer>(FDPIScale));
        const Integer cx = B.Left + (B.Right - B.Left) / 2, cy = B.Top + (B.Bottom - B.Top) / 2;
        auto r = [this](Integer k) { return RoundInt(k * FDPIScale); };
        if (RoundInt(FDPIScale) % 2 == 1) {
            DC.MoveTo(cx - r(3), cy - r(1));
            DC.LineTo(cx, cy + r(2));
            DC.LineTo(cx + r(3) + 1, cy - r(1) - 1);
        } else {
            DC.MoveTo(cx - r(4), cy - r(2));
            DC.LineTo(cx, cy + r(1) + 1);
            DC.LineTo(cx + r(4) + 1, cy - r(2) - 1);
        }
    } else if (DoVisualStyles()) {
        HTHEME theme = ACXPVS::OpenThemeData()(this, u"combobox");
        int state = 1;
        if (!Enabled()) state = 4;
        else if (AnyMouseButtonDown()) state = DroppedDown() ? 3 : 1;
        else if (FButtonHover && !DroppedDown()) state = 2;
        ACXPVS::DrawThemeBackground()(theme, DC.Handle(), 1, state, &B, nullptr);
        ACXPVS::CloseThemeData()(theme);
    } else {
        DrawFrameControl(DC.Handle(), &B, DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | (Enabled() ? UINT(DFCS_FLAT) : UINT(DFCS_INACTIVE)));
    }
    ExcludeClipRect(DC.Handle(), cw - FButtonWidth - 4, 0, cw + 2, ch);
}

// The placeholder on the edit child's own device context: grey, at (3, 1), in the box's font.
void TGxCustomCombo::PaintEmptyText()
{
    TCustomEdit* edit = EditHandle();
    HDC dc = edit ? GetWindowDC(edit) : nullptr;
    if (!dc) return;
    dc->Font().Assign(Font());
    dc->Font().SetColor(TColor(0x808080));
    dc->Font().SetStyle(FEmptyTextStyle);
    dc->Brush().SetStyle(TBrushStyle::bsClear);
    dc->TextOut(3, 1, FEmptyText);
    ReleaseDC(edit, dc);
}
