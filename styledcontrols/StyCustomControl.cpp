// The windowed bases: theme mode, transparency and opaque style, backgrounds, borders on the
// window's frame, focus follow-ups, the face controller link and moving and sizing.
#include "styledcontrols/StyCustomControl.h"

#include "foundation/StyClass.h"
#include "foundation/StyGraph.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "foundation/intfStyBase.h"

TStyThemeMode ResolveThemeMode(TControl* Control, bool ParentThemeMode, bool ThemeGlobalMode, TStyThemeMode Own)
{
    TStyThemeMode mode = Own;
    const TPropInfo* parentMode =
        ParentThemeMode && Control->Parent() ? GetPropInfo(Control->Parent(), "ThemeMode") : nullptr;
    if (parentMode && parentMode->GetOrd) mode = static_cast<TStyThemeMode>(parentMode->GetOrd(Control->Parent()));
    else if (ThemeGlobalMode) mode = StyApplication()->ThemeGlobalMode();
    return UseTheme(mode);
}

Integer BorderHitTest(TPoint P, TRect R, Integer Width)
{
    R = Rect(R.Left + Width, R.Top + Width, R.Right - Width, R.Bottom - Width);
    if (P.Y > R.Bottom) return P.X > R.Right ? HTBOTTOMRIGHT : P.X < R.Left ? HTBOTTOMLEFT : HTBOTTOM;
    if (P.Y < R.Top) return P.X > R.Right ? HTTOPRIGHT : P.X < R.Left ? HTTOPLEFT : HTTOP;
    return P.X > R.Right ? HTRIGHT : P.X < R.Left ? HTLEFT : 0;
}

// ---------------------------------------------------------------- TStyBaseCustomControl

TClass TStyBaseCustomControl::StaticClass()
{
    static const TMetaClass meta("TStyBaseCustomControl", TCustomControl::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(CM_MOUSEENTER, &TStyBaseCustomControl::CMMouseEnter);
        m.OnMessage(CM_MOUSELEAVE, &TStyBaseCustomControl::CMMouseLeave);
        TPublished<TStyBaseCustomControl>(&m)
            .Property("About", &TStyBaseCustomControl::About, &TStyBaseCustomControl::SetAbout)
            .Stored(false)
            .Property("OnMouseEnter", &TStyBaseCustomControl::OnMouseEnter)
            .Property("OnMouseExit", &TStyBaseCustomControl::OnMouseExit);
    });
    return &meta;
}

TStyBaseCustomControl::TStyBaseCustomControl(TComponent* AOwner) : TCustomControl(AOwner) {}

void TStyBaseCustomControl::EndUpdate(bool Repaint)
{
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount == 0 && Repaint) ObjectChanged(nullptr);
}

void TStyBaseCustomControl::ObjectChanged(TObject*)
{
    if (FNeedInvalidate) Invalidate();
}

// Only the control's own enter and leave; those of its children pass through it.
void TStyBaseCustomControl::CMMouseEnter(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (!message.LParam) DoMouseEnter();
}

void TStyBaseCustomControl::CMMouseLeave(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (!message.LParam) DoMouseExit();
}

// ---------------------------------------------------------------- TStyCustomControl

