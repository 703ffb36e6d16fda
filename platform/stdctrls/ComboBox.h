#pragma once
// The combo box drawn by the layer, with its drop-down list.
#include "platform/stdctrls/ListBox.h"

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
