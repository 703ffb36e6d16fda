#include "platform/stdctrls/ControlBar.h"

#include <algorithm>

#include "platform/classes/TypInfo.h"
#include "platform/stdctrls/ExtCtrls.h"

TClass TControlBar::StaticClass()
{
    static const TMetaClass meta("TControlBar", TCustomControl::StaticClass(), NewComponent<TControlBar>,
                                 [](TMetaClass& m) {
                                     m.OnMessage(WM_SETCURSOR, &TControlBar::WMSetCursor);
                                     m.OnMessage(CM_CONTROLLISTCHANGE, &TControlBar::CMControlListChange);
                                 });
    return &meta;
}

TControlBar::TControlBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks};
    FParentColor = false;
    FColor = clBtnFace;
    FWidth = 100;
    FHeight = 50;
}

void TControlBar::SetRowSize(Integer value)
{
    if (value == FRowSize || value <= 0) return;
    FRowSize = value;
    Realign();
}

// ---------------------------------------------------------------- bands

// The bands follow the children: a child gone loses its band (its pointer is only compared), a
// new one gets a band in the row and at the place its bounds give.
void TControlBar::SyncBands()
{
    auto isChild = [this](const TControl* c) {
        for (Integer i = 0; i < ControlCount(); ++i)
            if (Controls(i) == c) return true;
        return false;
    };
    std::erase_if(FBands, [&](const TBand& b) { return !isChild(b.Control); });
    if (FDragged && !isChild(FDragged)) FDragged = nullptr;
    for (Integer i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!BandOf(c)) FBands.push_back({c, RowAt(c->Top()), std::max<Integer>(c->Left() - BandLeft, 0), {}});
    }
}

// The row of a child whose top is there: the visible row at that height, or a new row below the
// others.
Integer TControlBar::RowAt(Integer top) const
{
    const std::vector<Integer> rows = VisibleRows();
    const size_t row = static_cast<size_t>(std::max<Integer>(top - BandMargin, 0) / FRowSize);
    if (row < rows.size()) return rows[row];
    return rows.empty() ? 0 : rows.back() + 1;
}

// A child moved by the program takes its band to the row and the place its bounds give.
void TControlBar::FollowChild(TBand& band)
{
    const TControl* c = band.Control;
    if (!c->Visible() || c->BoundsRect() == band.Placed) return;
    band.Row = RowAt(c->Top());
    band.Left = std::max<Integer>(c->Left() - BandLeft, 0);
}

TControlBar::TBand* TControlBar::BandOf(const TControl* control)
{
    auto it = std::find_if(FBands.begin(), FBands.end(), [&](const TBand& b) { return b.Control == control; });
    return it == FBands.end() ? nullptr : &*it;
}

const TControlBar::TBand* TControlBar::BandOf(const TControl* control) const
{
    return const_cast<TControlBar*>(this)->BandOf(control);
}