TClass TStyCustomControl::StaticClass()
{
    static const TMetaClass meta("TStyCustomControl", TStyBaseCustomControl::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(WM_ERASEBKGND, &TStyCustomControl::WMEraseBkgnd);
        m.OnMessage(WM_SETFOCUS, &TStyCustomControl::WMSetFocus);
        m.OnMessage(WM_KILLFOCUS, &TStyCustomControl::WMKillFocus);
        m.OnMessage(WM_NCHITTEST, &TStyCustomControl::WMNCHitTest);
        m.OnMessage(WM_MOVE, &TStyCustomControl::WMMove);
        m.OnMessage(WM_SIZE, &TStyCustomControl::WMSize);
        m.OnMessage(UM_THEMECHANGED, &TStyCustomControl::UMThemeChanged);
        m.OnMessage(WM_THEMECHANGED, &TStyCustomControl::WMThemeChanged);
        m.OnMessage(UM_OPAQUECHANGED, &TStyCustomControl::UMOpaqueChanged);
        m.OnMessage(UM_BACKCHANGED, &TStyCustomControl::UMBackChanged);
        m.OnMessage(UM_AFTERENTER, &TStyCustomControl::UMAfterEnter);
        m.OnMessage(UM_AFTEREXIT, &TStyCustomControl::UMAfterExit);
        m.OnMessage(CM_ENABLEDCHANGED, &TStyCustomControl::CMEnabledChanged);
        m.OnMessage(CM_STYLECHANGED, &TStyCustomControl::CMStyleChanged);
        m.OnMessage(CM_SYSCOLORCHANGE, &TStyCustomControl::CMSysColorChange);
        TPublished<TStyCustomControl>(&m)
            .Property("ThemeMode", &TStyCustomControl::ThemeMode, &TStyCustomControl::SetThemeMode)
            .Default(ttmPlatform)
            .Property("ThemeGlobalMode", &TStyCustomControl::ThemeGlobalMode, &TStyCustomControl::SetThemeGlobalMode)
            .Default(false)
            .Property("ParentThemeMode", &TStyCustomControl::ParentThemeMode, &TStyCustomControl::SetParentThemeMode)
            .Default(true)
            .Property("Flat", &TStyCustomControl::Flat, &TStyCustomControl::SetFlat).Default(false)
            .Property("Transparent", &TStyCustomControl::Transparent, &TStyCustomControl::SetTransparent)
            .Default(false)
            .Property("ImageIndex", &TStyCustomControl::ImageIndex, &TStyCustomControl::SetImageIndex).Default(0)
            .Property("ListIndex", &TStyCustomControl::ListIndex, &TStyCustomControl::SetListIndex).Default(0)
            .Property("ImageList", &TStyCustomControl::ImageList, &TStyCustomControl::SetImageList)
            .Stored([](const TStyCustomControl* c) { return !IsGlobalImageList(c->ImageList()); })
            .Property("FaceController", &TStyCustomControl::FaceController, &TStyCustomControl::SetFaceController)
            .Property("BackFX", &TStyCustomControl::BackFX, &TStyCustomControl::SetBackFX)
            .Property("OnAfterEnter", &TStyCustomControl::OnAfterEnter)
            .Property("OnAfterExit", &TStyCustomControl::OnAfterExit)
            .Property("Color").Default(clBtnFace);
    });
    return &meta;
}

const TEnumTypeInfo& TypeInfoOf(TStyThemeMode)
{
    static const TEnumTypeInfo info("TStyThemeMode", {"ttmNone", "ttmPlatform", "ttmNative"});
    return info;
}

TStyCustomControl::TStyCustomControl(TComponent* AOwner)
    : TStyBaseCustomControl(AOwner), FBackFX(std::make_unique<TStyBitmapEffectObject>())
{
    BeginUpdate();
    SetColor(clBtnFace);
    SetBounds(Left(), Top(), 100, 40);
    SetTabStop(false);
    EndUpdate(false);
    FChangeLink.OnChange = TNotifyEvent(this, &TStyCustomControl::ObjectChanged);
    FBackFX->OnChange = TNotifyEvent(this, &TStyCustomControl::ObjectChanged);
    FControlStyle.Exclude(csOpaque);
    FControlStyle.Include(csParentBackground);
    UpdateOpaque();   // an opaque control paints all its pixels
}

TStyCustomControl::~TStyCustomControl()
{
    Destroying();
    SetFaceController(nullptr);
    FBackFX->OnChange = TNotifyEvent();
    FChangeLink.Link(nullptr);
}

bool TStyCustomControl::GetInterface(const TGUID& iid, void** obj)
{
    if (iid == IStyFaceController::IID) return ProvideInterface<IStyFaceController>(this, obj);
    if (iid == IStyBackground::IID) return ProvideInterface<IStyBackground>(this, obj);
    return TStyBaseCustomControl::GetInterface(iid, obj);
}

// ---- theme

