#pragma once
// Standard controls drawn by the layer: label, group box, check box and radio button, and the
// list box with the platform list's message-level behaviour (LB_* messages, owner drawing with
// fixed and variable row heights, ItemAtPos, TopIndex, horizontal extent, multiple selection);
// the native memo.  The native edit and push button are those of platform/controls/StdCtrls.h.
#include <vector>

#include "platform/controls/StdCtrls.h"
#include "platform/graphics/GdiApi.h"
#include "platform/rtl/Lists.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };

// Measures of a font's text without a window (off screen).
Integer FontTextHeight(const TFont& font);
Integer FontTextWidth(const TFont& font, const String& text);

// ---------------------------------------------------------------- TLabel
class TCustomLabel : public TGraphicControl {
    DECLARE_CLASS(TCustomLabel, TGraphicControl)
public:
    explicit TCustomLabel(TComponent* AOwner);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value);
    void SetAutoSize(bool value) override;

protected:
    void Paint() override;
    bool CanAutoSize(Integer& NewWidth, Integer& NewHeight) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Draws (or, with DT_CALCRECT, measures) the caption in rect.
    virtual void DoDrawText(TRect& rect, UINT flags);
    void CMTextChanged(TMessage& message);
    void CMFontChanged(TMessage& message);

private:
    void TextFormatChanged();
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FTransparent = false;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
    DECLARE_CLASS(TLabel, TCustomLabel)
public:
    explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
};

// ---------------------------------------------------------------- TGroupBox
class TCustomGroupBox : public TCustomControl {
    DECLARE_CLASS(TCustomGroupBox, TCustomControl)
public:
    explicit TCustomGroupBox(TComponent* AOwner);

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) override;
    void CMTextChanged(TMessage& message);
};

class TGroupBox : public TCustomGroupBox {
    DECLARE_CLASS(TGroupBox, TCustomGroupBox)
public:
    explicit TGroupBox(TComponent* AOwner) : TCustomGroupBox(AOwner) {}
};

// ---------------------------------------------------------------- check box and radio button
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box or radio button drawn in the classic look: the box (13 x 13), then the caption.
// Space and clicks toggle a check box and check a radio button (which unchecks the radio
// buttons beside it in the same parent); OnClick follows every change of the checked state.
class TButtonControl : public TCustomControl {
    DECLARE_CLASS(TButtonControl, TCustomControl)
public:
    explicit TButtonControl(TComponent* AOwner);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    virtual void SetState(TCheckBoxState value);
    TAlignment Alignment() const { return FAlignment; }   // taRightJustify: caption right of the box
    void SetAlignment(TAlignment value);

protected:
    virtual bool IsRadio() const = 0;
    // What a click or Space does to the state.
    virtual void Toggle() = 0;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyPress(char16_t& Key) override;
    void CMTextChanged(TMessage& message);
    void BMGetCheck(TMessage& message);
    void BMSetCheck(TMessage& message);
    void BMClick(TMessage& message);
    TCheckBoxState FState = cbUnchecked;
    TAlignment FAlignment = taRightJustify;
};

class TCustomCheckBox : public TButtonControl {
    DECLARE_CLASS(TCustomCheckBox, TButtonControl)
public:
    explicit TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {}
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }

protected:
    bool IsRadio() const override { return false; }
    void Toggle() override;

private:
    bool FAllowGrayed = false;
};

class TCheckBox : public TCustomCheckBox {
    DECLARE_CLASS(TCheckBox, TCustomCheckBox)
public:
    explicit TCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner) {}
};

class TRadioButton : public TButtonControl {
    DECLARE_CLASS(TRadioButton, TButtonControl)
public:
    explicit TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {}
    void SetState(TCheckBoxState value) override;

protected:
    bool IsRadio() const override { return true; }
    void Toggle() override { SetChecked(true); }
};

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
    // selected row).  This base calls OnDrawItem or writes the text 2 pixels from the left.
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
    bool NeedsVScroll() const;
    bool NeedsHScroll() const;
    void PaintScrollBar(TCanvas& canvas, bool vertical);
    bool ScrollBarClick(TPoint p);

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

// ---------------------------------------------------------------- TComboBox
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox;

// The drop-down list of a combo box: a list box in a window of its own above the others.
class TComboPopupList : public TCustomListBox {
    DECLARE_CLASS(TComboPopupList, TCustomListBox)
public:
    explicit TComboPopupList(TCustomComboBox* combo);

protected:
    void CreateParams(TCreateParams& Params) override;
    void DrawItem(Integer Index, TRect Rect, TOwnerDrawState State) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

private:
    TCustomComboBox* FCombo;
};

