#pragma once
// Themed drawing of the styled controls.  Every themed part (button faces, edit frames, parent
// backgrounds, themed text) goes through the one theme service object, which resolves the
// control's theme mode into the mode usable now and then asks the platform's visual styles, the
// current theme renderer, or nobody.  The layer reports visual styles unavailable, so the
// platform mode resolves to no theme and the controls draw their classic faces.  A hidden window
// of the service hears of the desktop's theme changes.
#include "foundation/StyCustomComponent.h"
#include "platform/controls/Controls.h"
#include "platform/classes/Set.h"
#include "platform/rtl/Lists.h"
#include "platform/services/Themes.h"

enum TStyThemeMode : Byte { ttmNone, ttmPlatform, ttmNative };

enum TStyFormThemeProviderOption { ftpShowSysButton, ftpThemedNCArea };
using TStyFormThemeProviderOptions = Set<TStyFormThemeProviderOption>;

class TStyThemesControllerBase;

// A drawing engine for the native theme mode.  None is registered in this program; a renderer
// that is added overrides every operation it is asked for (the base raises).
class TStyThemeRenderer : public TObject {
    DECLARE_CLASS(TStyThemeRenderer, TObject)
public:
    virtual bool Enabled() const;
    virtual void SetEnabled(bool value);
    virtual String ActiveThemeName() const;
    virtual String ActiveColorSchemeName() const;
    virtual TStyFormThemeProviderOptions FormThemeProviderOptions() const { return {}; }
    virtual bool FormThemeProvidersEnabled() const { return false; }
    virtual void SetFormThemeProviderOptions(TStyFormThemeProviderOptions) {}
    virtual void SetFormThemeProvidersEnabled(bool) {}
    virtual TStyThemesControllerBase* Controller() const;
    virtual void Init();
    // The name the renderer is registered under.
    virtual String GetThemeRendererName() const { return String(); }
    virtual bool ActivateColorScheme(const String& AColorScheme, bool ADoApply);
    virtual bool ActivateTheme(const String& AFileName, const String& AColorScheme);
    virtual bool ActivateDefaultTheme(const String& AColorScheme, bool aDoApply);
    virtual void DeactivateTheme();
    virtual TRect ContentRect(HDC DC, const TThemedElementDetails& Details, const TRect& BoundingRect);
    virtual bool GetThemeBackgroundExtent(HDC DC, const TThemedElementDetails& Details, const TRect& ContentRect,
                                          TRect& ExtentRect);
    virtual Cardinal GetThemeColor(const TThemedElementDetails& Details, int iPropId);
    virtual bool GetThemePartSize(HDC DC, const TThemedElementDetails& Details, TSize& size);
    virtual Cardinal GetThemeSysColor(TThemedElement Detail, int ColorID);
    virtual int GetThemeSysSize(TThemedElement Detail, int iSizeId);
    virtual bool GetThemeTextExtent(HDC DC, const TThemedElementDetails& Details, const String& Text, int CharCount,
                                    Cardinal dwTextFlags, const TRect* BoundingRect, TRect& ExtentRect);
    virtual uintptr_t GetCurrentThemeHandle() const { return Enabled() ? 1 : 0; }
    virtual void RegisterFormThemeProvider(TObject*) {}
    virtual void UnregisterFormThemeProvider(TObject*) {}
    virtual void DrawElement(HDC DC, const TThemedElementDetails& Details, const TRect& R, const TRect* ClipRect);
    virtual void DrawThemeParentBackground(HWND Wnd, HDC DC, const TRect* ARect);
    virtual bool DrawThemeEdge(HDC DC, const TThemedElementDetails& Details, const TRect* pDestRect, Cardinal uEdge,
                               Cardinal uFlags, TRect* pContentRect);
    virtual bool DrawThemeText(HDC DC, const TThemedElementDetails& Details, const String& Text, int CharCount,
                               Cardinal dwTextFlags, Cardinal dwTextFlags2, const TRect* pRect);
};

// The component that switches a renderer on.  Descendants supply the renderer and register
// themselves (repeatedly: every insertion notice registers again).
class TStyThemesControllerBase : public TStyCustomComponent {
    DECLARE_CLASS(TStyThemesControllerBase, TStyCustomComponent)
public:
    explicit TStyThemesControllerBase(TComponent* AOwner);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    TStyThemeRenderer* ThemeRenderer() { return GetThemeRenderer(); }

