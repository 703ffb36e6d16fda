// The library's push button: owner drawing of face, glyph and caption, drop-down menu, auto-repeat
// and mouse tracking on top of the platform button's roles and keyboard.
#include "foundation/StyCustomButton.h"

#include "platform/classes/TypInfo.h"
#include "foundation/StyCont.h"
#include "foundation/StySysInfo.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/ImgList.h"

const TEnumTypeInfo& TypeInfoOf(TStyNormalButtonStyle)
{
    static const TEnumTypeInfo info("TStyNormalButtonStyle", {"nbsAutoDetect", "nbsWin31", "nbsWin40"});
    return info;
}

TClass TStyCustomButton::StaticClass()
{
    static const TMetaClass meta("TStyCustomButton", TButton::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(CN_DRAWITEM, &TStyCustomButton::CNDrawItem);
        m.OnMessage(CN_MEASUREITEM, &TStyCustomButton::CNMeasureItem);
        m.OnMessage(CM_MOUSEENTER, &TStyCustomButton::CMMouseEnter);
        m.OnMessage(CM_MOUSELEAVE, &TStyCustomButton::CMMouseLeave);
        m.OnMessage(CM_FONTCHANGED, &TStyCustomButton::CMFontChanged);
        m.OnMessage(WM_ERASEBKGND, &TStyCustomButton::WMEraseBkgnd);
        m.OnMessage(UM_THEMECHANGED, &TStyCustomButton::UMThemeChanged);
        m.OnMessage(CM_VISIBLECHANGED, &TStyCustomButton::CMVisibleChanged);
    });
    return &meta;
}

TStyCustomButton::TStyCustomButton(TComponent* AOwner)
    : TButton(AOwner),
      FButtonLayout(std::make_unique<TStyButtonLayout>(nullptr)),
      FFontFx(std::make_unique<TStyFxCaption>(nullptr)),
      FGlyph(std::make_unique<TStyGlyph>())
{
    FControlStyle.Include(csReplicatable);
    FGlyph->OnChange = TNotifyEvent(this, &TStyCustomButton::GlyphChanged);
    FGlyph->OnGetBitmap = [this](TObject* sender, TBitmap& b, bool& handled) { GetGlyphBitmap(sender, b, handled); };
    FButtonLayout->OnChange = TNotifyEvent(this, &TStyCustomButton::FontChanged);
    FFontFx->OnChange = TNotifyEvent(this, &TStyCustomButton::FontChanged);
    FChangeLink.OnChange = TNotifyEvent(this, &TStyCustomButton::ImageListChanged);
    SetBounds(Left(), Top(), 75, 25);
}

TStyCustomButton::~TStyCustomButton()
{
    StopRepeat();
    FGlyph->OnChange = TNotifyEvent();
    FGlyph->OnGetBitmap = nullptr;
    FButtonLayout->OnChange = TNotifyEvent();
    FFontFx->OnChange = TNotifyEvent();
    FChangeLink.OnChange = TNotifyEvent();
    FChangeLink.Link(nullptr);
}

void TStyCustomButton::CreateParams(TCreateParams& Params)
{
    TButton::CreateParams(Params);
    Params.Style |= BS_OWNERDRAW;
}

// ---- properties

void TStyCustomButton::SetButtonStyle(TStyUserButtonStyle value)
{
    if (value == FExtStyle) return;
    FExtStyle = value;
    const bool explorer = value == ubsFlatUnColored || value == ubsNavigator || value == ubsExplorer;
    FGlyph->SetStyle(explorer ? gsExplorer : gsStandard);
    Invalidate();
}

void TStyCustomButton::SetStyle(TStyNormalButtonStyle value)
{
    FStyle = value;
    SetButtonStyle(value == nbsWin31 ? ubsWin31 : ubsWin40);
}

void TStyCustomButton::SetNumGlyphs(Integer value)
{
    if (ComponentState().Contains(csLoading)) FloadingNumGlyphs = value & 0x7F;
    else FGlyph->SetNumGlyphs(value);
}

