// Panels: backgrounds taken from the parent, the bevel frame, the window's client edge and the
// size grip.
#include "styledcontrols/StyCustomPanel.h"

#include "foundation/StyClass.h"
#include "platform/services/SysInfo.h"

// ---------------------------------------------------------------- TStyCustomPanel

TClass TStyCustomPanel::StaticClass()
{
    static const TMetaClass meta("TStyCustomPanel", TStyCustomControl::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(WM_SIZE, &TStyCustomPanel::WMSize);
        m.OnMessage(WM_MOVE, &TStyCustomPanel::WMMove);
    });
    return &meta;
}

TStyCustomPanel::TStyCustomPanel(TComponent* AOwner) : TStyCustomControl(AOwner)
{
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Include(csReplicatable);
}

void TStyCustomPanel::WMSize(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    EffectiveBackFX()->DestroyBuffer();
}

void TStyCustomPanel::WMMove(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (UsesParentBack()) BackUpdate();
}

TBitmap* TStyCustomPanel::BackBitmap()
{
    TBitmap* back = TStyCustomControl::BackBitmap();
    if (back && EffectiveBackFX()->Enabled()) back->SetPixelFormat(TPixelFormat::pf24bit);
    return back;
}

TPoint TStyCustomPanel::BackMapPoint(TPoint P)
{
    if (!BackBitmapCheck()) return P;
    TPoint at;
    MapPointToParentBack(this, P, at);
    at.X += (Width() - ClientWidth()) / 2;
    at.Y += (Height() - ClientHeight()) / 2;
    return at;
}

bool TStyCustomPanel::BackDrawArea(TCanvas& Canvas, const TRect& Dest, TPoint Src, Word)
{
    const TComponentState state = ComponentState();
    if (state.Contains(csLoading) || state.Contains(csDestroying)) return false;
    TBitmap* back = BackBitmap();
    if (!back) return false;
    const TPoint O = BackMapPoint(Point(0, 0));
    const TRect A = Bounds(O.X, O.Y, ClientWidth(), ClientHeight());
    TRect S = Dest;
    OffsetRect(S, Src.X + O.X, Src.Y + O.Y);
    TStyBitmapEffectObject* fx = EffectiveBackFX();
    if (!fx->Enabled() || FFwdBackFX) {
        Canvas.CopyRect(Dest, back->Canvas(), S);
        return true;
    }
    OffsetRect(S, -O.X, -O.Y);
    if (fx->Buffered() && fx->BufferValid()) {
        Canvas.CopyRect(Dest, fx->BufferBitmap()->Canvas(), S);
        return true;
    }
    // the effect drawn over the panel's part of the background, then the asked part copied
    TBitmap processed(A.Width() + 2, A.Height() + 2, TPixelFormat::pf24bit);
    back->SetPixelFormat(TPixelFormat::pf24bit);
    fx->DrawCutRect2(*back, A, processed, processed.Canvas().ClipRect());
    Canvas.CopyRect(Dest, processed.Canvas(), S);
    return true;
}

// ---------------------------------------------------------------- TStyCustomBevelPanel

TClass TStyCustomBevelPanel::StaticClass()
{
    static const TMetaClass meta("TStyCustomBevelPanel", TStyCustomPanel::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(CM_CTL3DCHANGED, &TStyCustomBevelPanel::CMCtl3DChanged);
        m.OnMessage(UM_BEVELCHANGED, &TStyCustomBevelPanel::UMBevelChanged);
        TPublished<TStyCustomBevelPanel>(&m)
            .Property("NoHandleUpdate", &TStyCustomBevelPanel::NoHandleUpdate,
                      &TStyCustomBevelPanel::SetNoHandleUpdate)
            .Default(false)
            .Property("Bevel", &TStyCustomBevelPanel::Bevel, &TStyCustomBevelPanel::SetBevel);
    });
    return &meta;
}

TStyCustomBevelPanel::TStyCustomBevelPanel(TComponent* AOwner)
    : TStyCustomBevelPanel(AOwner, std::make_unique<TStyBevel>(this))
{
}

TStyCustomBevelPanel::TStyCustomBevelPanel(TComponent* AOwner, std::unique_ptr<TStyBevel> Bevel)
    : TStyCustomPanel(AOwner), FBevel(std::move(Bevel))
{
    FBevel->SetSupportWindowsMode(true);
    FBevel->OnChange = TNotifyEvent(this, &TStyCustomBevelPanel::ObjectChanged);
}

TStyCustomBevelPanel::~TStyCustomBevelPanel()
{
    Destroying();
    FBevel->OnChange = TNotifyEvent();
    FBevel.reset();
}

TStyBevel* TStyCustomBevelPanel::EffectiveBevel()
{
    if (TStyBevel* b = TStyCustomPanel::EffectiveBevel()) return b;
    return FBevel.get();
}

