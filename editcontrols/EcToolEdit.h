#pragma once
// The combo edit: a single-line edit with a button at its right edge that drops down a pop-up
// window under the edit (the calculator of the numeric edit, the file dialog of the file-name
// edit), with the keys and clicks that open, accept and cancel it.
#include <memory>
#include <vector>

#include "editcontrols/EcDataSourceIntf.h"
#include "editcontrols/EcExControls.h"
#include "editcontrols/EcExMask.h"
#include "editcontrols/EcSpeedButton.h"
#include "platform/forms/Dialogs.h"
#include "platform/stdctrls/EditCompletion.h"
#include "platform/stdctrls/Menus.h"

class TEcCustomComboEdit;

enum TPopupAlign { epaRight, epaLeft };
// How the edit completes what is typed from the names of its completion source: acoAutoSuggest
// proposes the matching names in a list under the edit, acoAutoAppend completes the text in place
// (the added part selected); the other options have no effect here.
enum TEcAutoCompleteOption {
    acoAutoSuggest, acoAutoAppend, acoSearch, acoFilterPrefixes, acoUseTab, acoUpDownKeyDropsList, acoRTLReading
};
using TEcAutoCompleteOptions = Set<TEcAutoCompleteOption>;
const TEnumTypeInfo& TypeInfoOf(TEcAutoCompleteOption);
const TEnumTypeInfo& TypeInfoOf(TEcClipboardCommand);
enum TEcImageKind { ikCustom, ikDefault, ikDropDown, ikEllipsis, ikDatePicker };
const TEnumTypeInfo& TypeInfoOf(TPopupAlign);
const TEnumTypeInfo& TypeInfoOf(TEcImageKind);

// Where a pop-up of that size opens for an edit at editBounds (screen coordinates): below the
// edit, above it when it would pass the work area's bottom; epaRight aligns the right edges
// (falling back to the left edges when the pop-up would pass the area's left), epaLeft the left
// edges (the right ones when it would pass the area's right); then kept inside the work area.
TPoint PopupPlacement(const TRect& editBounds, TSize popupSize, const TRect& workArea, TPopupAlign align);

// The names a combo edit completes typed text from, handed out one after the other: those of
// the edit's completion list here (a file edit's source gives the matching files).
class TAutoCompleteSource {
public:
    explicit TAutoCompleteSource(TEcCustomComboEdit* edit, Integer index = 0) : FEdit(edit), FIndex(index) {}
    virtual ~TAutoCompleteSource() = default;
    // Up to count names from the current one on; S_FALSE (1) when fewer came, else S_OK (0).
    Integer Next(Integer count, std::vector<String>& names);
    // Past count names; S_FALSE at the end, where the index then stays.
    Integer Skip(Integer count);
    void Reset() { FIndex = 0; }
    std::unique_ptr<TAutoCompleteSource> Clone() const { return std::make_unique<TAutoCompleteSource>(FEdit, FIndex); }
    // Every name that may complete the typed text, from the first on.
    virtual std::vector<String> Candidates(const String& typed);

protected:
    TEcCustomComboEdit* FEdit;
    Integer FIndex;
};

// Sender, and whether the pop-up's value is accepted.
using TCloseUpEvent = TEvent<TObject*, bool>;

// The borderless window a combo edit drops down.  It never takes the activation: the edit keeps
// the focus and hands it the keys it wants.
class TEcPopupWindow : public TEcExCustomControl {
    DECLARE_CLASS(TEcPopupWindow, TEcExCustomControl)
public:
    explicit TEcPopupWindow(TComponent* AOwner);
    // The value shown, as text, and loading one (empty: none).
    virtual String ReadValue() = 0;
    virtual void WriteValue(const String& value) = 0;
    // What the edit shows while the pop-up is open; empty: the edit's own text.
    virtual String GetPopupText() const { return String(); }
    // A key typed into the edit while the pop-up is open.
    virtual void PopupKeyPress(char16_t& Key) { (void)Key; }
    // Shows the window at a screen point without activating it; Hide takes it away.
    virtual void Show(TPoint origin);
    void Hide();
    // Asks the owner to close the pop-up, accepting its value or not.
    virtual void CloseUp(bool accept);
    TWinControl* Editor() const { return FEditor; }
    TCloseUpEvent OnCloseUp;

protected:
    void CreateParams(TCreateParams& Params) override;
    // Repaints the editor's text area at once (the edit less its button).
    void InvalidateEditor();
    // The pop-up's text changed: the editor is told and its text area repainted.
    void PopupTextChanged();

private:
    TWinControl* FEditor;
};