    virtual void RegisterController();
    virtual void UnregisterController();
    virtual TStyThemeRenderer* GetThemeRenderer();
    virtual TStyFormThemeProviderOptions GetFormThemeProviderOptions() const { return FFormThemeProviderOptions; }
    virtual bool GetFormThemeProvidersEnabled() const { return FFormThemeProvidersEnabled; }
    virtual void SetFormThemeProviderOptions(TStyFormThemeProviderOptions value) { FFormThemeProviderOptions = value; }
    virtual void SetFormThemeProvidersEnabled(bool value) { FFormThemeProvidersEnabled = value; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool FEnabled = true;
    bool FFormThemeProvidersEnabled = false;
    TStyFormThemeProviderOptions FFormThemeProviderOptions;
};

class TStyThemeServices : public TObject {
    DECLARE_CLASS(TStyThemeServices, TObject)
public:
    TStyThemeServices();
    ~TStyThemeServices() override;

    bool SystemThemeIsChanging() const { return FSystemThemeIsChanging; }
    TStyThemeRenderer* CurrentRenderer() const { return FCurrentRenderer; }
    TStringList& AvailableRenderers() { return FAvailableRenderers; }
    bool SubstToolBarToButton() const { return FSubstToolBarToButton; }
    void SetSubstToolBarToButton(bool value);
    TNotifyEvent OnThemeChange;

    // The mode usable now for a control's mode: the native mode needs an enabled renderer, the
    // platform mode needs the platform's visual styles (or a custom style); otherwise no theme.
    TStyThemeMode UseTheme(TStyThemeMode Value) const;
    bool ThemesEnabled(TStyThemeMode Value) const;

    void RegisterThemeRenderer(TStyThemeRenderer* aThemeRenderer);
    void SelectThemeRenderer(const String& aRendererName);
    void SelectThemeRenderer(int aRendererIndex);
    bool ActivateColorScheme(const String& AColorScheme);
    bool ActivateTheme(const String& AFileName, const String& AColorScheme);
    void DeactivateTheme();
    // Tells every form and control that the theme changed.
    void ApplyThemeChange();

    // The dispatching operations: each resolves Theme first; with no theme they report failure
    // (false, 0, clNone, the unchanged rectangle) and draw nothing.
    Cardinal GetThemeColor(TStyThemeMode Theme, const TThemedElementDetails& Details, int iPropId);
    Cardinal GetThemeSysColor(TStyThemeMode Theme, TThemedElement Detail, int ColorID);
    bool GetThemeTextExtent(TStyThemeMode Theme, HDC DC, const TThemedElementDetails& Details, const String& Text,
                            int CharCount, Cardinal dwTextFlags, const TRect* BoundingRect, TRect& ExtentRect);
    void DrawThemeParentBackground(TStyThemeMode Theme, HWND Wnd, HDC DC, const TRect* ARect);
    bool GetThemeBackgroundExtent(TStyThemeMode Theme, HDC DC, const TThemedElementDetails& Details,
                                  const TRect& ContentRect, TRect& ExtentRect);
    bool GetThemePartSize(TStyThemeMode Theme, HDC DC, const TThemedElementDetails& Details, TSize& size);
    bool GetThemePartSizeNew(TStyThemeMode Theme, HDC DC, const TThemedElementDetails& Details, TSize& size);
    int GetThemeSysSize(TStyThemeMode Theme, TThemedElement Detail, int iSizeId);
    TRect ContentRect(TStyThemeMode Theme, HDC DC, const TThemedElementDetails& Details, const TRect& BoundingRect);
    void DrawElement(TStyThemeMode Theme, HDC DC, const TThemedElementDetails& Details, const TRect& R,
                     const TRect* ClipRect = nullptr);
    bool DrawThemeEdge(TStyThemeMode Theme, HDC DC, const TThemedElementDetails& Details, const TRect* pDestRect,
                       Cardinal uEdge, Cardinal uFlags, TRect* pContentRect);
    void DrawThemeText(TStyThemeMode Theme, HDC DC, TThemedElementDetails Details, const String& Text, int CharCount,
                       Cardinal Flags, Cardinal Flags2, TRect R);

    // The hidden window's procedure: a theme change of the desktop, while the application uses
    // visual styles, is passed on to every form (SystemThemeIsChanging meanwhile); without them
    // it is dropped.  Other messages get the default answer.
    virtual void WndProc(TMessage& message);

private:
    HWND FHWND = nullptr;
    bool FSystemThemeIsChanging = false;
    bool FUseThemes = false;
    TStyThemeRenderer* FCurrentRenderer = nullptr;
    TStringList FAvailableRenderers;
    bool FSubstToolBarToButton = true;
};

// The process-wide service, made on first use.
TStyThemeServices& StyThemeServices();
TStyThemeMode UseTheme(TStyThemeMode Value);
bool ThemesEnabled(TStyThemeMode Value);

// The ordinal of element details in its kind's enumeration, and back.
int GetDetailOrd(const TThemedElementDetails& Details);
TThemedElementDetails GetDetails(TThemedElement aElement, int aDetail);

// The library's private message that tells forms and controls of a theme change.
constexpr Cardinal UM_THEMECHANGED = 1513;
