#include "platform/stdctrls/Grids.h"

#include <algorithm>

#include "platform/graphics/GdiApi.h"
#include "platform/stdctrls/ScrollBars.h"

namespace {

// The fixed columns (or rows), then the scrolling ones from the first shown.
std::vector<Integer> DrawOrder(Integer fixed, Integer first, Integer count)
{
    std::vector<Integer> order;
    for (Integer i = 0; i < fixed && i < count; ++i) order.push_back(i);
    for (Integer i = std::max(first, fixed); i < count; ++i) order.push_back(i);
    return order;
}

}  // namespace

// ---------------------------------------------------------------- TCustomGrid
TClass TCustomGrid::StaticClass()
{
    static const TMetaClass meta("TCustomGrid", TCustomControl::StaticClass(), nullptr,
                                 [](TMetaClass& m) {
                                     m.OnMessage(WM_GETDLGCODE, &TCustomGrid::WMGetDlgCode);
                                     m.OnMessage(WM_VSCROLL, &TCustomGrid::WMVScroll);
                                     m.OnMessage(WM_HSCROLL, &TCustomGrid::WMHScroll);
                                     m.OnMessage(WM_SIZE, &TCustomGrid::WMSize);
                                 });
    return &meta;
}
IMPLEMENT_CLASS(TDrawGrid, TCustomGrid, NewComponent<TDrawGrid>)
IMPLEMENT_CLASS(TStringGrid, TDrawGrid, NewComponent<TStringGrid>)

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csOpaque, csDoubleClicks, csClickEvents};
    FTabStop = true;
    FParentColor = false;
    FColor = clWindow;
    FWidth = 320;
    FHeight = 120;
    FColWidths.assign(5, FDefaultColWidth);
    FRowHeights.assign(5, FDefaultRowHeight);
}

void TCustomGrid::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.ExStyle |= WS_EX_CLIENTEDGE;
    Params.Style |= WS_VSCROLL | WS_HSCROLL;
}

void TCustomGrid::SetColCount(Integer value)
{
    value = std::max(1, value);
    if (value == ColCount()) return;
    if (value <= FFixedCols) FFixedCols = value - 1;
    const Integer old = ColCount();
    FColWidths.resize(value, FDefaultColWidth);
    SizeChanged(old, RowCount());
    ClampCurrent();
    Invalidate();
}

void TCustomGrid::SetRowCount(Integer value)
{
    value = std::max(1, value);
    if (value == RowCount()) return;
    if (value <= FFixedRows) FFixedRows = value - 1;
    const Integer old = RowCount();
    FRowHeights.resize(value, FDefaultRowHeight);
    SizeChanged(ColCount(), old);
    ClampCurrent();
    Invalidate();
}

void TCustomGrid::SetFixedCols(Integer value)
{
    if (value < 0 || value >= ColCount()) throw EInvalidOperation("Fixed column count must be less than column count");
    FFixedCols = value;
    ClampCurrent();
    Invalidate();
}

void TCustomGrid::SetFixedRows(Integer value)
{
    if (value < 0 || value >= RowCount()) throw EInvalidOperation("Fixed row count must be less than row count");
    FFixedRows = value;
    ClampCurrent();
    Invalidate();
}

