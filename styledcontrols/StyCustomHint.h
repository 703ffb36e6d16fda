#pragma once
// Hint components and their windows.  A hint component keeps the list of the hint windows that
// belong to it and the greatest width of a hint; the HTML hint window shows its text as plain
// text or, when it is marked up, through the HTML renderer, with links and show and hide events.
#include <vector>

#include "foundation/StyCustomComponent.h"
#include "platform/forms/Forms.h"
#include "styledcontrols/StyHTMLUnit.h"

class TStyBaseHintWindow;

class TStyBaseHint : public TStyCustomComponent {
    DECLARE_CLASS(TStyBaseHint, TStyCustomComponent)
public:
    explicit TStyBaseHint(TComponent* AOwner);
    ~TStyBaseHint() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    bool HideAccelChar() const { return FHideAccelChar; }
    void SetHideAccelChar(bool Value) { FHideAccelChar = Value; }
    Integer MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(Integer Value) { FMaxWidth = Value; }
    // MaxWidth itself when 0 or more; otherwise the work area's width divided by -MaxWidth.
    Integer RealMaxWidth() const;
    const std::vector<TStyBaseHintWindow*>& Windows() const { return FWindows; }
    virtual bool CanHook() const { return true; }

protected:
    friend class TStyBaseHintWindow;
    bool FHideAccelChar = true;
    Integer FMaxWidth = -4;
    bool FEnabled = true;
    std::vector<TStyBaseHintWindow*> FWindows;   // the live windows, owned
};

class TStyBaseHintWindow : public THintWindow {
    DECLARE_CLASS(TStyBaseHintWindow, THintWindow)
public:
    // A window made for the component (a custom window), entered in its list.
    TStyBaseHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl);
    ~TStyBaseHintWindow() override;
    TStyBaseHint* HintControl() const { return FHintControl; }
    bool IsCustom() const { return FIsCustom; }

protected:
    TStyBaseHint* FHintControl = nullptr;
    bool FIsCustom = false;
};

enum TStyHintHtml : Byte { hhAuto, hhYes };

class TStyCustomHTMLHint : public TStyBaseHint {
    DECLARE_CLASS(TStyCustomHTMLHint, TStyBaseHint)
public:
    explicit TStyCustomHTMLHint(TComponent* AOwner);
    ~TStyCustomHTMLHint() override;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TFont& Font() { return FFont; }
    bool UseScreenHintFont() const { return FUseFont; }
    void SetUseScreenHintFont(bool Value) { FUseFont = Value; }
    // The hint font (the screen keeps no hint font of its own here, so Font in either case).
    const TFont& GetHintFont() const;
    TStyHintHtml EnableHtml() const { return FEnableHtml; }
    void SetEnableHtml(TStyHintHtml Value) { FEnableHtml = Value; }
    TColor LinkColor() const { return FLinkColor; }
    void SetLinkColor(TColor Value) { FLinkColor = Value; }
    TFontStyles LinkStyle() const { return FLinkStyle; }
    void SetLinkStyle(TFontStyles Value) { FLinkStyle = Value; }

    virtual void DoShow(TStyBaseHintWindow* Window) { OnShow(Window); }
    virtual void DoHide(TStyBaseHintWindow* Window) { OnHide(Window); }

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TEvent<TObject*, const String&> OnLinkClick;
    TStyHTMLVariableNeededEvent OnVariableNeeded;
    TStyHTMLImageNeededEvent OnImageNeeded;

protected:
    TColor FColor = clInfoBk;
    TFont FFont;
    bool FUseFont = true;
    TStyHintHtml FEnableHtml = hhAuto;
    TColor FLinkColor = 0xFF0000;
    TFontStyles FLinkStyle{TFontStyle::fsUnderline};
};

class TStyCustomHTMLHintWindow : public TStyBaseHintWindow {
    DECLARE_CLASS(TStyCustomHTMLHintWindow, TStyBaseHintWindow)
public:
    TStyCustomHTMLHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl);

    TStyCustomHTMLHint* HTMLHint() const { return static_cast<TStyCustomHTMLHint*>(FHintControl); }
    // Sets the caption and decides whether it is marked up.
    void SetHintText(const String& Text);
    bool IsHTML() const { return FIsHTML; }
    TRect CalcHintRect(Integer MaxWidth, const String& AHint) override;
    void ActivateHint(const TRect& Rect, const String& AHint) override;
    TStyHTMLRender& Render() { return FRender; }
    const TRect& TextRect() const { return FTextRect; }

    virtual void DoShowHint();
    virtual void DoHideHint();

protected:
    virtual void PaintHintText(const TRect& Rect);
    virtual void MeasureText(const String& Text, TRect& Rect);
    virtual void PrepareRender();
    void WndProc(TMessage& Message) override;

    TCursor FCursor = crDefault;
    bool FWordWrap = true;
    TFont FHintFont;
    Integer FMaxWidth = 0;
    TStyHTMLRender FRender;
    TRect FTextRect;
    bool FIsHTML = false;
    bool FShownTold = false;
};
