// The windowless bases: update counter, theme mode, transparency, parent backgrounds, image
// lists, bounds-change events and the owned bevel.
#include "styledcontrols/StyGraphicControl.h"

#include "foundation/StyGraph.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "styledcontrols/StyCustomControl.h"

// ---------------------------------------------------------------- TStyBaseControl

TClass TStyBaseControl::StaticClass()
{
    static const TMetaClass meta("TStyBaseControl", TGraphicControl::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(CM_MOUSEENTER, &TStyBaseControl::CMMouseEnter);
        m.OnMessage(CM_MOUSELEAVE, &TStyBaseControl::CMMouseLeave);
        TPublished<TStyBaseControl>(&m)
            .Property("About", &TStyBaseControl::About, &TStyBaseControl::SetAbout)
            .Stored(false)
            .Property("OnMouseEnter", &TStyBaseControl::OnMouseEnter)
            .Property("OnMouseExit", &TStyBaseControl::OnMouseExit);
    });
    return &meta;
}

void TStyBaseControl::CMMouseEnter(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (!message.LParam && !ComponentState().Contains(csDesigning)) DoMouseEnter();
}

void TStyBaseControl::CMMouseLeave(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (!message.LParam && !ComponentState().Contains(csDesigning)) DoMouseExit();
}

void TStyBaseControl::Paint()
{
    if (ComponentState().Contains(csDesigning)) DrawDesignFrame();
}

void TStyBaseControl::DrawDesignFrame()
{
    TCanvas& c = Canvas();
    c.Pen().SetColor(clBlack);
    c.Pen().SetWidth(1);
    c.Pen().SetStyle(TPenStyle::psDash);
    c.Pen().SetMode(TPenMode::pmCopy);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Rectangle(Rect(0, 0, Width(), Height()));
}

void TStyBaseControl::FillClientRect() { Canvas().FillRectColor(ClientRect(), Color()); }

// ---------------------------------------------------------------- TStyBaseGraphicControl

TClass TStyBaseGraphicControl::StaticClass()
{
    static const TMetaClass meta("TStyBaseGraphicControl", TStyBaseControl::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(UM_THEMECHANGED, &TStyBaseGraphicControl::UMThemeChanged);
        m.OnMessage(WM_THEMECHANGED, &TStyBaseGraphicControl::WMThemeChanged);
        m.OnMessage(UM_OPAQUECHANGED, &TStyBaseGraphicControl::UMOpaqueChanged);
    });
    return &meta;
}

TStyBaseGraphicControl::TStyBaseGraphicControl(TComponent* AOwner)
    : TStyBaseControl(AOwner), FBackFX(std::make_unique<TStyBitmapEffectObject>())
{
    FControlStyle.Exclude(csOpaque);
    FControlStyle.Include(csReplicatable);
    FChangeLink.OnChange = TNotifyEvent(this, &TStyBaseGraphicControl::ObjectChanged);
    FBackFX->OnChange = TNotifyEvent(this, &TStyBaseGraphicControl::ObjectChanged);
    SetBounds(Left(), Top(), 30, 30);
}

TStyBaseGraphicControl::~TStyBaseGraphicControl()
{
    FBackFX->OnChange = TNotifyEvent();
    FChangeLink.Link(nullptr);
}

bool TStyBaseGraphicControl::GetInterface(const TGUID& iid, void** obj)
{
    if (iid == IStyBackground::IID) return ProvideInterface<IStyBackground>(this, obj);
    return TStyBaseControl::GetInterface(iid, obj);
}

void TStyBaseGraphicControl::EndUpdate(bool repaint)
{
    --FUpdateCount;
    if (FUpdateCount == 0 && repaint) ObjectChanged(nullptr);
}

TStyThemeMode TStyBaseGraphicControl::EffectiveThemeMode()
{
    return ResolveThemeMode(this, FParentThemeMode, FThemeGlobalMode, FThemeMode);
}

void TStyBaseGraphicControl::SetThemeMode(TStyThemeMode Value)
{
    if (FThemeMode == Value) return;
    FThemeMode = Value;
    if (!FThemeGlobalMode) ThemeChanged();
}

void TStyBaseGraphicControl::SetThemeGlobalMode(bool Value)
{
    if (FThemeGlobalMode == Value) return;
    FThemeGlobalMode = Value;
    ThemeChanged();
}

void TStyBaseGraphicControl::SetCtlXP(bool Value)
{
    if (CtlXP() != Value) SetThemeMode(Value ? ttmPlatform : ttmNone);
}

void TStyBaseGraphicControl::ThemeChanged()
{
    if (FThemeMode != ttmNone) Invalidate();
}

void TStyBaseGraphicControl::SetTransparent(bool Value)
{
    if (FTransparent == Value) return;
    if (Value) FControlStyle.Exclude(csOpaque);
    else FControlStyle.Include(csOpaque);
    FTransparent = Value;
    Perform(UM_OPAQUECHANGED);
}

void TStyBaseGraphicControl::SetImageList(TComponent* Value)
{
    if (FImageList == Value) return;
    if (FImageList) FImageList->RemoveFreeNotification(this);
    FChangeLink.Link(Value);
    FImageList = Value;
    if (FImageList) FImageList->FreeNotification(this);
    ImageListChanged();
}

