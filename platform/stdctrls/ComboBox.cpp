#include "platform/stdctrls/ComboBox.h"

#include <algorithm>

#include "platform/stdctrls/ScrollBars.h"

// ---------------------------------------------------------------- TComboPopupList
IMPLEMENT_CLASS(TComboPopupList, TCustomListBox, nullptr)

TComboPopupList::TComboPopupList(TCustomComboBox* combo) : TCustomListBox(nullptr), FCombo(combo)
{
    FVisible = false;
    FTabStop = false;
    SetBorderStyle(bsNone);
}

void TComboPopupList::CreateParams(TCreateParams& Params)
{
    TCustomListBox::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.Kind = TWindowKind::wkHint;
}

void TComboPopupList::DrawItem(Integer Index, TRect Rect, TOwnerDrawState State)
{
    if (FCombo->FStyle == csOwnerDrawFixed || FCombo->FStyle == csOwnerDrawVariable) {
        FCombo->FDrawCanvas = &Canvas();
        FCombo->DrawItem(Index, Rect, State);
        FCombo->FDrawCanvas = nullptr;
    } else
        TCustomListBox::DrawItem(Index, Rect, State);
}

void TComboPopupList::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomListBox::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft && ItemAtPos(TPoint{X, Y}, true) >= 0) FCombo->ClosePopup(true);
}

// ---------------------------------------------------------------- TCustomComboBox
TClass TCustomComboBox::StaticClass()
{
    static const TMetaClass meta("TCustomComboBox", TCustomControl::StaticClass(), NewComponent<TCustomComboBox>,
                                 [](TMetaClass& m) {
                                     for (Cardinal msg : std::initializer_list<Cardinal>{
                                              CB_ADDSTRING, CB_DELETESTRING, CB_GETCOUNT, CB_GETCURSEL, CB_GETLBTEXT,
                                              CB_GETLBTEXTLEN, CB_INSERTSTRING, CB_RESETCONTENT, CB_FINDSTRING,
                                              CB_SELECTSTRING, CB_SETCURSEL, CB_SHOWDROPDOWN, CB_GETITEMDATA,
                                              CB_SETITEMDATA, CB_SETITEMHEIGHT, CB_GETITEMHEIGHT, CB_GETDROPPEDSTATE,
                                              CB_FINDSTRINGEXACT, CB_GETDROPPEDWIDTH, CB_SETDROPPEDWIDTH})
                                         m.OnMessage(msg, &TCustomComboBox::CBMessage);
                                     m.OnMessage(CN_COMMAND, &TCustomComboBox::CNCommand);
                                     m.OnMessage(WM_GETDLGCODE, &TCustomComboBox::WMGetDlgCode);
                                     m.OnMessage(WM_KILLFOCUS, &TCustomComboBox::WMKillFocus);
                                     m.OnMessage(WM_SETFOCUS, &TCustomComboBox::WMSetFocus);
                                     m.OnMessage(CM_COLORCHANGED, &TCustomComboBox::CMColorChanged);
                                     m.OnMessage(CM_FONTCHANGED, &TCustomComboBox::CMFontChanged);
                                     for (Cardinal msg : {CB_GETEDITSEL, CB_SETEDITSEL, CB_LIMITTEXT})
                                         m.OnMessage(msg, &TCustomComboBox::CBMessage);
                                 });
    return &meta;
}
IMPLEMENT_CLASS(TComboBox, TCustomComboBox, NewComponent<TComboBox>)

TCustomComboBox::TCustomComboBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csDoubleClicks, csFixedHeight, csOpaque};
    FTabStop = true;
    FParentColor = false;
    FColor = clWindow;
    FWidth = 145;
    FHeight = 21;
    UpdateEdit();
}

TCustomComboBox::~TCustomComboBox()
{
    delete FPopup;
    delete FEdit;
}

// ---------------------------------------------------------------- the text box
IMPLEMENT_CLASS(TComboEdit, TCustomEdit, nullptr)

