#include "editcontrols/EcxSlider.h"
#include "platform/rtl/RtlConsts.h"

#include <algorithm>

#include "editcontrols/EcCoreUtils.h"
#include "editcontrols/EcLibUtils.h"
#include "editcontrols/EcThemes.h"
#include "editcontrols/EcTypes.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/GdiApi.h"
#include "platform/rtl/RtlMath.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysFormat.h"

const TEnumTypeInfo& TypeInfoOf(TSliderOrientation)
{
    static const TEnumTypeInfo info("TSliderOrientation", {"soHorizontal", "soVertical"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TSliderOption)
{
    static const TEnumTypeInfo info("TSliderOption",
                                    {"soShowFocus", "soShowPoints", "soSmooth", "soRulerOpaque", "soThumbOpaque"},
                                    "TSliderOptions");
    return info;
}

TClass TEcCustomSlider::StaticClass()
{
    static const TMetaClass meta("TEcCustomSlider", TEcExCustomControl::StaticClass(), nullptr,
                                 [](TMetaClass& m) { m.OnMessage(WM_TIMER, &TEcCustomSlider::WMTimer); });
    return &meta;
}

TClass TEcxSlider::StaticClass()
{
    static const TMetaClass meta("TEcxSlider", TEcCustomSlider::StaticClass(), NewComponent<TEcxSlider>,
                                 [](TMetaClass& m) {
        using S = TEcxSlider;
        auto image = [](TSliderImage i) {
            return std::pair{[i](S* s) { return &s->Image(i); }, [i](S* s, TBitmap* v) { s->SetImage(i, v); }};
        };
        TPublished<S> p(&m);
        p.Property("BevelStyle", &S::BevelStyle, &S::SetBevelStyle).Default(TPanelBevel::bvNone);
        for (auto [name, index] : {std::pair{"ImageHThumb", siHThumb}, std::pair{"ImageHRuler", siHRuler},
                                   std::pair{"ImageVThumb", siVThumb}, std::pair{"ImageVRuler", siVRuler}}) {
            auto [get, set] = image(index);
            p.Property(name, get, set).Stored([index](S* s) { return s->UserImages().Contains(index); });
        }
        p.Property("Increment", &S::Increment, &S::SetIncrement).Default(10)
            .Property("MinValue", &S::MinValue, &S::SetMinValue).Default(0)
            .Property("MaxValue", &S::MaxValue, &S::SetMaxValue).Default(100)
            .Property("NumThumbStates", &S::NumThumbStates, &S::SetNumThumbStates).Default(2)
            .Property("Orientation", &S::Orientation, &S::SetOrientation).Default(soHorizontal)
            .Property("EdgeSize", &S::EdgeSize, &S::SetEdgeSize).Default(2)
            .Property("Options", &S::Options, &S::SetOptions)
            .Default(TSliderOptions{soShowFocus, soShowPoints, soSmooth})
            .Property("Value", &S::Value, &S::SetValue).Default(0)
            .Property("TabStop").Default(true)
            .Property("ParentColor").Default(true)
            .Property("OnChange", &S::OnChange)
            .Property("OnChanged", &S::OnChanged)
            .Property("OnDrawPoints", &S::OnDrawPoints);
    });
    return &meta;
}

namespace {
const char* const BuiltInNames[] = {"EcW95HTB", "EcW95HRL", "EcW95VTB", "EcW95VRL"};
constexpr std::uintptr_t TrackTimer = 1;
constexpr Cardinal TrackInterval = 400;
}  // namespace

TEcCustomSlider::TEcCustomSlider(TComponent* AOwner) : TEcExCustomControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks};
    AddThemeStyle(this, {csParentBackground});
    FWidth = 150;
    FHeight = 40;
    FTabStop = true;
    FParentColor = true;
    for (TSliderImage i : {siHThumb, siHRuler, siVThumb, siVRuler}) {
        FImages[i].OnChange = [this] { ImageChanged(); };
        LoadBuiltInImage(i);
    }
    FCreating = false;
    AdjustElements();
}