// The button of a combo edit.  A press while the pop-up is open closes it (accepting when
// Standard) and swallows the click that follows.
class TEcEditButton : public TEcSpeedButton {
    DECLARE_CLASS(TEcEditButton, TEcSpeedButton)
public:
    explicit TEcEditButton(TComponent* AOwner);
    bool PopupVisible() const { return FPopupVisible; }
    void SetPopupVisible(bool value);
    bool Standard() const { return FStandard; }
    void SetStandard(bool value) { FStandard = value; }
    void Click() override;

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void Paint() override;
    // The edit's image of its list (ikCustom with Images and an ImageIndex), else the glyph.
    void DrawContent(TCanvas& canvas, const TRect& r, TPoint offset, TEcButtonState state, bool drawMark,
                     bool paintOnGlass) override;

private:
    TEcCustomComboEdit* Edit() const;
    bool FNoAction = false;
    bool FPopupVisible = false;
    bool FStandard = true;
};

// The combo edit's link to a field: the field's text shown (read-only when the field cannot be
// changed), the edit's text written back.
class TEcCustomComboEditDataConnector : public TEcFieldDataConnector {
    DECLARE_CLASS(TEcCustomComboEditDataConnector, TEcFieldDataConnector)
public:
    explicit TEcCustomComboEditDataConnector(TEcCustomComboEdit* edit) : FEdit(edit) {}

protected:
    void RecordChanged() override;
    void WriteRecord() override;

private:
    TEcCustomComboEdit* FEdit;
};

// The small window inside the edit that holds the button.
class TEcBtnWinControl : public TWinControl {
    DECLARE_CLASS(TEcBtnWinControl, TWinControl)
public:
    explicit TEcBtnWinControl(TComponent* AOwner);
};

class TEcCustomComboEdit : public TEcExCustomMaskEdit {
    DECLARE_CLASS(TEcCustomComboEdit, TEcExCustomMaskEdit)
public:
    explicit TEcCustomComboEdit(TComponent* AOwner);
    ~TEcCustomComboEdit() override;

    TEcEditButton* Button() const { return FButton; }
    TWinControl* ButtonHolder() const { return FBtnControl; }
    TEcPopupWindow* Popup() const { return FPopup; }

    // The key that acts as a click of the button (Alt+Down); no key with ButtonWidth 0.
    TShortCut ClickKey() const { return FClickKey; }
    void SetClickKey(TShortCut value) { FClickKey = value; }
    // Width of the button; below 2 the button is hidden (ShowButton brings the width back).
    Integer ButtonWidth() const;
    void SetButtonWidth(Integer value);
    bool ShowButton() const { return FBtnControl->Visible(); }
    void SetShowButton(bool value);
    bool ButtonFlat() const { return FButton->Flat(); }
    void SetButtonFlat(bool value) { FButton->SetFlat(value); }
    String ButtonHint() const { return FButton->Hint(); }
    void SetButtonHint(const String& value) { FButton->SetHint(value); }
    TBitmap& Glyph() { return FButton->Glyph(); }
    void SetGlyph(TBitmap* value);
    // Cells of the custom glyph (at most 5); the default image of ikDefault has one.
    Integer NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(Integer value);
    // The button's image of a list, for ikCustom (-1: the glyph).
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer value);
    TEcImageKind ImageKind() const { return FImageKind; }
    void SetImageKind(TEcImageKind value);
    bool DirectInput() const { return FDirectInput; }
    void SetDirectInput(bool value);
    // Read-only edits take no typing and disable the button unless AlwaysEnableButton.
    bool ReadOnly() const { return FReadOnly; }
    virtual void SetReadOnly(bool value);
    bool AlwaysEnableButton() const { return FAlwaysEnableButton; }
    void SetAlwaysEnableButton(bool value);
    TPopupAlign PopupAlign() const { return FPopupAlign; }
    void SetPopupAlign(TPopupAlign value) { FPopupAlign = value; }
    TColor DisabledColor() const { return FDisabledColor; }
    void SetDisabledColor(TColor value);
    TColor DisabledTextColor() const { return FDisabledTextColor; }
    void SetDisabledTextColor(TColor value);
    TAlignment Alignment() const { return FAlignment; }
    virtual void SetAlignment(TAlignment value);
    // Edits of one owner sharing a group index (not -1) exclude each other: typing or pasting into
    // one, or giving it the group, empties the others.
    Integer GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(Integer value);
    // A read-only edit lets only copying through.
    void SetClipboardCommands(TEcClipboardCommands value) override;
    void SetTextHint(const String& value) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // The names typed text is completed from, as AutoCompleteOptions say (none: no completion).
    TStrings& AutoCompleteItems() { return FAutoCompleteItems; }
    TEcAutoCompleteOptions AutoCompleteOptions() const { return FAutoCompleteOptions; }
    void SetAutoCompleteOptions(TEcAutoCompleteOptions value);
    // The list of proposed names (null until the first proposal).
    TEditSuggestions* Suggestions() const { return FSuggestions; }

    bool PopupVisible() const { return FPopup && FPopupVisible; }
    // The edit's link to a data field (inactive unless a source is attached).
    TEcFieldDataConnector& DataConnector() const { return *FDataConnector; }
    // The button's action: OnButtonClick, then the pop-up closed with acceptance when open,
    // else opened with typing disabled.
    void DoClick();
    // Selects the whole text, only when typing is allowed.
    void SelectAll();

    TNotifyEvent OnButtonClick, OnPopupShown, OnPopupHidden, OnPopupChange, OnPopupValueAccepted;

    // Opens the pop-up under (or above) the edit, inside the monitor's work area, loaded with the
    // edit's text; with disableTyping the edit is read-only while it is open.
    virtual void OpenPopup(bool disableTyping);
    // Closes the pop-up, accepting its value or giving it up.
    virtual void ClosePopup(bool accept);
    // Closes the pop-up after the message being handled.
    void PostClosePopup(bool accept);
    // Where the pop-up opens, in screen coordinates, for a pop-up of that size.
    TPoint PopupOrigin(TSize popupSize) const;