TComboEdit::TComboEdit(TCustomComboBox* combo) : TCustomEdit(nullptr), FCombo(combo)
{
    FTabStop = false;
    FParentColor = false;
    FOptions.Border = false;
    SetAutoSelect(false);
}

void TComboEdit::CreateParams(TCreateParams& Params)
{
    TCustomEdit::CreateParams(Params);
    Params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TComboEdit::Change()
{
    TCustomEdit::Change();
    if (!FCombo->FShowingText) FCombo->EditChanged();
}

void TComboEdit::KeyDown(Word& Key, TShiftState Shift)
{
    FCombo->KeyDown(Key, Shift);
    if (Key == 0) return;
    const bool listKey = Key == VK_UP || Key == VK_DOWN || Key == VK_F4 || (FCombo->DroppedDown() &&
                                                                            (Key == VK_RETURN || Key == VK_ESCAPE));
    if (listKey) Key = 0;   // worked by the combo box
    else TCustomEdit::KeyDown(Key, Shift);
}

void TComboEdit::KeyPress(char16_t& Key)
{
    FCombo->KeyPress(Key);
    if (Key) TCustomEdit::KeyPress(Key);
}

void TCustomComboBox::UpdateEdit()
{
    if (!Editable()) {
        delete FEdit;
        FEdit = nullptr;
        return;
    }
    if (!FEdit) {
        FEdit = new TComboEdit(this);
        FEdit->SetParent(this);
        FEdit->SetMaxLength(FMaxLength);
        ShowTextInEdit();
    }
    FEdit->Font().Assign(Font());
    FEdit->SetColor(Color());
    const TRect client = ClientRect();
    FEdit->SetBounds(client.Left + 2, client.Top + 1, std::max<Integer>(ButtonRect().Left - client.Left - 3, 0),
                     std::max<Integer>(client.Height() - 2, 0));
}

void TCustomComboBox::SetMaxLength(Integer value)
{
    FMaxLength = std::max<Integer>(value, 0);
    if (FEdit) FEdit->SetMaxLength(FMaxLength);
}

void TCustomComboBox::ShowTextInEdit()
{
    if (!FEdit || FEdit->Text() == FText) return;
    FShowingText = true;
    FEdit->SetText(FText);
    FShowingText = false;
}

void TCustomComboBox::EditChanged()
{
    FText = FEdit->Text();
    FItemIndex = FItems.IndexOf(FText);
    Perform(CN_COMMAND, MakeWParam(0, CBN_EDITCHANGE), 0);
}

void TCustomComboBox::Resize()
{
    TCustomControl::Resize();
    if (FEdit) UpdateEdit();
}

void TCustomComboBox::WMSetFocus(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    // the text box takes the keys of an editable combo box, with its text selected
    if (FEdit && FEdit->CanFocus()) {
        FEdit->SetFocus();
        FEdit->SelectAll();
    }
}

void TCustomComboBox::CMColorChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (FEdit) FEdit->SetColor(Color());
}

void TCustomComboBox::CMFontChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (FEdit) FEdit->Font().Assign(Font());
}

void TCustomComboBox::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomComboBox::TComboItems::Changed()
{
    TStringList::Changed();
    if (UpdateCount() == 0) FCombo->ItemsChanged();
}

void TCustomComboBox::ItemsChanged()
{
    if (FItemIndex >= FItems.Count()) FItemIndex = -1;
    Invalidate();
}

void TCustomComboBox::SetItemIndex(Integer value)
{
    if (value < -1 || value >= FItems.Count()) value = -1;
    if (FItemIndex == value) return;
    FItemIndex = value;
    FText = value >= 0 ? FItems[value] : String();
    ShowTextInEdit();
    Invalidate();
}

void TCustomComboBox::SetText(const String& value)
{
    FText = value;
    Integer i = FItems.IndexOf(value);
    FItemIndex = i;
    if (FStyle == csDropDownList && i < 0) FText = String();
    ShowTextInEdit();
    Invalidate();
}

