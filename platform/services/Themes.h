#pragma once
// The style services of the class library: themed elements, their details, colours and sizes.
// No visual style and no custom style exist here, so the current services are the system style
// and report themselves neither enabled nor available; asked to draw or measure an element they
// do nothing and report failure, and the controls take their classic drawing paths.
#include "platform/classes/Set.h"
#include "platform/services/UxTheme.h"

enum TThemedElement {
    teButton, teClock, teComboBox, teEdit, teExplorerBar, teHeader, teListView, teMenu, tePage, teProgress,
    teRebar, teScrollBar, teSpin, teStartPanel, teStatus, teTab, teTaskBand, teTaskBar, teToolBar, teToolTip,
    teTrackBar, teTrayNotify, teTreeview, teWindow, tePanel
};

// An element kind, its part and its state.
struct TThemedElementDetails {
    TThemedElement Element = teButton;
    int Part = 0;
    int State = 0;
    friend bool operator==(const TThemedElementDetails&, const TThemedElementDetails&) = default;
};

// Each kind's enumeration counts its parts' states one after another from 2 (0 "don't care",
// 1 the root); the values the program names are listed, the others are reached by their ordinal.
enum TThemedButton : int {
    tbButtonDontCare, tbButtonRoot,
    tbPushButtonNormal, tbPushButtonHot, tbPushButtonPressed, tbPushButtonDisabled, tbPushButtonDefaulted,
    tbPushButtonDefaultedAnimating,
    tbRadioButtonUncheckedNormal, tbRadioButtonUncheckedHot, tbRadioButtonUncheckedPressed,
    tbRadioButtonUncheckedDisabled, tbRadioButtonCheckedNormal, tbRadioButtonCheckedHot,
    tbRadioButtonCheckedPressed, tbRadioButtonCheckedDisabled,
    tbCheckBoxUncheckedNormal, tbCheckBoxUncheckedHot, tbCheckBoxUncheckedPressed, tbCheckBoxUncheckedDisabled,
    tbCheckBoxCheckedNormal, tbCheckBoxCheckedHot, tbCheckBoxCheckedPressed, tbCheckBoxCheckedDisabled,
    tbCheckBoxMixedNormal, tbCheckBoxMixedHot, tbCheckBoxMixedPressed, tbCheckBoxMixedDisabled
};
enum TThemedComboBox : int {
    tcComboBoxDontCare, tcComboBoxRoot,
    tcDropDownButtonNormal, tcDropDownButtonHot, tcDropDownButtonPressed, tcDropDownButtonDisabled
};
enum TThemedEdit : int {
    teEditDontCare, teEditRoot,
    teEditTextNormal, teEditTextHot, teEditTextSelected, teEditTextDisabled, teEditTextFocused,
    teEditTextReadOnly, teEditTextAssist, teEditCaret
};
enum TThemedToolBar : int {
    ttbToolBarDontCare, ttbToolBarRoot,
    ttbButtonNormal, ttbButtonHot, ttbButtonPressed, ttbButtonDisabled, ttbButtonChecked, ttbButtonCheckedHot,
    ttbButtonNearHot, ttbButtonOtherSideHot,
    ttbDropDownButtonNormal, ttbDropDownButtonHot, ttbDropDownButtonPressed, ttbDropDownButtonDisabled,
    ttbDropDownButtonChecked, ttbDropDownButtonCheckedHot, ttbDropDownButtonNearHot, ttbDropDownButtonOtherSideHot,
    ttbSplitButtonNormal, ttbSplitButtonHot, ttbSplitButtonPressed, ttbSplitButtonDisabled, ttbSplitButtonChecked,
    ttbSplitButtonCheckedHot, ttbSplitButtonNearHot, ttbSplitButtonOtherSideHot,
    ttbSplitButtonDropDownNormal, ttbSplitButtonDropDownHot, ttbSplitButtonDropDownPressed,
    ttbSplitButtonDropDownDisabled, ttbSplitButtonDropDownChecked, ttbSplitButtonDropDownCheckedHot,
    ttbSplitButtonDropDownNearHot, ttbSplitButtonDropDownOtherSideHot,
    ttbSeparatorNormal, ttbSeparatorVertNormal = 42
};
enum TThemedToolTip : int {
    tttToolTipDontCare, tttToolTipRoot,
    tttStandardNormal, tttStandardLink, tttStandardTitleNormal, tttStandardTitleLink, tttBaloonNormal,
    tttBaloonLink, tttBaloonTitleNormal, tttBaloonTitleLink, tttCloseNormal, tttCloseHot, tttClosePressed
};
enum TThemedWindow : int {
    twWindowDontCare, twWindowRoot,
    twSmallCloseButtonNormal = 56, twSmallCloseButtonHot, twSmallCloseButtonPushed, twSmallCloseButtonDisabled
};
enum TThemedPanel : int { tpPanelDontCare, tpPanelRoot, tpPanelBackground, tpPanelBevel };
enum TThemedClock : int { tcClockDontCare, tcClockRoot };
enum TThemedExplorerBar : int { tebExplorerBarDontCare, tebExplorerBarRoot };
enum TThemedHeader : int { thHeaderDontCare, thHeaderRoot };
enum TThemedListview : int { tlListviewDontCare, tlListviewRoot };
enum TThemedMenu : int { tmMenuDontCare, tmMenuRoot };
enum TThemedPage : int { tpPageDontCare, tpPageRoot };
enum TThemedProgress : int { tpProgressDontCare, tpProgressRoot };
enum TThemedRebar : int { trRebarDontCare, trRebarRoot };
enum TThemedScrollBar : int { tsScrollBarDontCare, tsScrollBarRoot };
enum TThemedSpin : int { tsSpinDontCare, tsSpinRoot };
enum TThemedStartPanel : int { tspStartPanelDontCare, tspStartPanelRoot };
enum TThemedStatus : int { tsStatusDontCare, tsStatusRoot };
enum TThemedTab : int { ttTabDontCare, ttTabRoot };
enum TThemedTaskBand : int { ttbandTaskBandDontCare, ttbandTaskBandRoot };
enum TThemedTaskBar : int { ttbTaskBarDontCare, ttbTaskBarRoot };
enum TThemedTrackBar : int { ttbTrackBarDontCare, ttbTrackBarRoot };
enum TThemedTrayNotify : int { ttnTrayNotifyDontCare, ttnTrayNotifyRoot };
enum TThemedTreeview : int { ttTreeviewDontCare, ttTreeviewRoot };