protected:
    void CreateParams(TCreateParams& Params) override;
    // Forms of older versions name the image kind "GlyphKind" (gkCustom, gkDefault, gkDropDown,
    // gkEllipsis).  (Their "Ctl3D" and "ParentCtl3D", the inverse of Flat and ParentFlat, are the
    // windowed control's own, read but not written.)
    void DefineProperties(TFiler* Filer) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void DoEnter() override;
    void DoExit() override;
    void Change() override;

    // The hooks of opening and closing the pop-up.
    virtual void BeforePopup() {}
    virtual void WritePopupValue(const String& value) { FPopup->WriteValue(value); }
    virtual String ReadPopupValue() { return FPopup ? FPopup->ReadValue() : String(); }
    virtual void ShowPopupWindow(TPoint origin);
    virtual void HidePopupWindow();
    virtual bool CanAcceptPopupValue() { return true; }
    virtual void AcceptPopupValue(const String& value);
    virtual void RejectPopupValue() { Reset(); }
    // Completion of typed text: attached once the window exists (with options), detached with it.
    virtual void AttachAutoComplete();
    virtual void DetachAutoComplete();
    virtual void ApplyAutoCompleteOptions();
    virtual std::unique_ptr<TAutoCompleteSource> NewAutoCompleteSource();
    // The typed text completed and the names it may become proposed, as the options say.
    void CompleteTypedText(bool typedBackspace);
    // The list of proposed names goes away with the focus.
    void WMKillFocus(TMessage& message);
    // The text of the open pop-up changed.
    virtual void PopupTextChanged();
    // OnPopupChange while the pop-up is open, else OnChange.
    virtual void FireChange();
    // The default image of the class for ikDefault (none here).
    virtual void LoadDefaultGlyph(TBitmap& into) const { (void)into; }
    // The text rectangle beside the button.
    void UpdateEditRect();
    // Whether the edit draws its text itself rather than the native edit (disabled here), the
    // text it then draws and how it aligns it.
    virtual bool OwnTextPainted() const { return !Enabled() || ShowsTextHint(); }
    virtual String PaintedText() const { return ShowsTextHint() ? TextHint() : Text(); }
    virtual TAlignment PaintedAlignment() const { return FAlignment; }
    bool ShowsTextHint() const;
    // Switches the edit's own painting on or off as OwnTextPainted says, and repaints.
    void UpdateTextPainting();
    void PaintWindow(TCanvas& canvas) override;
    // The alignment of the native edit's text (ES_LEFT, ES_CENTER, ES_RIGHT).
    virtual Cardinal EditAlignmentStyle() const;
    void CMEnabledChanged(TMessage& message);
    // Pasting goes to the edit only while typing is allowed.
    void WMPaste(TMessage& message);
    void ClearGroup();
    void SetPopup(TEcPopupWindow* popup);
    void PopupCloseUp(TObject* Sender, bool accept);
    void WMClosePopup(TMessage& message);
    // A press on another control of the form closes the pop-up without accepting its value.
    void CMCancelMode(TMessage& message);
    // A left press in the edit while the pop-up is open closes it without accepting.
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void ApplyReadOnly();
    void ApplyButtonGlyph();

    TEcPopupWindow* FPopup = nullptr;
    bool FPopupVisible = false;
    // The pop-up opens in a read-only edit too.
    bool FAlwaysShowPopup = false;
    // Depth of the exit notification: a pop-up closed while the focus leaves does not take it back.
    Integer FInCMExit = 0;

