#pragma once
// The native edits: the single-line edit and the memo, the toolkit's line edit and plain-text
// edit under the control classes.  Keys reach them through KeyDown and KeyPress first, which can
// discard (Key := 0, Key := #0) or replace them.
#include "platform/controls/Controls.h"
#include "platform/rtl/Lists.h"

// Undo of the native edits, from the toolkit: the back end registers it.  Without one (or without
// a window) nothing can be undone.
class TEditUndo {
public:
    virtual ~TEditUndo() = default;
    virtual bool CanUndo(TWindowHandle* edit) = 0;
    virtual void Undo(TWindowHandle* edit) = 0;
    virtual void EmptyUndoBuffer(TWindowHandle* edit) = 0;
};
void RegisterEditUndo(TEditUndo* undo);

// The record of EM_SHOWBALLOONTIP (LParam): structure size, title, text and icon (0 none,
// 1 information, 2 warning, 3 error).  The edits here show no balloon tips: the message and
// EM_HIDEBALLOONTIP get the answer 0 and change nothing.
struct EDITBALLOONTIP {
    Cardinal cbStruct = 0;
    String pszTitle, pszText;
    Integer ttiIcon = 0;
};

class TCustomEdit : public TWinControl {
    DECLARE_CLASS(TCustomEdit, TWinControl)
public:
    explicit TCustomEdit(TComponent* AOwner);
    String Text() const { return GetText(); }
    String GetText() const override;
    TNotifyEvent OnChange;
    // The toolkit reports a change of the text.
    void TextEdited();

    // The EM_* state, read and written through the messages.
    Integer MaxLength() const { return FOptions.MaxLength; }
    void SetMaxLength(Integer value);
    bool ReadOnly() const { return FOptions.ReadOnly; }
    void SetReadOnly(bool value);
    char16_t PasswordChar() const { return FOptions.PasswordChar; }
    void SetPasswordChar(char16_t value);
    bool Modified();
    void SetModified(bool value);
    // The selection; SelStart is the caret when nothing is selected.
    Integer SelStart();
    void SetSelStart(Integer value);
    Integer SelLength();
    void SetSelLength(Integer value);
    String SelText();
    void SetSelText(const String& value);
    void SelectAll();
    // WM_CLEAR: the selection goes (not into the clipboard); nothing in a read-only edit.
    void ClearSelection() { Perform(WM_CLEAR); }
    // The edit's last change taken back (EM_UNDO), whether there is one, and forgetting them all.
    void Undo() { Perform(EM_UNDO); }
    bool CanUndo() { return Perform(EM_CANUNDO) != 0; }
    void ClearUndo() { Perform(EM_EMPTYUNDOBUFFER); }
    // WM_CUT, WM_COPY, WM_PASTE: the selection as text to the clipboard (cut takes it away),
    // the clipboard's text in place of the selection; a read-only edit only copies.
    void CutToClipboard() { Perform(WM_CUT); }
    void CopyToClipboard() { Perform(WM_COPY); }
    void PasteFromClipboard() { Perform(WM_PASTE); }
    // A single-line edit entered other than by a click selects its whole text.
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }

    // The native edit's window procedure for the EM_* messages.  The keyboard's cut, copy and
    // paste (Ctrl+X, Ctrl+C, Ctrl+V, Shift+Delete, Ctrl+Insert, Shift+Insert) reach the edit as
    // WM_CUT, WM_COPY and WM_PASTE, so a control that answers those answers the keys too.
    void DefaultHandler(TMessage& message) override;

    // An edit whose control has csCustomPaint in its state draws its text itself: after the
    // native painting, PaintWindow draws on a canvas of the client area, and what it draws inside
    // CustomTextRect is shown in place of the native text there.
    void PaintCustomText(TCanvas& canvas) { PaintWindow(canvas); }
    // The text area inside the edit's frame, less the margins the edit rectangle leaves.
    TRect CustomTextRect();
    // Width of the frame the native edit draws inside its client area (0 without border).
    Integer EditFrameWidth() const { return FOptions.Border ? 2 : 0; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void InitializeWindow() override;
    virtual void Change();
    void WMGetDlgCode(TMessage& message);
    void CMEnter(TMessage& message);
    // Hands the options to the window, when there is one.
    void ApplyOptions();
    TEditOptions FOptions;

private:
    void EditMessage(TMessage& message);
    void ClipboardMessage(TMessage& message);
    // Without a window the control keeps the selection and modified flag itself.
    Integer FSelStart = 0, FSelEnd = 0;
    bool FModified = false;
    bool FAutoSelect = true;
    TRect FEditRect;   // set by EM_SETRECT; empty: the client area
};

class TEdit : public TCustomEdit {
    DECLARE_CLASS(TEdit, TCustomEdit)
public:
    explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
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
    // Without WantReturns, Enter is the form's (its default button) and never starts a new line.
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }
    // The line messages (EM_GETLINECOUNT, EM_LINEINDEX, EM_LINEFROMCHAR, EM_LINELENGTH), then
    // the edit's.
    void DefaultHandler(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void KeyPress(char16_t& Key) override;
    void WMGetDlgCode(TMessage& message);

private:
    TMemoStrings FLines{this};
    bool FWantReturns = true;
};

class TMemo : public TCustomMemo {
    DECLARE_CLASS(TMemo, TCustomMemo)
public:
    explicit TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}
};
