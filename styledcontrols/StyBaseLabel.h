#pragma once
// The label base: a caption on a windowless control with nine-way alignment, auto size,
// accelerators, ellipsis options and twinkling on a library timer; it can show a validation
// message.
#include <memory>

#include "foundation/StyClass.h"
#include "styledcontrols/StyGraphicControl.h"

enum TStyLabelOption { loPathEllipsis, loEndEllipsis, loEditControl, loShowLabelHint };
using TStyLabelOptions = Set<TStyLabelOption>;
const TEnumTypeInfo& TypeInfoOf(TStyLabelOption);

// A control that shows the message of a failed validation.
struct IStyValidatingMsgControl : public virtual IInterface {
    static constexpr TGUID IID = TGUID::Parse("{6A3C2E54-9D4B-4C1F-8E27-51B0C3D9A711}");
    virtual void SetErrorMessage(const String& val, Integer errorLevel) = 0;
    virtual String GetLastErrorMessage() = 0;
};

class TStyBaseLabel : public TStyBaseGraphicControl, public IStyValidatingMsgControl {
    DECLARE_CLASS(TStyBaseLabel, TStyBaseGraphicControl)
public:
    explicit TStyBaseLabel(TComponent* AOwner);
    ~TStyBaseLabel() override;

    bool ShowAccelChar() const { return FAccelChar; }
    void SetShowAccelChar(bool Value);
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value);
    TStyAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TStyAlignment Value);
    TStyLabelOptions Options() const { return FOptions; }
    void SetOptions(TStyLabelOptions Value);
    void SetAutoSize(bool Value) override;
    // Whether the system smooths the fonts on the screen.
    static bool SystemFontSmoothingState();
    bool Twinkle() const { return FTwinkle; }
    void SetTwinkle(bool Value);
    Integer TwinkleVisible() const { return FTwinkleVisible; }
    void SetTwinkleVisible(Integer Value) { FTwinkleVisible = Value; }
    Integer TwinkleInVisible() const { return FTwinkleInVisible; }
    void SetTwinkleInVisible(Integer Value) { FTwinkleInVisible = Value; }
    TColor TwinkleColor() const { return FTwinkleColor; }
    void SetTwinkleColor(TColor Value) { FTwinkleColor = Value; }
    // True while the caption is in its shown phase.
    bool TwinkleShown() const { return FTwinkleFlag; }
    TStyTimer* TwinkleTimer() const { return FTwinkleTimerId.get(); }
    bool UseGlobalTimer() const { return FUseGlobalTimer; }
    void SetUseGlobalTimer(bool Value) { FUseGlobalTimer = Value; }
    // Kept for the form; the platform draws text without smoothing.
    bool FontSmoothing() const { return FAntialiased; }
    void SetFontSmoothing(bool Value) { FAntialiased = Value; }
    TWinControl* FocusControl() const { return FControl; }
    void SetFocusControl(TWinControl* Value);
    TWinControl* GetControl() const { return FControl; }
    bool DBControl() const { return FDBControl; }
    void SetDBControl(bool Value) { FDBControl = Value; }
    virtual bool StatusBarControl() const { return false; }

    void SetErrorMessage(const String& val, Integer) override { SetCaption(val); }
    String GetLastErrorMessage() override { return Caption(); }
    bool GetInterface(const TGUID& iid, void** obj) override;

    // The text drawn: the caption.
    virtual String GetCaptionText() { return Caption(); }
    virtual void CorrectBounds() {}

protected:
    // The change notification of the label: bounds corrected, then repainted.
    void ObjectChanged(TObject* Sender) override;
    virtual void LabelFontChanged(TFont& Font);
    // DrawText flags of the options.
    Cardinal OptionFlags() const;
    TColor TextColor() const { return Font().Color(); }
    // A transparent label without caption has nothing to paint.
    bool NothingToPaint() { return FTransparent && Caption().IsEmpty(); }
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CMDialogChar(TMessage& message);
    void CMTextChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMEnabledChanged(TMessage& message);

    bool FAccelChar = true;
    bool FDBControl = false;
    bool FTwinkle = false;
    bool FMultiLine = false;
    TStyAlignment FAlignment = agTopLeft;
    TStyLabelOptions FOptions;
    std::unique_ptr<TStyTimer> FTwinkleTimerId;
    Integer FTwinkleVisible = 700;
    Integer FTwinkleInVisible = 700;
    TColor FTwinkleColor = clNone;
    bool FAntialiased = false;
    bool FUseGlobalTimer = false;
    TWinControl* FControl = nullptr;
    bool FTwinkleFlag = true;
    bool FCChange = false;

private:
    void TwinkleStep(TObject* Sender);
};
