#pragma once
// The combo box drawn by the layer, with its drop-down list.
#include "platform/stdctrls/Edits.h"
#include "platform/stdctrls/ListBox.h"

// ---------------------------------------------------------------- TComboBox
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox;
struct COMBOBOXINFO;

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

// The text box of an editable combo box: a native edit without border inside it, left of the
// button.  What the user types becomes the combo box's text (CBN_EDITCHANGE, OnChange); its
// keys go to the combo box's key events first, and the arrow keys and F4 work the list.
class TComboEdit : public TCustomEdit {
    DECLARE_CLASS(TComboEdit, TCustomEdit)
public:
    explicit TComboEdit(TCustomComboBox* combo);

protected:
    void CreateParams(TCreateParams& Params) override;
    void Change() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;

private:
    TCustomComboBox* FCombo;
};

// A combo box drawn by the layer: the chosen item in a sunken box with the arrow button; the
// button (or F4, Alt+Down) drops the list down.  A choice by the user sets the text and fires
// OnClick, then OnSelect (OnChange when OnSelect is not assigned); the arrow keys choose
// without dropping down.  Choosing by program (ItemIndex, CB_SETCURSEL) fires nothing.
// csDropDown and csSimple have a text box to type in (EditHandle); the others show the chosen
// item.
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
    // The most characters the text box takes (0: no limit), kept across changes of Style.
    Integer MaxLength() const { return FMaxLength; }
    void SetMaxLength(Integer value);
    bool Sorted() const { return FItems.Sorted(); }
    void SetSorted(bool value) { FItems.SetSorted(value); }
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    Integer DroppedWidth() const { return FDroppedWidth; }
    // The drop-down list's own window (what the combo box information gives as its list), made
    // when the list first drops down; null before.  Its WindowProc may be replaced.
    TWinControl* ListWindow() const;
    // The text box of csDropDown and csSimple; null for the other styles.
    TCustomEdit* EditHandle() const { return FEdit; }
    // The selection in the text box (none without one); CB_GETEDITSEL and CB_SETEDITSEL.
    Integer SelStart() { return FEdit ? FEdit->SelStart() : 0; }
    void SetSelStart(Integer value) { if (FEdit) FEdit->SetSelStart(value); }
    Integer SelLength() { return FEdit ? FEdit->SelLength() : 0; }
    void SetSelLength(Integer value) { if (FEdit) FEdit->SetSelLength(value); }
    String SelText() { return FEdit ? FEdit->SelText() : String(); }
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
    void WMSetFocus(TMessage& message);
    void CMColorChanged(TMessage& message);   // the text box follows the box's colour and font
    void CMFontChanged(TMessage& message);
    void Resize() override;

private:
    friend class TComboPopupList;
    friend class TComboEdit;
    friend bool GetComboBoxInfo(HWND combo, COMBOBOXINFO* info);
    bool Editable() const { return FStyle == csDropDown || FStyle == csSimple; }
    void UpdateEdit();       // makes or frees the text box as the style asks, and places it
    void ShowTextInEdit();   // the combo box's text into its text box, telling no one
    void EditChanged();      // the user typed in the text box
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
    Integer FMaxLength = 0;
    Integer FItemHeight = 16;
    Integer FDroppedWidth = 0;
    TComboPopupList* FPopup = nullptr;
    TCanvas* FDrawCanvas = nullptr;
    TComboEdit* FEdit = nullptr;
    bool FShowingText = false;
};

// What the combo box information query answers: the box's window, its text box (csDropDown and
// csSimple; null for the other styles), its drop-down list (null until it first drops down), the
// rectangle of the chosen item's text and that of the button, in client coordinates.  cbSize is
// the size of the caller's record; false for a window that is no combo box.
struct COMBOBOXINFO {
    Cardinal cbSize = 0;
    TRect rcItem, rcButton;
    Cardinal stateButton = 0;
    HWND hwndCombo = nullptr, hwndItem = nullptr, hwndList = nullptr;
};
bool GetComboBoxInfo(HWND combo, COMBOBOXINFO* info);

class TComboBox : public TCustomComboBox {
    DECLARE_CLASS(TComboBox, TCustomComboBox)
public:
    explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
};