void TCustomComboBox::SetStyle(TComboBoxStyle value)
{
    if (FStyle == value) return;
    FStyle = value;
    UpdateEdit();
    Invalidate();
}

void TCustomComboBox::SetItemHeight(Integer value)
{
    if (value <= 0 || FItemHeight == value) return;
    FItemHeight = value;
    Invalidate();
}

bool TCustomComboBox::DroppedDown() const { return FPopup && FPopup->Visible(); }

void TCustomComboBox::SetDroppedDown(bool value) { Perform(CB_SHOWDROPDOWN, value, 0); }

TRect TCustomComboBox::ButtonRect() const
{
    TRect c = ClientRect();
    return TRect{c.Right - ScrollBarSize, c.Top, c.Right, c.Bottom};
}

void TCustomComboBox::MeasureItem(Integer Index, Integer& Height) { OnMeasureItem(this, Index, Height); }

void TCustomComboBox::DrawItem(Integer Index, TRect Rect, TOwnerDrawState State)
{
    TCanvas& canvas = Canvas();
    if (OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    canvas.FillRect(Rect);
    if (Index >= 0 && Index < FItems.Count()) canvas.TextOut(Rect.Left + 2, Rect.Top, FItems[Index]);
}

void TCustomComboBox::Paint()
{
    TCanvas& canvas = Canvas();
    TRect client = ClientRect();
    TRect button = ButtonRect();
    TRect text{client.Left, client.Top, button.Left, client.Bottom};
    canvas.FillRectColor(text, Color());
    TRect item{text.Left + 1, text.Top + 1, text.Right - 1, text.Bottom - 1};
    TOwnerDrawState state{odComboBoxEdit};
    bool focused = Focused() && !DroppedDown();
    if (focused) {
        state.Include(odSelected);
        state.Include(odFocused);
    }
    if (!Enabled()) state.Include(odDisabled);
    canvas.Font().Assign(Font());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(focused ? clHighlight : Color());
    if (focused) canvas.Font().SetColor(clHighlightText);
    if (!Enabled()) canvas.Font().SetColor(clGrayText);
    if (FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable) {
        DrawItem(FItemIndex, item, state);
    } else {
        canvas.FillRect(item);
        TRect t = item;
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        DrawText(canvas.Handle(), FText, FText.Length(), &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        t.Left += 1;
    }
    if (focused) canvas.DrawFocusRect(item);
    DrawFrameControl(canvas.Handle(), &button, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (DroppedDown() ? UINT(DFCS_PUSHED | DFCS_FLAT) : 0u) |
                         (Enabled() ? 0u : UINT(DFCS_INACTIVE)));
}

void TCustomComboBox::Change() { OnChange(this); }

void TCustomComboBox::Select()
{
    if (OnSelect) OnSelect(this); else Change();
}

void TCustomComboBox::DropDown() { OnDropDown(this); }

TWinControl* TCustomComboBox::ListWindow() const { return FPopup; }

void TCustomComboBox::CloseUp() { OnCloseUp(this); }

void TCustomComboBox::ChooseByUser(Integer index)
{
    if (index < 0 || index >= FItems.Count() || index == FItemIndex) return;
    SetItemIndex(index);
    Perform(CN_COMMAND, MakeWParam(0, CBN_SELCHANGE), 0);
}

void TCustomComboBox::ClosePopup(bool accept)
{
    if (!DroppedDown()) return;
    Integer chosen = FPopup->ItemIndex();
    FPopup->Hide();
    Invalidate();
    if (accept) ChooseByUser(chosen);
    Perform(CN_COMMAND, MakeWParam(0, CBN_CLOSEUP), 0);
}

void TCustomComboBox::CNCommand(TMessage& message)
{
    switch (HiWord(message.WParam)) {
    case CBN_SELCHANGE:
        Click();
        Select();
        break;
    case CBN_EDITCHANGE: Change(); break;
    case CBN_DROPDOWN: DropDown(); break;
    case CBN_CLOSEUP: CloseUp(); break;
    }
}

void TCustomComboBox::CBMessage(TMessage& message)
{
    const Integer index = static_cast<Integer>(message.WParam);
    const bool valid = index >= 0 && index < FItems.Count();
    std::intptr_t& result = message.Result;
    auto text = [&]() -> const String& { return *reinterpret_cast<const String*>(message.LParam); };
    auto find = [&](bool exact) -> Integer {
        for (Integer n = 1; n <= FItems.Count(); ++n) {
            Integer i = ((index < 0 ? -1 : index) + n) % FItems.Count();
            bool match = exact ? AnsiSameText(FItems[i], text())
                               : AnsiSameText(Copy(FItems[i], 1, text().Length()), text());
            if (match) return i;
        }
        return -1;
    };
    switch (message.Msg) {
    case CB_ADDSTRING: result = FItems.Add(text()); break;
    case CB_INSERTSTRING:
        if (index < -1 || index > FItems.Count()) { result = -1; break; }
        FItems.Insert(index < 0 ? FItems.Count() : index, text());
        result = index < 0 ? FItems.Count() - 1 : index;
        break;
    case CB_DELETESTRING:
        if (!valid) { result = -1; break; }
        FItems.Delete(index);
        if (FItemIndex == index) SetItemIndex(-1); else if (FItemIndex > index) --FItemIndex;
        result = FItems.Count();
        break;
    case CB_RESETCONTENT:
        FItems.Clear();
        SetItemIndex(-1);
        break;
    case CB_GETEDITSEL: {
        const Integer start = SelStart(), end = start + SelLength();
        if (message.WParam) *reinterpret_cast<Integer*>(message.WParam) = start;
        if (message.LParam) *reinterpret_cast<Integer*>(message.LParam) = end;
        result = MakeLParam(start, end);
        break;
    }
    case CB_SETEDITSEL:
        if (!FEdit) { result = -1; break; }
        FEdit->Perform(EM_SETSEL, LoSmall(message.LParam), HiSmall(message.LParam));
        result = 1;
        break;
    case CB_LIMITTEXT:
        SetMaxLength(index);
        result = 1;
        break;
    case CB_GETCOUNT: result = FItems.Count(); break;
    case CB_GETCURSEL: result = FItemIndex; break;
    case CB_SETCURSEL:
        SetItemIndex(valid ? index : -1);
        result = valid ? index : -1;
        break;
    case CB_GETLBTEXT:
        if (!valid) { result = -1; break; }
        *reinterpret_cast<String*>(message.LParam) = FItems[index];
        result = FItems[index].Length();
        break;
    case CB_GETLBTEXTLEN: result = valid ? FItems[index].Length() : -1; break;
    case CB_FINDSTRING: result = FItems.Count() ? find(false) : -1; break;
    case CB_FINDSTRINGEXACT: result = FItems.Count() ? find(true) : -1; break;
    case CB_SELECTSTRING:
        result = FItems.Count() ? find(false) : -1;
        if (result >= 0) SetItemIndex(static_cast<Integer>(result));
        break;
    case CB_GETITEMDATA: result = valid ? reinterpret_cast<std::intptr_t>(FItems.Objects(index)) : -1; break;
    case CB_SETITEMDATA:
        if (!valid) { result = -1; break; }
        FItems.PutObject(index, reinterpret_cast<TObject*>(message.LParam));
        break;
    case CB_GETITEMHEIGHT: result = index == -1 ? Height() - 4 : FItemHeight; break;
    case CB_SETITEMHEIGHT:
        if (index != -1) SetItemHeight(static_cast<Integer>(message.LParam));
        break;
    case CB_GETDROPPEDSTATE: result = DroppedDown(); break;
    case CB_GETDROPPEDWIDTH: result = FDroppedWidth > 0 ? FDroppedWidth : Width(); break;
    case CB_SETDROPPEDWIDTH:
        FDroppedWidth = std::max(index, 0);
        result = FDroppedWidth > 0 ? FDroppedWidth : Width();
        break;
    case CB_SHOWDROPDOWN:
        if (message.WParam == 0) {
            ClosePopup(false);
            break;
        }
        if (DroppedDown()) break;
        Perform(CN_COMMAND, MakeWParam(0, CBN_DROPDOWN), 0);
        if (!FPopup) FPopup = new TComboPopupList(this);
        FPopup->SetStyle(FStyle == csOwnerDrawVariable ? lbOwnerDrawVariable
                         : FStyle == csOwnerDrawFixed  ? lbOwnerDrawFixed
                                                       : lbStandard);
        FPopup->SetItemHeight(FItemHeight);
        FPopup->OnMeasureItem = TMeasureItemEvent(this, &TCustomComboBox::PopupMeasure);
        FPopup->Font().Assign(Font());
        FPopup->Items().Assign(FItems);
        FPopup->SetItemIndex(FItemIndex);
        {
            Integer rows = std::clamp(FItems.Count(), 1, std::max(1, FDropDownCount));
            Integer height = 0;
            for (Integer i = 0; i < rows; ++i) height += FItems.Count() ? FPopup->ItemRect(i).Height() : FItemHeight;
            TPoint at = ClientToScreen(TPoint{-BorderWidthNC(), Height() - BorderWidthNC()});
            FPopup->SetBounds(at.X, at.Y, FDroppedWidth > 0 ? FDroppedWidth : Width(), height + 2);
        }
        FPopup->Show();
        FPopup->HandleNeeded();
        Invalidate();
        break;
    }
}

void TCustomComboBox::PopupMeasure(TWinControl*, Integer Index, Integer& Height) { MeasureItem(Index, Height); }

void TCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        SetDroppedDown(!DroppedDown());
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomComboBox::KeyDown(Word& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_F4 || ((Key == VK_DOWN || Key == VK_UP) && Shift.Contains(ssAlt))) {
        SetDroppedDown(!DroppedDown());
        return;
    }
    if (DroppedDown()) {
        switch (Key) {
        case VK_RETURN: ClosePopup(true); return;
        case VK_ESCAPE: ClosePopup(false); return;
        case VK_UP: FPopup->SetItemIndex(std::max(0, FPopup->ItemIndex() - 1)); return;
        case VK_DOWN: FPopup->SetItemIndex(std::min(FItems.Count() - 1, FPopup->ItemIndex() + 1)); return;
        default: return;
        }
    }
    if (FItems.Count() == 0) return;
    switch (Key) {
    case VK_UP: case VK_LEFT: ChooseByUser(std::max(0, FItemIndex - 1)); break;
    case VK_DOWN: case VK_RIGHT: ChooseByUser(std::min(FItems.Count() - 1, FItemIndex + 1)); break;
    case VK_HOME: ChooseByUser(0); break;
    case VK_END: ChooseByUser(FItems.Count() - 1); break;
    default: break;
    }
}

void TCustomComboBox::WMGetDlgCode(TMessage& message) { message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TCustomComboBox::WMKillFocus(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    ClosePopup(false);
}

bool GetComboBoxInfo(HWND combo, COMBOBOXINFO* info)
{
    auto* box = dynamic_cast<TCustomComboBox*>(combo);
    if (!box || !info) return false;
    info->hwndCombo = box;
    info->hwndItem = box->FEdit;
    info->hwndList = box->FPopup;
    info->rcButton = box->ButtonRect();
    const TRect client = box->ClientRect();
    info->rcItem = box->FEdit ? box->FEdit->BoundsRect() : TRect{client.Left + 1, client.Top + 1, info->rcButton.Left - 1,
                                                                 client.Bottom - 1};
    info->stateButton = box->DroppedDown() ? 0x8 : 0;   // STATE_SYSTEM_PRESSED while the list shows
    return true;
}