void TStyCustomButton::SetGlyphKind(TStyGlyphKind value)
{
    if (value != FGlyphKind) {
        FGlyphKind = value;
        if (value != gkCustom) {
            auto handler = FGlyph->OnChange;
            FGlyph->OnChange = TNotifyEvent();
            FGlyph->Glyph().OnChange = nullptr;
            FGlyph->Glyph().SetSize(0, 0);
            FGlyph->Glyph().OnChange = [this] { FGlyph->Changed(true); };
            FGlyph->OnChange = handler;
        }
    }
    FGlyph->Changed(true);
}

void TStyCustomButton::SetMultiLine(bool value)
{
    if (value == FMultiLine) return;
    FMultiLine = value;
    FontChanged(nullptr);
}

void TStyCustomButton::SetUseCaption(bool value)
{
    if (value == FUseCaption) return;
    FUseCaption = value;
    FontChanged(nullptr);
}

void TStyCustomButton::SetThemeMode(TStyThemeMode value)
{
    if (value == FThemeMode) return;
    FThemeMode = value;
    if (!FThemeGlobalMode) ThemeChanged();
}

void TStyCustomButton::SetParentThemeMode(bool value)
{
    if (value == FParentThemeMode) return;
    FParentThemeMode = value;
    ThemeChanged();
}

void TStyCustomButton::SetThemeGlobalMode(bool value)
{
    if (value == FThemeGlobalMode) return;
    FThemeGlobalMode = value;
    ThemeChanged();
}

void TStyCustomButton::SetDropDownMenu(TPopupMenu* value)
{
    if (value == FDropDown) return;
    if (FDropDown) FDropDown->RemoveFreeNotification(this);
    FDropDown = value;
    if (FDropDown) FDropDown->FreeNotification(this);
}

TStyThemeMode TStyCustomButton::EffectiveThemeMode() const { return UseTheme(FThemeMode); }

bool TStyCustomButton::isTransparentSet()
{
    return FExtStyle == ubsExplorer || FExtStyle == ubsExplorerColored || FExtStyle == ubsOfficeTransp || IsThemed();
}

bool TStyCustomButton::GetInterface(const TGUID& iid, void** obj)
{
    if (iid == IStyBackground::IID) return ProvideInterface<IStyBackground>(this, obj);
    return TButton::GetInterface(iid, obj);
}

bool TStyCustomButton::BackDrawArea(TCanvas& Canvas, const TRect& Dest, TPoint Src, Word)
{
    TBitmap* back = BackBitmap();
    if (!back) return false;
    const TPoint at = BackMapPoint(Src);
    Canvas.CopyRect(Dest, back->Canvas(), Bounds(at.X, at.Y, Dest.Width(), Dest.Height()));
    return true;
}

TPoint TStyCustomButton::BackMapPoint(TPoint P)
{
    TPoint result;
    MapPointToParentBack(this, P, result);
    return result;
}

void TStyCustomButton::SetImageList(TComponent* value)
{
    if (value != FImageList) {
        if (FImageList) FImageList->RemoveFreeNotification(this);
        FImageList = value;
        FChangeLink.Link(FImageList);
        if (FImageList) FImageList->FreeNotification(this);
        if (FImageList) {
            FGlyph->Glyph().OnChange = nullptr;
            FGlyph->Glyph().SetSize(0, 0);
            FGlyph->Glyph().OnChange = [this] { FGlyph->Changed(true); };
            FGlyphKind = gkCustom;
        }
    }
    FGlyph->Changed(true);
}

void TStyCustomButton::ImageListChanged(TObject*) { FGlyph->Changed(false); }

void TStyCustomButton::SetImageIndex(Integer value)
{
    if (value == FIndex) return;
    FIndex = value;
    if (FImageList) FGlyph->Changed(false);
}

void TStyCustomButton::SetListIndex(Integer value)
{
    if (value == FListIndex) return;
    FListIndex = value;
    if (FImageList) FGlyph->Changed(false);
}

void TStyCustomButton::ThemeChanged()
{
    if (!ComponentState().Contains(csLoading) && !ComponentState().Contains(csReading)) Invalidate();
}