TStyThemeMode TStyCustomControl::EffectiveThemeMode()
{
    return ResolveThemeMode(this, FParentThemeMode, FThemeGlobalMode, FThemeMode);
}

void TStyCustomControl::SetThemeMode(TStyThemeMode Value)
{
    if (FThemeMode == Value) return;
    FThemeMode = Value;
    if (!FThemeGlobalMode) ThemeChanged();
}

void TStyCustomControl::SetThemeGlobalMode(bool Value)
{
    if (FThemeGlobalMode == Value) return;
    FThemeGlobalMode = Value;
    ThemeChanged();
}

void TStyCustomControl::SetParentThemeMode(bool Value)
{
    if (FParentThemeMode == Value) return;
    FParentThemeMode = Value;
    ThemeChanged();
}

void TStyCustomControl::SetCtlXP(bool Value)
{
    if (CtlXP() != Value) SetThemeMode(Value ? ttmPlatform : ttmNone);
}

void TStyCustomControl::ThemeChanged()
{
    if (ComponentState().Contains(csDesigning)) return;
    UpdateOpaque();
    Invalidate();
    for (Integer i = 0; i < ControlCount(); ++i) Controls(i)->Perform(UM_THEMECHANGED);
}

// ---- look

bool TStyCustomControl::UpdateOpaque()
{
    const bool opaque = !(FTransparent || (IsThemed() && ParentBackground()));
    if (opaque == FControlStyle.Contains(csOpaque)) return false;
    if (opaque) FControlStyle.Include(csOpaque);
    else FControlStyle.Exclude(csOpaque);
    return true;
}

void TStyCustomControl::SetTransparent(bool Value)
{
    if (FTransparent == Value) return;
    FTransparent = Value;
    if (UpdateOpaque()) Perform(UM_OPAQUECHANGED);
}

void TStyCustomControl::SetParentBackground(bool Value)
{
    if (ParentBackground() == Value) return;
    TStyBaseCustomControl::SetParentBackground(Value);
    if (UpdateOpaque() && !IsUpdating()) Perform(UM_OPAQUECHANGED);
}

void TStyCustomControl::SetFlat(bool Value)
{
    if (FFlat == Value) return;
    FFlat = Value;
    FlatChanged();
    if (FFlat) DrawFlatBorder();
    else DrawNormalBorder();
}

void TStyCustomControl::SetShowGrip(bool Value)
{
    if (FShowGrip == Value) return;
    FShowGrip = Value;
    Invalidate();
}

void TStyCustomControl::SetFaceController(TStyFaceController* Value)
{
    if (FFaceController == Value) return;
    if (FFaceController) {
        FFaceController->UnregisterControl(this);
        FFaceController->RemoveFreeNotification(this);
    }
    FFaceController = Value;
    if (FFaceController) {
        FFaceController->FreeNotification(this);
        FFaceController->RegisterControl(this);
    }
    const TComponentState state = ComponentState();
    if (!state.Contains(csLoading) && !state.Contains(csReading) && !state.Contains(csDestroying)) Invalidate();
}

void TStyCustomControl::TellFaceController()
{
    if (FFaceController) FFaceController->StateChanged(this);
}

// ---- image list

void TStyCustomControl::SetImageList(TComponent* Value)
{
    if (FImageList == Value) return;
    if (FImageList) FImageList->RemoveFreeNotification(this);
    FImageList = Value;
    FChangeLink.Link(Value);
    if (FImageList) FImageList->FreeNotification(this);
    ImageListChanged();
}

void TStyCustomControl::SetIndex(Integer Index, Integer Value)
{
    Integer& field = Index == 0 ? FIndex : FListIndex;
    if (Value < 0 || field == Value) return;
    field = Value;
    if (FImageList) ImageListChanged();
}

bool TStyCustomControl::IMLEmpty() { return !FImageList || !ImageListValidItem(FImageList, FListIndex, FIndex); }

void TStyCustomControl::ImageListChanged() { ObjectChanged(nullptr); }

void TStyCustomControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TStyBaseCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImageList) SetImageList(nullptr);
    if (AComponent == FFaceController) FFaceController = nullptr;
    if (AComponent == FBackFX->AlphaBlend()->ImageList() && !ComponentState().Contains(csDestroying))
        FBackFX->AlphaBlend()->SetImageList(nullptr);
}

void TStyCustomControl::Loaded()
{
    TStyBaseCustomControl::Loaded();
    if (IsGlobalImageList(FImageList)) ImageListChanged();
}

void TStyCustomControl::DefineProperties(TFiler* Filer)
{
    TStyBaseCustomControl::DefineProperties(Filer);
    Filer->DefineProperty(
        "Internal", [this](TReader* r) { SetImageList(dynamic_cast<TComponent*>(ReadGlobalListRef(*r))); },
        [this](TWriter* w) { WriteGlobalListRef(*w, FImageList); }, IsGlobalImageList(FImageList));
    // older forms stored the platform look as a Boolean
    Filer->DefineProperty("CtlXP", [this](TReader* r) { SetCtlXP(r->ReadBoolean()); }, nullptr, false);
}

// ---- effective appearance

TFont& TStyCustomControl::EffectiveFont()
{
    if (FFaceController)
        if (TFont* f = FFaceController->GetFont(this)) return *f;
    return Font();
}

TSty3DCaption* TStyCustomControl::EffectiveFont3D() { return FFaceController ? FFaceController->GetFont3D(this) : nullptr; }

bool TStyCustomControl::EffectiveTransparent()
{
    return FFaceController ? FFaceController->GetTransparent(this) : FTransparent;
}

bool TStyCustomControl::EffectiveBorderCtlXP()
{
    return FFaceController ? FFaceController->GetBorderCtlXP(this) : CtlXP();
}

TColor TStyCustomControl::EffectiveBackColor()
{
    return FFaceController ? FFaceController->GetBackColor(this) : Color();
}

TStyFillObject* TStyCustomControl::EffectiveFillObject()
{
    return FFaceController ? FFaceController->GetFillObject(this) : nullptr;
}

TStyBitmapEffectObject* TStyCustomControl::EffectiveBackFX()
{
    if (FFaceController)
        if (TStyBitmapEffectObject* fx = FFaceController->GetBackFX(this)) return fx;
    return FBackFX.get();
}

bool TStyCustomControl::EffectiveBorderCtl3D()
{
    return FFaceController ? FFaceController->GetBorderCtl3D(this) : Ctl3D();
}

TStyBevel* TStyCustomControl::EffectiveBevel() { return FFaceController ? FFaceController->GetBevel(this) : nullptr; }

bool TStyCustomControl::UsesParentBack() { return EffectiveTransparent() && BackBitmapCheck(); }

// ---- background

TBitmap* TStyCustomControl::BackBitmap() { return BackBitmapCheck() ? GetParentBackBitmap(this) : nullptr; }

bool TStyCustomControl::BackBitmapCheck() { return ParentBackBitmapCheck(this); }

bool TStyCustomControl::BackDrawArea(TCanvas&, const TRect&, TPoint, Word) { return false; }

void TStyCustomControl::BackUpdate()
{
    const TComponentState state = ComponentState();
    if (state.Contains(csLoading) || state.Contains(csDestroying)) return;
    EffectiveBackFX()->DestroyBuffer();
    Invalidate();
    for (Integer i = 0; i < ControlCount(); ++i) {
        void* obj = nullptr;
        if (StySupports(Controls(i), IStyBackground::IID, &obj)) static_cast<IStyBackground*>(obj)->BackUpdate();
    }
}

void TStyCustomControl::CreateParams(TCreateParams& Params)
{
    TStyBaseCustomControl::CreateParams(Params);
    Params.Style |= WS_CLIPCHILDREN;
    Params.WindowClassStyle &= ~(CS_VREDRAW | CS_HREDRAW);
}

