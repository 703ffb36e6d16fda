#pragma once
// The windowless spin button: up to four parts (up, down, left, right), each with its own hit
// region, state and click event.  Pressing a part fires its event at once and again while the
// button is held, first after Interval + 200 ms, then every Interval ms.  With up and down shown
// in the diagonal split (OldStyle) the parts meet on the diagonal from the lower left to the
// upper right corner.
#include <array>

#include "foundation/StyClass.h"
#include "platform/graphics/Regions.h"
#include "styledcontrols/StyGraphicControl.h"

enum TStySingleSpinButton { sbUp, sbDown, sbLeft, sbRight };
using TStySpinButtons = Set<TStySingleSpinButton>;
enum TStyButtonPartState { bpsNormal, bpsHot, bpsPressed, bpsDisabled };
enum TStySpinButtonState { sbUpper, sbUpDown, sbDownDown, sbLeftDown, sbRightDown, sbDisabled };
enum TStyExtSpinBtnStyle { seSpinEdit, seSpinScrollBar };

// The arrow of a part as a custom visual style shows it: the part's glyph with its black in the
// colour.  One copy per part is kept, made again only for another colour.
TBitmap& SpinButtonGlyph(TStySingleSpinButton Part, TColor Color);
// The themed element of a part in a state: the spin element (the horizontal ones for left and
// right), or the scroll bar's arrow button.
TThemedElementDetails SpinButtonElement(TStySingleSpinButton Part, TStyButtonPartState State, TStyExtSpinBtnStyle Style);

class TStySpinButton : public TStyGraphicControl {
    DECLARE_CLASS(TStySpinButton, TStyGraphicControl)
public:
    explicit TStySpinButton(TComponent* AOwner);
    ~TStySpinButton() override;

    TStySpinButtons SpinButtons() const { return FSpinButtons; }
    void SetSpinButtons(TStySpinButtons Value);
    bool OldStyle() const { return FSkew; }
    void SetOldStyle(bool Value);
    TStySpinButtonState Down() const { return FDown; }
    void SetDown(TStySpinButtonState Value);
    TStyExtSpinBtnStyle ExtStyle() const { return FExtStyle; }
    void SetExtStyle(TStyExtSpinBtnStyle Value) { FExtStyle = Value; }
    Word Interval() const { return FInterval; }
    void SetInterval(Word Value) { FInterval = Value; }
    TColor HotColor() const { return FHotColor; }
    void SetHotColor(TColor Value);
    bool UseGlobalTimer() const { return FUseGlobalTimer; }
    void SetUseGlobalTimer(bool Value) { FUseGlobalTimer = Value; }
    TStyButtonPartState PartState(TStySingleSpinButton Part) const { return *FStates[Part]; }
    // Every enabled part back to normal, as when the mouse leaves the control.
    void MouseLeave();

    TNotifyEvent OnLeftClick, OnRightClick, OnTopClick, OnBottomClick;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void ObjectChanged(TObject* Sender) override;
    void CMEnabledChanged(TMessage& message);

private:
    void BuildRegions();
    void DeleteRegions();
    // The part's state from a point in control coordinates; true when it changed.
    bool UpdatePartState(TStySingleSpinButton Part, TShiftState Shift, Integer X, Integer Y);
    void FirePart(TStySingleSpinButton Part);
    void TimerTick(TObject* Sender);
    void DrawPartImage(TCanvas& Canvas, TStySingleSpinButton Part, TStyButtonPartState State, Integer W, Integer H);

    std::unique_ptr<TStyTimer> FTimerId;
    TStySpinButtonState FDown = sbUpper, FLastDown = sbUpper;
    TStyExtSpinBtnStyle FExtStyle = seSpinEdit;
    bool FSkew = true;
    TStySpinButtons FSpinButtons{sbUp};
    TStyBorderStyle FBorderStyle = lsSingleRaised;
    TStyButtonPartState FUpBtnState = bpsNormal, FDnBtnState = bpsNormal, FRBtnState = bpsNormal,
                        FLBtnState = bpsNormal;
    std::array<TStyButtonPartState*, 4> FStates{&FUpBtnState, &FDnBtnState, &FLBtnState, &FRBtnState};
    Word FInterval = 100;
    std::array<HRGN, 4> FRegions{};   // up, down, left, right; in the parent's coordinates
    bool FUseGlobalTimer = false;
    TColor FHotColor = static_cast<TColor>(0x808000);
};