// ---------------------------------------------------------------- geometry
Integer TEcCustomSlider::ThumbW() const
{
    return FImages[FOrientation == soHorizontal ? siHThumb : siVThumb].Width() / FNumThumbStates;
}

Integer TEcCustomSlider::ThumbH() const { return FImages[FOrientation == soHorizontal ? siHThumb : siVThumb].Height(); }

void TEcCustomSlider::GetSliderRect(TRect& Rect)
{
    Rect = ClientRect();
    if (FBevelStyle != TPanelBevel::bvNone) InflateRect(Rect, -FBevelWidth, -FBevelWidth);
}

Integer TEcCustomSlider::RulerLength() const
{
    return FOrientation == soHorizontal ? FRuler.Width() - ThumbW() : FRuler.Height() - ThumbH();
}

Integer TEcCustomSlider::Start()
{
    TRect sr;
    GetSliderRect(sr);
    return (FOrientation == soHorizontal ? sr.Left : sr.Top) + 6;
}

// The ruler image stretched to the slider's length less 12 pixels: its end pieces of EdgeSize
// stay, the middle is tiled, the last tile cut so that the image's own end closes the ruler.
void TEcCustomSlider::StretchRuler()
{
    const bool horizontal = FOrientation == soHorizontal;
    TBitmap& image = FImages[horizontal ? siHRuler : siVRuler];
    TRect sr;
    GetSliderRect(sr);
    const Integer length = std::max(0, (horizontal ? sr.Width() : sr.Height()) - 12);
    const Integer imageLength = horizontal ? image.Width() : image.Height();
    FRuler.Assign(image);
    if (horizontal) FRuler.SetSize(length, image.Height());
    else FRuler.SetSize(image.Width(), length);
    const Integer tile = imageLength - 2 * FEdgeSize;
    if (length == 0 || tile <= 0) return;
    const Integer middle = std::max(0, length - 2 * FEdgeSize), n = middle / tile, rest = middle % tile;
    auto copy = [&](Integer to, Integer count, Integer from) {
        const TRect dest = horizontal ? Bounds(to, 0, count, image.Height()) : Bounds(0, to, image.Width(), count);
        const TRect src = horizontal ? Bounds(from, 0, count, image.Height()) : Bounds(0, from, image.Width(), count);
        FRuler.Canvas().CopyRect(dest, image.Canvas(), src);
    };
    copy(0, imageLength - FEdgeSize, 0);
    for (Integer i = 1; i < n; ++i) copy(FEdgeSize + i * tile, tile, FEdgeSize);
    if (n > 0) copy(FEdgeSize + n * tile, FEdgeSize + rest, FEdgeSize + tile - rest);
}

void TEcCustomSlider::AdjustElements()
{
    StretchRuler();
    TRect sr;
    GetSliderRect(sr);
    const Integer tw = ThumbW(), th = ThumbH();
    if (FOrientation == soHorizontal) {
        const Integer rh = FRuler.Height();
        if (rh < th) {
            FThumbRect = Bounds(sr.Left + 6, sr.Top + 6, tw, th);
            FRulerOrg = {sr.Left + 6, sr.Top + (th - rh) / 2 + 6};
        } else {
            FThumbRect = Bounds(sr.Left + 6, sr.Top + (rh - th) / 2 + 6, tw, th);
            FRulerOrg = {sr.Left + 6, sr.Top + 6};
        }
        FPointsRect = Rect(FRulerOrg.X, sr.Top + std::max(th, rh) + 7, FRulerOrg.X + FRuler.Width(),
                           sr.Bottom - sr.Top - 1);
    } else {
        const Integer rw = FRuler.Width();
        if (rw < tw) {
            FThumbRect = Bounds(sr.Left + 6, sr.Top + 6, tw, th);
            FRulerOrg = {sr.Left + (tw - rw) / 2 + 6, sr.Top + 6};
        } else {
            FThumbRect = Bounds(sr.Left + (rw - tw) / 2 + 6, sr.Top + 6, tw, th);
            FRulerOrg = {sr.Left + 6, sr.Top + 6};
        }
        FPointsRect = Rect(sr.Left + std::max(tw, rw) + 7, FRulerOrg.Y, sr.Right - sr.Left - 1,
                           FRulerOrg.Y + FRuler.Height());
    }
    SetValue(FValue);   // set again: the thumb goes to the value's place
    Invalidate();
}

