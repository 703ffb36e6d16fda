#pragma once
// The list box drawn by the layer with the platform list's message-level behaviour (LB_* messages,
// owner drawing with fixed and variable row heights, ItemAtPos, TopIndex, horizontal extent,
// multiple selection).
#include "platform/controls/Controls.h"
#include "platform/graphics/GdiApi.h"
#include "platform/rtl/Lists.h"

// ---------------------------------------------------------------- TListBox
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
enum TOwnerDrawStateFlag {
    odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive, odNoAccel,
    odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit
};
using TOwnerDrawState = Set<TOwnerDrawStateFlag>;
using TDrawItemEvent = TEvent<TWinControl*, Integer, TRect, TOwnerDrawState>;
using TMeasureItemEvent = TEvent<TWinControl*, Integer, Integer&>;

// LB_* answers.
enum : Integer { LB_OKAY = 0, LB_ERR = -1 };
// Caret index messages of the platform list.
enum : Cardinal { LB_SETCARETINDEX = 0x019E, LB_GETCARETINDEX = 0x019F, LB_SELITEMRANGE = 0x019B };

class TCustomListBox;

// The list box's Items: every call is a message to the list box (LB_ADDSTRING, LB_GETTEXT ...).
class TListBoxStrings : public TStrings {
public:
    explicit TListBoxStrings(TCustomListBox* listBox) : FListBox(listBox) {}
    Integer Count() const override;
    String Get(Integer index) const override;
    TObject* GetObject(Integer index) const override;
    void PutObject(Integer index, TObject* object) override;
    void Put(Integer index, const String& s) override;
    void Insert(Integer index, const String& s) override;
    Integer Add(const String& s) override;
    void Delete(Integer index) override;
    void Clear() override;

protected:
    void SetUpdateState(bool updating) override;

private:
    TCustomListBox* FListBox;
};

// Text messages carry a String*: LB_ADDSTRING / LB_INSERTSTRING / LB_FINDSTRING(EXACT) read it
// from LParam, LB_GETTEXT writes the row's text into it.
class TCustomListBox : public TCustomControl {
    DECLARE_CLASS(TCustomListBox, TCustomControl)
public:
    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;

    TStrings& Items() { return FItems; }
    void SetItems(const TStrings& value) { FItems.Assign(value); }
    Integer Count() const { return static_cast<Integer>(FList.size()); }
    void Clear() { FItems.Clear(); }

    // The selected row (the caret row with MultiSelect); -1 for none.  Setting it by program
    // does not fire OnClick.
    Integer ItemIndex() const;
    void SetItemIndex(Integer value);
    bool Selected(Integer index) const;
    void SetSelected(Integer index, bool value);
    Integer SelCount() const;
    void ClearSelection();
    void SelectAll();
    Integer TopIndex() const { return FTopIndex; }
    void SetTopIndex(Integer value);
    Integer ItemHeight() const;
    void SetItemHeight(Integer value);
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value);
    bool ExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool value) { FExtendedSelect = value; }
    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // Horizontal extent: rows are this wide and scroll sideways when wider than the list.
    Integer ScrollWidth() const { return FHorzExtent; }
    void SetScrollWidth(Integer value);

    // The row at a client point; -1 outside the client area, and for a point below the last
    // row -1 with Existing, else Count.
    Integer ItemAtPos(TPoint Pos, bool Existing) const;
    // The rectangle of a row in client coordinates (Count: the place after the last row).
    TRect ItemRect(Integer Index) const;
    TCanvas& Canvas() { return TCustomControl::Canvas(); }

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    // Draws one row; the canvas holds the control's font and brush (highlight colours for a
    // selected row).  This base calls OnDrawItem or writes the text 2 pixels from the left and
    // frames the focused row; a row drawn by its owner shows the focus as the owner draws it.
    virtual void DrawItem(Integer Index, TRect Rect, TOwnerDrawState State);
    virtual void MeasureItem(Integer Index, Integer& Height);
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;

    void LBMessage(TMessage& message);
    void CNCommand(TMessage& message);
    void WMSetRedraw(TMessage& message);
    void WMGetDlgCode(TMessage& message);
    void CMFontChanged(TMessage& message);
    void WMFocusChanged(TMessage& message);

    // The area the rows take (client area without scroll bars).
    TRect ListRect() const;

private:
    friend class TListBoxStrings;
    struct TRow {
        String Text;
        std::intptr_t Data = 0;
        bool Selected = false;
        Integer Height = 0;
    };
    Integer InsertRow(Integer index, const String& text);
    Integer RowHeight(Integer index) const;
    Integer StandardHeight() const;
    void SelectRow(Integer index, TShiftState shift, bool byMouse);
    void MakeVisible(Integer index);
    Integer LastTopIndex() const;
    Integer PageRows(Integer from) const;
    void Changed();   // repaints unless redrawing is off
    void NotifySelChange();
    // The window scroll bars follow the rows and the horizontal extent.
    void UpdateScrollRanges();
    void WMVScroll(TMessage& message);
    void WMHScroll(TMessage& message);
    void WMSize(TMessage& message);
    bool FUpdatingScrollRanges = false;

    TListBoxStrings FItems{this};
    std::vector<TRow> FList;
    Integer FCaret = -1;        // the focused row; the selected one without MultiSelect
    Integer FAnchor = -1;       // start of a Shift range
    Integer FTopIndex = 0;
    Integer FItemHeight = 16;
    Integer FHorzExtent = 0;
    Integer FHorzPos = 0;
    TListBoxStyle FStyle = lbStandard;
    bool FMultiSelect = false;
    bool FExtendedSelect = true;
    bool FSorted = false;
    TBorderStyle FBorderStyle = bsSingle;
    bool FRedraw = true;
    bool FTracking = false;
};

class TListBox : public TCustomListBox {
    DECLARE_CLASS(TListBox, TCustomListBox)
public:
    explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
};
