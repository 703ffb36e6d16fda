#include "platform/stdctrls/ExtCtrls.h"

#include <algorithm>

#include "platform/graphics/GdiApi.h"

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, Integer width)
{
    for (Integer i = 0; i < width; ++i) {
        rect.Right -= 1;
        rect.Bottom -= 1;
        canvas.Pen().SetColor(topColor);
        canvas.Polyline({{rect.Left, rect.Bottom}, {rect.Left, rect.Top}, {rect.Right, rect.Top}});
        canvas.Pen().SetColor(bottomColor);
        canvas.Polyline({{rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left - 1, rect.Bottom}});
        rect = TRect{rect.Left + 1, rect.Top + 1, rect.Right, rect.Bottom};
    }
}

// ---------------------------------------------------------------- TCustomPanel
TClass TCustomPanel::StaticClass()
{
    static const TMetaClass meta("TCustomPanel", TCustomControl::StaticClass(), NewComponent<TCustomPanel>,
                                 [](TMetaClass& m) { m.OnMessage(CM_TEXTCHANGED, &TCustomPanel::CMTextChanged); });
    return &meta;
}
IMPLEMENT_CLASS(TPanel, TCustomPanel, NewComponent<TPanel>)

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks,
                     csReplicatable, csParentBackground};
    FParentColor = false;
    FColor = clBtnFace;
    FWidth = 185;
    FHeight = 41;
}

void TCustomPanel::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomPanel::Changed()
{
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment value)
{
    if (FAlignment == value) return;
    FAlignment = value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel value)
{
    if (FBevelInner == value) return;
    FBevelInner = value;
    Changed();
}

void TCustomPanel::SetBevelOuter(TPanelBevel value)
{
    if (FBevelOuter == value) return;
    FBevelOuter = value;
    Changed();
}

void TCustomPanel::SetBevelWidth(Integer value)
{
    if (FBevelWidth == value) return;
    FBevelWidth = value;
    Changed();
}

void TCustomPanel::SetBorderWidth(Integer value)
{
    if (FBorderWidth == value) return;
    FBorderWidth = value;
    Changed();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value)
{
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomPanel::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    Integer inset = FBorderWidth + (FBevelOuter != TPanelBevel::bvNone ? FBevelWidth : 0) + (FBevelInner != TPanelBevel::bvNone ? FBevelWidth : 0);
    Rect = TRect{Rect.Left + inset, Rect.Top + inset, Rect.Right - inset, Rect.Bottom - inset};
}

void TCustomPanel::Paint()
{
    static const UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    auto bevel = [&](TPanelBevel b) {
        if (b == TPanelBevel::bvNone) return;
        if (b == TPanelBevel::bvSpace) {
            rect = TRect{rect.Left + FBevelWidth, rect.Top + FBevelWidth, rect.Right - FBevelWidth, rect.Bottom - FBevelWidth};
            return;
        }
        Frame3D(canvas, rect, b == TPanelBevel::bvLowered ? clBtnShadow : clBtnHighlight, b == TPanelBevel::bvLowered ? clBtnHighlight : clBtnShadow,
                FBevelWidth);
    };
    bevel(FBevelOuter);
    Frame3D(canvas, rect, Color(), Color(), FBorderWidth);
    bevel(FBevelInner);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(rect);
    String text = GetText();
    if (text.IsEmpty()) return;
    canvas.Font().Assign(Font());
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    DrawText(canvas.Handle(), text, text.Length(), &rect, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | alignments[FAlignment]);
}

void TCustomPanel::CMTextChanged(TMessage&) { Invalidate(); }

// ---------------------------------------------------------------- TBevel
IMPLEMENT_CLASS(TBevel, TGraphicControl, NewComponent<TBevel>)

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle.Include(csReplicatable);
    FWidth = 50;
    FHeight = 50;
}

void TBevel::SetShape(TBevelShape value)
{
    if (FShape == value) return;
    FShape = value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle value)
{
    if (FStyle == value) return;
    FStyle = value;
    Invalidate();
}

