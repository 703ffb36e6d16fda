// Spin button: the part regions, the mouse with its repeat timer, and the drawing of each part in
// its state (classic look: 3-D edges for stacked halves, framed triangles for the diagonal split).
#include "styledcontrols/StySpinButton.h"

#include <cstring>

#include "foundation/StyGraph.h"
#include "foundation/StyThemes.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GdiApi.h"

TClass TStySpinButton::StaticClass()
{
    static const TMetaClass meta("TStySpinButton", TStyGraphicControl::StaticClass(), NewComponent<TStySpinButton>,
                                 [](TMetaClass& m) { m.OnMessage(CM_ENABLEDCHANGED, &TStySpinButton::CMEnabledChanged); });
    return &meta;
}

namespace {

constexpr TStySingleSpinButton PartOrder[4] = {sbUp, sbDown, sbLeft, sbRight};

}  // namespace

TStySpinButton::TStySpinButton(TComponent* AOwner) : TStyGraphicControl(AOwner)
{
    SetColor(clBtnFace);
    SetBounds(Left(), Top(), 20, 20);
}

TStySpinButton::~TStySpinButton()
{
    DeleteRegions();
    FTimerId.reset();
}

void TStySpinButton::SetSpinButtons(TStySpinButtons Value)
{
    if (Value == FSpinButtons) return;
    FSpinButtons = Value;
    Invalidate();
}

void TStySpinButton::SetOldStyle(bool Value)
{
    if (Value == FSkew) return;
    FSkew = Value;
    if (!ComponentState().Contains(csLoading)) Invalidate();
}

void TStySpinButton::SetDown(TStySpinButtonState Value)
{
    FLastDown = FDown;
    FDown = Value;
    if (FDown != FLastDown) Invalidate();
}

void TStySpinButton::SetHotColor(TColor Value)
{
    if (Value == FHotColor) return;
    FHotColor = Value;
    Invalidate();
}

// ---------------------------------------------------------------- regions

void TStySpinButton::DeleteRegions()
{
    for (HRGN& r : FRegions) {
        if (r) DeleteObject(r);
        r = nullptr;
    }
}

// Exactly one part: the whole control.  Up and down stacked: two rectangles with one row between
// them that belongs to neither; split on the diagonal: two triangles.
void TStySpinButton::BuildRegions()
{
    DeleteRegions();
    const Integer w = Width(), h = Height();
    Integer shown = 0;
    for (TStySingleSpinButton p : PartOrder) shown += FSpinButtons.Contains(p) ? 1 : 0;
    if (shown == 1) {
        for (TStySingleSpinButton p : PartOrder)
            if (FSpinButtons.Contains(p)) FRegions[p] = CreateRectRgn(0, 0, w, h);
    } else if (shown == 2 && FSpinButtons.Contains(sbUp) && FSpinButtons.Contains(sbDown)) {
        if (!FSkew || IsThemed()) {
            const Integer half = (h + 1) / 2;
            FRegions[sbUp] = CreateRectRgn(0, 0, w, half - 1);
            FRegions[sbDown] = CreateRectRgn(0, half, w, h);
        } else {
            const TPoint up[3] = {{0, h}, {w, 0}, {0, 0}};
            const TPoint down[3] = {{0, h}, {w, h}, {w, 0}};
            FRegions[sbUp] = CreatePolygonRgn(up, 3, ALTERNATE);
            FRegions[sbDown] = CreatePolygonRgn(down, 3, ALTERNATE);
        }
    }
    for (HRGN r : FRegions)
        if (r) OffsetRgn(r, Left(), Top());
}

// ---------------------------------------------------------------- mouse

bool TStySpinButton::UpdatePartState(TStySingleSpinButton Part, TShiftState Shift, Integer X, Integer Y)
{
    TStyButtonPartState& state = *FStates[Part];
    const TStyButtonPartState old = state;
    if (!Enabled()) state = bpsDisabled;
    else if (state == bpsDisabled || !FRegions[Part]) return false;
    else if (PtInRegion(FRegions[Part], X + Left(), Y + Top())) state = Shift.Contains(ssLeft) ? bpsPressed : bpsHot;
    else state = bpsNormal;
    return state != old;
}

void TStySpinButton::FirePart(TStySingleSpinButton Part)
{
    switch (Part) {
    case sbUp: OnTopClick(this); break;
    case sbDown: OnBottomClick(this); break;
    case sbLeft: OnLeftClick(this); break;
    case sbRight: OnRightClick(this); break;
    }
}

void TStySpinButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TStyGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    BuildRegions();
    Shift.Include(ssLeft);
    // A part fires when the press changed it to pressed; one that only lost its hot state does not.
    for (TStySingleSpinButton p : PartOrder)
        if (UpdatePartState(p, Shift, X, Y) && *FStates[p] == bpsPressed) FirePart(p);
    if (!FTimerId)
        FTimerId = std::make_unique<TStyTimer>(static_cast<Word>(FInterval + 200),
                                               TNotifyEvent(this, &TStySpinButton::TimerTick), true, FUseGlobalTimer);
    FTimerId->SetInterval(static_cast<Word>(FInterval + 200));
    FTimerId->SetEnabled(true);
    Repaint();
}