Integer TEcCustomSlider::GetOffsetByValue(Integer Value)
{
    const Integer start = Start();
    Integer offset = static_cast<Integer>(Round(static_cast<Extended>(RulerLength()) * (Value - FMinValue) /
                                                (FMaxValue - FMinValue))) + start;
    if (FOrientation == soVertical) {   // the minimum is at the bottom
        TRect sr;
        GetSliderRect(sr);
        offset = sr.Top + sr.Bottom - offset - ThumbH();
    }
    return std::max(offset, start);
}

Integer TEcCustomSlider::GetValueByOffset(Integer Offset)
{
    if (FOrientation == soVertical) Offset = ClientHeight() - Offset - ThumbH();
    const Integer length = RulerLength();
    if (length <= 0) return FMinValue;
    Integer v = static_cast<Integer>(Round(static_cast<Extended>(Offset - Start()) * (FMaxValue - FMinValue) / length));
    if (!FOptions.Contains(soSmooth)) v = static_cast<Integer>(Round(static_cast<Extended>(v) / FIncrement)) * FIncrement;
    return std::min(std::max(v, 0) + FMinValue, FMaxValue);
}

void TEcCustomSlider::InvalidateThumb()
{
    if (HandleAllocated()) InvalidateRect(FThumbRect, !FControlStyle.Contains(csOpaque));
}

void TEcCustomSlider::MoveThumb(Integer offset)
{
    InvalidateThumb();
    if (FOrientation == soHorizontal) OffsetRect(FThumbRect, offset - FThumbRect.Left, 0);
    else OffsetRect(FThumbRect, 0, offset - FThumbRect.Top);
    InvalidateThumb();
}

void TEcCustomSlider::SetThumbOffset(Integer offset)
{
    const Integer start = Start(), end = start + RulerLength();
    offset = std::clamp(offset, start, std::max(start, end));
    offset = std::min(GetOffsetByValue(GetValueByOffset(offset)), end);
    MoveThumb(offset);
    if (FSliding) {
        const Integer old = FValue;
        FValue = GetValueByOffset(offset);
        if (FValue != old) Change();
    }
}

// ---------------------------------------------------------------- value, range, options
void TEcCustomSlider::SetValue(Integer value)
{
    value = std::clamp(value, FMinValue, FMaxValue);
    const bool changed = value != FValue;
    FValue = value;
    MoveThumb(GetOffsetByValue(value));
    if (changed) Change();
}

void TEcCustomSlider::SetRange(Integer minValue, Integer maxValue)
{
    if (minValue >= maxValue && !Reading()) return;
    FMinValue = minValue;
    FMaxValue = maxValue;
    if (!Reading() && FMaxValue < FMinValue + FIncrement) FIncrement = FMaxValue - FMinValue;
    if (FOptions.Contains(soShowPoints)) Invalidate();
    SetValue(FValue);
    RangeChanged();
}

void TEcCustomSlider::SetIncrement(Integer value)
{
    if (!Reading() && !(value > 0 && value <= FMaxValue - FMinValue))
        throw EEcLibException(Format(SOutOfRange, {1, FMaxValue - FMinValue}));
    if (value <= 0 || value == FIncrement) return;
    FIncrement = value;
    SetValue(FValue);
    Invalidate();
}

void TEcCustomSlider::SetOrientation(TSliderOrientation value)
{
    if (value == FOrientation) return;
    FOrientation = value;
    AdjustElements();
    if (!Reading() && !ComponentState().Contains(csUpdating)) SetBounds(Left(), Top(), Height(), Width());
}

void TEcCustomSlider::SetOptions(TSliderOptions value)
{
    if (value == FOptions) return;
    FOptions = value;
    Invalidate();
}

void TEcCustomSlider::SetEdgeSize(Integer value)
{
    const TBitmap& image = FImages[FOrientation == soHorizontal ? siHRuler : siVRuler];
    const Integer imageLength = FOrientation == soHorizontal ? image.Width() : image.Height();
    if (value == FEdgeSize || value < 0 || 2 * value >= imageLength) return;
    FEdgeSize = value;
    AdjustElements();
}