// A change of the bevel: a new frame needs a new window only when the mode changed.
void TStyCustomBevelPanel::ObjectChanged(TObject* Sender)
{
    const TComponentState state = ComponentState();
    if (state.Contains(csLoading) || state.Contains(csReading) || state.Contains(csDestroying)) return;
    if (!FBevel || Sender != FBevel.get()) {
        TStyCustomPanel::ObjectChanged(Sender);
        return;
    }
    if (FNoHandleUpdate || !FBevel->ModeChanging()) {
        Perform(CM_BORDERCHANGED);
        Realign();
        Invalidate();
    } else {
        RecreateWnd();
    }
}

void TStyCustomBevelPanel::GetBevelRect(TRect& R) { R = EffectiveBevel()->ClientRect(ClientRect()); }

void TStyCustomBevelPanel::AdjustClientRect(TRect& Rect)
{
    TStyCustomPanel::AdjustClientRect(Rect);
    if (FBevel) Rect = EffectiveBevel()->ClientRect(Rect);
}

void TStyCustomBevelPanel::CreateParams(TCreateParams& Params)
{
    TStyCustomPanel::CreateParams(Params);
    if (!FBevel || EffectiveBevel()->Mode() != bmWindows) return;
    if (Ctl3D()) Params.ExStyle |= WS_EX_CLIENTEDGE;
    else Params.Style |= WS_BORDER;
    if (IsThemed()) {
        Params.ExStyle &= ~WS_EX_CLIENTEDGE;
        Params.Style &= ~WS_BORDER;
    }
}

void TStyCustomBevelPanel::CMCtl3DChanged(TMessage& message)
{
    if (EffectiveBevel()->Mode() == bmWindows && !IsThemed()) RecreateWnd();
    InheritedMessage(StaticClass(), message);
}

void TStyCustomBevelPanel::UMBevelChanged(TMessage&)
{
    if (FBevel->SupportWindowsMode()) RecreateWnd();
}

void TStyCustomBevelPanel::ThemeChanged()
{
    const TComponentState state = ComponentState();
    if (state.Contains(csLoading) || state.Contains(csReading)) return;
    for (Integer i = 0; i < ControlCount(); ++i) Controls(i)->Perform(WM_THEMECHANGED);
    RecreateWnd();
}

void TStyCustomBevelPanel::GetGripRect(TRect& R)
{
    GetBevelRect(R);
    R.Left = R.Right - GetSystemMetrics(SM_CXHSCROLL);
    R.Top = R.Bottom - GetSystemMetrics(SM_CYVSCROLL);
}

bool TStyCustomBevelPanel::ShowDesignFrame()
{
    if (EffectiveBevel()->BevelExtend() != 0) return false;
    return EffectiveBevel()->Mode() != bmWindows;
}

void TStyCustomBevelPanel::DoEnter()
{
    if ((!Focused() && FFlat) || FFaceController) DrawNormalBorder();
    TStyCustomPanel::DoEnter();
}

void TStyCustomBevelPanel::DoMouseEnter()
{
    FMouseAbove = true;
    if (!Focused() && FFlat && !FEntered) DrawNormalBorder();
    TStyCustomPanel::DoMouseEnter();
}

void TStyCustomBevelPanel::Paint()
{
    PaintBackground();
    const bool designing = ComponentState().Contains(csDesigning);
    if (designing && ShowDesignFrame() && !FShowGrip) {
        TCanvas& c = Canvas();
        c.Pen().SetColor(clBtnShadow);
        c.Pen().SetStyle(TPenStyle::psDash);
        c.Brush().SetStyle(TBrushStyle::bsClear);
        c.Rectangle(Rect(0, 0, Width(), Height()));
        return;
    }
    const bool controllerBevel = FFaceController && FFaceController->GetBevel(this);
    if (Focused() || !FFlat || designing || controllerBevel)
        EffectiveBevel()->PaintBevel(Canvas(), ClientRect(), FTransparent);
    else
        DrawFlatBorder();
    if (FShowGrip) {
        TRect R;
        GetGripRect(R);
        // the classic grip: the platform's styles have no status-bar gripper to draw
        DrawFrameControl(Canvas().Handle(), &R, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
}

void TStyCustomBevelPanel::DrawNormalBorder()
{
    TStyBevel* bevel = EffectiveBevel();
    if (bevel->Mode() == bmWindows) TStyCustomPanel::DrawNormalBorder();
    else bevel->PaintBevel(Canvas(), ClientRect(), FTransparent);
}

void TStyCustomBevelPanel::DrawFlatBorder()
{
    if (FFaceController)
        if (TStyBevel* b = FFaceController->GetBevel(this)) {
            b->PaintBevel(Canvas(), ClientRect(), FTransparent);
            return;
        }
    if (Focused() || !FFlat || FMouseAbove) return;
    if (FBevel->Mode() == bmWindows) {
        TStyCustomPanel::DrawFlatBorder();
        return;
    }
    // the frame overpainted with the background, in four strips
    const Integer E = FBevel->BevelExtend(), F = FBevel->BevelExtendRight();
    const Integer W = Width(), H = Height();
    FillBackRect(Rect(0, 0, W, E));
    FillBackRect(Rect(0, E, E, H));
    FillBackRect(Rect(E, H - F - 1, W, H));
    FillBackRect(Rect(W - F, E, W, H - F));
}