void TBevel::Paint()
{
    TCanvas& canvas = Canvas();
    TColor first = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    TColor second = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    const Integer w = Width(), h = Height();
    auto line = [&](TColor color, Integer x1, Integer y1, Integer x2, Integer y2) {
        canvas.Pen().SetColor(color);
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };
    switch (FShape) {
    case bsBox: {
        TRect r = ClientRect();
        Frame3D(canvas, r, first, second, 1);
        break;
    }
    case bsFrame: {
        TRect outer{0, 0, w - 1, h - 1}, inner{1, 1, w, h};
        Frame3D(canvas, outer, first, first, 1);
        Frame3D(canvas, inner, second, second, 1);
        break;
    }
    case bsTopLine: line(first, 0, 0, w, 0); line(second, 0, 1, w, 1); break;
    case bsBottomLine: line(first, 0, h - 2, w, h - 2); line(second, 0, h - 1, w, h - 1); break;
    case bsLeftLine: line(first, 0, 0, 0, h); line(second, 1, 0, 1, h); break;
    case bsRightLine: line(first, w - 2, 0, w - 2, h); line(second, w - 1, 0, w - 1, h); break;
    case bsSpacer: break;
    }
}

// ---------------------------------------------------------------- TShape
IMPLEMENT_CLASS(TShape, TGraphicControl, NewComponent<TShape>)

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle.Include(csReplicatable);
    FWidth = 65;
    FHeight = 65;
    FPen.OnChange = [this] { Invalidate(); };
    FBrush.OnChange = [this] { Invalidate(); };
}

void TShape::SetShape(TShapeType value)
{
    if (FShape == value) return;
    FShape = value;
    Invalidate();
}

// The outline lies inside the control: the pen's width is taken off the rectangle.
void TShape::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Pen().Assign(FPen);
    canvas.Brush().Assign(FBrush);
    Integer pw = canvas.Pen().Width();
    Integer half = pw / 2;
    Integer x = half, y = half;
    Integer w = Width() - pw + 1, h = Height() - pw + 1;
    if (pw == 0) {
        w -= 1;
        h -= 1;
    }
    if (w < h && (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle)) {
        y += (h - w) / 2;
        h = w;
    } else if (h < w && (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle)) {
        x += (w - h) / 2;
        w = h;
    }
    switch (FShape) {
    case stRectangle: case stSquare: canvas.Rectangle(x, y, x + w, y + h); break;
    case stRoundRect: case stRoundSquare: canvas.RoundRect(x, y, x + w, y + h, std::min(w, h) / 4, std::min(w, h) / 4); break;
    case stEllipse: case stCircle: canvas.Ellipse(x, y, x + w, y + h); break;
    }
}

// ---------------------------------------------------------------- TPaintBox
IMPLEMENT_CLASS(TPaintBox, TGraphicControl, NewComponent<TPaintBox>)

TPaintBox::TPaintBox(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle.Include(csReplicatable);
    FWidth = 105;
    FHeight = 105;
}

void TPaintBox::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    canvas.Brush().SetColor(Color());
    OnPaint(this);
}

// ---------------------------------------------------------------- TImage
IMPLEMENT_CLASS(TImage, TGraphicControl, NewComponent<TImage>)

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(new TPicture)
{
    FControlStyle.Include(csReplicatable);
    FWidth = 105;
    FHeight = 105;
    FPicture->OnChange = [this] { PictureChanged(); };
}

TImage::~TImage() { delete FPicture; }

TCanvas& TImage::Canvas()
{
    if (!FPicture->Graphic()) FPicture->Bitmap().SetSize(Width(), Height());
    return FPicture->Bitmap().Canvas();
}

void TImage::PictureChanged()
{
    if (FPicture->Graphic()) FPicture->Graphic()->SetTransparent(FTransparent);
    AdjustSize();
    Invalidate();
}

void TImage::SetOption(bool& field, bool value)
{
    if (field == value) return;
    field = value;
    PictureChanged();
}

void TImage::SetStretch(bool value) { SetOption(FStretch, value); }
void TImage::SetCenter(bool value) { SetOption(FCenter, value); }
void TImage::SetProportional(bool value) { SetOption(FProportional, value); }
void TImage::SetTransparent(bool value) { SetOption(FTransparent, value); }

