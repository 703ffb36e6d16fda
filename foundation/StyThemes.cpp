// The theme service: mode resolution and the dispatch of every themed call to the platform's
// visual styles, the current renderer or nobody.
#include "foundation/StyThemes.h"

#include <algorithm>
#include <memory>

#include "foundation/StyClass.h"
#include "platform/graphics/GdiApi.h"

IMPLEMENT_CLASS(TStyThemeRenderer, TObject, nullptr)
IMPLEMENT_CLASS(TStyThemesControllerBase, TStyCustomComponent, nullptr)
IMPLEMENT_CLASS(TStyThemeServices, TObject, nullptr)

namespace {

[[noreturn]] void Abstract() { throw EAbstractError("Abstract Error"); }

// The class name of each element kind's theme data, as the platform's visual styles open it.
String ThemeClass(TThemedElement element)
{
    switch (element) {
    case teButton: return "BUTTON";
    case teComboBox: return "COMBOBOX";
    case teEdit: return "EDIT";
    case teHeader: return "HEADER";
    case teProgress: return "PROGRESS";
    case teScrollBar: return "SCROLLBAR";
    case teSpin: return "SPIN";
    case teStatus: return "STATUS";
    case teTab: return "TAB";
    case teToolBar: return "TOOLBAR";
    case teToolTip: return "TOOLTIP";
    case teTrackBar: return "TRACKBAR";
    case teTreeview: return "TREEVIEW";
    case teWindow: return "WINDOW";
    default: return "";
    }
}

// The theme handle the platform holds for an element kind; none while no visual style exists.
HTHEME ThemeHandle(TThemedElement element) { return OpenThemeData(nullptr, ThemeClass(element)); }

bool PlatformThemesInUse() { return StyleServices().Available() && IsAppThemed() && IsThemeActive(); }

}  // namespace

// ---- renderer base: every operation a real renderer must supply raises

bool TStyThemeRenderer::Enabled() const { Abstract(); }
void TStyThemeRenderer::SetEnabled(bool) { Abstract(); }
String TStyThemeRenderer::ActiveThemeName() const { Abstract(); }
String TStyThemeRenderer::ActiveColorSchemeName() const { Abstract(); }
TStyThemesControllerBase* TStyThemeRenderer::Controller() const
{
    throw Exception("TStyThemesRenderer.Controller method is not implemented!");
}
void TStyThemeRenderer::Init() { throw Exception("TStyThemesRenderer.Init method is not implemented!"); }
bool TStyThemeRenderer::ActivateColorScheme(const String&, bool) { Abstract(); }
bool TStyThemeRenderer::ActivateTheme(const String&, const String&) { Abstract(); }
bool TStyThemeRenderer::ActivateDefaultTheme(const String&, bool) { Abstract(); }
void TStyThemeRenderer::DeactivateTheme() { Abstract(); }
TRect TStyThemeRenderer::ContentRect(HDC, const TThemedElementDetails&, const TRect&) { Abstract(); }
bool TStyThemeRenderer::GetThemeBackgroundExtent(HDC, const TThemedElementDetails&, const TRect&, TRect&) { Abstract(); }
Cardinal TStyThemeRenderer::GetThemeColor(const TThemedElementDetails&, int) { Abstract(); }
bool TStyThemeRenderer::GetThemePartSize(HDC, const TThemedElementDetails&, TSize&) { Abstract(); }
Cardinal TStyThemeRenderer::GetThemeSysColor(TThemedElement, int) { Abstract(); }
int TStyThemeRenderer::GetThemeSysSize(TThemedElement, int) { Abstract(); }
bool TStyThemeRenderer::GetThemeTextExtent(HDC, const TThemedElementDetails&, const String&, int, Cardinal,
                                           const TRect*, TRect&)
{
    Abstract();
}
void TStyThemeRenderer::DrawElement(HDC, const TThemedElementDetails&, const TRect&, const TRect*) { Abstract(); }
void TStyThemeRenderer::DrawThemeParentBackground(HWND, HDC, const TRect*) { Abstract(); }
bool TStyThemeRenderer::DrawThemeEdge(HDC, const TThemedElementDetails&, const TRect*, Cardinal, Cardinal, TRect*)
{
    Abstract();
}
bool TStyThemeRenderer::DrawThemeText(HDC, const TThemedElementDetails&, const String&, int, Cardinal, Cardinal,
                                      const TRect*)
{
    Abstract();
}