private:
    friend class TEcPopupWindow;
    void ButtonClicked(TObject* Sender);

    TEcEditButton* FButton;
    TEcBtnWinControl* FBtnControl;
    std::unique_ptr<TEcFieldDataConnector> FDataConnector;
    TShortCut FClickKey = 32808;   // Alt+Down
    bool FReadOnly = false;
    bool FDirectInput = true;
    bool FAlwaysEnableButton = false;
    TPopupAlign FPopupAlign = epaRight;
    TColor FDisabledColor = clWindow;
    TColor FDisabledTextColor = clGrayText;
    TEcImageKind FImageKind = ikCustom;
    Integer FSavedButtonWidth = 21;
    Integer FNumGlyphs = 1;
    Integer FGroupIndex = -1;
    TCustomImageList* FImages = nullptr;
    Integer FImageIndex = -1;
    TAlignment FAlignment = taLeftJustify;
    std::unique_ptr<TAutoCompleteSource> FAutoCompleteIntf;   // the attached completion
    TStringList FAutoCompleteItems;
    TEcAutoCompleteOptions FAutoCompleteOptions;
    char16_t FTypedKey = 0;                                   // the key whose text change is awaited
    TEditSuggestions* FSuggestions = nullptr;                 // the list of proposed names, owned
};

// The private message with which a combo edit closes its pop-up after the current message
// (WParam: accept).
constexpr Cardinal CM_ECCLOSEPOPUP = 0xB206;

// ---------------------------------------------------------------- file-name edits
DORVANE_EXCEPTION(EComboEditError, EEcLibException);

enum TEcAutoCompleteFileOption { acfFileSystem, acfFileSysDirs, acfURLHistory, acfURLMRU };
using TEcAutoCompleteFileOptions = Set<TEcAutoCompleteFileOption>;
const TEnumTypeInfo& TypeInfoOf(TEcAutoCompleteFileOption);
enum TFileDialogKind { dkOpen, dkSave, dkOpenPicture, dkSavePicture };
const TEnumTypeInfo& TypeInfoOf(TFileDialogKind);

// Sender, the name the dialog starts from or gave, and whether it runs (or was accepted).
using TExecOpenDialogEvent = TEvent<TObject*, String&, bool&>;

// What the file and folder edits share: files dropped from a file manager, in-place completion
// of typed paths, the events around the dialog.
class TEcFileDirEdit : public TEcCustomComboEdit {
    DECLARE_CLASS(TEcFileDirEdit, TEcCustomComboEdit)
public:
    explicit TEcFileDirEdit(TComponent* AOwner);
    bool AcceptFiles() const { return FAcceptFiles; }
    void SetAcceptFiles(bool value);
    // The names completion takes: files and folders (acfFileSystem), or folders (acfFileSysDirs).
    TEcAutoCompleteFileOptions AutoCompleteFileOptions() const { return FAutoCompleteFileOptions; }
    void SetAutoCompleteFileOptions(TEcAutoCompleteFileOptions value) { FAutoCompleteFileOptions = value; }

    TNotifyEvent OnDropFiles;
    TExecOpenDialogEvent OnBeforeDialog, OnAfterDialog;

protected:
    void CreateWnd() override;
    void DestroyWnd() override;
    void Change() override;
    std::unique_ptr<TAutoCompleteSource> NewAutoCompleteSource() override;
    virtual void TakeDroppedName(const String& name) = 0;
    virtual void ClearDroppedNames() {}
    void WMDropFiles(TMessage& message);

