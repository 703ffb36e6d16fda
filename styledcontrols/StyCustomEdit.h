#pragma once
// The concrete single-line styled editor: a text layout that measures the displayed text, maps
// cursor positions to pixels and scrolls horizontally, the text painter with its selection
// highlight, a password character, a grey cue banner while the editor is empty and unfocused, and
// a height that can follow the font, and small buttons embedded at either end.
#include <vector>

#include "styledcontrols/StyBaseEdit.h"
#include "styledcontrols/StySBtn.h"
#include "styledcontrols/StyEditAutoComplete.h"

class TStyCustomEdit;

using TStyOnBtnClick = TEvent<TObject*, TObject*, Integer>;

enum TStyEditTextState { tsLayout, tsCaret };
using TStyEditTextStatus = Set<TStyEditTextState>;

// The displayed text of an editor (its text or the password mask) laid out on one line.
class TStyEditTextLayout {
public:
    explicit TStyEditTextLayout(TStyCustomEdit* AOwner) : FEdit(AOwner) {}

    void Invalidate(TStyEditChanges AChanges);
    void Invalidate(TStyEditChanges AChanges, const String& AText, bool ACheckSpell);
    void ScheduleCaretIntoView() { FCaretIntoView = true; }
    // The client x of the left edge of the character at APos (1 = the text's start).
    Integer CharPosToX(Integer APos);
    // The cursor position nearest to a client x.
    Integer GetCharNear(Integer X);
    // The caret's client x; ARedraw and AScrolled are set when the view had to change.
    Integer GetCaretPos(bool& ARedraw, bool& AScrolled);
    // The horizontal scroll, 0 or negative, added to every x.
    Integer ScrollOffset();
    Integer Width();
    const String& Text() const { return FText; }
    // The characters with any part between the client x values ALeft and ARight (ACount 0 when
    // none), and the client x at which the first of them starts.
    void CharsBetween(Integer ALeft, Integer ARight, Integer& AFirst, Integer& ACount, Integer& AX);
    bool CheckSpell() const { return FCheckSpell; }
    // The displayed text for the spell link, positions counting from 1.
    void GetSpellText(const char16_t*& AText, Integer& ALength, Integer& APosOffset);
    // The x range, from the text's left edge, of AStart and the ACount characters after it.
    void GetSpellArea(Integer AStart, Integer ACount, Integer& X1, Integer& X2);

private:
    void ValidateLayout();
    void ValidateCaret();
    // x of position p relative to the text's left edge before scrolling, plus 1.
    Integer Offset(Integer p);

    TStyCustomEdit* FEdit;
    TStyEditTextStatus FValid;
    bool FCaretIntoView = false;
    bool* FRedraw = nullptr;
    bool* FScrolled = nullptr;
    String FText;
    std::vector<Integer> FTextDX;
    TSize FTextSize;
    bool FCheckSpell = true;
    Integer FScrollOffset = 0;
    bool FHideCaretError = false;
};

// What the spell link asks of a custom edit: its text is one fragment, numbered 0.
class TStyEditSpellHost : public TStySpellHost {
public:
    explicit TStyEditSpellHost(TStyCustomEdit* AEdit) : FEdit(AEdit) {}
    void Changed(TStySpellChange AChange) override;
    bool GetFragment(const Integer* APrev, Integer& AFragmentId) override;
    void GetCaret(Integer& AFragmentId, Integer& ACaret) override;
    void GetText(Integer AFragmentId, const char16_t*& AText, Integer& ALength, Integer& APosOffset) override;
    void ReplaceText(Integer AFragmentId, Integer AStart, Integer ACount, const String& S) override;
    void GetLayout(Integer AFragmentId, Integer ATag, TStyAreaAdder& AErrors) override;
    void SelectError(Integer AFragmentId, Integer AStart, Integer ACount) override;
    // Text and spell settings changes cost the link its errors, layout changes their places.
    void Invalidate(TStyEditChanges AChanges);

private:
    TStyCustomEdit* FEdit;
};

class TStyCustomEdit : public TStyBaseEdit {
    DECLARE_CLASS(TStyCustomEdit, TStyBaseEdit)
public:
    explicit TStyCustomEdit(TComponent* AOwner);
    ~TStyCustomEdit() override;

