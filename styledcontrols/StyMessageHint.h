#pragma once
// Balloon messages on demand: a text pointing at a screen point or at the centre of a control.
// The component never takes over the application's tooltips.  A balloon may hold the mouse
// capture, so that the next key press or click takes it off the screen; its window object stays
// in the component's list (IsDisplaying stays true) until HideMessage.
#include "styledcontrols/StyCustomShapeHint.h"

class TStyMessageHintWindow;

class TStyMessageHint : public TStyCustomShapeHint {
    DECLARE_CLASS(TStyMessageHint, TStyCustomShapeHint)
public:
    explicit TStyMessageHint(TComponent* AOwner);
    ~TStyMessageHint() override;

    bool CanHook() const override { return false; }
    TClass GetHintWindowClass() const override;
    bool SetCapture() const { return FSetCapture; }
    void SetSetCapture(bool Value) { FSetCapture = Value; }
    bool AllowMultipleHints() const { return FAllowMultipleHints; }
    // Several balloons at once never hold the capture.
    void SetAllowMultipleHints(bool Value);
    bool IsDisplaying() const { return !FWindows.empty(); }

    void ShowMessage(const String& Msg, Integer x, Integer y, const String& aTitle, TColor aColor,
                     TStyHintIconType aIcon, Integer aDisplayOrder);
    void ShowControlMessage(const String& Msg, TControl* aControl, const String& aTitle, TColor aColor,
                            TStyHintIconType aIcon, Integer aDisplayOrder);
    void HideMessage() { HideMessages(-1); }
    void HideMessage(TStyMessageHintWindow* AWindow);
    // Hides (last first) every balloon of the group, or all of them for -1.
    virtual void HideMessages(Integer aDisplayOrder);
    void DoHide(TStyBaseHintWindow* Window) override;

private:
    bool FSetCapture = true;
    bool FAllowMultipleHints = false;
};

class TStyMessageHintWindow : public TStyShapeHintWindow {
    DECLARE_CLASS(TStyMessageHintWindow, TStyShapeHintWindow)
public:
    TStyMessageHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl);
    ~TStyMessageHintWindow() override;
    Integer DisplayOrder() const { return FDisplayOrder; }
    void SetDisplayOrder(Integer Value) { FDisplayOrder = Value; }
    void ActivateHint(const TRect& Rect, const String& AHint) override;
    // Takes the balloon off the screen and lets go of the capture and the key watch.
    void Dismiss();

protected:
    // The colour given with the message stays.
    void ApplyHintColor() override {}
    void WndProc(TMessage& Message) override;

private:
    bool FCapturing = false;
    Integer FDisplayOrder = -1;
};
