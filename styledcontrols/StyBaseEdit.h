#pragma once
// The own-drawn single-line editor under every styled edit.  It keeps its text itself (positions
// count from 1), batches every state change into one notification that runs when the outermost
// update ends, replaces text through one routine that files undo records, and answers the edit
// messages of a native edit from its own state.  Text layout, hit testing and drawing are left to
// the descendants.
#include <bitset>
#include <memory>

#include "foundation/StyClass.h"
#include "foundation/StyGraphUtils.h"
#include "foundation/StyStrings.h"
#include "platform/classes/Alignment.h"
#include "styledcontrols/StyBoundLabel.h"
#include "styledcontrols/StyCaret.h"
#include "styledcontrols/StyCustomPanel.h"
#include "styledcontrols/StyDynLIFOBuffer.h"
#include "styledcontrols/StySpellBase.h"
#include "styledcontrols/StyVldBase.h"

class TPopupMenu;

// Asked of an editor, answers its spell link (TStySpellLink*, null for none).
constexpr Cardinal UM_GETSPELLLINK = 0xB15E;

enum TStyEditChange : Word {
    euScrbarParams, euScrbarShowing, euCursorAppearance, euCursorChanged, euTextAppearance, euTextLayout,
    euTextChanged, euModified, euSpellSettings
};
using TStyEditChanges = Set<TStyEditChange>;

struct TStyEditUpdateState {
    TStyEditChanges Changes;
    Integer TextChangedAt = 0;   // the lowest text position changed since the last processing
};

enum TStyEditOption { eoNarrowHeight, eoSuppressDefaultMenu, eoUserLocale, eoAllowCopy, eoAllowCut, eoAllowPaste };
using TStyEditOptions = Set<TStyEditOption>;
const TEnumTypeInfo& TypeInfoOf(TStyEditOption);

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
const TEnumTypeInfo& TypeInfoOf(TEditCharCase);

// Word delimiters: characters below 256.
using TStyDelimiters = std::bitset<256>;

enum TStySearchStart { stTop, stBottom, stCursor };
enum TStySearchDirection { sdUp, sdDown };

using TStyTextChangeEvent = TEvent<TObject*, Integer>;   // Sender, At
using TStyValidationErrorEvent = TEvent<TObject*, Integer>;   // Sender, ErrorLevel

// One text replacement as the user had it: the selection before, what was there and what came.
struct TStyUndoRecord {
    String newText;
    String oldText;
    Integer selstart = 0;
    Integer sellength = 0;
    Integer newlength = 0;
    Integer current = 0;
};

// The editors' frame: the window's own client edge unless a form says otherwise.
class TBaseEditBevel : public TStyBevel {
    DECLARE_CLASS(TBaseEditBevel, TStyBevel)
public:
    explicit TBaseEditBevel(TPersistent* AOwner = nullptr);
};

class TStyBaseEdit : public TStyCustomBevelPanel, public IStyValidatedControl, public IStyFaceControllerEditable {
    DECLARE_CLASS(TStyBaseEdit, TStyCustomBevelPanel)
public:
    explicit TStyBaseEdit(TComponent* AOwner);
    ~TStyBaseEdit() override;

    // ---- the bound label and the validator
    // Gives the editor its label (once): owned by the editor, pointing its focus at it.
    void SetupEditLabel();
    TStyBoundLabel* EditLabel() const { return FEditLabel; }
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    Integer LabelSpacing() const { return FLabelSpacing; }
    void SetLabelSpacing(Integer Value);
    // The label takes the editor's width (above, below) or height (left, right).
    bool LabelSync() const { return FLabelSync; }
    void SetLabelSync(bool Value);
    TStyValidationEntity* Validator() const { return FValidator; }
    TStyValidationEntity* GetValidator() override { return FValidator; }
    void SetValidator(TStyValidationEntity* Value) override;
    const String& ValidationMsgString() const override { return FValidationMsgString; }
    void SetValidationMsgString(const String& Value) override { FValidationMsgString = Value; }
    TControl* GetControl() override { return this; }
    TBrush* ControlBackBrush() override { return &Brush(); }
    TFont* ControlFont() override { return &Font(); }
    bool ErrorIndication() const { return FErrorIndication; }
    // The validator's verdict: a level above 0 marks the editor and fires OnValidationError.
    void RespondToError(Integer ErrorLevel) override;
    bool SupportsDefaultIndication() override { return false; }
    // The editor's states a face controller chooses its look by.
    bool GetModifiedState() override { return FModified; }
    bool GetReadOnlyState() override { return FReadOnly; }
    bool GetErrorIndication() override { return FErrorIndication; }
    String GetValidationText() override;
    // The link to a spell checker the program may add (null until a descendant gives its host).
    TStySpellLink* SpellLink() const { return FSpellLink.get(); }
    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
    void SetParent(TWinControl* AParent) override;
    TStyValidationErrorEvent OnValidationError;