void TStyBaseGraphicControl::SetIndex(Integer Index, Integer Value)
{
    Integer& field = Index == 0 ? FIndex : FListIndex;
    if (Value < (Index == 0 ? -1 : 0) || field == Value) return;
    field = Value;
    if (FImageList) ImageListChanged();
}

bool TStyBaseGraphicControl::IMLEmpty() { return !FImageList || !ImageListValidItem(FImageList, FListIndex, FIndex); }

bool TStyBaseGraphicControl::UsesParentBack() { return FTransparent && ParentBackBitmapCheck(this); }

void TStyBaseGraphicControl::ObjectChanged(TObject*)
{
    const TComponentState state = ComponentState();
    if (FUpdateCount > 0 || state.Contains(csLoading) || state.Contains(csReading) || state.Contains(csDestroying))
        return;
    RepaintControl();
}

void TStyBaseGraphicControl::RepaintControl()
{
    if (IsUpdating() || !Parent() || !Parent()->HandleAllocated()) return;
    if (FTransparent) Invalidate();
    else Repaint();
}

void TStyBaseGraphicControl::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    const TRect old = BoundsRect();
    TStyBaseControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    TStyBoundsChangeStates states;
    if (Left() != old.Left || Top() != old.Top) states.Include(bcPos);
    if (Width() != old.Width() || Height() != old.Height()) states.Include(bcSize);
    if (!states.IsEmpty() && !ComponentState().Contains(csLoading)) DoBoundsChange(states);
}

TRect TStyBaseGraphicControl::ClientRectToScreen(const TRect& R) const
{
    const TPoint a = ClientToScreen(R.TopLeft()), b = ClientToScreen(R.BottomRight());
    return Rect(a.X, a.Y, b.X, b.Y);
}

TPoint TStyBaseGraphicControl::BackMapPoint(TPoint P)
{
    if (!BackBitmapCheck()) return P;
    TPoint result;
    MapPointToParentBack(this, P, result);
    return result;
}

bool TStyBaseGraphicControl::BackDrawArea(TCanvas& Canvas, const TRect& Dest, TPoint Src, Word)
{
    TBitmap* back = BackBitmap();
    if (!back) return true;
    const TPoint at = BackMapPoint(Src);
    Canvas.CopyRect(Dest, back->Canvas(), Bounds(at.X, at.Y, Dest.Width(), Dest.Height()));
    return true;
}

void TStyBaseGraphicControl::BackUpdate()
{
    if (!Visible()) return;
    if (!ComponentState().Contains(csLoading) && UsesParentBack()) ObjectChanged(nullptr);
    FBackFX->DestroyBuffer();
}

void TStyBaseGraphicControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TStyBaseControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImageList) SetImageList(nullptr);
    if (AComponent == FBackFX->AlphaBlend()->ImageList() && !ComponentState().Contains(csDestroying))
        FBackFX->AlphaBlend()->SetImageList(nullptr);
}

void TStyBaseGraphicControl::Loaded()
{
    TStyBaseControl::Loaded();
    if (IsGlobalImageList(FImageList)) ImageListChanged();
}

void TStyBaseGraphicControl::DefineProperties(TFiler* Filer)
{
    TStyBaseControl::DefineProperties(Filer);
    Filer->DefineProperty(
        "Internal", [this](TReader* r) { SetImageList(dynamic_cast<TComponent*>(ReadGlobalListRef(*r))); },
        [this](TWriter* w) { WriteGlobalListRef(*w, FImageList); }, IsGlobalImageList(FImageList));
    Filer->DefineProperty("CtlXP", [this](TReader* r) { SetCtlXP(r->ReadBoolean()); }, nullptr, false);
}

void TStyBaseGraphicControl::UMThemeChanged(TMessage&) { ThemeChanged(); }

void TStyBaseGraphicControl::WMThemeChanged(TMessage& message)
{
    if (ComponentState().Contains(csDesigning)) return;
    ThemeChanged();
    message.Result = 1;
}

void TStyBaseGraphicControl::UMOpaqueChanged(TMessage&)
{
    if (Visible()) RepaintControl();
}

// ---------------------------------------------------------------- TStyGraphicControl

IMPLEMENT_CLASS(TStyGraphicControl, TStyBaseGraphicControl, nullptr)

TStyGraphicControl::TStyGraphicControl(TComponent* AOwner)
    : TStyBaseGraphicControl(AOwner), FBevel(std::make_unique<TStyBevel>())
{
    FBevel->OnChange = TNotifyEvent(this, &TStyGraphicControl::ObjectChanged);
}

TStyGraphicControl::~TStyGraphicControl() { FBevel->OnChange = TNotifyEvent(); }

void TStyGraphicControl::SetBevel(TStyBevel* Value)
{
    FBevel->Assign(Value);
    Perform(UM_BEVELCHANGED);
}

void TStyGraphicControl::Paint()
{
    if (ComponentState().Contains(csLoading)) return;
    if (!ShowDesignFrame() || FBevel->BevelExtend() != 0) FBevel->PaintBevel(Canvas(), ClientRect(), FTransparent);
    else TStyBaseControl::Paint();
}