// The rows that hold a visible band, top to bottom.
std::vector<Integer> TControlBar::VisibleRows() const
{
    std::vector<Integer> rows;
    for (const TBand& b : FBands)
        if (b.Control->Visible()) rows.push_back(b.Row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

Integer TControlBar::BandRow(const TControl* control) const
{
    const TBand* band = BandOf(control);
    if (!band || !control->Visible()) return -1;
    const std::vector<Integer> rows = VisibleRows();
    return static_cast<Integer>(std::lower_bound(rows.begin(), rows.end(), band->Row) - rows.begin());
}

TRect TControlBar::BandRect(const TControl* control) const
{
    if (BandRow(control) < 0) return {};
    return {control->Left() - BandLeft, control->Top() - BandMargin, control->Left() + control->Width() + BandMargin,
            control->Top() + control->Height() + BandMargin};
}

TControlBar::TBand* TControlBar::BandAt(TPoint p)
{
    for (TBand& b : FBands)
        if (BandRect(b.Control).Contains(p)) return &b;
    return nullptr;
}

// Row by row from the top, the bands left to right where they want to start, each at least
// after the one before; every child sits inside its band.
void TControlBar::LayOut()
{
    FLayingOut = true;
    const std::vector<Integer> rows = VisibleRows();
    for (size_t row = 0; row < rows.size(); ++row) {
        std::vector<TBand*> line;
        for (TBand& b : FBands)
            if (b.Control->Visible() && b.Row == rows[row]) line.push_back(&b);
        std::stable_sort(line.begin(), line.end(), [](const TBand* a, const TBand* b) { return a->Left < b->Left; });
        Integer x = 0;
        for (TBand* b : line) {
            b->Left = std::max(b->Left, x);
            TControl* c = b->Control;
            c->SetBounds(b->Left + BandLeft, static_cast<Integer>(row) * FRowSize + BandMargin, c->Width(), c->Height());
            b->Placed = c->BoundsRect();
            x = b->Left + BandLeft + c->Width() + BandMargin;
        }
    }
    if (AutoSize()) AdjustSize();
    FLayingOut = false;
    Invalidate();
}

void TControlBar::AlignControls(TControl*, TRect&)
{
    if (FLayingOut) return;
    SyncBands();
    LayOut();
}

void TControlBar::ChildPlacementChanged(TControl* child)
{
    if (FLayingOut) return;
    SyncBands();
    if (TBand* band = BandOf(child)) FollowChild(*band);
    Realign();
}

void TControlBar::CMControlListChange(TMessage&) { Realign(); }

bool TControlBar::CanAutoSize(Integer&, Integer& NewHeight)
{
    const Integer rows = static_cast<Integer>(VisibleRows().size());
    if (rows == 0) return false;
    NewHeight = rows * FRowSize;
    return true;
}

// ---------------------------------------------------------------- dragging a band

// The band follows the mouse along its row; above the top row or below the bottom one it opens
// a row of its own, over another row it joins that row.
void TControlBar::MoveBand(TBand& band, TPoint p)
{
    const std::vector<Integer> rows = VisibleRows();
    const Integer row = p.Y < 0 ? -1 : p.Y / FRowSize;
    if (row < 0) band.Row = rows.front() - 1;
    else if (row >= static_cast<Integer>(rows.size())) band.Row = rows.back() + 1;
    else band.Row = rows[row];
    band.Left = std::max<Integer>(p.X - FGrab.X, 0);
    // the band goes before those it now starts left of
    for (TBand& b : FBands)
        if (&b != &band && b.Row == band.Row && b.Left >= band.Left) b.Left = std::max(b.Left, band.Left + 1);
    LayOut();
}

void TControlBar::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    SyncBands();
    TBand* band = Button == mbLeft ? BandAt({X, Y}) : nullptr;
    if (band) {
        FDragged = band->Control;
        const TRect r = BandRect(FDragged);
        FGrab = {X - r.Left, Y - r.Top};
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TControlBar::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    SyncBands();
    TBand* band = FDragged ? BandOf(FDragged) : nullptr;
    if (band && FDragged->Visible()) MoveBand(*band, {X, Y});
    TCustomControl::MouseMove(Shift, X, Y);
}

void TControlBar::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    FDragged = nullptr;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

// Over a band's handle the cursor shows that the band can be moved.
void TControlBar::WMSetCursor(TMessage& message)
{
    SyncBands();
    if (reinterpret_cast<TWinControl*>(message.WParam) == this && LoSmall(message.LParam) == HTCLIENT &&
        BandAt(ScreenToClient({LoSmall(GetMessagePos()), HiSmall(GetMessagePos())}))) {
        ::SetCursor(CursorHandle(crSizeAll));
        message.Result = 1;
        return;
    }
    TCustomControl::WMSetCursor(message);
}

// ---------------------------------------------------------------- painting

// Each band: a raised frame, and two raised bars as its handle left of the child.
void TControlBar::Paint()
{
    SyncBands();
    TCanvas& c = Canvas();
    c.Brush().SetColor(Color());
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.FillRect(ClientRect());
    for (const TBand& b : FBands) {
        const TRect band = BandRect(b.Control);
        if (band.IsEmpty()) continue;
        TRect r = band;
        Frame3D(c, r, clBtnHighlight, clBtnShadow, 1);
        for (Integer x : {band.Left + 2, band.Left + 5}) {
            TRect bar = Rect(x, band.Top + 2, x + 3, band.Bottom - 2);
            Frame3D(c, bar, clBtnHighlight, clBtnShadow, 1);
        }
    }
}

void PublishControlBar()
{
    TPublished<TControlBar>(TControlBar::StaticClass())
        .Property("RowSize", &TControlBar::RowSize, &TControlBar::SetRowSize).Default(26)
        .Property("Color").Default(clBtnFace);
}