// ---- controller base

TStyThemesControllerBase::TStyThemesControllerBase(TComponent* AOwner) : TStyCustomComponent(AOwner) {}

void TStyThemesControllerBase::SetEnabled(bool value)
{
    FEnabled = value;
    TStyThemeRenderer* renderer = GetThemeRenderer();
    if (!renderer) return;
    renderer->SetEnabled(value);
    if (value && !ComponentState().Contains(csDesigning))
        StyThemeServices().SelectThemeRenderer(renderer->GetThemeRendererName());
}

void TStyThemesControllerBase::RegisterController()
{
    throw Exception(ClassName() + ".RegisterController method undefined!");
}

void TStyThemesControllerBase::UnregisterController()
{
    throw Exception(ClassName() + ".UnregisterController method undefined!");
}

TStyThemeRenderer* TStyThemesControllerBase::GetThemeRenderer()
{
    throw Exception("TStyThemesControllerBase.GetThemeRenderer method is not implemented!");
}

void TStyThemesControllerBase::Notification(TComponent* AComponent, TOperation Operation)
{
    TStyCustomComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == this) UnregisterController();
    if (Operation == opInsert) RegisterController();
}

// ---- the service

TStyThemeServices::TStyThemeServices()
    : FHWND(AllocateHWnd(TWndMethod(this, &TStyThemeServices::WndProc))), FUseThemes(PlatformThemesInUse())
{
}

TStyThemeServices::~TStyThemeServices()
{
    DeallocateHWnd(FHWND);
    FAvailableRenderers.Clear();
}

void TStyThemeServices::SetSubstToolBarToButton(bool value)
{
    if (value == FSubstToolBarToButton) return;
    FSubstToolBarToButton = value;
    ApplyThemeChange();
}

TStyThemeMode TStyThemeServices::UseTheme(TStyThemeMode Value) const
{
    if (Value == ttmNative && FCurrentRenderer && FCurrentRenderer->Enabled()) return ttmNative;
    if (Value == ttmNone) return ttmNone;
    return StyApplication()->UseXPThemes() || TStyleManager::IsCustomStyleActive() ? ttmPlatform : ttmNone;
}

bool TStyThemeServices::ThemesEnabled(TStyThemeMode Value) const
{
    switch (Value) {
    case ttmNone: return true;
    case ttmPlatform: return FUseThemes;
    case ttmNative: return FCurrentRenderer && FCurrentRenderer->Enabled();
    }
    return false;
}

void TStyThemeServices::RegisterThemeRenderer(TStyThemeRenderer* aThemeRenderer)
{
    if (!aThemeRenderer) return;
    const String name = aThemeRenderer->GetThemeRendererName();
    FAvailableRenderers.AddObject(name, aThemeRenderer);
    if (!FCurrentRenderer) SelectThemeRenderer(name);
}

void TStyThemeServices::SelectThemeRenderer(const String& aRendererName)
{
    SelectThemeRenderer(FAvailableRenderers.IndexOf(aRendererName));
}

void TStyThemeServices::SelectThemeRenderer(int aRendererIndex)
{
    if (aRendererIndex < 0 || aRendererIndex >= FAvailableRenderers.Count()) return;
    auto* renderer = static_cast<TStyThemeRenderer*>(FAvailableRenderers.Objects(aRendererIndex));
    if (!renderer) return;
    FCurrentRenderer = renderer;
    renderer->ActivateDefaultTheme(String(), true);
    ApplyThemeChange();
}

