// The masked edit of the combo edits: clipboard messages filtered by the edit's command set.
#include "editcontrols/EcExMask.h"

#include "platform/services/Sound.h"

IMPLEMENT_CLASS(TEcExCustomMaskEdit, TCustomMaskEdit, nullptr)

namespace {

// The command a clipboard or undo message stands for; false for any other message.
bool ClipboardCommandOf(Cardinal msg, TEcClipboardCommand& command)
{
    switch (msg) {
    case WM_COPY: command = caCopy; return true;
    case WM_CUT: command = caCut; return true;
    case WM_PASTE: command = caPaste; return true;
    case WM_CLEAR: command = caClear; return true;
    case WM_UNDO:
    case EM_UNDO: command = caUndo; return true;
    default: return false;
    }
}

}  // namespace

void TEcExCustomMaskEdit::WndProc(TMessage& message)
{
    TEcClipboardCommand command;
    if (ClipboardCommandOf(message.Msg, command) && !FClipboardCommands.Contains(command)) {
        message.Result = 1;
        return;
    }
    if (message.Msg == CM_HINTSHOW) {
        message.Result = HintShow(*reinterpret_cast<THintInfo*>(message.LParam));
        return;
    }
    // Hover: MouseOver already holds its new value in both events.
    if (message.Msg == CM_MOUSEENTER) {
        FMouseOver = true;
        OnMouseEnter(this);
    }
    if (message.Msg == CM_MOUSELEAVE) FMouseOver = false;
    TCustomMaskEdit::WndProc(message);
    if (message.Msg == CM_MOUSELEAVE) OnMouseLeave(this);
    if (FDotNetHighlighting) HandleDotNetHighlight(this, message, FMouseOver, Color());
}

bool TEcExCustomMaskEdit::HintShow(THintInfo& HintInfo)
{
    ApplyOwnHintLook(HintInfo, this, FHintColor, FHintWindowClass);
    TMessage m{CM_HINTSHOW, 0, reinterpret_cast<std::intptr_t>(&HintInfo), 0};
    TCustomMaskEdit::WndProc(m);
    return m.Result != 0;
}

void TEcExCustomMaskEdit::ErrorBeep() const
{
    if (FBeepOnError) MessageBeep(0);
}
