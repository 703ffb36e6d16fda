#pragma once
// Grids drawn by the layer: TDrawGrid (the program draws the cells) and TStringGrid (a text per
// cell).  Fixed rows and columns stay in place while the others scroll; the current cell and a
// range selection follow the mouse and the arrow keys; columns can be sized and moved with the
// mouse in a fixed row when the options allow it.
#include <vector>

#include "platform/controls/Controls.h"

struct TGridCoord {
    Integer X = 0, Y = 0;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};
// Columns Left..Right and rows Top..Bottom, all included.
struct TGridRect {
    Integer Left = 0, Top = 0, Right = 0, Bottom = 0;
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

enum TGridOption {
    goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected, goRowSizing,
    goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect, goAlwaysShowEditor, goThumbTracking
};
using TGridOptions = Set<TGridOption>;
enum TGridDrawStateFlag { gdSelected, gdFocused, gdFixed };
using TGridDrawState = Set<TGridDrawStateFlag>;

using TDrawCellEvent = TEvent<TObject*, Integer, Integer, TRect, TGridDrawState>;
using TSelectCellEvent = TEvent<TObject*, Integer, Integer, bool&>;
using TMovedEvent = TEvent<TObject*, Integer, Integer>;

class TCustomGrid : public TCustomControl {
    DECLARE_CLASS(TCustomGrid, TCustomControl)
public:
    explicit TCustomGrid(TComponent* AOwner);

    Integer ColCount() const { return static_cast<Integer>(FColWidths.size()); }
    void SetColCount(Integer value);
    Integer RowCount() const { return static_cast<Integer>(FRowHeights.size()); }
    void SetRowCount(Integer value);
    Integer FixedCols() const { return FFixedCols; }
    void SetFixedCols(Integer value);
    Integer FixedRows() const { return FFixedRows; }
    void SetFixedRows(Integer value);
    Integer DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(Integer value);   // every column takes it
    Integer DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(Integer value);
    Integer ColWidths(Integer index) const { return FColWidths.at(index); }
    void SetColWidths(Integer index, Integer value);
    Integer RowHeights(Integer index) const { return FRowHeights.at(index); }
    void SetRowHeights(Integer index, Integer value);
    Integer GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(Integer value);
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor value);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool value) { FDefaultDrawing = value; }

    // The current cell; setting it asks SelectCell and makes the selection that cell.
    Integer Col() const { return FCurrent.X; }
    void SetCol(Integer value) { FocusCell(value, FCurrent.Y, true); }
    Integer Row() const { return FCurrent.Y; }
    void SetRow(Integer value) { FocusCell(FCurrent.X, value, true); }
    TGridRect Selection() const;
    void SetSelection(const TGridRect& value);
    Integer TopRow() const { return FTopLeft.Y; }
    void SetTopRow(Integer value);
    Integer LeftCol() const { return FTopLeft.X; }
    void SetLeftCol(Integer value);
    Integer VisibleColCount() const;
    Integer VisibleRowCount() const;

    // The cell's rectangle without its grid lines; empty when the cell is not visible.
    TRect CellRect(Integer ACol, Integer ARow) const;
    // The cell under a client point; -1 for a coordinate outside the cells.
    TGridCoord MouseCoord(Integer X, Integer Y) const;
    void MouseToCell(Integer X, Integer Y, Integer& ACol, Integer& ARow) const;

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    TNotifyEvent OnTopLeftChanged;
    TMovedEvent OnColumnMoved;

protected:
    // After ColCount or RowCount changed.
    virtual void SizeChanged(Integer, Integer) {}
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    virtual void DrawCell(Integer ACol, Integer ARow, TRect ARect, TGridDrawState AState);
    virtual bool SelectCell(Integer ACol, Integer ARow);
    virtual void ColumnMoved(Integer FromIndex, Integer ToIndex);
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;
    void WMGetDlgCode(TMessage& message);

    // The cell area: the client area, which the window scroll bars leave out.
    TRect GridArea() const { return ClientRect(); }
    // Changes of the grid invalidate it; the scroll bars follow them here.
    void Invalidate() override;

private:
    enum TGridState { gsNormal, gsSelecting, gsColSizing, gsColMoving };
    Integer ColumnLeft(Integer col) const;   // client x of a visible column, or -1
    Integer RowTop(Integer row) const;
    Integer FixedWidth() const;
    Integer FixedHeight() const;
    Integer LastTopRow() const;
    Integer LastLeftCol() const;
    void FocusCell(Integer col, Integer row, bool moveAnchor);
    void MakeVisible(Integer col, Integer row);
    void SetTopLeft(Integer col, Integer row);
    void ClampCurrent();
    Integer SizingColumn(Integer X, Integer Y) const;   // the column whose right line is at X in a fixed row
    void UpdateScrollRanges();
    void WMVScroll(TMessage& message);
    void WMHScroll(TMessage& message);
    void WMSize(TMessage& message);
    bool FUpdatingScrollRanges = false;

    std::vector<Integer> FColWidths, FRowHeights;
    Integer FFixedCols = 1, FFixedRows = 1;
    Integer FDefaultColWidth = 64, FDefaultRowHeight = 24, FGridLineWidth = 1;
    TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TColor FFixedColor = clBtnFace;
    bool FDefaultDrawing = true;
    TGridCoord FCurrent{1, 1}, FAnchor{1, 1}, FTopLeft{1, 1};
    TGridState FState = gsNormal;
    Integer FSizingCol = -1, FSizingStart = 0, FMoveFrom = -1;
};

class TDrawGrid : public TCustomGrid {
    DECLARE_CLASS(TDrawGrid, TCustomGrid)
public:
    explicit TDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}
};

// A text and an object per cell; the texts move with their columns.
class TStringGrid : public TDrawGrid {
    DECLARE_CLASS(TStringGrid, TDrawGrid)
public:
    explicit TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}
    String Cells(Integer ACol, Integer ARow) const;
    void SetCells(Integer ACol, Integer ARow, const String& value);
    TObject* Objects(Integer ACol, Integer ARow) const;
    void SetObjects(Integer ACol, Integer ARow, TObject* value);

protected:
    void DrawCell(Integer ACol, Integer ARow, TRect ARect, TGridDrawState AState) override;
    void ColumnMoved(Integer FromIndex, Integer ToIndex) override;
    void SizeChanged(Integer OldColCount, Integer OldRowCount) override;

private:
    struct TCell {
        String Text;
        TObject* Object = nullptr;
    };
    TCell* Find(Integer ACol, Integer ARow);
    const TCell* Find(Integer ACol, Integer ARow) const;
    TCell& Ensure(Integer ACol, Integer ARow);
    std::vector<std::vector<TCell>> FColumns;   // by column, then row; grown on demand
};