void TStyCustomControl::WMEraseBkgnd(TMessage& message)
{
    if (IsThemed() && !FControlStyle.Contains(csOpaque)) {
        auto* canvas = reinterpret_cast<TCanvas*>(message.WParam);
        if (canvas) StyThemeServices().DrawThemeParentBackground(EffectiveThemeMode(), this, canvas, nullptr);
        message.Result = 1;
        return;
    }
    if (UsesParentBack()) {
        message.Result = 1;   // Paint draws the background
        return;
    }
    InheritedMessage(StaticClass(), message);
}

void TStyCustomControl::Paint()
{
    if (ComponentState().Contains(csLoading)) return;
    PaintBackground();
    if (!ComponentState().Contains(csDesigning)) {
        DrawFlatBorder();
    } else if (ShowDesignFrame()) {
        TCanvas& c = Canvas();
        c.Pen().SetColor(clBtnShadow);
        c.Pen().SetStyle(TPenStyle::psDash);
        c.Brush().SetStyle(TBrushStyle::bsClear);
        c.Rectangle(Rect(0, 0, Width(), Height()));
    }
}

void TStyCustomControl::PaintBackground()
{
    if (IsThemed() && ParentBackground()) return;
    if (UsesParentBack() && BackDrawArea(Canvas(), ClientRect(), Point(0, 0), 0)) return;
    Canvas().FillRectColor(ClientRect(), EffectiveBackColor());
}

void TStyCustomControl::FillBackRect(const TRect& R)
{
    if (IsThemed()) return;
    if (UsesParentBack() && BackDrawArea(Canvas(), R, R.TopLeft(), 0)) return;
    Canvas().FillRectColor(R, Color());
}

// ---- borders on the window's frame

void TStyCustomControl::DrawThemedBorder(TStyThemeMode Theme, TCanvas& Canvas, const TRect& R)
{
    TThemedEdit detail = teEditTextNormal;
    if (!Enabled()) detail = teEditTextDisabled;
    else if (IsReadOnlyState()) detail = teEditTextReadOnly;
    else if (FMouseAbove) detail = teEditTextHot;
    else if (Focused()) detail = teEditTextFocused;
    StyThemeServices().DrawElement(Theme, &Canvas, CurrentStyleServices().GetElementDetails(detail), R, nullptr);
}

void TStyCustomControl::DrawNormalBorder()
{
    if (IsThemed()) {
        DrawThemedBorder(EffectiveThemeMode(), Canvas(), ClientRect());
        return;
    }
    HDC dc = GetWindowDC(this);
    if (!dc) return;
    TRect R = Rect(0, 0, Width(), Height());
    HBRUSH frame = GetSysColorBrush(COLOR_WINDOWFRAME), face = GetSysColorBrush(COLOR_BTNFACE);
    if (Ctl3D()) {
        TRect r1 = Rect(R.Left + 1, R.Top + 1, R.Right, R.Bottom);
        FrameRect(dc, &r1, frame);
        TRect r2 = Rect(R.Left, R.Top, R.Right - 1, R.Bottom - 1);
        FrameRect(dc, &r2, face);
        DrawEdge(dc, &R, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    } else {
        FrameRect(dc, &R, frame);
    }
    ReleaseDC(this, dc);
}

void TStyCustomControl::DrawFlatBorder()
{
    if (Focused() || !FFlat || FMouseAbove) return;
    if (IsThemed()) {
        DrawThemedBorder(EffectiveThemeMode(), Canvas(), ClientRect());
        return;
    }
    HDC dc = GetWindowDC(this);
    if (!dc) return;
    TRect R = Rect(0, 0, Width(), Height());
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    if (EffectiveBorderCtl3D()) {
        FrameRect(dc, &R, face);
        R = Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
    }
    FrameRect(dc, &R, face);
    ReleaseDC(this, dc);
}

// ---- focus and mouse

void TStyCustomControl::WMSetFocus(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    PostMessage(this, UM_AFTERENTER, 0, 0);
    if (FFaceController) {
        TellFaceController();
        ObjectChanged(nullptr);
    }
}

void TStyCustomControl::WMKillFocus(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    PostMessage(this, UM_AFTEREXIT, 0, 0);
    if (FFaceController) {
        TellFaceController();
        ObjectChanged(nullptr);
    }
}

void TStyCustomControl::DoEnter()
{
    TStyBaseCustomControl::DoEnter();
    FEntered = true;
    TellFaceController();
    if (FFlat || FFaceController) DrawNormalBorder();
}

void TStyCustomControl::DoExit()
{
    FEntered = false;
    TellFaceController();
    DrawFlatBorder();
    TStyBaseCustomControl::DoExit();
}

void TStyCustomControl::DoMouseEnter()
{
    if (FFaceController && !FInternalMouseAbove) {
        FMouseAbove = true;   // the controller asks for it
        TellFaceController();
        FInternalMouseAbove = true;
        Realign();
        ObjectChanged(nullptr);
        BackUpdate();
    }
    FMouseAbove = true;
}

void TStyCustomControl::DoMouseExit()
{
    FMouseAbove = false;
    if (!FEntered && FFlat && !FInternalMouseAbove) DrawFlatBorder();
    if (FFaceController) {
        TPoint p;
        GetCursorPos(&p);
        if (!ClientRect().Contains(ScreenToClient(p))) {
            TellFaceController();
            FInternalMouseAbove = false;
            Realign();
            ObjectChanged(nullptr);
            BackUpdate();
        }
    }
    TStyBaseCustomControl::DoMouseExit();
}

void TStyCustomControl::UMAfterEnter(TMessage&) { OnAfterEnter(this); }
void TStyCustomControl::UMAfterExit(TMessage&) { OnAfterExit(this); }

// ---- messages

void TStyCustomControl::UMThemeChanged(TMessage&) { ThemeChanged(); }

void TStyCustomControl::WMThemeChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (!ComponentState().Contains(csDesigning)) ThemeChanged();
}