    char16_t PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char16_t Value);
    void SetAutoSize(bool Value) override;
    const String& CueBanner() const { return FCueBanner; }
    void SetCueBanner(const String& Value);
    Integer CustomButtonWidth() const { return FCustomButtonWidth; }
    void SetCustomButtonWidth(Integer Value);
    TStySpecialButtons& CustomButtons() { return *FCustomButtons; }
    void SetCustomButtons(TStySpecialButtons* Value) { FCustomButtons->Assign(Value); }
    TStyUserButtonStyle CustomButtonsStyle() const { return FCustomButtonStyle; }
    virtual void SetCustomButtonsStyle(TStyUserButtonStyle Value);
    // The buttons follow the editor's theme mode.
    bool CustomButtonParentCtlXP() const { return FCustomXP; }
    void SetCustomButtonParentCtlXP(bool Value);
    // Clicks the button with that index (0-based); any other index does nothing.
    void BtnClick(Integer index);
    // Places the buttons at the ends of the paint rectangle.
    void SetBorders();
    // The buttons' clicks arrive here and fire OnBtnClick.
    virtual void DoBtnClick(TObject* Btn, Integer index);
    TStyOnBtnClick OnBtnClick;
    TStyEditTextLayout& Layout() { return *FDisplayText; }
    // The linked auto-completion component (not owned; a freed one is unlinked).
    TStyEditAutoComplete* AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(TStyEditAutoComplete* Value);
    // The width becomes the text's width plus that of "Q".
    virtual void CorrectWidth();

protected:
    virtual void GetDisplayText(String& S, bool& ACheckSpell);
    virtual void BeforePaintText(TCanvas& Canvas) { (void)Canvas; }
    virtual void AdjustHeight();
    virtual bool IsTextEmpty() { return FText.IsEmpty(); }
    virtual void PaintCueBanner(TCanvas& Canvas);
    virtual void UpdateButtonsTheme();
    // The text painter, also for descendants with a layout of their own.
    void PaintTextWith(TCanvas& Canvas, TStyEditTextLayout& ALayout);

    Integer CharFromPoint(TPoint P) override { return FDisplayText->GetCharNear(P.X); }
    void PointFromChar(Integer APos, Integer& X, Integer& Y) override;
    void TextAssigned() override;
    void GetCaretXY(Integer& X, Integer& Y, bool& AScrolled, bool& ARedraw) override;
    void PaintText(TCanvas& Canvas) override { PaintTextWith(Canvas, *FDisplayText); }
    void DoChanges(TStyEditChanges AChanges, Integer At) override;
    bool ExtendSelectionOnBackspace() override;
    void AfterChange() override;
    void FocusLost() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    bool CanDragText() override { return FPasswordChar == 0 && TStyBaseEdit::CanDragText(); }
    bool NeedsRepaintOnExit() override { return TStyBaseEdit::NeedsRepaintOnExit() || !FCueBanner.IsEmpty(); }
    bool NeedsRepaintOnEnter() override { return !FCueBanner.IsEmpty(); }
    void KeyProcessing(Word& Key) override;
    void Loaded() override;
    void AdjustPaintRect() override;
    void ThemeChanged() override;
    void ImageListChanged() override;
    void DefineProperties(TFiler* Filer) override;

    void CMFontChanged(TMessage& message);
    void UMBevelChanged(TMessage& message);
    void EMGetPasswordChar(TMessage& message);
    void EMSetPasswordChar(TMessage& message);

    char16_t FPasswordChar = 0;
    std::unique_ptr<TStyEditTextLayout> FDisplayText;
    std::unique_ptr<TStySpecialButtons> FCustomButtons;
    Integer FCustomButtonWidth = 16;
    TStyUserButtonStyle FCustomButtonStyle = ubsIntegrated;
    bool FCustomXP = true;
    TStyEditAutoComplete* FAutoComplete = nullptr;
    TStyEditSpellHost* FSpellHost;   // owned by the spell link
    String FCueBanner;
    // Set by descendants, cleared on every text change: the text is drawn disabled.
    bool FIsEmpty = false;

    friend class TStyEditTextLayout;
    friend class TStyEditSpellHost;
};
