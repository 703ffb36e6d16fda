#pragma once
// A control bar: each visible child (a tool bar) sits in a band of its own, drawn with a raised
// frame and a grab handle on its left.  Bands lie in rows RowSize pixels high, left to right
// without overlapping; dragging a band by its handle moves it along its row, into another row or
// into a new row above or below the others.  Rows left empty close up, and with AutoSize the bar
// takes the height of its rows.
#include <vector>

#include "platform/controls/Controls.h"

class TControlBar : public TCustomControl {
    DECLARE_CLASS(TControlBar, TCustomControl)
public:
    explicit TControlBar(TComponent* AOwner);
    Integer RowSize() const { return FRowSize; }
    void SetRowSize(Integer value);
    TCanvas& Canvas() { return TCustomControl::Canvas(); }

    // The band of a visible child: its frame, handle and the child inside; empty for others.
    TRect BandRect(const TControl* control) const;
    // The row (0 = top) the child's band lies in; -1 for a hidden child.
    Integer BandRow(const TControl* control) const;

    // The space a band takes around its child: the frame and the grab handle on the left.
    static constexpr Integer BandLeft = 11, BandMargin = 2;

protected:
    void Paint() override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void ChildPlacementChanged(TControl* child) override;
    bool CanAutoSize(Integer& NewWidth, Integer& NewHeight) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void WMSetCursor(TMessage& message);
    void CMControlListChange(TMessage& message);

private:
    // A child's band: the row it belongs to (an ordering key; the visible rows are numbered from
    // the top as they come) and where its band starts in the row.
    struct TBand {
        TControl* Control;
        Integer Row;
        Integer Left;
        TRect Placed;   // where the bar last put the child
    };
    void FollowChild(TBand& band);
    Integer RowAt(Integer top) const;
    void SyncBands();
    void LayOut();
    std::vector<Integer> VisibleRows() const;
    TBand* BandAt(TPoint p);
    TBand* BandOf(const TControl* control);
    const TBand* BandOf(const TControl* control) const;
    void MoveBand(TBand& band, TPoint p);

    std::vector<TBand> FBands;
    Integer FRowSize = 26;
    bool FLayingOut = false;
    TControl* FDragged = nullptr;   // the child whose band follows the mouse
    TPoint FGrab;                   // where in its band the handle was taken
};

void PublishControlBar();