void TEcCustomSlider::SetNumThumbStates(Integer value)
{
    if (value == FNumThumbStates || value < 1 || value > 2) return;
    FNumThumbStates = value;
    AdjustElements();
}

void TEcCustomSlider::SetBevelStyle(TBevelCut value)
{
    if (value == FBevelStyle) return;
    FBevelStyle = value;
    AdjustElements();
    Repaint();
}

// ---------------------------------------------------------------- images
void TEcCustomSlider::LoadBuiltInImage(TSliderImage index)
{
    FImages[index].LoadFromResourceName(HInstance, BuiltInNames[index]);
}

void TEcCustomSlider::ImageChanged()
{
    if (!FCreating) AdjustElements();
}

void TEcCustomSlider::SetImage(TSliderImage index, const TBitmap* value)
{
    if (value && !value->Empty()) {
        FImages[index].Assign(*value);
        FUserImages.Include(index);
        return;
    }
    LoadBuiltInImage(index);
    FUserImages.Exclude(index);
    if (!Reading()) {
        TSliderOptions options = FOptions;
        options.Exclude(index == siHThumb || index == siVThumb ? soThumbOpaque : soRulerOpaque);
        FOptions = options;
        Invalidate();
    }
}

// "UserImages": one byte, the set of images the user assigned.
void TEcCustomSlider::DefineProperties(TFiler* Filer)
{
    TEcExCustomControl::DefineProperties(Filer);
    auto* ancestor = dynamic_cast<TEcCustomSlider*>(Filer->Ancestor());
    const bool hasData = ancestor ? ancestor->FUserImages != FUserImages : !FUserImages.IsEmpty();
    Filer->DefineBinaryProperty(
        "UserImages",
        [this](TStream* stream) {
            Byte bits = 0;
            stream->ReadBuffer(&bits, 1);
            FUserImages = TSliderImages();
            for (TSliderImage i : {siHThumb, siHRuler, siVThumb, siVRuler})
                if (bits & (1 << i)) FUserImages.Include(i);
        },
        [this](TStream* stream) {
            Byte bits = 0;
            for (TSliderImage i : {siHThumb, siHRuler, siVThumb, siVRuler})
                if (FUserImages.Contains(i)) bits |= static_cast<Byte>(1 << i);
            stream->WriteBuffer(&bits, 1);
        },
        hasData);
}

void TEcCustomSlider::Loaded()
{
    TEcExCustomControl::Loaded();
    AdjustElements();
}

void TEcCustomSlider::BoundsChanged()
{
    if (!Reading()) AdjustElements();
}

// ---------------------------------------------------------------- jumps, mouse and keys
TJumpMode TEcCustomSlider::HitJump(Integer X, Integer Y) const
{
    if (FOrientation == soHorizontal) {
        if (X < FThumbRect.Left) return jmPrior;
        if (X > FThumbRect.Right) return jmNext;
    } else {
        if (Y < FThumbRect.Top) return jmNext;
        if (Y > FThumbRect.Bottom) return jmPrior;
    }
    return jmNone;
}

void TEcCustomSlider::JumpTo(TJumpMode mode)
{
    const Integer steps = static_cast<Integer>(Round(static_cast<Extended>(FValue) / FIncrement));
    Integer target = FValue;
    switch (mode) {
    case jmHome: target = FMinValue; break;
    case jmEnd: target = FMaxValue; break;
    case jmNext: target = FIncrement * (steps + 1); break;
    case jmPrior: target = FIncrement * steps - FIncrement; break;
    case jmNone: return;
    }
    target = std::clamp(target, FMinValue, FMaxValue);
    if (target != FValue) SetValue(target);
}

// One step toward the pointer while the ruler is held; the timer repeats it.
void TEcCustomSlider::TrackStep()
{
    if (HitJump(FMousePos.X, FMousePos.Y) != FStartJump) return;
    JumpTo(FStartJump);
    if (!FTimerActive) FTimerActive = SetTimer(this, TrackTimer, TrackInterval) != 0;
}