bool TStyThemeServices::ActivateColorScheme(const String& AColorScheme)
{
    return FCurrentRenderer && FCurrentRenderer->ActivateColorScheme(AColorScheme, true);
}

bool TStyThemeServices::ActivateTheme(const String& AFileName, const String& AColorScheme)
{
    return FCurrentRenderer && FCurrentRenderer->ActivateTheme(AFileName, AColorScheme);
}

void TStyThemeServices::DeactivateTheme()
{
    if (!FCurrentRenderer) return;
    FCurrentRenderer->DeactivateTheme();
    ApplyThemeChange();
}

void TStyThemeServices::ApplyThemeChange() { StyApplication()->DoThemeChange(); }

void TStyThemeServices::WndProc(TMessage& message)
{
    if (message.Msg != WM_THEMECHANGED || !StyApplication()->UseXPThemes()) return;
    FSystemThemeIsChanging = true;
    StyleServices().ApplyThemeChange();
    StyApplication()->DoThemeChange();
    FSystemThemeIsChanging = false;
}

Cardinal TStyThemeServices::GetThemeColor(TStyThemeMode Theme, const TThemedElementDetails& Details, int iPropId)
{
    switch (UseTheme(Theme)) {
    case ttmPlatform: {
        TColor color = clNone;
        const auto which = static_cast<TElementColor>(static_cast<Byte>(iPropId - 3801));
        return StyleServices().GetElementColor(Details, which, color) ? color : clNone;
    }
    case ttmNative: return FCurrentRenderer->GetThemeColor(Details, iPropId);
    default: return clNone;
    }
}

Cardinal TStyThemeServices::GetThemeSysColor(TStyThemeMode Theme, TThemedElement Detail, int ColorID)
{
    switch (UseTheme(Theme)) {
    case ttmPlatform:
        if (ColorID == 5) return StyleServices().GetStyleColor(scEdit);
        return StyleServices().GetSystemColor(ColorID);
    case ttmNative: return FCurrentRenderer->GetThemeSysColor(Detail, ColorID);
    default: return clNone;
    }
}

bool TStyThemeServices::GetThemeTextExtent(TStyThemeMode Theme, HDC DC, const TThemedElementDetails& Details,
                                           const String& Text, int CharCount, Cardinal dwTextFlags,
                                           const TRect* BoundingRect, TRect& ExtentRect)
{
    switch (UseTheme(Theme)) {
    case ttmPlatform: {
        auto& services = StyleServices();
        if (!services.Enabled() || services.IsSystemStyle())
            return ::GetThemeTextExtent(ThemeHandle(Details.Element), DC, Details.Part, Details.State, Text,
                                        CharCount, dwTextFlags, BoundingRect, &ExtentRect) == 0;
        if (services.GetTextExtent(DC, Details, Text, dwTextFlags, BoundingRect, ExtentRect)) return true;
        TSize size;
        GetTextExtentPoint32W(DC, Text, Text.Length(), &size);
        ExtentRect = Rect(0, 0, size.cx, size.cy);
        if (BoundingRect) {
            OffsetRect(ExtentRect, BoundingRect->Left, BoundingRect->Top);
            ExtentRect.Right = std::min(ExtentRect.Right, BoundingRect->Right);
            ExtentRect.Bottom = std::min(ExtentRect.Bottom, BoundingRect->Bottom);
        }
        return true;
    }
    case ttmNative:
        return FCurrentRenderer->GetThemeTextExtent(DC, Details, Text, CharCount, dwTextFlags, BoundingRect,
                                                    ExtentRect);
    default: return false;
    }
}

void TStyThemeServices::DrawThemeParentBackground(TStyThemeMode Theme, HWND Wnd, HDC DC, const TRect* ARect)
{
    switch (UseTheme(Theme)) {
    case ttmPlatform: ::DrawThemeParentBackground(Wnd, DC, ARect); break;
    case ttmNative: FCurrentRenderer->DrawThemeParentBackground(Wnd, DC, ARect); break;
    default: break;
    }
}