void TStyCustomControl::UMOpaqueChanged(TMessage&)
{
    if (Visible() && HandleAllocated()) RecreateWnd();
}

void TStyCustomControl::UMBackChanged(TMessage&)
{
    if (!UsesParentBack()) return;
    for (Integer i = 0; i < ControlCount(); ++i) Controls(i)->Perform(UM_PARENTBACKCHANGED);
}

void TStyCustomControl::CMEnabledChanged(TMessage& message)
{
    TellFaceController();
    InheritedMessage(StaticClass(), message);
}

void TStyCustomControl::CMStyleChanged(TMessage&) {}

void TStyCustomControl::CMSysColorChange(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (!FTransparent) Invalidate();
}

void TStyCustomControl::DoMove() { OnMove(this); }

// Moving and sizing at run time: the frame band (or the grip) sizes, the move area moves.
void TStyCustomControl::WMNCHitTest(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (FLocked || ComponentState().Contains(csDesigning)) return;
    const TPoint P = ScreenToClient(Point(LoSmall(message.LParam), HiSmall(message.LParam)));
    if (FAllowSize && message.Result == HTCLIENT) {
        Integer hit = 0;
        if (FShowGrip) {
            TRect grip;
            GetGripRect(grip);
            if (P.X >= grip.Left && P.Y >= grip.Top) hit = HTBOTTOMRIGHT;
        } else {
            hit = BorderHitTest(P, ClientRect(), FBorderSense);
        }
        if (hit) {
            message.Result = hit;
            if (FAutoBring) BringToFront();
            return;
        }
    }
    if (Align() != alNone) return;
    TRect move;
    GetMoveRect(move);
    if (FAllowMove && move.Contains(P) && message.Result == HTCLIENT && (!FWindowed || !ControlAtPos(P, false, true))) {
        FMoving = true;
        MouseMove(TShiftState(), P.X, P.Y);
        message.Result = HTCAPTION;
        if (FAutoBring) BringToFront();
    }
}

void TStyCustomControl::WMMove(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (UsesParentBack()) {
        EffectiveBackFX()->DestroyBuffer();
        Invalidate();
    }
    if (FMoving) {
        FMoving = false;
        DoMove();
    }
}

void TStyCustomControl::WMSize(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    EffectiveBackFX()->DestroyBuffer();
    if (UsesParentBack()) BackUpdate();
    else Invalidate();
}