void TCustomGrid::SetDefaultColWidth(Integer value)
{
    FDefaultColWidth = value;
    std::fill(FColWidths.begin(), FColWidths.end(), value);
    Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(Integer value)
{
    FDefaultRowHeight = value;
    std::fill(FRowHeights.begin(), FRowHeights.end(), value);
    Invalidate();
}

void TCustomGrid::SetColWidths(Integer index, Integer value)
{
    if (FColWidths.at(index) == value) return;
    FColWidths[index] = value;
    Invalidate();
}

void TCustomGrid::SetRowHeights(Integer index, Integer value)
{
    if (FRowHeights.at(index) == value) return;
    FRowHeights[index] = value;
    Invalidate();
}

void TCustomGrid::SetGridLineWidth(Integer value)
{
    if (FGridLineWidth == value) return;
    FGridLineWidth = std::max(0, value);
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions value)
{
    if (FOptions == value) return;
    FOptions = value;
    Invalidate();
}

void TCustomGrid::SetFixedColor(TColor value)
{
    if (FFixedColor == value) return;
    FFixedColor = value;
    Invalidate();
}

// Keeps the current cell, the anchor and the top-left cell among the scrolling cells.
void TCustomGrid::ClampCurrent()
{
    auto clamp = [](TGridCoord& c, Integer fixedX, Integer countX, Integer fixedY, Integer countY) {
        c.X = std::clamp(c.X, std::min(fixedX, countX - 1), countX - 1);
        c.Y = std::clamp(c.Y, std::min(fixedY, countY - 1), countY - 1);
    };
    clamp(FCurrent, FFixedCols, ColCount(), FFixedRows, RowCount());
    clamp(FAnchor, FFixedCols, ColCount(), FFixedRows, RowCount());
    clamp(FTopLeft, FFixedCols, ColCount(), FFixedRows, RowCount());
}

TGridRect TCustomGrid::Selection() const
{
    TGridRect r{std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y), std::max(FAnchor.X, FCurrent.X),
                std::max(FAnchor.Y, FCurrent.Y)};
    if (FOptions.Contains(goRowSelect)) {
        r.Left = FFixedCols;
        r.Right = ColCount() - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& value)
{
    FAnchor = {value.Left, value.Top};
    FCurrent = {value.Right, value.Bottom};
    ClampCurrent();
    Invalidate();
}

Integer TCustomGrid::FixedWidth() const
{
    Integer w = 0;
    for (Integer c = 0; c < FFixedCols; ++c) w += FColWidths[c] + FGridLineWidth;
    return w;
}

Integer TCustomGrid::FixedHeight() const
{
    Integer h = 0;
    for (Integer r = 0; r < FFixedRows; ++r) h += FRowHeights[r] + FGridLineWidth;
    return h;
}

Integer TCustomGrid::ColumnLeft(Integer col) const
{
    if (col < 0 || col >= ColCount()) return -1;
    Integer x = 0;
    if (col < FFixedCols) {
        for (Integer c = 0; c < col; ++c) x += FColWidths[c] + FGridLineWidth;
        return x;
    }
    if (col < FTopLeft.X) return -1;
    x = FixedWidth();
    for (Integer c = FTopLeft.X; c < col; ++c) x += FColWidths[c] + FGridLineWidth;
    return x < GridArea().Right ? x : -1;
}

Integer TCustomGrid::RowTop(Integer row) const
{
    if (row < 0 || row >= RowCount()) return -1;
    Integer y = 0;
    if (row < FFixedRows) {
        for (Integer r = 0; r < row; ++r) y += FRowHeights[r] + FGridLineWidth;
        return y;
    }
    if (row < FTopLeft.Y) return -1;
    y = FixedHeight();
    for (Integer r = FTopLeft.Y; r < row; ++r) y += FRowHeights[r] + FGridLineWidth;
    return y < GridArea().Bottom ? y : -1;
}

TRect TCustomGrid::CellRect(Integer ACol, Integer ARow) const
{
    Integer x = ColumnLeft(ACol), y = RowTop(ARow);
    if (x < 0 || y < 0) return TRect{};
    return TRect{x, y, x + FColWidths[ACol], y + FRowHeights[ARow]};
}

TGridCoord TCustomGrid::MouseCoord(Integer X, Integer Y) const
{
    TGridCoord cell{-1, -1};
    TRect area = GridArea();
    if (!area.Contains(TPoint{X, Y})) return cell;
    auto find = [this](Integer at, Integer fixed, Integer first, const std::vector<Integer>& sizes) {
        Integer pos = 0;
        for (Integer i : DrawOrder(fixed, first, static_cast<Integer>(sizes.size()))) {
            pos += sizes[i] + FGridLineWidth;
            if (at < pos) return i;
        }
        return -1;
    };
    cell.X = find(X, FFixedCols, FTopLeft.X, FColWidths);
    cell.Y = find(Y, FFixedRows, FTopLeft.Y, FRowHeights);
    if (cell.X < 0 || cell.Y < 0) cell = {-1, -1};
    return cell;
}

void TCustomGrid::MouseToCell(Integer X, Integer Y, Integer& ACol, Integer& ARow) const
{
    TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

Integer TCustomGrid::VisibleColCount() const
{
    Integer n = 0;
    Integer x = FixedWidth();
    for (Integer c = FTopLeft.X; c < ColCount() && x + FColWidths[c] <= GridArea().Right; ++c, ++n)
        x += FColWidths[c] + FGridLineWidth;
    return n;
}

Integer TCustomGrid::VisibleRowCount() const
{
    Integer n = 0;
    Integer y = FixedHeight();
    for (Integer r = FTopLeft.Y; r < RowCount() && y + FRowHeights[r] <= GridArea().Bottom; ++r, ++n)
        y += FRowHeights[r] + FGridLineWidth;
    return n;
}

Integer TCustomGrid::LastTopRow() const
{
    Integer room = GridArea().Height() - FixedHeight();
    Integer r = RowCount();
    while (r > FFixedRows && room - (FRowHeights[r - 1] + FGridLineWidth) >= 0) room -= FRowHeights[--r] + FGridLineWidth;
    return std::clamp(r, FFixedRows, RowCount() - 1);
}

Integer TCustomGrid::LastLeftCol() const
{
    Integer room = GridArea().Width() - FixedWidth();
    Integer c = ColCount();
    while (c > FFixedCols && room - (FColWidths[c - 1] + FGridLineWidth) >= 0) room -= FColWidths[--c] + FGridLineWidth;
    return std::clamp(c, FFixedCols, ColCount() - 1);
}

void TCustomGrid::SetTopLeft(Integer col, Integer row)
{
    col = std::clamp(col, FFixedCols, std::max(FFixedCols, LastLeftCol()));
    row = std::clamp(row, FFixedRows, std::max(FFixedRows, LastTopRow()));
    if (col == FTopLeft.X && row == FTopLeft.Y) return;
    FTopLeft = {col, row};
    Invalidate();
    OnTopLeftChanged(this);
}

void TCustomGrid::SetTopRow(Integer value) { SetTopLeft(FTopLeft.X, value); }
void TCustomGrid::SetLeftCol(Integer value) { SetTopLeft(value, FTopLeft.Y); }

void TCustomGrid::MakeVisible(Integer col, Integer row)
{
    Integer left = FTopLeft.X, top = FTopLeft.Y;
    if (col < left) left = col;
    if (row < top) top = row;
    TRect area = GridArea();
    auto lastVisible = [](Integer first, Integer room, Integer line, const std::vector<Integer>& sizes) {
        Integer i = first;
        for (Integer pos = 0; i < static_cast<Integer>(sizes.size()) && pos + sizes[i] <= room; ++i) pos += sizes[i] + line;
        return i - 1;
    };
    while (col > lastVisible(left, area.Width() - FixedWidth(), FGridLineWidth, FColWidths) && left < col) ++left;
    while (row > lastVisible(top, area.Height() - FixedHeight(), FGridLineWidth, FRowHeights) && top < row) ++top;
    SetTopLeft(left, top);
}

bool TCustomGrid::SelectCell(Integer ACol, Integer ARow)
{
    bool can = true;
    OnSelectCell(this, ACol, ARow, can);
    return can;
}

void TCustomGrid::FocusCell(Integer col, Integer row, bool moveAnchor)
{
    col = std::clamp(col, std::min(FFixedCols, ColCount() - 1), ColCount() - 1);
    row = std::clamp(row, std::min(FFixedRows, RowCount() - 1), RowCount() - 1);
    if ((col != FCurrent.X || row != FCurrent.Y) && !SelectCell(col, row)) return;
    FCurrent = {col, row};
    if (moveAnchor || !FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
    MakeVisible(col, row);
    Invalidate();
}

void TCustomGrid::ColumnMoved(Integer FromIndex, Integer ToIndex)
{
    Integer width = FColWidths[FromIndex];
    FColWidths.erase(FColWidths.begin() + FromIndex);
    FColWidths.insert(FColWidths.begin() + ToIndex, width);
    Invalidate();
    OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomGrid::DrawCell(Integer ACol, Integer ARow, TRect ARect, TGridDrawState AState)
{
    OnDrawCell(this, ACol, ARow, ARect, AState);
}

void TCustomGrid::Paint()
{
    TCanvas& canvas = Canvas();
    TRect area = GridArea();
    TGridRect sel = Selection();
    bool focused = Focused();
    Integer bottom = 0, right = 0;
    for (Integer row : DrawOrder(FFixedRows, FTopLeft.Y, RowCount())) {
        Integer y = RowTop(row);
        if (y < 0) break;
        for (Integer col : DrawOrder(FFixedCols, FTopLeft.X, ColCount())) {
            Integer x = ColumnLeft(col);
            if (x < 0) break;
            TRect rect{x, y, x + FColWidths[col], y + FRowHeights[row]};
            bool fixed = col < FFixedCols || row < FFixedRows;
            TGridDrawState state;
            if (fixed) {
                state.Include(gdFixed);
            } else {
                if (focused && col == FCurrent.X && row == FCurrent.Y) state.Include(gdFocused);
                if (col >= sel.Left && col <= sel.Right && row >= sel.Top && row <= sel.Bottom) state.Include(gdSelected);
            }
            canvas.Font().Assign(Font());
            canvas.Brush().SetStyle(TBrushStyle::bsSolid);
            canvas.Brush().SetColor(fixed ? FFixedColor : Color());
            bool highlight = state.Contains(gdSelected) &&
                             (!state.Contains(gdFocused) || FOptions.Contains(goDrawFocusSelected) ||
                              FOptions.Contains(goRowSelect));
            if (highlight) {
                canvas.Brush().SetColor(clHighlight);
                canvas.Font().SetColor(clHighlightText);
            }
            if (FDefaultDrawing) canvas.FillRect(rect);
            DrawCell(col, row, rect, state);
            if (FDefaultDrawing && fixed) {
                TRect edge = rect;
                DrawEdge(canvas.Handle(), &edge, BDR_RAISEDINNER, BF_RECT);
            }
            if (FDefaultDrawing && state.Contains(gdFocused) && !FOptions.Contains(goRowSelect)) canvas.DrawFocusRect(rect);
            // Grid lines right of and below the cell.
            bool vert = FOptions.Contains(fixed ? goFixedVertLine : goVertLine);
            bool horz = FOptions.Contains(fixed ? goFixedHorzLine : goHorzLine);
            TColor line = fixed ? clBlack : clSilver;
            canvas.FillRectColor(TRect{rect.Right, rect.Top, rect.Right + FGridLineWidth, rect.Bottom + FGridLineWidth},
                                 vert ? line : Color());
            canvas.FillRectColor(TRect{rect.Left, rect.Bottom, rect.Right + FGridLineWidth, rect.Bottom + FGridLineWidth},
                                 horz ? line : Color());
            right = std::max(right, rect.Right + FGridLineWidth);
            bottom = std::max(bottom, rect.Bottom + FGridLineWidth);
        }
    }
    if (right < area.Right) canvas.FillRectColor(TRect{right, area.Top, area.Right, area.Bottom}, Color());
    if (bottom < area.Bottom) canvas.FillRectColor(TRect{area.Left, bottom, std::min(right, area.Right), area.Bottom}, Color());
}

void TCustomGrid::Invalidate()
{
    UpdateScrollRanges();
    TCustomControl::Invalidate();
}

// The bars count the scrolling rows and columns: positions are the top row and the left column
// the grid can take, the page the rows or columns its last page shows.  A bar shown or hidden
// changes the other's room, hence the second round.
void TCustomGrid::UpdateScrollRanges()
{
    if (FUpdatingScrollRanges) return;
    FUpdatingScrollRanges = true;
    for (int round = 0; round < 2; ++round) {
        FTopLeft = {std::clamp(FTopLeft.X, FFixedCols, std::max(FFixedCols, LastLeftCol())),
                    std::clamp(FTopLeft.Y, FFixedRows, std::max(FFixedRows, LastTopRow()))};
        SCROLLINFO v;
        v.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        v.nMin = FFixedRows;
        v.nMax = RowCount() - 1;
        v.nPage = static_cast<Cardinal>(RowCount() - LastTopRow());
        v.nPos = FTopLeft.Y;
        SetScrollInfo(this, SB_VERT, &v, true);
        SCROLLINFO h;
        h.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        h.nMin = FFixedCols;
        h.nMax = ColCount() - 1;
        h.nPage = static_cast<Cardinal>(ColCount() - LastLeftCol());
        h.nPos = FTopLeft.X;
        SetScrollInfo(this, SB_HORZ, &h, true);
    }
    FUpdatingScrollRanges = false;
}

void TCustomGrid::WMVScroll(TMessage& message)
{
    const Word code = LoWord(static_cast<Cardinal>(message.WParam));
    if (code != SB_ENDSCROLL) SetTopRow(ScrollTarget(this, SB_VERT, code, 1, std::max(1, VisibleRowCount())));
}

void TCustomGrid::WMHScroll(TMessage& message)
{
    const Word code = LoWord(static_cast<Cardinal>(message.WParam));
    if (code != SB_ENDSCROLL) SetLeftCol(ScrollTarget(this, SB_HORZ, code, 1, std::max(1, VisibleColCount())));
}

void TCustomGrid::WMSize(TMessage& message)
{
    UpdateScrollRanges();
    TCustomControl::WMSize(message);
}

Integer TCustomGrid::SizingColumn(Integer X, Integer Y) const
{
    if (Y >= FixedHeight()) return -1;
    for (Integer c = 0; c < ColCount(); ++c) {
        Integer x = ColumnLeft(c);
        if (x < 0) continue;
        Integer line = x + FColWidths[c];
        if (X >= line - 2 && X <= line + FGridLineWidth + 1) return c;
    }
    return -1;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft && !Shift.Contains(ssDouble)) {
        if (CanFocus() && !Focused()) SetFocus();
        TGridCoord cell = MouseCoord(X, Y);
        Integer sizing = FOptions.Contains(goColSizing) ? SizingColumn(X, Y) : -1;
        if (sizing >= 0) {
            FState = gsColSizing;
            FSizingCol = sizing;
            FSizingStart = X - FColWidths[sizing];
        } else if (cell.Y >= 0 && cell.Y < FFixedRows && cell.X >= FFixedCols && FOptions.Contains(goColMoving)) {
            FState = gsColMoving;
            FMoveFrom = cell.X;
        } else if (cell.X >= FFixedCols && cell.Y >= FFixedRows) {
            bool extend = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
            FocusCell(cell.X, cell.Y, !extend);
            if (FOptions.Contains(goRangeSelect)) FState = gsSelecting;
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    if (FState == gsSelecting) {
        TGridCoord cell = MouseCoord(X, Y);
        if (cell.X >= FFixedCols && cell.Y >= FFixedRows) FocusCell(cell.X, cell.Y, false);
    } else if (FState == gsColSizing) {
        SetColWidths(FSizingCol, std::max(0, X - FSizingStart));
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (FState == gsColMoving) {
        TGridCoord cell = MouseCoord(X, Y);
        if (cell.X >= FFixedCols && cell.X != FMoveFrom) ColumnMoved(FMoveFrom, cell.X);
    }
    FState = gsNormal;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    Integer col = FCurrent.X, row = FCurrent.Y;
    Integer page = std::max(1, VisibleRowCount());
    switch (Key) {
    case VK_LEFT: --col; break;
    case VK_RIGHT: ++col; break;
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_PRIOR: row -= page; break;
    case VK_NEXT: row += page; break;
    case VK_HOME: if (Shift.Contains(ssCtrl)) row = FFixedRows; col = FFixedCols; break;
    case VK_END: if (Shift.Contains(ssCtrl)) row = RowCount() - 1; col = ColCount() - 1; break;
    default: return;
    }
    FocusCell(col, row, !(Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect)));
}

bool TCustomGrid::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    SetTopRow(FTopLeft.Y - WheelDelta / 120);
    return true;
}

void TCustomGrid::WMGetDlgCode(TMessage& message)
{
    message.Result = DLGC_WANTARROWS | (FOptions.Contains(goTabs) ? DLGC_WANTTAB : 0u);
}

// ---------------------------------------------------------------- TStringGrid
const TStringGrid::TCell* TStringGrid::Find(Integer ACol, Integer ARow) const
{
    if (ACol < 0 || ACol >= static_cast<Integer>(FColumns.size())) return nullptr;
    const auto& column = FColumns[ACol];
    return ARow >= 0 && ARow < static_cast<Integer>(column.size()) ? &column[ARow] : nullptr;
}

TStringGrid::TCell* TStringGrid::Find(Integer ACol, Integer ARow)
{
    return const_cast<TCell*>(static_cast<const TStringGrid*>(this)->Find(ACol, ARow));
}

TStringGrid::TCell& TStringGrid::Ensure(Integer ACol, Integer ARow)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        throw EListError("Grid index out of range");
    if (ACol >= static_cast<Integer>(FColumns.size())) FColumns.resize(ACol + 1);
    auto& column = FColumns[ACol];
    if (ARow >= static_cast<Integer>(column.size())) column.resize(ARow + 1);
    return column[ARow];
}

String TStringGrid::Cells(Integer ACol, Integer ARow) const
{
    const TCell* cell = Find(ACol, ARow);
    return cell ? cell->Text : String();
}

void TStringGrid::SetCells(Integer ACol, Integer ARow, const String& value)
{
    Ensure(ACol, ARow).Text = value;
    TRect r = CellRect(ACol, ARow);
    if (r.Width() > 0) InvalidateRect(r, false);
}

TObject* TStringGrid::Objects(Integer ACol, Integer ARow) const
{
    const TCell* cell = Find(ACol, ARow);
    return cell ? cell->Object : nullptr;
}

void TStringGrid::SetObjects(Integer ACol, Integer ARow, TObject* value) { Ensure(ACol, ARow).Object = value; }

void TStringGrid::DrawCell(Integer ACol, Integer ARow, TRect ARect, TGridDrawState AState)
{
    if (DefaultDrawing()) Canvas().TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

// Cells outside the grid's new size go: growing it again shows them empty.
void TStringGrid::SizeChanged(Integer OldColCount, Integer OldRowCount)
{
    if (static_cast<Integer>(FColumns.size()) > ColCount()) FColumns.resize(ColCount());
    for (auto& column : FColumns)
        if (static_cast<Integer>(column.size()) > RowCount()) column.resize(RowCount());
    TDrawGrid::SizeChanged(OldColCount, OldRowCount);
}

void TStringGrid::ColumnMoved(Integer FromIndex, Integer ToIndex)
{
    if (static_cast<Integer>(FColumns.size()) < ColCount()) FColumns.resize(ColCount());
    std::vector<TCell> column = std::move(FColumns[FromIndex]);
    FColumns.erase(FColumns.begin() + FromIndex);
    FColumns.insert(FColumns.begin() + ToIndex, std::move(column));
    TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}