void TEcCustomSlider::WMTimer(TMessage& message)
{
    if (static_cast<std::uintptr_t>(message.WParam) == TrackTimer && FTracking) TrackStep();
}

void TEcCustomSlider::StopTracking()
{
    if (!FTracking) return;
    if (FTimerActive) KillTimer(this, TrackTimer);
    FTimerActive = false;
    ReleaseCapture();
    FTracking = false;
    Changed();
}

void TEcCustomSlider::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TEcExCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || Shift.Contains(ssDouble)) return;
    if (CanFocus()) SetFocus();
    if (PointInRectInclusive(FThumbRect, {X, Y})) {
        ThumbMouseDown(Button, Shift, X, Y);
        return;
    }
    TRect ruler = Bounds(FRulerOrg.X, FRulerOrg.Y, FRuler.Width(), FRuler.Height());
    if (FOrientation == soHorizontal) InflateRect(ruler, 0, 3);
    else InflateRect(ruler, 3, 0);
    if (ruler.Contains({X, Y}) && CanModify() && !FReadOnly) {
        SetCaptureControl(this);
        FTracking = true;
        FMousePos = {X, Y};
        FStartJump = HitJump(X, Y);
        TrackStep();
    }
}

void TEcCustomSlider::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TEcExCustomControl::MouseMove(Shift, X, Y);
    if (FTracking) FMousePos = {X, Y};
    else if (FSliding && Shift.Contains(ssLeft)) ThumbMouseMove(Shift, X, Y);
}

void TEcCustomSlider::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    StopTracking();
    if (FSliding) ThumbMouseUp(Button, Shift, X, Y);
    TEcExCustomControl::MouseUp(Button, Shift, X, Y);
}

void TEcCustomSlider::ThumbMouseDown(TMouseButton Button, TShiftState, Integer X, Integer Y)
{
    if (CanFocus()) SetFocus();
    if (Button != mbLeft || !CanModify() || FReadOnly) return;
    FSliding = FThumbDown = true;
    FHit = FOrientation == soHorizontal ? X - FThumbRect.Left : Y - FThumbRect.Top;
    InvalidateThumb();
    Update();
}

void TEcCustomSlider::ThumbMouseMove(TShiftState, Integer X, Integer Y)
{
    if (CanModify() && !FReadOnly) SetThumbOffset((FOrientation == soHorizontal ? X : Y) - FHit);
}

void TEcCustomSlider::ThumbMouseUp(TMouseButton Button, TShiftState, Integer, Integer)
{
    if (Button != mbLeft) return;
    FSliding = FThumbDown = false;
    InvalidateThumb();
    Update();
    if (CanModify() && !FReadOnly) Changed();
}

void TEcCustomSlider::KeyDown(Word& Key, TShiftState Shift)
{
    TJumpMode jump = jmNone;
    if (!Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)) {
        const bool horizontal = FOrientation == soHorizontal;
        if (Key == VK_HOME) jump = jmHome;
        else if (Key == VK_END) jump = jmEnd;
        else if (Key == (horizontal ? VK_LEFT : VK_DOWN)) jump = jmPrior;
        else if (Key == (horizontal ? VK_RIGHT : VK_UP)) jump = jmNext;
    }
    if (jump != jmNone && CanModify() && !FReadOnly) {
        Key = 0;
        JumpTo(jump);
        Changed();
        return;
    }
    TEcExCustomControl::KeyDown(Key, Shift);
}

void TEcCustomSlider::GetDlgCode(TDialogCodes& Codes) { Codes = {dcWantArrows}; }

void TEcCustomSlider::EnabledChanged()
{
    InvalidateThumb();
    TEcExCustomControl::EnabledChanged();
}

void TEcCustomSlider::FocusChanged(TControl* Control)
{
    const bool focused = Control == this;
    if (focused != FFocused) {
        FFocused = focused;
        if (FOptions.Contains(soShowFocus)) Invalidate();
    }
    TEcExCustomControl::FocusChanged(Control);
}