// Colours and sizes asked of an element or of the style.
enum TElementColor {
    ecBorderColor, ecFillColor, ecTextColor, ecEdgeLightColor, ecEdgeHighLightColor, ecEdgeShadowColor,
    ecEdgeDkShadowColor, ecEdgeFillColor, ecTransparentColor, ecGradientColor1, ecGradientColor2,
    ecGradientColor3, ecGradientColor4, ecGradientColor5, ecShadowColor, ecGlowColor, ecTextBorderColor,
    ecTextShadowColor, ecGlyphTextColor, ecGlowIntensity, ecFillColorHint, ecBorderColorHint, ecAccentColorHint
};
enum TElementSize { esMinimum, esActual, esStretch };
enum TStyleColor { scBorder, scButtonDisabled, scButtonFocused, scButtonHot, scButtonNormal, scButtonPressed,
                   scCategoryButtons, scCategoryButtonsGradientBase, scCategoryButtonsGradientEnd,
                   scCategoryPanelGroup, scComboBox, scComboBoxDisabled, scEdit, scEditDisabled, scGrid,
                   scGenericBackground, scGenericGradientBase, scGenericGradientEnd, scHintGradientBase,
                   scHintGradientEnd, scListBox, scListBoxDisabled, scListView, scPanel, scPanelDisabled,
                   scSplitter, scToolBarGradientBase, scToolBarGradientEnd, scTreeView, scWindow };

class TCustomStyleServices {
public:
    // No style is in use: the system style, neither enabled nor available.
    bool Enabled() const { return false; }
    bool Available() const { return false; }
    bool IsSystemStyle() const { return true; }
    String Name() const { return "Windows"; }

    TThemedElementDetails GetElementDetails(TThemedButton detail) const;
    TThemedElementDetails GetElementDetails(TThemedComboBox detail) const;
    TThemedElementDetails GetElementDetails(TThemedEdit detail) const;
    TThemedElementDetails GetElementDetails(TThemedToolBar detail) const;
    TThemedElementDetails GetElementDetails(TThemedToolTip detail) const;
    TThemedElementDetails GetElementDetails(TThemedWindow detail) const;
    TThemedElementDetails GetElementDetails(TThemedPanel detail) const;
    TThemedElementDetails GetElementDetails(TThemedHeader detail) const;
    TThemedElementDetails GetElementDetails(TThemedProgress detail) const;
    TThemedElementDetails GetElementDetails(TThemedScrollBar detail) const;
    TThemedElementDetails GetElementDetails(TThemedSpin detail) const;
    TThemedElementDetails GetElementDetails(TThemedStatus detail) const;
    TThemedElementDetails GetElementDetails(TThemedTab detail) const;
    TThemedElementDetails GetElementDetails(TThemedTrackBar detail) const;
    TThemedElementDetails GetElementDetails(TThemedTreeview detail) const;
    TThemedElementDetails GetElementDetails(TThemedListview detail) const;
    TThemedElementDetails GetElementDetails(TThemedExplorerBar detail) const;

    // Without a style nothing is drawn or measured: each call reports failure and leaves its
    // results alone.
    bool DrawElement(HDC dc, const TThemedElementDetails& details, const TRect& r, const TRect* clip = nullptr);
    bool DrawParentBackground(HWND window, HDC dc, const TThemedElementDetails* details, bool onlyIfTransparent,
                              const TRect* r = nullptr);
    bool DrawText(HDC dc, const TThemedElementDetails& details, const String& text, TRect& r, Cardinal flags,
                  TColor color = clNone);
    bool GetTextExtent(HDC dc, const TThemedElementDetails& details, const String& text, Cardinal flags,
                       const TRect* bounds, TRect& extent);
    bool GetElementColor(const TThemedElementDetails& details, TElementColor which, TColor& color) const;
    bool GetElementSize(HDC dc, const TThemedElementDetails& details, TElementSize which, TSize& size) const;
    bool GetElementContentRect(HDC dc, const TThemedElementDetails& details, const TRect& bounds, TRect& content) const;
    bool HasTransparentParts(const TThemedElementDetails& details) const;
    // The system colour for a colour value (a clXxx system colour gives its desktop colour).
    TColor GetSystemColor(TColor color) const;
    // No style colours: clNone.
    TColor GetStyleColor(TStyleColor color) const;
    void ApplyThemeChange() {}
};

// The current style services (one for the process).
TCustomStyleServices& StyleServices();
// No custom style is ever active.
struct TStyleManager {
    static bool IsCustomStyleActive() { return false; }
    static String ActiveStyleName() { return "Windows"; }
};