TRect TImage::DestRect() const
{
    Integer w = FPicture->Width(), h = FPicture->Height();
    const Integer cw = Width(), ch = Height();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            if (static_cast<Int64>(cw) * h > static_cast<Int64>(ch) * w) {
                w = static_cast<Integer>(static_cast<Int64>(ch) * w / h);
                h = ch;
            } else {
                h = static_cast<Integer>(static_cast<Int64>(cw) * h / w);
                w = cw;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect r{0, 0, w, h};
    if (FCenter) r = TRect{(cw - w) / 2, (ch - h) / 2, (cw - w) / 2 + w, (ch - h) / 2 + h};
    return r;
}

void TImage::Paint()
{
    TGraphic* graphic = FPicture->Graphic();
    if (!graphic || graphic->Empty()) return;
    TCanvas& canvas = TGraphicControl::Canvas();
    canvas.StretchDraw(DestRect(), *graphic);
}

bool TImage::CanAutoSize(Integer& NewWidth, Integer& NewHeight)
{
    if (FPicture->Width() <= 0 || FPicture->Height() <= 0) return false;
    NewWidth = FPicture->Width();
    NewHeight = FPicture->Height();
    return true;
}

// ---------------------------------------------------------------- TCustomRadioGroup
IMPLEMENT_CLASS(TCustomRadioGroup, TCustomGroupBox, NewComponent<TCustomRadioGroup>)
IMPLEMENT_CLASS(TRadioGroup, TCustomRadioGroup, NewComponent<TRadioGroup>)

TCustomRadioGroup::TCustomRadioGroup(TComponent* AOwner) : TCustomGroupBox(AOwner)
{
    FControlStyle = {csSetCaption, csDoubleClicks, csParentBackground};
}

TCustomRadioGroup::~TCustomRadioGroup()
{
    for (TRadioButton* b : FButtons) delete b;
}

void TCustomRadioGroup::TGroupItems::Changed()
{
    TStringList::Changed();
    if (UpdateCount() == 0) FGroup->UpdateButtons();
}

void TCustomRadioGroup::UpdateButtons()
{
    while (static_cast<Integer>(FButtons.size()) > FItems.Count()) {
        delete FButtons.back();
        FButtons.pop_back();
    }
    while (static_cast<Integer>(FButtons.size()) < FItems.Count()) {
        auto* b = new TRadioButton(nullptr);
        b->OnClick = TNotifyEvent(this, &TCustomRadioGroup::ButtonClick);
        b->SetParent(this);
        FButtons.push_back(b);
    }
    FUpdating = true;
    for (Integer i = 0; i < FItems.Count(); ++i) {
        FButtons[i]->SetCaption(FItems[i]);
        FButtons[i]->SetChecked(i == FItemIndex);
    }
    FUpdating = false;
    if (FItemIndex >= FItems.Count()) FItemIndex = -1;
    ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons()
{
    if (FButtons.empty()) return;
    TRect area = ClientRect();
    AdjustClientRect(area);
    Integer rows = (static_cast<Integer>(FButtons.size()) + FColumns - 1) / FColumns;
    Integer columnWidth = area.Width() / FColumns;
    Integer rowHeight = std::max(1, area.Height() / rows);
    for (Integer i = 0; i < static_cast<Integer>(FButtons.size()); ++i) {
        Integer col = i / rows, row = i % rows;
        FButtons[i]->SetBounds(area.Left + 6 + col * columnWidth, area.Top + row * rowHeight + (rowHeight - 17) / 2,
                               columnWidth - 8, 17);
    }
}

void TCustomRadioGroup::Resize()
{
    TCustomGroupBox::Resize();
    ArrangeButtons();
}

void TCustomRadioGroup::SetItemIndex(Integer value)
{
    value = std::clamp(value, -1, FItems.Count() - 1);
    if (FItemIndex == value) return;
    FUpdating = true;
    if (FItemIndex >= 0) FButtons[FItemIndex]->SetChecked(false);
    FItemIndex = value;
    if (value >= 0) FButtons[value]->SetChecked(true);
    FUpdating = false;
}

void TCustomRadioGroup::SetColumns(Integer value)
{
    value = std::clamp(value, 1, 16);
    if (FColumns == value) return;
    FColumns = value;
    ArrangeButtons();
}

void TCustomRadioGroup::ButtonClick(TObject* Sender)
{
    if (FUpdating) return;
    auto it = std::find(FButtons.begin(), FButtons.end(), Sender);
    if (it == FButtons.end() || !(*it)->Checked()) return;
    FItemIndex = static_cast<Integer>(it - FButtons.begin());
    Click();
}

// ---------------------------------------------------------------- TSplitter
IMPLEMENT_CLASS(TSplitter, TGraphicControl, NewComponent<TSplitter>)

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetAlign(alLeft);
    FWidth = 3;
    FHeight = 100;
    FCursor = crHSplit;
}

void TSplitter::Paint()
{
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
}

// The control aligned to the same side whose edge touches the splitter.
TControl* TSplitter::FindControl() const
{
    if (!Parent()) return nullptr;
    for (Integer i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align()) continue;
        bool touches = false;
        switch (Align()) {
        case alLeft: touches = c->Left() + c->Width() == Left(); break;
        case alRight: touches = c->Left() == Left() + Width(); break;
        case alTop: touches = c->Top() + c->Height() == Top(); break;
        case alBottom: touches = c->Top() == Top() + Height(); break;
        default: break;
        }
        if (touches) return c;
    }
    return nullptr;
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FControl = FindControl();
    FDownPos = ClientToParent(TPoint{X, Y});
    if (FControl) FStartSize = (Align() == alLeft || Align() == alRight) ? FControl->Width() : FControl->Height();
}