// A rotated caption needs an outline font: turning the caption picks Arial for a bitmap font,
// and choosing a bitmap font for a turned caption sets it straight again.
void TStyCustomButton::FontChanged(TObject* Sender)
{
    if (ComponentState().Contains(csLoading)) return;
    const bool font = Sender == &Font(), fx = Sender == FFontFx.get();
    if (fx) SetParentFont(false);
    if ((font || fx) && FFontFx->Angle() != 0 && !FontIsTrueType(Font())) {
        if (fx) Font().SetName("Arial");
        else FFontFx->SetAngle(0);
        return;
    }
    Invalidate();
}

void TStyCustomButton::GlyphChanged(TObject*)
{
    if (!FGlyph->Glyph().Empty()) {
        FImageList = nullptr;
        FGlyphKind = gkCustom;
    }
    Invalidate();
}

// The picture when the glyph has none: the image list's image, else the standard glyph.
void TStyCustomButton::GetGlyphBitmap(TObject*, TBitmap& B, bool& AHandled)
{
    if (!FGlyph->Glyph().Empty()) return;
    if (FImageList && ImageListValidItem(FImageList, FListIndex, FIndex)) {
        GetImageListBitmap(FImageList, FListIndex, FIndex, clNone, &B);
        AHandled = true;
    } else if (FGlyphKind != gkCustom) {
        LoadStandardGlyph(&B, FGlyphKind);
        AHandled = true;
    }
}

// ---- streaming

void TStyCustomButton::DefineProperties(TFiler* Filer)
{
    TButton::DefineProperties(Filer);
    // A list of the global container is written as its reference, not by name.
    Filer->DefineProperty(
        "Internal", [this](TReader* r) { SetImageList(dynamic_cast<TComponent*>(ReadGlobalListRef(*r))); },
        [this](TWriter* w) { WriteGlobalListRef(*w, FImageList); }, IsGlobalImageList(FImageList));
    // Properties of older forms, read and never written.
    Filer->DefineProperty(
        "Style",
        [this](TReader* r) {
            const String ident = r->ReadIdent();
            if (ident == String("nbsWin31")) SetButtonStyle(ubsWin31);
            else if (ident == String("nbsAutoDetect") || ident == String("nbsWin40")) SetButtonStyle(ubsWin40);
        },
        nullptr, false);
    Filer->DefineProperty(
        "ExtStyle",
        [this](TReader* r) {
            TStyUserButtonStyle style = FExtStyle;
            bool xp = CtlXP();
            ReadButtonStyleIdent(r->ReadIdent(), style, xp);
            SetButtonStyle(style);
            if (xp != CtlXP()) SetCtlXP(xp);
        },
        nullptr, false);
    Filer->DefineProperty("CtlXP", [this](TReader* r) { SetCtlXP(r->ReadBoolean()); }, nullptr, false);
}

void TStyCustomButton::Loaded()
{
    TButton::Loaded();
    FGlyph->SetNumGlyphs(FloadingNumGlyphs);
}

void TStyCustomButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TButton::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FDropDown) FDropDown = nullptr;
    if (AComponent == FImageList) SetImageList(nullptr);
}

// ---- drawing

bool TStyCustomButton::IsFocused()
{
    if (Focused()) return true;
    if (!Default()) return false;
    TCustomForm* form = GetParentForm(this);
    return !form || !dynamic_cast<TButton*>(form->ActiveControl());
}

TColor TStyCustomButton::GetTextColor() const { return Font().Color(); }

void TStyCustomButton::CNDrawItem(TMessage& message)
{
    DrawItem(*reinterpret_cast<const TDrawItemStruct*>(message.LParam));
    message.Result = 1;
}

void TStyCustomButton::CNMeasureItem(TMessage& message)
{
    auto* item = reinterpret_cast<TMeasureItemStruct*>(message.LParam);
    item->itemWidth = static_cast<Cardinal>(Width());
    item->itemHeight = static_cast<Cardinal>(Height());
    message.Result = 1;
}