void TStySpinButton::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TStyGraphicControl::MouseMove(Shift, X, Y);
    BuildRegions();
    for (TStySingleSpinButton p : PartOrder)
        if (UpdatePartState(p, Shift, X, Y)) {
            Repaint();
            break;
        }
}

// A released part is hot again, so that the next press at the same place fires once more.
void TStySpinButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TStyGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    Shift.Exclude(ssLeft);
    bool changed = false;
    for (TStySingleSpinButton p : PartOrder) changed = UpdatePartState(p, Shift, X, Y) || changed;
    if (changed) Repaint();
}

void TStySpinButton::MouseLeave() { MouseMove({}, -1 - Left(), -1 - Top()); }

// While the mouse is held on the control the pressed parts fire again; a handler that raises
// ends the repetition (the timer is stopped, not freed, as its own tick is running).
void TStySpinButton::TimerTick(TObject*)
{
    FTimerId->SetInterval(FInterval);
    if (GetCaptureControl() != this) return;
    try {
        for (TStySingleSpinButton p : {sbUp, sbDown, sbRight, sbLeft})
            if (*FStates[p] == bpsPressed) FirePart(p);
    } catch (...) {
        FTimerId->SetEnabled(false);
        throw;
    }
}

void TStySpinButton::CMEnabledChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    const auto state = static_cast<TStyButtonPartState>(message.LParam);
    switch (message.WParam) {
    case 0:
        for (TStyButtonPartState* s : FStates) *s = Enabled() ? bpsNormal : bpsDisabled;
        break;
    case 1: FDnBtnState = FLBtnState = state; break;
    case 2: FUpBtnState = FRBtnState = state; break;
    default: break;
    }
    Repaint();
}

// ---------------------------------------------------------------- drawing

void TStySpinButton::ObjectChanged(TObject* Sender)
{
    TStyGraphicControl::ObjectChanged(Sender);
    Invalidate();
}

TBitmap& SpinButtonGlyph(TStySingleSpinButton Part, TColor Color)
{
    struct TGlyph {
        TBitmap Picture;
        TColor MadeFor = clNone;
    };
    static std::array<TGlyph, 4> glyphs;
    static const char* const names[] = {"StySpinUPGLYPH", "StySpinDOWNGLYPH", "StySpinLEFTGLYPH", "StySpinRIGHTGLYPH"};
    TGlyph& glyph = glyphs[Part];
    if (glyph.MadeFor != Color || glyph.Picture.Empty()) {
        glyph.Picture.LoadFromResourceName(HInstance, names[Part]);
        TCanvas& c = glyph.Picture.Canvas();
        for (Integer y = 0; y < glyph.Picture.Height(); ++y)
            for (Integer x = 0; x < glyph.Picture.Width(); ++x)
                if (ColorToRGB(c.Pixel(x, y)) == 0) c.SetPixel(x, y, Color);
        glyph.Picture.SetTransparent(true);
        glyph.MadeFor = Color;
    }
    return glyph.Picture;
}

// Both elements count their states normal, hot, pressed, disabled from ordinal 2: the spin
// element part by part (up, down, the right-pointing and the left-pointing one), the scroll bar's
// arrow button by direction (up, down, left, right).
TThemedElementDetails SpinButtonElement(TStySingleSpinButton Part, TStyButtonPartState State, TStyExtSpinBtnStyle Style)
{
    if (Style == seSpinScrollBar) return GetDetails(teScrollBar, 2 + 4 * Part + State);
    static const int spinPart[] = {0, 1, 3, 2};
    return GetDetails(teSpin, 2 + 4 * spinPart[Part] + State);
}