bool TStyThemeServices::GetThemeBackgroundExtent(TStyThemeMode Theme, HDC DC, const TThemedElementDetails& Details,
                                                 const TRect& ContentRect, TRect& ExtentRect)
{
    switch (UseTheme(Theme)) {
    case ttmPlatform:
        return ::GetThemeBackgroundExtent(ThemeHandle(Details.Element), DC, Details.Part, Details.State,
                                          &ContentRect, &ExtentRect) == 0;
    case ttmNative: return FCurrentRenderer->GetThemeBackgroundExtent(DC, Details, ContentRect, ExtentRect);
    default: return false;
    }
}

bool TStyThemeServices::GetThemePartSize(TStyThemeMode Theme, HDC DC, const TThemedElementDetails& Details,
                                         TSize& size)
{
    switch (UseTheme(Theme)) {
    case ttmPlatform:
        return ::GetThemePartSize(ThemeHandle(Details.Element), DC, Details.Part, Details.State, nullptr, TS_TRUE,
                                  &size) == 0;
    case ttmNative: return FCurrentRenderer->GetThemePartSize(DC, Details, size);
    default: return false;
    }
}

bool TStyThemeServices::GetThemePartSizeNew(TStyThemeMode Theme, HDC DC, const TThemedElementDetails& Details,
                                            TSize& size)
{
    switch (UseTheme(Theme)) {
    case ttmPlatform: return StyleServices().GetElementSize(DC, Details, esActual, size);
    case ttmNative: return FCurrentRenderer->GetThemePartSize(DC, Details, size);
    default: return false;
    }
}

int TStyThemeServices::GetThemeSysSize(TStyThemeMode Theme, TThemedElement Detail, int iSizeId)
{
    switch (UseTheme(Theme)) {
    case ttmPlatform: return ::GetThemeSysSize(ThemeHandle(Detail), iSizeId);
    case ttmNative: return FCurrentRenderer->GetThemeSysSize(Detail, iSizeId);
    default: return 0;
    }
}

TRect TStyThemeServices::ContentRect(TStyThemeMode Theme, HDC DC, const TThemedElementDetails& Details,
                                     const TRect& BoundingRect)
{
    switch (UseTheme(Theme)) {
    case ttmPlatform: {
        TRect content;
        return StyleServices().GetElementContentRect(DC, Details, BoundingRect, content) ? content : BoundingRect;
    }
    case ttmNative: return FCurrentRenderer->ContentRect(DC, Details, BoundingRect);
    default: return BoundingRect;
    }
}

void TStyThemeServices::DrawElement(TStyThemeMode Theme, HDC DC, const TThemedElementDetails& Details, const TRect& R,
                                    const TRect* ClipRect)
{
    switch (UseTheme(Theme)) {
    case ttmPlatform: StyleServices().DrawElement(DC, Details, R, ClipRect); break;
    case ttmNative: FCurrentRenderer->DrawElement(DC, Details, R, ClipRect); break;
    default: break;
    }
}

bool TStyThemeServices::DrawThemeEdge(TStyThemeMode Theme, HDC DC, const TThemedElementDetails& Details,
                                      const TRect* pDestRect, Cardinal uEdge, Cardinal uFlags, TRect* pContentRect)
{
    switch (UseTheme(Theme)) {
    case ttmPlatform:
        return ::DrawThemeEdge(ThemeHandle(Details.Element), DC, Details.Part, Details.State, pDestRect, uEdge,
                               uFlags, pContentRect) == 0;
    case ttmNative: return FCurrentRenderer->DrawThemeEdge(DC, Details, pDestRect, uEdge, uFlags, pContentRect);
    default: return false;
    }
}