    // ---- change notification
    void BeginUpdate() { TStyCustomBevelPanel::BeginUpdate(); }
    void EndUpdate();
    void NotifyChange(TStyEditChange AChange, Integer At = -1);
    void NotifyChanges(TStyEditChanges AChanges, Integer At = -1);

    // ---- text and selection
    String GetText() const override { return FText; }
    // Replaces the whole text: cursor to 1, no selection, no undo record, Modified unchanged.
    void SetText(const String& Value) override;
    const String& Text() const { return FText; }
    Integer GetLength() const { return FText.Length(); }
    Integer CurrentChar() const { return FCurrentChar; }
    void SetCurrentChar(Integer Value);
    Integer SelStart() const { return FSelStart; }
    void SetSelStart(Integer Value);
    Integer SelLength() const { return FSelLength; }
    void SetSelLength(Integer Value);
    String SelText() const { return ::Copy(FText, FSelStart, FSelLength); }
    // The replacement of the selection by Value: every change of the text goes through here.
    void SetSelText(const String& Value);
    Integer MaxLength() const { return FMaxLength; }
    void SetMaxLength(Integer Value) { FMaxLength = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    bool Modified() const { return FModified; }
    void SetModified(bool Value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value);
    bool OEMConvert() const { return FOEMConvert; }
    void SetOEMConvert(bool Value);
    bool FocusOnMouseAbove() const { return FGetFocusOnMouseAbove; }
    void SetFocusOnMouseAbove(bool Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase Value) { FCharCase = Value; }
    TSty3DCaption* Font3D() { return FFont3D.get(); }
    void SetFont3D(TSty3DCaption* Value);
    TStyCaret* Caret() { return FCaret.get(); }
    void SetCaret(TStyCaret* Value) { FCaret->Assign(Value); }
    TStyEditOptions Options() const { return FOptions; }
    void SetOptions(TStyEditOptions Value) { FOptions = Value; }
    const TStyDelimiters& Delimiters() const { return FDelimiters; }
    void SetDelimiters(const TStyDelimiters& Value) { FDelimiters = Value; }
    bool IsDelimiter(char16_t C) const { return C < 256 && FDelimiters.test(C); }
    TColor HighlightText() const { return FHighTextColor; }
    void SetHighlightText(TColor Value) { FHighTextColor = Value; }
    TColor HighlightBack() const { return FHighBackColor; }
    void SetHighlightBack(TColor Value) { FHighBackColor = Value; }
    bool DraggingAllowed() const { return FDraggingAllowed; }
    void SetDraggingAllowed(bool Value) { FDraggingAllowed = Value; }
    bool ForceOverwriteMode() const { return FForceOverwriteMode; }
    void SetForceOverwriteMode(bool Value) { FForceOverwriteMode = Value; }
    bool UseGlobalTimer() const { return FUseGlobalTimer; }
    void SetUseGlobalTimer(bool Value) { FUseGlobalTimer = Value; }
    bool EnableKeyInput() const { return FEnableKeyInput; }
    void SetEnableKeyInput(bool Value) { FEnableKeyInput = Value; }
    bool TabEnter() const { return FTabEnter; }
    void SetTabEnter(bool Value) { FTabEnter = Value; }
    Integer FirstLine() const { return FFirstLine; }
    const TRect& TextRect() const { return FTextRect; }
    const TRect& PaintRect() const { return FPaintRect; }
    const TRect& InnerRect() const { return FInnerRect; }

    // The cursor moved: the selection follows (with Shift or a mouse selection).
    void SetSelection();
    void SelectAll();
    virtual void SelectCurrentWord();
    void SelectLeftWord();
    void SelectRightWord();
    void GotoParaStart();
    void GotoParaEnd();
    void GotoNextWord();
    void GotoPrevWord();
    String GetCurrentWord() const;
    Integer CountWords() const;
    void Add(const String& S) { SetText(FText + S); }
    void Insert(Integer At, const String& S);
    String Copy(Integer Start, Integer Count) const { return ::Copy(FText, Start, Count); }
    String Cut(Integer Start, Integer Count);
    void Replace(Integer Start, Integer Count, const String& S);
    void Upper(Integer Start, Integer Count) { Replace(Start, Count, UpperCaseText(Copy(Start, Count))); }
    void Lower(Integer Start, Integer Count) { Replace(Start, Count, LowerCaseText(Copy(Start, Count))); }

    // ---- undo, clipboard, search
    void Undo();
    void Redo();
    void ClearUndo();
    bool CanUndo() const { return FCanUndo; }
    bool CanRedo() const { return FCanRedo; }
    void CopyToClipboard();
    virtual void CutToClipboard();
    virtual void PasteFromClipboard();
    void ClearSelection() { SetSelText(String()); }
    virtual void Clear();
    void SetSelTextBuf(const char16_t* Buffer) { SetSelText(String(std::u16string(Buffer))); }
    virtual Integer GetSelTextBuf(char16_t* Buffer, Integer BufSize);
    bool Search(const String& s, TStySearchStart from, bool caseSensitive, bool wholeWords,
                TStySearchDirection direction);
    bool SearchAndReplace(const String& s, const String& r, TStySearchStart from, bool caseSensitive,
                          bool wholeWords, TStySearchDirection direction, bool ask, bool all);
    Integer FoundAtPos() const { return FFoundAtPos; }
    bool AskForLoop() const { return FAskForLoop; }
    void SetAskForLoop(bool Value) { FAskForLoop = Value; }
    // The default context menu as the last right click built it (null before).
    TPopupMenu* DefaultPopupMenu() const { return FDefPopupMenu; }

    TStyTextChangeEvent OnTextChangedAt;
    TNotifyEvent OnCursorPosChanged, OnModified, OnChange;

protected:
    // ---- the descendants' side
    virtual void GetDeletionText(String& S) { S = String(); }
    virtual void GetValidationText(String& S) { S = FText; }
    virtual Integer CharFromPoint(TPoint P) = 0;
    virtual void PointFromChar(Integer APos, Integer& X, Integer& Y) = 0;
    virtual bool ExtendSelectionOnBackspace() { return false; }
    virtual void TextAssigned() = 0;
    virtual void GetCaretXY(Integer& X, Integer& Y, bool& AScrolled, bool& ARedraw) = 0;
    virtual Integer GetRowHeight();
    virtual void PaintBack(TCanvas& Canvas);
    virtual void PaintText(TCanvas& Canvas) = 0;
    virtual void CheckScrollBars(bool& AChanged) { (void)AChanged; }
    virtual void UpdateScrollBars() {}
    virtual void DoChanges(TStyEditChanges AChanges, Integer At) { (void)AChanges, (void)At; }
    virtual void BeforeChange() {}
    // OnChange, then the validator checks the new text.
    virtual void DoChange();
    virtual void AfterChange() {}
    virtual void AdjustInsertText(Integer APos, String& S) { (void)APos, (void)S; }
    virtual void TextDeleted(Integer APos, const String& S) { (void)APos, (void)S; }
    virtual bool CanChangeText(const String& S) { (void)S; return !FReadOnly; }
    virtual bool CanDragText() { return FOptions.Contains(eoAllowCopy) && FOptions.Contains(eoAllowPaste); }
    virtual bool NeedsRepaintOnExit() { return IsThemed() && FFlat; }
    virtual bool NeedsRepaintOnEnter() { return false; }
    virtual bool KeepsFocusSelection() { return false; }
    virtual bool AdjustTextRect();
    virtual void AdjustPaintRect() {}
    virtual void AdjustInnerRect();
    virtual void KeyProcessing(Word& Key);
    virtual void FocusGained();
    virtual void FocusLost();

    // The spell link is built on the descendant's host, which it takes over.
    void CreateSpellLink(TStySpellHost* AHost) { FSpellLink = std::make_unique<TStySpellLink>(this, AHost); }
    void RebuildCaret();
    void UpdateRects();
    void PaintContents();
    // The selection is hidden (focus lost with HideSelection).
    bool SelectionHidden() const { return FNoSelection; }
    bool IsReadOnlyState() override { return FReadOnly; }

    void Paint() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void DoMouseEnter() override;
    void DoMouseExit() override;
    void Loaded() override;
    void DefineProperties(TFiler* Filer) override;
    void WndProc(TMessage& message) override;
    void DestroyWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    bool GetInterface(const TGUID& iid, void** obj) override;

    void WMEraseBkgnd(TMessage& message);
    void WMGetDlgCode(TMessage& message);
    void WMSetFocus(TMessage& message);
    void WMKillFocus(TMessage& message);
    void WMSize(TMessage& message);
    void WMLButtonDblClk(TMessage& message);
    void WMContextMenu(TMessage& message);
    void WMCut(TMessage& message);
    void WMCopy(TMessage& message);
    void WMPaste(TMessage& message);
    void WMClear(TMessage& message);
    void WMGetTextLength(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void EditMessage(TMessage& message);
    void UMPlaceBoundLabel(TMessage& message);
    void UMGetSpellLink(TMessage& message) { message.Result = reinterpret_cast<std::intptr_t>(FSpellLink.get()); }
    void CMVisibleChanged(TMessage& message);

    TStyEditUpdateState FUpdState;
    std::unique_ptr<TBitmap> FBuffer;
    bool FPainting = false;
    TPoint FMousePos;
    std::unique_ptr<TStyCaret> FCaret;
    bool FTabEnter = false;
    bool FEnableKeyInput = true;
    bool FSaveRes = true;
    bool FDraggingAllowed = true;
    bool FUserDrag = true;
    bool FAskForLoop = true;
    bool FRedoing = false, FUndoing = false, FCanUndo = true, FCanRedo = false;
    TStyEditOptions FOptions{eoAllowCopy, eoAllowCut, eoAllowPaste};
    TAlignment FAlignment = taLeftJustify;
    std::unique_ptr<TSty3DCaption> FFont3D;
    TCursor FCursor = crDefault;
    std::unique_ptr<TStyTimer> FTimerID;
    Integer FTextRectBorderY = 1;
    Integer FPrevCharPos = 1;
    Integer FFirstLine = 1;
    Integer FMaxLength = 0;
    Integer FSelLength = 0;
    std::unique_ptr<TStyDynLIFOBuffer> FUndoBuffer, FRedoBuffer;
    TColor FHighTextColor = clHighlightText;
    TColor FHighBackColor = clHighlight;
    bool FDragging = false;
    bool FLeftButtonPressed = false;
    bool FGetFocusOnMouseAbove = false;
    bool FOEMConvert = false;
    bool FAutoSelect = false;
    bool FModified = false;
    bool FReadOnly = false;
    bool FInsert = false;
    bool FHideSelection = true;
    Integer FRowHeight = -1;
    TStyDelimiters FDelimiters;
    TEditCharCase FCharCase = ecNormal;
    bool FUseGlobalTimer = false;
    TPopupMenu* FDefPopupMenu = nullptr;   // owned by the editor as a component
    bool FInWMCtxMenu = false;
    bool FForceOverwriteMode = false;
    Integer FDoubleClickCX = 4, FDoubleClickCY = 4;
    Cardinal FLastClickTime = 0, FDoubleClickTimeout = 500;
    Integer FFirstClickX = 0, FFirstClickY = 0;
    Byte FClickCount = 0;
    String FText;
    bool FCursor2EndOnSelectAll = false;
    bool FUserSelect = true;
    bool FOutBuffered = true;
    bool FSelMode = false;
    bool FNoSelection = true;
    TRect FInnerRect, FPaintRect, FTextRect;
    Integer FCurrentChar = 1;
    Integer FSelStart = 1;
    bool FIsDeleting = false;
    Integer FFoundAtPos = 0;
    bool FSearching = false;
    bool FIsPasting = false;
    bool FFocusFromMouse = false;
    TStyBoundLabel* FEditLabel = nullptr;   // owned by the editor as a component
    TLabelPosition FLabelPosition = lpAbove;
    Integer FLabelSpacing = 3;
    bool FLabelSync = false;
    TStyValidationEntity* FValidator = nullptr;
    String FValidationMsgString;
    bool FErrorIndication = false;
    std::unique_ptr<TStySpellLink> FSpellLink;

private:
    void ProcessChanges();
    void CurrentWordRange(Integer& Start, Integer& End) const;
    void DisposeUndoRecord(TObject* Sender, void* Item);
    void FileUndoRecord(TStyUndoRecord* Record);
    // Undo or redo from one of the two buffers.
    void TakeBack(TStyDynLIFOBuffer& From, bool& Running, bool& CanFlag);
    void Font3DChanged(TObject* Sender);
    void TypeChar(char16_t Ch);
    void ClickPositioning();
    void ScrollTimerTick(TObject* Sender);
    void StopScrollTimer();
    void CountClick(TMessage& message);
    void FillDefaultMenu();
    void MenuUndo(TObject*) { Undo(); }
    void MenuCut(TObject*) { CutToClipboard(); }
    void MenuCopy(TObject*) { CopyToClipboard(); }
    void MenuPaste(TObject*) { PasteFromClipboard(); }
    void MenuDelete(TObject*) { ClearSelection(); }
    void MenuSelectAll(TObject*) { SelectAll(); }
    void SetFlag(bool& Field, bool Value);
    void MakeBuffer();
    void PlaceEditLabel();
};