// One part in one state on a picture of W x H pixels.
void TStySpinButton::DrawPartImage(TCanvas& Canvas, TStySingleSpinButton Part, TStyButtonPartState State, Integer W,
                                   Integer H)
{
    Canvas.Brush().SetColor(Color());
    Canvas.FillRect(Rect(0, 0, W, H));
    if (IsThemed()) {
        const TStyThemeMode mode = EffectiveThemeMode();
        const TThemedElementDetails element = SpinButtonElement(Part, State, FExtStyle);
        StyThemeServices().DrawElement(mode, &Canvas, element, Rect(0, 0, W, H));
        if (!TStyleManager::IsCustomStyleActive() || mode != ttmPlatform) return;
        TColor text = Font().Color();
        StyleServices().GetElementColor(element, ecTextColor, text);
        TBitmap& glyph = SpinButtonGlyph(Part, text);
        Canvas.Draw((W - glyph.Width()) / 2, (H - glyph.Height()) / 2, glyph);
        return;
    }
    const bool stacked = FSpinButtons.Contains(sbUp) && FSpinButtons.Contains(sbDown) && !FSkew &&
                         FExtStyle == seSpinEdit;
    if (stacked) {
        TRect r = Rect(0, 0, W, H);
        if (State == bpsPressed) DrawEdge(&Canvas, &r, BDR_SUNKENOUTER, BF_RECT), DrawEdge(&Canvas, &r, BDR_SUNKENINNER, BF_TOPLEFT);
        else DrawEdge(&Canvas, &r, BDR_RAISEDOUTER, BF_RECT | BF_SOFT | BF_ADJUST), DrawEdge(&Canvas, &r, BDR_RAISEDINNER, BF_BOTTOMRIGHT);
        const Integer x = W / 2 - 3 - (Part == sbDown ? 1 : 0), y = H / 2 - 2;
        DrawArrow(Canvas, x, y, 3, State == bpsHot ? FHotColor : clBlack, Part == sbDown, State != bpsDisabled);
        return;
    }
    TRect frame = Rect(0, 0, FExtStyle == seSpinScrollBar ? W : W - 1, H - 1);
    const Integer w = frame.Right, h = frame.Bottom;
    DrawBorderStyle(Canvas, frame, State == bpsPressed ? lsLowered : FBorderStyle, 0);
    const TColor arrow = State == bpsHot ? FHotColor : State == bpsDisabled ? clGray : clBlack;
    const bool pair = FSpinButtons.Contains(sbUp) && FSpinButtons.Contains(sbDown);
    if (pair) {
        // The diagonal split: each arrow in its own corner, the edge lit like a raised button.
        if (Part == sbUp) DrawArrow(Canvas, w / 4 - 2, h / 4 - 2, 3, arrow, false, true);
        else DrawArrow(Canvas, 3 * w / 4 - 2, 3 * h / 4 - 2, 3, arrow, true, true);
        const bool pressed = State == bpsPressed;
        const TColor edge = Part == sbDown ? (pressed ? clGray : clWhite) : (pressed ? clWhite : clSilver);
        const TColor beside = Part == sbDown ? clSilver : clGray;
        const Integer side = Part == sbDown ? 1 : -1;
        Canvas.Pen().SetColor(edge);
        Canvas.MoveTo(W - 1, 0);
        Canvas.LineTo(-1, H);
        if (pressed) {
            Canvas.Pen().SetColor(beside);
            Canvas.MoveTo(W - 1 + side, 0);
            Canvas.LineTo(-1 + side, H);
        }
    } else if (Part == sbUp || Part == sbDown) {
        DrawArrow(Canvas, w / 2 - (Part == sbDown ? 3 : 2), h / 2 - 2, 3, arrow, Part == sbDown, true);
    } else {
        const Integer x = Part == sbLeft ? w / 2 - 2 : w / 2, y = h / 2 - 1;
        Canvas.Pen().SetColor(arrow);
        Canvas.Brush().SetColor(arrow);
        if (Part == sbLeft) Canvas.Polygon({{x, y}, {x + 2, y - 2}, {x + 2, y + 2}});
        else Canvas.Polygon({{x + 2, y}, {x, y - 2}, {x, y + 2}});
    }
}

void TStySpinButton::Paint()
{
    TWinControl* parent = Parent();
    if (!parent || ComponentState().Contains(csLoading) ||
        ComponentState().Contains(csDestroying) || parent->ComponentState().Contains(csLoading) ||
        parent->ComponentState().Contains(csDestroying))
        return;
    BuildRegions();
    const Integer w = Width(), h = Height();
    const bool halves = FSpinButtons.Contains(sbUp) && FSpinButtons.Contains(sbDown) &&
                        (IsThemed() || (FExtStyle == seSpinEdit && !FSkew));
    TBitmap picture(w, h);
    picture.Canvas().Brush().SetColor(Color());
    picture.Canvas().FillRect(Rect(0, 0, w, h));
    for (TStySingleSpinButton p : PartOrder) {
        if (!FSpinButtons.Contains(p) || !FRegions[p]) continue;
        TRect box;
        GetRgnBox(FRegions[p], &box);
        box = Rect(box.Left - Left(), box.Top - Top(), box.Right - Left(), box.Bottom - Top());
        if (halves) {
            TBitmap image(w, (h + 1) / 2);
            DrawPartImage(image.Canvas(), p, *FStates[p], image.Width(), image.Height());
            picture.Canvas().CopyRect(box, image.Canvas(), Rect(0, 0, box.Right - box.Left, box.Bottom - box.Top));
            continue;
        }
        // The part's picture, seen only through its region.
        TBitmap image(w, h);
        DrawPartImage(image.Canvas(), p, *FStates[p], w, h);
        for (Integer y = 0; y < h; ++y) {
            auto* to = reinterpret_cast<uint32_t*>(picture.ScanLine(y));
            const auto* from = reinterpret_cast<const uint32_t*>(image.ScanLine(y));
            for (Integer x = 0; x < w; ++x)
                if (PtInRegion(FRegions[p], x + Left(), y + Top())) to[x] = from[x];
        }
    }
    Canvas().Draw(0, 0, picture);
}
