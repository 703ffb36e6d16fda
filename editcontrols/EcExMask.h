#pragma once
// TEcExCustomMaskEdit: the masked edit under the combo edits, with the clipboard commands it lets
// through, the beep of rejected input and the control's own hint colour and hint-window class.
#include "editcontrols/EcExControls.h"
#include "editcontrols/EcTypes.h"
#include "platform/stdctrls/Mask.h"

class TEcExCustomMaskEdit : public TCustomMaskEdit {
    DECLARE_CLASS(TEcExCustomMaskEdit, TCustomMaskEdit)
public:
    explicit TEcExCustomMaskEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {}

    // Undo, cut, copy, paste and clear messages reach the edit only for the commands in the set;
    // the others answer 1 and do nothing.
    TEcClipboardCommands ClipboardCommands() const { return FClipboardCommands; }
    virtual void SetClipboardCommands(TEcClipboardCommands value) { FClipboardCommands = value; }
    bool BeepOnError() const { return FBeepOnError; }
    virtual void SetBeepOnError(bool value) { FBeepOnError = value; }

    // The grey text an enabled, writable, unfocused and empty edit shows in place of its text.
    const String& TextHint() const { return FTextHint; }
    virtual void SetTextHint(const String& value) { FTextHint = value; }

    // The "DotNet" frame, highlighted while the edit has the focus or the mouse.
    bool DotNetHighlighting() const { return FDotNetHighlighting; }
    void SetDotNetHighlighting(bool value) { FDotNetHighlighting = value; }
    bool MouseOver() const { return FMouseOver; }
    TNotifyEvent OnMouseEnter, OnMouseLeave;

    void WndProc(TMessage& message) override;

protected:
    // The warning sound of a refused key or paste, when BeepOnError.
    void ErrorBeep() const;
    // The hint about to show takes this edit's colour and window class; true: no hint.
    virtual bool HintShow(THintInfo& HintInfo);

    TColor FHintColor = clDefault;
    THintWindowClass FHintWindowClass = nullptr;   // when set, the window class of this edit's hints
    bool FMouseOver = false;

private:
    bool FDotNetHighlighting = false;
    TEcClipboardCommands FClipboardCommands{caCopy, caCut, caPaste, caClear, caUndo};
    bool FBeepOnError = true;
    String FTextHint;
};
