#pragma once
// Hint components and their windows.  A hint component keeps the list of the hint windows that
// belong to it and the greatest width of a hint; while enabled, the application's tooltips show
// in its kind of window.  The plain hint window draws a framed text; the HTML hint window shows
// its text as plain text or, when it is marked up, through the HTML renderer, with links and
// show and hide events.
#include <vector>

#include "foundation/StyCustomComponent.h"
#include "foundation/StyGraphUtils.h"
#include "platform/forms/Forms.h"
#include "styledcontrols/StyBevel.h"
#include "styledcontrols/StyHTMLUnit.h"

class TStyBaseHintWindow;

// The window class style that gives a window the system's drop shadow.
constexpr Cardinal CS_DROPSHADOW = 0x00020000;

class TStyBaseHint : public TStyCustomComponent {
    DECLARE_CLASS(TStyBaseHint, TStyCustomComponent)
public:
    explicit TStyBaseHint(TComponent* AOwner);
    ~TStyBaseHint() override;

    void Loaded() override;
    bool Enabled() const { return FEnabled; }
    // An enabled component's window class is the application's hint window class (one
    // component's at a time); disabling puts back the class it replaced.
    void SetEnabled(bool Value);
    bool HideAccelChar() const { return FHideAccelChar; }
    void SetHideAccelChar(bool Value) { FHideAccelChar = Value; }
    Integer MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(Integer Value) { FMaxWidth = Value; }
    // MaxWidth itself when 0 or more; otherwise the work area's width divided by -MaxWidth.
    Integer RealMaxWidth() const;
    const std::vector<TStyBaseHintWindow*>& Windows() const { return FWindows; }
    virtual bool CanHook() const { return true; }
    virtual TClass GetHintWindowClass() const = 0;
    // The component whose window class the application's hints use, or null.
    static TStyBaseHint* HookInForce();

protected:
    friend class TStyBaseHintWindow;
    void ApplyEnabled();
    // Each constructor of a hookable chain calls it: the switch is made again with the window
    // class of the class constructed so far.
    void ApplyEnabledAgain();

    bool FHideAccelChar = true;
    Integer FMaxWidth = -4;
    TClass FOldHintClass = nullptr;
    bool FEnabled = true;
    bool FHookEnabled = false;
    std::vector<TStyBaseHintWindow*> FWindows;   // the live windows, owned
};

class TStyBaseHintWindow : public THintWindow {
    DECLARE_CLASS(TStyBaseHintWindow, THintWindow)
public:
    // A window made for the component (a custom window), or, for null, a window of the
    // application's hint mechanism that belongs to the component in force; entered in its list.
    TStyBaseHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl);
    ~TStyBaseHintWindow() override;
    // A window of the class given that belongs to AHintControl (a custom window).
    static TStyBaseHintWindow* CreateCustom(TClass WindowClass, TComponent* AOwner, TStyBaseHint* AHintControl);
    TStyBaseHint* HintControl() const { return FHintControl; }
    bool IsCustom() const { return FIsCustom; }

protected:
    TStyBaseHint* FHintControl = nullptr;
    bool FIsCustom = false;
};

// The bevel of the plain hint window: lowered outside.
class TStyHintBevel : public TStyBevel {
    DECLARE_CLASS(TStyHintBevel, TStyBevel)
public:
    explicit TStyHintBevel(TPersistent* AOwner);
};

class TStyCustomHint : public TStyBaseHint {
    DECLARE_CLASS(TStyCustomHint, TStyBaseHint)
public:
    // Hookable false: a class that never takes over the application's hints is being made.
    explicit TStyCustomHint(TComponent* AOwner, bool Hookable = true);
    ~TStyCustomHint() override;
    void Assign(TPersistent* Source) override;
    TClass GetHintWindowClass() const override;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TFont& Font() { return FFont; }
    bool UseScreenHintFont() const { return FUseFont; }
    void SetUseScreenHintFont(bool Value) { FUseFont = Value; }
    // The screen's hint font with UseScreenHintFont, else Font.
    const TFont& GetHintFont() const;
    TSty3DCaption& Font3D() { return FFont3D; }
    TStyHintBevel& Bevel() { return FBevel; }

    // Shows Msg in a window of this component at (x, y) for ms milliseconds, then frees it.
    void ShowHint(const String& Msg, Integer x, Integer y, Word ms);
    // The same at the centre of a visible control with a parent (its Hint for an empty Msg).
    void ShowControlHint(const String& Msg, TControl* aControl, Word ms);

protected:
    TColor FColor = clInfoBk;
    TFont FFont;
    TSty3DCaption FFont3D{this};
    TStyHintBevel FBevel{this};
    bool FUseFont = true;
};

// A framed text on the component's colour, in its font and 3-D caption.
class TStyCustomHintWindow : public TStyBaseHintWindow {
    DECLARE_CLASS(TStyCustomHintWindow, TStyBaseHintWindow)
public:
    TStyCustomHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl);
    explicit TStyCustomHintWindow(TComponent* AOwner) : TStyCustomHintWindow(AOwner, nullptr) {}
    TStyCustomHint* Hint() const { return dynamic_cast<TStyCustomHint*>(FHintControl); }
    void ActivateHint(const TRect& Rect, const String& AHint) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    virtual void DrawHintText(TCanvas& Canvas, const String& Text, const TRect& Rect);
    virtual void CalcTextRect(const String& Text, TRect& Rect);
};

enum TStyHintHtml : Byte { hhAuto, hhYes };

class TStyCustomHTMLHint : public TStyCustomHint {
    DECLARE_CLASS(TStyCustomHTMLHint, TStyCustomHint)
public:
    explicit TStyCustomHTMLHint(TComponent* AOwner, bool Hookable = true);
    ~TStyCustomHTMLHint() override;
    TClass GetHintWindowClass() const override;

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
    TStyHTMLImageNeededExEvent OnImageNeededEx;
    TStyHTMLTagFoundEvent OnTagFound;

protected:
    TStyHintHtml FEnableHtml = hhAuto;
    TColor FLinkColor = 0xFF0000;
    TFontStyles FLinkStyle{TFontStyle::fsUnderline};
};

class TStyCustomHTMLHintWindow : public TStyBaseHintWindow {
    DECLARE_CLASS(TStyCustomHTMLHintWindow, TStyBaseHintWindow)
public:
    TStyCustomHTMLHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl);
    explicit TStyCustomHTMLHintWindow(TComponent* AOwner) : TStyCustomHTMLHintWindow(AOwner, nullptr) {}

    TStyCustomHTMLHint* HTMLHint() const { return dynamic_cast<TStyCustomHTMLHint*>(FHintControl); }
    // Sets the caption and decides whether it is marked up.
    void SetHintText(const String& Text);
    bool IsHTML() const { return FIsHTML; }
    TRect CalcHintRect(Integer MaxWidth, const String& AHint) override;
    void ActivateHint(const TRect& Rect, const String& AHint) override;
    TStyHTMLRender& Render() { return FRender; }
    const TRect& TextRect() const { return FTextRect; }

    virtual void DoShowHint();
    virtual void DoHideHint();
    // Hides the window, telling the component (OnHide) when it was shown.
    void ReleaseHandle() override;

protected:
    virtual void PaintHintText(const TRect& Rect);
    virtual void MeasureText(const String& Text, TRect& Rect);
    virtual void PrepareRender();
    // The component's OnLinkClick, the window as sender.
    virtual void LinkClick(const String& Href);
    // The measured text's rectangle grown to the window's: 4 pixels right and down.
    virtual void AdjustHintRect(TRect& Rect);
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
