#pragma once
// Styles for whole forms: a form styler pushes a style (or a set of Metro colour tones) to its
// form or frame and to every component on it that accepts styles; an application styler holds one
// style for the program and forwards it to the form stylers registered with it.  Both can follow
// the user's Office or Windows theme, told of theme changes by a hidden notifier window.
#include <vector>

#include "listcontrols/GxStyleIF.h"
#include "platform/stdctrls/ComboBox.h"

using TApplyStyleEvent = TEvent<TObject*, TComponent*, bool&>;
using TAppliedStyleEvent = TEvent<TObject*, TComponent*>;

// A hidden window that reports the platform's theme changes (WM_THEMECHANGED).
class TThemeNotifierWindow : public TWinControl {
    DECLARE_CLASS(TThemeNotifierWindow, TWinControl)
public:
    explicit TThemeNotifierWindow(TComponent* AOwner);
    void WndProc(TMessage& message) override;
    TNotifyEvent OnThemeChange;
};

class TGxAppStyler;

class TGxFormStyler : public TComponent {
    DECLARE_CLASS(TGxFormStyler, TComponent)
public:
    explicit TGxFormStyler(TComponent* AOwner);
    ~TGxFormStyler() override;
    void Assign(TPersistent* Source) override;

    void ApplyStyle();
    void ApplyStyleToForm(TWinControl* Form, TGxStyle AStyle);
    void ApplyStyleToFrame(TWinControl* Frame, TGxStyle AStyle);
    void ApplyColorTonesToForm(TWinControl* Form, const TColorTones& Tones);
    void ApplyColorTonesToFrame(TWinControl* Frame, const TColorTones& Tones);
    void SetColorTones(const TColorTones& Tones);
    // The display names of the styles, each with its style as the item's object; the caller frees it.
    static TStringList* GetStyles();
    void HandleStyleSelect(TObject* Sender);
    void ThemeChanged(TObject* Sender = nullptr);
    virtual void UpdateMetroTones();
    virtual void DoChange() { OnChange(this); }
    Integer GetVersionNr() const { return 0x02040001; }
    String Version() const { return VersionText(GetVersionNr()); }
    const TColorTones& Tones() const { return FTones; }

    TGxStyle Style() const { return FStyle; }
    void SetStyle(TGxStyle Value);
    TGxAppStyler* AppStyle() const { return FAppStyle; }
    void SetAppStyle(TGxAppStyler* Value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    TMetroStyle MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(TMetroStyle Value);
    bool Metro() const { return FMetro; }
    void SetMetro(bool Value);
    TColor MetroTextColor() const { return FMetroTextColor; }
    void SetMetroTextColor(TColor Value);
    TColor MetroColor() const { return FMetroColor; }
    void SetMetroColor(TColor Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    TCustomComboBox* ComboBox() const { return FComboBox; }
    void SetComboBox(TCustomComboBox* Value);
    TColor AppColor() const { return FAppColor; }
    void SetAppColor(TColor Value);
    TThemeNotifierWindow* Notifier() const { return FNotifier; }

    TNotifyEvent OnChange;
    TApplyStyleEvent OnApplyStyle, OnApplyColorTones;
    TAppliedStyleEvent OnAppliedStyle, OnAppliedColorTones;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void StyleComponent(TComponent* C, TGxStyle AStyle);
    void ToneComponent(TComponent* C, const TColorTones& Tones);

    TGxStyle FStyle = tsCustom;
    TGxAppStyler* FAppStyle = nullptr;
    bool FAutoThemeAdapt = false;
    TThemeNotifierWindow* FNotifier = nullptr;
    TMetroStyle FMetroStyle = msLight;
    bool FMetro = false;
    TColor FMetroTextColor = clBlack;
    TColor FMetroColor = clHighlight;
    TColorTones FTones;
    bool FEnabled = true;
    TCustomComboBox* FComboBox = nullptr;
    TColor FAppColor = clBlack;
};

class TGxAppStyler : public TComponent {
    DECLARE_CLASS(TGxAppStyler, TComponent)
public:
    explicit TGxAppStyler(TComponent* AOwner);
    ~TGxAppStyler() override;
    void Assign(TPersistent* Source) override;

    void ApplyStyle();
    void RegisterFormStyler(TGxFormStyler* AStyler);
    void UnRegisterFormStyler(TGxFormStyler* AStyler);
    void SetColorTones(const TColorTones& Tones);
    void ThemeChanged(TObject* Sender = nullptr);
    virtual void UpdateMetroTones();
    virtual void DoChange() { OnChange(this); }
    Integer GetVersionNr() const { return 0x02040001; }
    String Version() const { return VersionText(GetVersionNr()); }
    const TColorTones& Tones() const { return FTones; }
    const std::vector<TGxFormStyler*>& FormStylers() const { return FForms; }

    TGxStyle Style() const { return FStyle; }
    void SetStyle(TGxStyle Value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    TMetroStyle MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(TMetroStyle Value);
    bool Metro() const { return FMetro; }
    void SetMetro(bool Value);
    TColor MetroTextColor() const { return FMetroTextColor; }
    void SetMetroTextColor(TColor Value);
    TColor MetroColor() const { return FMetroColor; }
    void SetMetroColor(TColor Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    TColor AppColor() const { return FAppColor; }
    void SetAppColor(TColor Value);
    TThemeNotifierWindow* Notifier() const { return FNotifier; }

    TNotifyEvent OnChange;

protected:
    void Loaded() override;

private:
    bool Quiet() const;   // loading or designing: nothing is forwarded

    TColorTones FTones;
    std::vector<TGxFormStyler*> FForms;
    TGxStyle FStyle = tsCustom;
    bool FAutoThemeAdapt = false;
    TThemeNotifierWindow* FNotifier = nullptr;
    TMetroStyle FMetroStyle = msLight;
    bool FMetro = false;
    TColor FMetroTextColor = clBlack;
    TColor FMetroColor = clHighlight;
    bool FEnabled = true;
    TColor FAppColor = clNone;
};

// Publishes the stylers' properties for form descriptions.
void RegisterGxStylerClasses();
