#pragma once
// TEcxSlider: an integer slider drawn from four small bitmaps, a ruler stretched to the
// control's length and a thumb with a normal and a pressed half, horizontal or vertical.  The
// value moves in steps of Increment (or pixel by pixel with soSmooth) by dragging the thumb, by
// holding the mouse on the ruler beside it (a step at once, then one every 400 ms) and by the
// Home, End and arrow keys.
#include <array>

#include "editcontrols/EcExControls.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/stdctrls/ExtCtrls.h"

enum TSliderOrientation { soHorizontal, soVertical };
enum TSliderOption { soShowFocus, soShowPoints, soSmooth, soRulerOpaque, soThumbOpaque };
using TSliderOptions = Set<TSliderOption>;
enum TSliderImage { siHThumb, siHRuler, siVThumb, siVRuler };
using TSliderImages = Set<TSliderImage>;
enum TJumpMode { jmNone, jmHome, jmEnd, jmNext, jmPrior };
using TBevelCut = TPanelBevel;
const TEnumTypeInfo& TypeInfoOf(TSliderOrientation);
const TEnumTypeInfo& TypeInfoOf(TSliderOption);

class TEcCustomSlider : public TEcExCustomControl {
    DECLARE_CLASS(TEcCustomSlider, TEcExCustomControl)
public:
    explicit TEcCustomSlider(TComponent* AOwner);

    // Tick points every PointsStep values, PointsHeight long (ExtremePointsHeight at the ends).
    virtual void DefaultDrawPoints(Integer PointsStep, Integer PointsHeight, Integer ExtremePointsHeight);
    Integer GetValueByOffset(Integer Offset);
    Integer GetOffsetByValue(Integer Value);

    Integer Value() const { return FValue; }
    void SetValue(Integer value);
    Integer MinValue() const { return FMinValue; }
    void SetMinValue(Integer value) { SetRange(value, FMaxValue); }
    Integer MaxValue() const { return FMaxValue; }
    void SetMaxValue(Integer value) { SetRange(FMinValue, value); }
    Integer Increment() const { return FIncrement; }
    void SetIncrement(Integer value);   // EEcLibException outside 1..MaxValue - MinValue
    TSliderOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TSliderOrientation value);
    TSliderOptions Options() const { return FOptions; }
    void SetOptions(TSliderOptions value);
    Integer EdgeSize() const { return FEdgeSize; }
    void SetEdgeSize(Integer value);
    Integer NumThumbStates() const { return FNumThumbStates; }
    void SetNumThumbStates(Integer value);   // 1..2
    TBevelCut BevelStyle() const { return FBevelStyle; }
    void SetBevelStyle(TBevelCut value);
    TBitmap& Image(TSliderImage index) { return FImages[index]; }
    // A non-empty bitmap replaces the built-in one; an empty one brings it back.
    void SetImage(TSliderImage index, const TBitmap* value);
    TSliderImages UserImages() const { return FUserImages; }

    // Where things lie (client coordinates), for painting and for the tests.
    const TRect& ThumbRect() const { return FThumbRect; }
    TPoint RulerOrg() const { return FRulerOrg; }
    const TBitmap& Ruler() const { return FRuler; }
    const TRect& PointsRect() const { return FPointsRect; }
    Integer RulerLength() const;

    TNotifyEvent OnChange, OnChanged, OnDrawPoints;

protected:
    virtual bool CanModify() { return true; }
    virtual void GetSliderRect(TRect& Rect);
    virtual Integer GetSliderValue() { return FValue; }
    virtual void AdjustElements();
    virtual void RangeChanged() {}
    virtual void ThumbMouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    virtual void ThumbMouseMove(TShiftState Shift, Integer X, Integer Y);
    virtual void ThumbMouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    virtual void Change() { OnChange(this); }
    virtual void Changed() { OnChanged(this); }

    void DefineProperties(TFiler* Filer) override;
    void Loaded() override;
    void Paint() override;
    void BoundsChanged() override;
    void GetDlgCode(TDialogCodes& Codes) override;
    void EnabledChanged() override;
    void FocusChanged(TControl* Control) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void WMTimer(TMessage& message);

private:
    Integer ThumbW() const;
    Integer ThumbH() const;
    Integer Start();
    void SetRange(Integer minValue, Integer maxValue);
    void StretchRuler();
    void LoadBuiltInImage(TSliderImage index);
    void ImageChanged();
    void SetThumbOffset(Integer offset);
    void MoveThumb(Integer offset);
    void InvalidateThumb();
    TJumpMode HitJump(Integer X, Integer Y) const;
    void JumpTo(TJumpMode mode);
    void TrackStep();
    void StopTracking();
    bool Reading() const { return ComponentState().Contains(csReading) || ComponentState().Contains(csLoading); }

    TSliderImages FUserImages;
    std::array<TBitmap, 4> FImages;
    Integer FEdgeSize = 2;
    TBitmap FRuler;
    TPoint FRulerOrg;
    TRect FThumbRect;
    bool FThumbDown = false;
    Integer FNumThumbStates = 2;
    TRect FPointsRect;
    TSliderOrientation FOrientation = soHorizontal;
    TSliderOptions FOptions{soShowFocus, soShowPoints, soSmooth};
    TBevelCut FBevelStyle = TPanelBevel::bvNone;
    Integer FBevelWidth = 1;
    Integer FMinValue = 0, FMaxValue = 100;
    Integer FIncrement = 10;
    Integer FValue = 0;
    Integer FHit = 0;
    bool FFocused = false;
    bool FSliding = false;
    bool FTracking = false;
    bool FTimerActive = false;
    TPoint FMousePos;
    TJumpMode FStartJump = jmNone;
    bool FReadOnly = false;
    bool FCreating = true;
};

class TEcxSlider : public TEcCustomSlider {
    DECLARE_CLASS(TEcxSlider, TEcCustomSlider)
public:
    explicit TEcxSlider(TComponent* AOwner) : TEcCustomSlider(AOwner) {}
};