// A combo box drawn by the layer: the chosen item in a sunken box with the arrow button; the
// button (or F4, Alt+Down) drops the list down.  A choice by the user sets the text and fires
// OnClick, then OnSelect (OnChange when OnSelect is not assigned); the arrow keys choose
// without dropping down.  Choosing by program (ItemIndex, CB_SETCURSEL) fires nothing.
// The text is not typed in: csDropDown and csSimple show the chosen item like csDropDownList.
class TCustomComboBox : public TCustomControl {
    DECLARE_CLASS(TCustomComboBox, TCustomControl)
public:
    explicit TCustomComboBox(TComponent* AOwner);
    ~TCustomComboBox() override;
    TStrings& Items() { return FItems; }
    void SetItems(const TStrings& value) { FItems.Assign(value); }
    Integer ItemIndex() const { return FItemIndex; }
    void SetItemIndex(Integer value);
    String Text() const { return FText; }
    void SetText(const String& value) override;
    String GetText() const override { return FText; }
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);
    Integer DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(Integer value) { FDropDownCount = value; }
    Integer ItemHeight() const { return FItemHeight; }
    void SetItemHeight(Integer value);
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    Integer DroppedWidth() const { return FDroppedWidth; }
    // While a row of the drop-down list is drawn, the list's canvas.
    TCanvas& Canvas() { return FDrawCanvas ? *FDrawCanvas : TCustomControl::Canvas(); }

    TNotifyEvent OnChange, OnSelect, OnDropDown, OnCloseUp;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    virtual void DrawItem(Integer Index, TRect Rect, TOwnerDrawState State);
    virtual void MeasureItem(Integer Index, Integer& Height);
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void CBMessage(TMessage& message);
    void CNCommand(TMessage& message);
    void WMGetDlgCode(TMessage& message);
    void WMKillFocus(TMessage& message);

private:
    friend class TComboPopupList;
    class TComboItems : public TStringList {
    public:
        explicit TComboItems(TCustomComboBox* combo) : FCombo(combo) {}
    protected:
        void Changed() override;
    private:
        TCustomComboBox* FCombo;
    };
    void ItemsChanged();
    void ChooseByUser(Integer index);   // sets the choice and tells (CBN_SELCHANGE)
    void ClosePopup(bool accept);
    void PopupMeasure(TWinControl* Control, Integer Index, Integer& Height);
    TRect ButtonRect() const;

    TComboItems FItems{this};
    Integer FItemIndex = -1;
    String FText;
    TComboBoxStyle FStyle = csDropDown;
    Integer FDropDownCount = 8;
    Integer FItemHeight = 16;
    Integer FDroppedWidth = 0;
    TComboPopupList* FPopup = nullptr;
    TCanvas* FDrawCanvas = nullptr;
};

class TComboBox : public TCustomComboBox {
    DECLARE_CLASS(TComboBox, TCustomComboBox)
public:
    explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
};

// ---------------------------------------------------------------- TScrollBar
enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
using TScrollEvent = TEvent<TObject*, TScrollCode, Integer&>;

// A scroll bar control drawn by the layer.  A click on an arrow moves by SmallChange, on the
// track by LargeChange; OnScroll may change the new position, OnChange follows a change.
class TScrollBar : public TCustomControl {
    DECLARE_CLASS(TScrollBar, TCustomControl)
public:
    explicit TScrollBar(TComponent* AOwner);
    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind value);
    Integer Min() const { return FMin; }
    Integer Max() const { return FMax; }
    Integer Position() const { return FPosition; }
    void SetMin(Integer value) { SetParams(FPosition, value, FMax); }
    void SetMax(Integer value) { SetParams(FPosition, FMin, value); }
    void SetPosition(Integer value) { SetParams(value, FMin, FMax); }
    void SetParams(Integer APosition, Integer AMin, Integer AMax);
    Integer SmallChange() const { return FSmallChange; }
    void SetSmallChange(Integer value) { FSmallChange = value; }
    Integer LargeChange() const { return FLargeChange; }
    void SetLargeChange(Integer value) { FLargeChange = value; }
    Integer PageSize() const { return FPageSize; }
    void SetPageSize(Integer value);

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    virtual void Scroll(TScrollCode ScrollCode, Integer& ScrollPos);

private:
    void DoScroll(TScrollCode code, Integer pos);
    TScrollBarKind FKind = sbHorizontal;
    Integer FMin = 0, FMax = 100, FPosition = 0, FSmallChange = 1, FLargeChange = 1, FPageSize = 0;
};

// ---------------------------------------------------------------- TMemo
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomMemo;

// The memo's Lines: the lines of its text, a line break being CR LF.  An empty last line (after
// a final line break) is not counted, so that lines added one by one each end with a line break.
class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TCustomMemo* memo) : FMemo(memo) {}
    Integer Count() const override;
    String Get(Integer index) const override;
    void Put(Integer index, const String& s) override;
    void Insert(Integer index, const String& s) override;
    void Delete(Integer index) override;
    void Clear() override;
    void SetText(const String& text) override;   // the memo's text as given

private:
    TCustomMemo* FMemo;
};

// The native multi-line edit: the edit's EM_* messages with positions counting a line break as
// two characters, word wrap and scroll bars.
class TCustomMemo : public TCustomEdit {
    DECLARE_CLASS(TCustomMemo, TCustomEdit)
public:
    explicit TCustomMemo(TComponent* AOwner);
    TStrings& Lines() { return FLines; }
    bool WordWrap() const { return FOptions.WordWrap; }
    void SetWordWrap(bool value);
    TScrollStyle ScrollBars() const { return static_cast<TScrollStyle>(FOptions.ScrollBars); }
    void SetScrollBars(TScrollStyle value);
    // The line messages (EM_GETLINECOUNT, EM_LINEINDEX, EM_LINEFROMCHAR, EM_LINELENGTH), then
    // the edit's.
    void DefaultHandler(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void WMGetDlgCode(TMessage& message);

private:
    TMemoStrings FLines{this};
};

class TMemo : public TCustomMemo {
    DECLARE_CLASS(TMemo, TCustomMemo)
public:
    explicit TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}
};