void TStyCustomButton::DrawItem(const TDrawItemStruct& DrawItemStruct)
{
    TCanvas& canvas = *DrawItemStruct.hDC;
    TRect r = ClientRect();
    if (!Enabled()) FState = bsDisabledUp;
    else if (DrawItemStruct.itemState & ODS_SELECTED) FState = bsDown;
    else if (FMouseOver) FState = bsMouseOver;
    else FState = bsUp;

    Word flags = IsFocused() && Enabled() ? 3 : 1;
    if (DrawItemStruct.itemState & ODS_FOCUS) flags |= bfDefault;
    if (FMouseOver) flags |= bfHot;
    const TStyThemeMode mode = EffectiveThemeMode();
    if (mode != ttmNone) flags |= bfThemed;

    if (isTransparentSet() && !(BackBitmapCheck() && BackDrawArea(canvas, r, Point(0, 0), 0))) {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(ClientRect());
    }
    DrawButtonFace(canvas, FMouseOver, r, FExtStyle, FState, flags, Color(), mode);

    if (FExtStyle != ubsCombo) {
        canvas.Font().Assign(&Font());
        canvas.Font().SetColor(GetTextColor());
        DrawCaption(canvas, r, 0);
    } else if (mode == ttmNone) {
        TStyButtonLayout layout(nullptr);
        layout.SetArrow(true);
        layout.SetArrowSize(4);
        layout.SetArrowIndent(-1);
        if (FState == bsMouseOver) layout.SetArrowColor(clHighlightText);
        TStyDrawTextStyles styles{Enabled() ? dtEnabled : dtDisabled, dt3DDisabled};
        TStyGlyphTransparency none;
        DrawGlyphAndText(canvas, String(), nullptr, r, nullptr, &layout, false, false, none, styles, 0);
    }
}

void TStyCustomButton::DrawCaption(TCanvas& aCanvas, TRect R, Cardinal flags)
{
    TStyDrawTextStyles styles{Enabled() ? dtEnabled : dtDisabled, dt3DDisabled};
    FGlyph->DrawButtonGlyphAndText(aCanvas, FUseCaption ? Caption() : String(), FFontFx.get(), R, FState,
                                   FButtonLayout.get(), styles, FMultiLine, flags);
}

void TStyCustomButton::WMEraseBkgnd(TMessage& message)
{
    if (isTransparentSet()) {
        message.Result = 1;
        return;
    }
    InheritedMessage(StaticClass(), message);
}

void TStyCustomButton::UMThemeChanged(TMessage&) { ThemeChanged(); }

void TStyCustomButton::CMFontChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    FontChanged(&Font());
}

void TStyCustomButton::CMVisibleChanged(TMessage& message)
{
    if (!message.WParam) {
        FMouseOver = false;
        StopRepeat();
    }
    InheritedMessage(StaticClass(), message);
}

void TStyCustomButton::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    const TRect before = BoundsRect();
    TButton::SetBounds(ALeft, ATop, AWidth, AHeight);
    TStyBoundsChangeStates states;
    if (Left() != before.Left || Top() != before.Top) states.Include(bcPos);
    if (Width() != before.Width() || Height() != before.Height()) states.Include(bcSize);
    if (!states.IsEmpty() && !ComponentState().Contains(csLoading)) BoundsChanged(states);
}

// ---- mouse, repeat and drop-down

void TStyCustomButton::CMMouseEnter(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (message.LParam || ComponentState().Contains(csDesigning) || FMouseOver) return;
    FMouseOver = true;
    Invalidate();
}

void TStyCustomButton::CMMouseLeave(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (message.LParam || ComponentState().Contains(csDesigning)) return;
    if (OnMouseExit) OnMouseExit(this);
    if (FMouseOver) {
        FMouseOver = false;
        FState = bsUp;
        Invalidate();
    }
    if (FHideHint) Application->CancelHint();
}

void TStyCustomButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TButton::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !FRepeatedClick || FTimerID) return;
    FTimerID = std::make_unique<TStyTimer>(FRepeatDelay, TNotifyEvent(this, &TStyCustomButton::RepeatTimerTick), true,
                                           FUseGlobalTimer);
}

void TStyCustomButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TButton::MouseUp(Button, Shift, X, Y);
    if (FRepeatedClick) StopRepeat();
}

void TStyCustomButton::StopRepeat()
{
    if (!FTimerID) return;
    FTimerID->OnTimer = TNotifyEvent();
    FTimerID->SetEnabled(false);
    FTimerID.reset();
}

// The held button shows pushed only while the mouse is over it: off it, the repeats pause.
void TStyCustomButton::RepeatTimerTick(TObject*)
{
    if (Perform(BM_GETSTATE) & BST_PUSHED) RepeatClick();
}

void TStyCustomButton::RepeatClick()
{
    FTimerID->SetInterval(FRepeatInterval);
    Click();
}

void TStyCustomButton::Click()
{
    if (FDropDown && !FDropped) {
        if (OnClick) OnClick(this);
        DropDown();
        return;
    }
    TButton::Click();
}

void TStyCustomButton::DropDown()
{
    if (!FDropDown || FDropped) return;
    if (!IsFocused() && CanFocus()) SetFocus();
    Perform(BM_SETSTATE, 1);
    Repaint();
    FDropped = true;
    if (OnDropDown) OnDropDown(this);
    const TPoint at = FDropDownRight ? ClientToScreen(Point(Width(), FDropDownIndent))
                                     : ClientToScreen(Point(FDropDownIndent, Height()));
    FDropDown->Popup(at.X, at.Y);
    if (GetCaptureControl()) GetCaptureControl()->Perform(WM_CANCELMODE);
    FDropped = false;
    FState = bsUp;
    Perform(BM_SETSTATE, 0);
}

// ---------------------------------------------------------------- actions
void TStyCustomButton::ActionChange(TObject* Sender, bool CheckDefaults)
{
    TButton::ActionChange(Sender, CheckDefaults);
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action) return;
    const bool noPicture = FGlyph->Glyph().Empty() && !ImageListValidItem(FImageList, FListIndex, FIndex) &&
                           FGlyphKind == gkCustom;
    if (!CheckDefaults || (noPicture && !FImageList))
        SetImageList(action->ActionList() ? action->ActionList()->Images() : nullptr);
    if (!CheckDefaults || FIndex == 0) SetImageIndex(action->ImageIndex());
}

TControl::TControlActionLinkClass TStyCustomButton::GetActionLinkClass() const
{
    return &TControlActionLink::Make<TButtonActionLink>;
}

bool TStyCustomButton::IsImageListStored() const
{
    auto* link = static_cast<TButtonActionLink*>(ActionLink());
    return OwnImageList() && !(link && link->IsImageListLinked());
}

bool TStyCustomButton::IsImageIndexStored() const
{
    auto* link = static_cast<TButtonActionLink*>(ActionLink());
    return OwnImageList() && !(link && link->IsImageIndexLinked());
}

IMPLEMENT_CLASS(TButtonActionLink, TWinControlActionLink, nullptr)

TButtonActionLink::TButtonActionLink(TControl* AClient)
    : TWinControlActionLink(AClient), FClient(static_cast<TStyCustomButton*>(AClient))
{
}

TCustomImageList* TButtonActionLink::ActionImageList() const
{
    auto* action = dynamic_cast<TContainedAction*>(FAction);
    return action && action->ActionList() ? action->ActionList()->Images() : nullptr;
}

bool TButtonActionLink::IsImageIndexLinked() const
{
    return TWinControlActionLink::IsImageIndexLinked() && FClient->ImageIndex() == CustomAction()->ImageIndex();
}

bool TButtonActionLink::IsImageListLinked() const
{
    return IsImageIndexLinked() && static_cast<TComponent*>(ActionImageList()) == FClient->ImageList();
}

void TButtonActionLink::SetImageIndex(Integer Value)
{
    if (IsImageIndexLinked()) FClient->SetImageIndex(Value);
}