void TSplitter::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FControl) return;
    TPoint p = ClientToParent(TPoint{X, Y});
    Integer delta = 0;
    switch (Align()) {
    case alLeft: delta = p.X - FDownPos.X; break;
    case alRight: delta = FDownPos.X - p.X; break;
    case alTop: delta = p.Y - FDownPos.Y; break;
    case alBottom: delta = FDownPos.Y - p.Y; break;
    default: return;
    }
    Integer size = std::max(FMinSize, FStartSize + delta);
    if (Align() == alLeft || Align() == alRight) FControl->SetWidth(size); else FControl->SetHeight(size);
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (FControl) OnMoved(this);
    FControl = nullptr;
}

// ---------------------------------------------------------------- TScrollBox
TClass TScrollBox::StaticClass()
{
    static const TMetaClass meta("TScrollBox", TCustomControl::StaticClass(), NewComponent<TScrollBox>,
                                 [](TMetaClass& m) {
                                     m.OnMessage(WM_HSCROLL, &TScrollBox::WMHScroll);
                                     m.OnMessage(WM_VSCROLL, &TScrollBox::WMVScroll);
                                 });
    return &meta;
}

TScrollBox::TScrollBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    FParentColor = false;
    FColor = clBtnFace;
    FWidth = 185;
    FHeight = 41;
}

void TScrollBox::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style |= WS_HSCROLL | WS_VSCROLL;
    if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::SetBorderStyle(TBorderStyle value)
{
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    if (HandleAllocated()) RecreateWnd();
}

void TScrollBox::Paint() { Canvas().FillRectColor(ClientRect(), Color()); }

void TScrollBox::Resize()
{
    TCustomControl::Resize();
    UpdateScrollBars();
}

void TScrollBox::UpdateScrollBars()
{
    if (!HandleAllocated()) return;
    Integer extent[2] = {0, 0};
    for (Integer i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible()) continue;
        extent[0] = std::max(extent[0], c->Left() + c->Width() + FPos[0]);
        extent[1] = std::max(extent[1], c->Top() + c->Height() + FPos[1]);
    }
    for (int bar : {SB_HORZ, SB_VERT}) {
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        info.nMin = 0;
        info.nMax = extent[bar] - 1;
        info.nPage = static_cast<Cardinal>(bar == SB_HORZ ? ClientWidth() : ClientHeight());
        info.nPos = FPos[bar];
        SetScrollInfo(Handle(), bar, &info, true);
    }
}

void TScrollBox::ScrollTo(Integer x, Integer y)
{
    Integer want[2] = {std::max(0, x), std::max(0, y)};
    Integer dx = FPos[0] - want[0], dy = FPos[1] - want[1];
    if (dx == 0 && dy == 0) return;
    FPos[0] = want[0];
    FPos[1] = want[1];
    ScrollBy(dx, dy);
    UpdateScrollBars();
}

void TScrollBox::Scrolled(int bar, TMessage& message)
{
    TWMScroll scroll{message};
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), bar, &info);
    Integer page = static_cast<Integer>(info.nPage);
    Integer pos = FPos[bar];
    switch (scroll.ScrollCode()) {
    case SB_LINEUP: pos -= 8; break;
    case SB_LINEDOWN: pos += 8; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBPOSITION: case SB_THUMBTRACK: pos = info.nTrackPos; break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = info.nMax; break;
    default: return;
    }
    pos = std::clamp(pos, 0, std::max(0, info.nMax + 1 - page));
    if (bar == SB_HORZ) ScrollTo(pos, FPos[1]); else ScrollTo(FPos[0], pos);
}

void TScrollBox::WMHScroll(TMessage& message) { Scrolled(SB_HORZ, message); }
void TScrollBox::WMVScroll(TMessage& message) { Scrolled(SB_VERT, message); }
