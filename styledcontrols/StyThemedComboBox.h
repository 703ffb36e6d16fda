#pragma once
// The combo box that paints its own button and follows the library's theme modes: themed through
// the theme services when a theme is usable, otherwise the classic drop-down button, drawn
// pushed while the mouse holds it.  It knows whether the mouse is over it and over its button,
// and it can own a bound label placed beside it.
#include "foundation/StyThemes.h"
#include "platform/stdctrls/ComboBox.h"
#include "styledcontrols/StyBoundLabel.h"

class TStyThemedComboBox : public TCustomComboBox {
    DECLARE_CLASS(TStyThemedComboBox, TCustomComboBox)
public:
    explicit TStyThemedComboBox(TComponent* AOwner);
    ~TStyThemedComboBox() override;

    const TStyAboutVar& About() const { return FAbout; }
    void SetAbout(const TStyAboutVar&) {}   // design-time text, never stored
    TStyThemeMode ThemeMode() const { return FThemeMode; }
    void SetThemeMode(TStyThemeMode Value);
    bool ParentThemeMode() const { return FParentThemeMode; }
    void SetParentThemeMode(bool Value);
    bool ThemeGlobalMode() const { return FThemeGlobalMode; }
    void SetThemeGlobalMode(bool Value);
    // The old forms' switch: on is the platform's theme mode, off no theme.
    bool CtlXP() const { return FThemeMode == ttmPlatform; }
    void SetCtlXP(bool Value);
    // The mode in effect (the parent's, the application's or the own one) is usable.
    TStyThemeMode EffectiveThemeMode() const;
    bool IsThemed() const { return EffectiveThemeMode() != ttmNone; }
    // The items: the list a descendant keeps when GetCustomItems gives one, else the combo box's.
    TStrings& Items();
    void SetItems(const TStrings& Value) { Items().Assign(Value); }
    // The drop-down list's window, null before the list first drops down.
    HWND ListHandle() const { return ListWindow(); }
    Integer ButtonWidth() const { return FBtnWidth; }
    bool Pressed() const { return FPressed; }
    bool MouseAbove() const { return FMouseAbove; }
    bool MouseAboveButton() const { return FMouseAboveBtn; }

    // The bound label, made on first call; owned by the combo box and placed beside it.
    void SetupEditLabel();
    TStyBoundLabel* EditLabel() const { return FEditLabel; }
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    Integer LabelSpacing() const { return FLabelSpacing; }
    void SetLabelSpacing(Integer Value);
    bool LabelSync() const { return FLabelSync; }
    void SetLabelSync(bool Value);

    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
    void SetParent(TWinControl* AParent) override;

protected:
    virtual void ThemeChanged();
    // Where a descendant keeps the items instead of AItems; none here.
    virtual TStrings* GetCustomItems(TStrings* AItems)
    {
        (void)AItems;
        return nullptr;
    }
    virtual void MouseEntered();
    virtual void MouseLeft();
    void Paint() override;
    void Loaded() override;
    void DefineProperties(TFiler* Filer) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void WndProc(TMessage& Message) override;
    // The drop-down button, in client coordinates.
    TRect DropButtonRect() const;
    void PlaceEditLabel();

    Integer FBtnWidth = 0;
    bool FPressed = false;
    bool FMouseAbove = false;
    bool FMouseAboveBtn = false;
    TColor FBgrColor = clNone;
    TStyAboutVar FAbout;
    TStyThemeMode FThemeMode = ttmPlatform;
    bool FParentThemeMode = true;
    bool FThemeGlobalMode = false;
    TStyBoundLabel* FEditLabel = nullptr;
    TLabelPosition FLabelPosition = lpAbove;
    Integer FLabelSpacing = 3;
    bool FLabelSync = false;
};