void TStyThemeServices::DrawThemeText(TStyThemeMode Theme, HDC DC, TThemedElementDetails Details, const String& Text,
                                      int CharCount, Cardinal Flags, Cardinal Flags2, TRect R)
{
    // A disabled tool-bar button's text is drawn as a button's, whatever the mode.
    if (FSubstToolBarToButton && Details.Element == teToolBar && Details.Part == 1 && Details.State == 4)
        Details.Element = teButton;
    switch (UseTheme(Theme)) {
    case ttmPlatform: {
        auto& services = StyleServices();
        if (services.Enabled() && !services.IsSystemStyle())
            services.DrawText(DC, Details, Text, R, Flags, clNone);
        else
            ::DrawThemeText(ThemeHandle(Details.Element), DC, Details.Part, Details.State, Text, CharCount, Flags,
                            Flags2, &R);
        break;
    }
    case ttmNative: FCurrentRenderer->DrawThemeText(DC, Details, Text, CharCount, Flags, Flags2, &R); break;
    default: break;
    }
}

TStyThemeServices& StyThemeServices()
{
    static const std::unique_ptr<TStyThemeServices> services = std::make_unique<TStyThemeServices>();
    return *services;
}

TStyThemeMode UseTheme(TStyThemeMode Value) { return StyThemeServices().UseTheme(Value); }
bool ThemesEnabled(TStyThemeMode Value) { return StyThemeServices().ThemesEnabled(Value); }

namespace {

struct TPartBases {
    TThemedElement Element;
    std::vector<int> Bases;   // base of part 1, 2, ...
};

const std::vector<TPartBases>& PartBaseTable()
{
    static const std::vector<TPartBases> table = {
        {teButton, {2, 8, 16}},
        {teComboBox, {2}},
        {teEdit, {2, 9}},
        {teHeader, {2, 5, 8, 11}},
        {teProgress, {2, 3, 4, 5}},
        {teScrollBar, {2, 22, 26, 30, 35, 40, 45, 50, 55, 60}},
        {teSpin, {2, 6, 10, 14}},
        {teStatus, {2, 3, 4}},
        {teTab, {2, 7, 12, 17, 22, 27, 32, 37, 42, 43}},
        {teToolBar, {2, 10, 18, 26, 34, 42}},
        {teTrackBar, {2, 3, 4, 9, 14, 19, 24, 29, 34, 35}},
    };
    return table;
}

}  // namespace

int GetDetailOrd(const TThemedElementDetails& Details)
{
    const int part = Details.Part, state = Details.State;
    int base = 0;
    switch (Details.Element) {
    case teComboBox:
        if (part == 0 && state == 4) return 5;
        break;
    case teHeader:
        if (part == 0 && state == 0) return 2;
        break;
    case teTreeview: base = part == 0 ? 1 : part == 1 ? 2 : part == 2 ? 8 : part == 3 ? 10 : 0; break;
    case teWindow:
        if (part != 19) return 0;
        base = 56;
        break;
    default: break;
    }
    bool known = Details.Element == teTreeview || Details.Element == teWindow;
    for (const TPartBases& row : PartBaseTable())
        if (row.Element == Details.Element) {
            known = true;
            if (part >= 1 && part <= static_cast<int>(row.Bases.size())) base = row.Bases[part - 1];
        }
    if (!known) return 0;
    return std::max(0, base + state - 1);
}

TThemedElementDetails GetDetails(TThemedElement aElement, int aDetail)
{
    // The element's enumeration value aDetail: its part and state are found by the same table.
    TThemedElementDetails best{aElement, 0, 0};
    for (int part = 0; part <= 60; ++part) {
        TThemedElementDetails d{aElement, part, 1};
        const int first = GetDetailOrd(d);
        if (first == 0 || first > aDetail) continue;
        if (first >= GetDetailOrd({aElement, best.Part, 1})) best = {aElement, part, aDetail - first + 1};
    }
    return best;
}
