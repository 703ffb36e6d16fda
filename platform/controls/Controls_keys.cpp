// Focus and keys: tab order and focus moves, WM_KEYDOWN, WM_CHAR and the dialog keys, OnEnter and
// OnExit, the mouse wheel for the focused control.
#include "platform/controls/Controls.h"

#include <algorithm>

#include "platform/controls/Controls_internal.h"

using namespace ControlsKernel;

Integer TWinControl::TabOrder() const
{
    if (!FParent) return -1;
    auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<Integer>(it - list.begin());
}

void TWinControl::SetTabOrder(Integer value)
{
    if (!FParent) return;
    auto& list = FParent->FTabList;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    value = std::clamp<Integer>(value, 0, static_cast<Integer>(list.size()));
    list.insert(list.begin() + value, this);
}

void TWinControl::SetTabStop(bool value)
{
    if (value == FTabStop) return;
    FTabStop = value;
    Perform(CM_TABSTOPCHANGED);
}

void TWinControl::SetChildOrder(TComponent* Child, Integer Order)
{
    if (auto* w = dynamic_cast<TWinControl*>(Child); w && w->FParent == this) w->SetTabOrder(Order);
}

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

bool TWinControl::Focused() const { return FHandle && WindowSystem().HasFocus(FHandle); }

void TWinControl::SetFocus()
{
    HandleNeeded();
    // The window takes the focus first (its WM_SETFOCUS makes it the form's focused control), so
    // the control is focused by the time it is entered.
    if (FHandle) WindowSystem().SetFocus(FHandle);
    TWinControl* form = FormWindow();
    if (!form || form == this || !LiveControls().contains(this)) return;
    // In the active window the toolkit moved the focus at once and the form heard of it.  When the
    // window did not keep the focus there, an exit handler refused the change and took the focus
    // back: the form is not told again.  Elsewhere (a window not yet active) the form is told here.
    const bool active = form->HandleAllocated() && WindowSystem().IsActive(form->WindowHandle());
    if (active && FHandle && !WindowSystem().HasFocus(FHandle)) return;
    form->SetFocusedControl(this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* w : FTabList) {
        list.push_back(w);
        w->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const Integer n = static_cast<Integer>(list.size());
    auto it = std::find(list.begin(), list.end(), CurControl);
    Integer start = it == list.end() ? (GoForward ? n - 1 : 0) : static_cast<Integer>(it - list.begin());
    Integer i = start;
    for (Integer step = 0; step < n; ++step) {
        i = GoForward ? (i + 1) % n : (i + n - 1) % n;
        TWinControl* c = list[i];
        if (c == CurControl) break;
        if (CheckParent && c->FParent != this) continue;
        if (CheckTabStop && !c->FTabStop) continue;
        if (!c->CanFocus()) continue;
        return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop)
{
    if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, false)) next->SetFocus();
}

void TWinControl::SelectFirst()
{
    if (TWinControl* first = FindNextControl(nullptr, true, true, false)) first->SetFocus();
}

bool TWinControl::DoKeyDown(TMessage& message)
{
    TWinControl* form = FormWindow();
    if (form && form != this && form->KeyPreviewActive() && form->DoKeyDown(message)) return true;
    Word key = static_cast<Word>(message.WParam);
    KeyDown(key, KeyDataToShiftState(static_cast<Integer>(message.LParam)));
    message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& message)
{
    TWinControl* form = FormWindow();
    if (form && form != this && form->KeyPreviewActive() && form->DoKeyUp(message)) return true;
    Word key = static_cast<Word>(message.WParam);
    KeyUp(key, KeyDataToShiftState(static_cast<Integer>(message.LParam)));
    message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& message)
{
    TWinControl* form = FormWindow();
    if (form && form != this && form->KeyPreviewActive() && form->DoKeyPress(message)) return true;
    char16_t ch = static_cast<char16_t>(message.WParam);
    KeyPress(ch);
    message.WParam = ch;
    return ch == 0;
}

bool TWinControl::TakeDialogKeyUsed()
{
    bool used = FDialogKeyUsed;
    FDialogKeyUsed = false;
    return used;
}

void TWinControl::KeyDown(Word& Key, TShiftState Shift) { OnKeyDown(this, Key, Shift); }
void TWinControl::KeyUp(Word& Key, TShiftState Shift) { OnKeyUp(this, Key, Shift); }
void TWinControl::KeyPress(char16_t& Key) { OnKeyPress(this, Key); }
void TWinControl::DoEnter() { OnEnter(this); }
void TWinControl::DoExit() { OnExit(this); }

bool TWinControl::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos)
{
    bool handled = false;
    OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    if (handled) return true;
    return WheelDelta < 0 ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
}

bool TWinControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    OnMouseWheelDown(this, Shift, MousePos, handled);
    return handled;
}

bool TWinControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    OnMouseWheelUp(this, Shift, MousePos, handled);
    return handled;
}

void TWinControl::WMKeyDown(TMessage& message)
{
    FDialogKeyUsed = false;
    if (DoKeyDown(message)) return;
    const Word key = static_cast<Word>(message.WParam);
    if (key == VK_F1)
        if (TWinControl* form = FormWindow(); form && form->Perform(WM_HELP, 0, reinterpret_cast<std::intptr_t>(this)) != 0)
            return;
    Cardinal want = 0;
    switch (key) {
    case VK_TAB: want = DLGC_WANTTAB; break;
    case VK_RETURN:
    case VK_ESCAPE: want = DLGC_WANTALLKEYS; break;
    default: break;
    }
    if (want && !(static_cast<Cardinal>(Perform(WM_GETDLGCODE)) & want)) {
        if (TWinControl* form = FormWindow(); form && form->Perform(CM_DIALOGKEY, key, message.LParam) != 0) {
            FDialogKeyUsed = true;
            return;
        }
    }
    DefaultHandler(message);
}

void TWinControl::WMKeyUp(TMessage& message)
{
    if (!DoKeyUp(message)) DefaultHandler(message);
}

// A character the focused control does not take (no DLGC_WANTCHARS) is offered to the form's
// controls as an accelerator first.
void TWinControl::WMChar(TMessage& message)
{
    if (DoKeyPress(message)) return;
    if (!(static_cast<Cardinal>(Perform(WM_GETDLGCODE)) & DLGC_WANTCHARS))
        if (TWinControl* form = FormWindow(); form && form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0)
            return;
    DefaultHandler(message);
}

// Alt+character: the form's accelerators.
void TWinControl::WMSysChar(TMessage& message)
{
    if (TWinControl* form = FormWindow(); form && form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0)
        return;
    DefaultHandler(message);
}

void TWinControl::WMSetFocus(TMessage& message)
{
    if (TWinControl* form = FormWindow(); form && form != this) form->SetFocusedControl(this);
    if (LiveControls().contains(this)) DefaultHandler(message);
}

void TWinControl::WMKillFocus(TMessage& message) { DefaultHandler(message); }

void TWinControl::WMMouseWheel(TMessage& message)
{
    TPoint p{LoSmall(message.LParam), HiSmall(message.LParam)};
    if (DoMouseWheel(KeysToShiftState(LoWord(message.WParam)), HiSmall(message.WParam), p)) {
        message.Result = 1;
        return;
    }
    DefaultHandler(message);
    if (message.Result == 0 && FParent) message.Result = FParent->Perform(WM_MOUSEWHEEL, message.WParam, message.LParam);
}

void TWinControl::WMGetDlgCode(TMessage& message) { DefaultHandler(message); }

void TWinControl::CMEnter(TMessage&) { DoEnter(); }
void TWinControl::CMExit(TMessage&) { DoExit(); }
