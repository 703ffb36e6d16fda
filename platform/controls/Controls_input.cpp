// Input state and the message queue: key and mouse-button states kept from the delivered input,
// looking into the posted messages, cancelling the mouse mode, broadcasting to children, hidden
// windows that receive messages for an object, and changes of the desktop told to the top-level
// windows.
#include "platform/controls/Controls.h"

#include <algorithm>
#include <array>

#include "platform/controls/Controls_internal.h"

using namespace ControlsKernel;

namespace {

struct TKeyStates {
    std::array<bool, 256> Down{};
    std::array<bool, 256> Toggled{};
};

TKeyStates& KeyStates()
{
    static TKeyStates states;
    return states;
}

void Press(int vk, bool down)
{
    TKeyStates& k = KeyStates();
    if (down && !k.Down[vk]) k.Toggled[vk] = !k.Toggled[vk];
    k.Down[vk] = down;
}

// The window of AllocateHWnd: every message goes to its method, nothing else handles it.
class TUtilityWindow : public TWinControl {
public:
    explicit TUtilityWindow(TWndMethod method) : TWinControl(nullptr), FMethod(std::move(method)) {}
    void WndProc(TMessage& message) override
    {
        if (FMethod) FMethod(message);
    }

private:
    TWndMethod FMethod;
};

}  // namespace

void ControlsKernel::NoteInputState(const TMessage& m)
{
    const int vk = static_cast<int>(m.WParam & 0xFF);
    const bool keyDown = m.Msg == WM_KEYDOWN || m.Msg == WM_SYSKEYDOWN;
    if (keyDown || m.Msg == WM_KEYUP || m.Msg == WM_SYSKEYUP) {
        // the key data tells which modifier keys are held with the key
        const TShiftState shift = KeyDataToShiftState(static_cast<Integer>(m.LParam));
        KeyStates().Down[VK_SHIFT] = shift.Contains(ssShift);
        KeyStates().Down[VK_CONTROL] = shift.Contains(ssCtrl);
        KeyStates().Down[VK_MENU] = shift.Contains(ssAlt);
        Press(vk, keyDown);
        return;
    }
    if (!IsMouseMessage(m.Msg) || m.Msg == WM_MOUSEWHEEL) return;
    // every mouse message tells which buttons and modifier keys are down
    const Cardinal keys = static_cast<Cardinal>(m.WParam);
    Press(VK_LBUTTON, keys & MK_LBUTTON);
    Press(VK_RBUTTON, keys & MK_RBUTTON);
    Press(VK_MBUTTON, keys & MK_MBUTTON);
    KeyStates().Down[VK_SHIFT] = keys & MK_SHIFT;
    KeyStates().Down[VK_CONTROL] = keys & MK_CONTROL;
}

SmallInt GetKeyState(int vk)
{
    if (vk < 0 || vk > 255) return 0;
    const TKeyStates& k = KeyStates();
    return static_cast<SmallInt>((k.Down[vk] ? 0xFF80 : 0) | (k.Toggled[vk] ? 1 : 0));
}

SmallInt GetAsyncKeyState(int vk)
{
    if (vk < 0 || vk > 255) return 0;
    return static_cast<SmallInt>(KeyStates().Down[vk] ? 0x8000 : 0);
}

bool GetKeyboardState(Byte* state)
{
    if (!state) return false;
    const TKeyStates& k = KeyStates();
    for (int vk = 0; vk < 256; ++vk) state[vk] = static_cast<Byte>((k.Down[vk] ? 0x80 : 0) | (k.Toggled[vk] ? 1 : 0));
    return true;
}

std::deque<TPosted>& HeldInput()
{
    static std::deque<TPosted> held;
    return held;
}

bool PeekMessage(TMsg* msg, HWND window, Cardinal filterMin, Cardinal filterMax, Cardinal remove)
{
    const bool anyId = filterMin == 0 && filterMax == 0;
    for (std::deque<TPosted>* queue : {&PostedQueue(), &HeldInput()}) {
        for (auto it = queue->begin(); it != queue->end(); ++it) {
            if (window && it->Window != window) continue;
            if (!anyId && (it->Message.Msg < filterMin || it->Message.Msg > filterMax)) continue;
            if (msg) *msg = {it->Window, it->Message.Msg, it->Message.WParam, it->Message.LParam, 0, {}};
            if (remove & PM_REMOVE) queue->erase(it);
            return true;
        }
    }
    return false;
}

void HoldInput(HWND window, const TMessage& message) { HeldInput().push_back({window, message}); }

bool TakeHeldInput(HWND window, TMessage& message)
{
    auto& held = HeldInput();
    auto it = std::find_if(held.begin(), held.end(), [window](const TPosted& p) { return p.Window == window; });
    if (it == held.end()) return false;
    message = it->Message;
    held.erase(it);
    return true;
}

void CancelMode()
{
    if (HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE, 0, 0);
}

void TWinControl::Broadcast(TMessage& message)
{
    for (Integer i = 0; i < ControlCount(); ++i) {
        Controls(i)->WindowProc(message);
        if (message.Result != 0) return;
    }
}

HWND AllocateHWnd(TWndMethod method) { return new TUtilityWindow(std::move(method)); }

void DeallocateHWnd(HWND window)
{
    if (!dynamic_cast<TUtilityWindow*>(window)) return;
    std::erase_if(PostedQueue(), [window](const TPosted& p) { return p.Window == window; });
    delete window;
}

void BroadcastSystemChange(Cardinal message)
{
    std::vector<HWND> windows;
    for (const TControl* c : LiveControls())
        if (auto* w = dynamic_cast<TWinControl*>(const_cast<TControl*>(c)))
            if (!w->Parent() && (w->HandleAllocated() || dynamic_cast<TUtilityWindow*>(w))) windows.push_back(w);
    // a window's handler may free other windows: each is told only while it lives
    for (HWND w : windows)
        if (LiveControls().contains(w)) SendMessage(w, message, 0, 0);
}