// ---------------------------------------------------------------- painting
void TEcCustomSlider::DefaultDrawPoints(Integer PointsStep, Integer PointsHeight, Integer ExtremePointsHeight)
{
    TCanvas& canvas = Canvas();
    canvas.Pen().SetColor(clWindowText);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(1);
    const Integer length = RulerLength();
    if (PointsStep <= 0 || length <= 0) return;
    Integer d = 1, n = 0;
    for (;; ++d) {
        n = static_cast<Integer>(Round(static_cast<Extended>(FMaxValue - FMinValue) / (PointsStep * d)));
        const Integer spacing = n == 0 ? length : length / n;
        if (spacing >= 4 || spacing >= length) break;
    }
    for (Integer i = 0; i <= n; ++i) {
        const Integer v = i == n ? FMaxValue : FMinValue + i * PointsStep * d;
        const Integer h = v == FMinValue || v == FMaxValue ? ExtremePointsHeight : PointsHeight;
        const Integer at = GetOffsetByValue(v);
        if (FOrientation == soHorizontal) {
            const Integer x = at + ThumbW() / 2;
            canvas.MoveTo(x, FPointsRect.Top);
            canvas.LineTo(x, FPointsRect.Top + h);
        } else {
            const Integer y = at + ThumbH() / 2;
            canvas.MoveTo(FPointsRect.Left, y);
            canvas.LineTo(FPointsRect.Left + h, y);
        }
    }
}

void TEcCustomSlider::Paint()
{
    TCanvas& canvas = Canvas();
    TPoint thumb = FThumbRect.TopLeft();
    bool pressed = FThumbDown || !Enabled();
    if (FControlState.Contains(csPaintCopy)) {
        const Integer at = GetOffsetByValue(GetSliderValue());
        thumb = FOrientation == soHorizontal ? TPoint{at, FThumbRect.Top} : TPoint{FThumbRect.Left, at};
        pressed = !Enabled();
    }
    TRect r = ClientRect();
    if (FBevelStyle != TPanelBevel::bvNone) {
        const bool lowered = FBevelStyle == TPanelBevel::bvLowered;
        const TColor topLeft = lowered ? clBtnShadow : clBtnHighlight, bottomRight = lowered ? clBtnHighlight : clBtnShadow;
        for (Integer i = 0; i < FBevelWidth; ++i) {
            canvas.Pen().SetColor(topLeft);
            canvas.MoveTo(r.Left, r.Bottom - 1);
            canvas.LineTo(r.Left, r.Top);
            canvas.LineTo(r.Right - 1, r.Top);
            canvas.Pen().SetColor(bottomRight);
            canvas.LineTo(r.Right - 1, r.Bottom - 1);
            canvas.LineTo(r.Left - 1, r.Bottom - 1);
            InflateRect(r, -1, -1);
        }
    }
    if (FControlStyle.Contains(csOpaque)) DrawControlBackground(this, canvas, r, Color(), true);
    if (!FRuler.Empty())
        DrawTransparentBitmap(canvas, FRulerOrg.X, FRulerOrg.Y, FRuler,
                              FOptions.Contains(soRulerOpaque) ? clNone : FRuler.TransparentColor());
    if (FOptions.Contains(soShowFocus) && FFocused && !ComponentState().Contains(csDesigning)) {
        TRect focus;
        GetSliderRect(focus);
        InflateRect(focus, -2, -2);
        canvas.Brush().SetColor(Color());
        canvas.DrawFocusRect(focus);
    }
    if (FOptions.Contains(soShowPoints)) {
        if (OnDrawPoints) OnDrawPoints(this);
        else DefaultDrawPoints(FIncrement, 3, 5);
    }
    TBitmap& image = FImages[FOrientation == soHorizontal ? siHThumb : siVThumb];
    const Integer w = ThumbW();
    const TRect part = FNumThumbStates == 2 ? Bounds(pressed ? w : 0, 0, w, image.Height())
                                            : Rect(0, 0, image.Width(), image.Height());
    DrawTransparentBitmapRect(canvas, thumb.X, thumb.Y, part, image,
                              FOptions.Contains(soThumbOpaque) ? clNone : image.TransparentColor());
}