    bool FMultipleDirs = false;

private:
    bool FAcceptFiles = true;
    TEcAutoCompleteFileOptions FAutoCompleteFileOptions{acfFileSystem};
};

// The edit of a file name, whose button runs the open or save dialog.  Names with blanks are
// shown between double quotes (AddQuotes) and read back without them.
class TEcFilenameEdit : public TEcFileDirEdit {
    DECLARE_CLASS(TEcFilenameEdit, TEcFileDirEdit)
public:
    explicit TEcFilenameEdit(TComponent* AOwner);
    ~TEcFilenameEdit() override;
    // The dialog's title and filter until they are set.
    static constexpr const char* DefaultDialogTitle = "Browse";
    static constexpr const char* DefaultFilter = "All files (*.*)|*.*";

    // The trimmed text without one pair of surrounding double quotes (AddQuotes), an existing
    // folder with its trailing separator.  Writing checks the name: EComboEditError "Nom de
    // fichier incorrect - %s" for a name no file can have; an empty name clears the edit.
    String FileName() const;
    void SetFileName(const String& value);
    bool AddQuotes() const { return FAddQuotes; }
    void SetAddQuotes(bool value) { FAddQuotes = value; }
    TFileDialogKind DialogKind() const { return FDialogKind; }
    void SetDialogKind(TFileDialogKind value);
    TOpenDialog& Dialog() const { return *FDialog; }
    String DefaultExt() const { return FDialog->DefaultExt(); }
    void SetDefaultExt(const String& value) { FDialog->SetDefaultExt(value); }
    String Filter() const { return FDialog->Filter(); }
    void SetFilter(const String& value) { FDialog->SetFilter(value); }
    Integer FilterIndex() const { return FDialog->FilterIndex(); }
    void SetFilterIndex(Integer value) { FDialog->SetFilterIndex(value); }
    String InitialDir() const { return FDialog->InitialDir(); }
    void SetInitialDir(const String& value) { FDialog->SetInitialDir(value); }
    String DialogTitle() const { return FDialog->Title(); }
    void SetDialogTitle(const String& value) { FDialog->SetTitle(value); }
    TOpenOptions DialogOptions() const { return FDialog->Options(); }
    void SetDialogOptions(TOpenOptions value);
    TFileEditStyle FileEditStyle() const { return FDialog->FileEditStyle(); }
    void SetFileEditStyle(TFileEditStyle value) { FDialog->SetFileEditStyle(value); }
    TStrings& HistoryList() const { return FDialog->HistoryList(); }
    void SetHistoryList(TStrings* value) { FDialog->SetHistoryList(value); }
    // The files chosen in the dialog or dropped, when several may be.
    const std::vector<String>& DialogFiles() const { return FDialogFiles; }
    // An unfocused edit shows the name as the desktop shows it; FileName stays the name on disk.
    bool DisplayLocalizedName() const { return FDisplayLocalizedName; }
    void SetDisplayLocalizedName(bool value);
    // The long and short forms of FileName (here the same): the first matching entry's name.
    String LongFileName() const;
    String ShortFileName() const;
    // FileName as the desktop shows it.
    String LocalizedFileName() const;

    // Runs the dialog from the current name (OnBeforeDialog may change it or cancel); a chosen
    // file becomes the text.
    void OpenPopup(bool disableTyping) override;

protected:
    void TakeDroppedName(const String& name) override;
    void ClearDroppedNames() override { FDialogFiles.clear(); }
    void LoadDefaultGlyph(TBitmap& into) const override;
    void DoEnter() override;
    void DoExit() override;
    void Change() override;

private:
    bool ShowsLocalizedName() const { return FDisplayLocalizedName && !Focused(); }
    // The edit shows the name (or its localized form), which stays the physical name.
    void ShowName(const String& name);

    TOpenDialog* FDialog;
    TFileDialogKind FDialogKind = dkOpen;
    bool FAddQuotes = true;
    std::vector<String> FDialogFiles;
    String FPhysicalFileName;
    bool FDisplayLocalizedName = false;
    bool FShowingName = false;
};

// A name shown in the edit: between double quotes when it holds a blank and is not quoted yet.
String QuoteFileName(const String& s);
// The name an edit text stands for: trimmed, one pair of surrounding double quotes removed (when
// strip), an existing folder with its trailing separator.
String RealFileName(const String& s, bool strip);
