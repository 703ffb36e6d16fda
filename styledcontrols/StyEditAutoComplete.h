#pragma once
// Completion of what is typed into a styled edit from a list of known strings (one item of a
// string list): inline, the rest of the first string that starts with the text is appended and
// selected; or the strings starting with the text are offered in a list under the editor, which
// the arrows, the mouse wheel, Enter and Space work while the list takes over the editor's window
// procedure.  The component can also learn the texts the user leaves the editor with or confirms
// with Enter.
#include "foundation/StyCont.h"
#include "foundation/StyCustomComponent.h"
#include "foundation/StyStrings.h"
#include "platform/stdctrls/ListBox.h"

class TStyBaseEdit;

enum TStyAutoCompleteSource { asStringList };
using TStyAutoCompleteSources = Set<TStyAutoCompleteSource>;
enum TStyAutoCompleteMode { amText, amPopup };
using TStyAutoCompleteModes = Set<TStyAutoCompleteMode>;
enum TStyAutoCompleteAddOn { aaControlExit, aaControlReturn };
using TStyAutoCompleteAddOns = Set<TStyAutoCompleteAddOn>;
const TEnumTypeInfo& TypeInfoOf(TStyAutoCompleteMode);
const TEnumTypeInfo& TypeInfoOf(TStyAutoCompleteAddOn);

// Sender, editor, the text to add (may be changed), whether to add it, where to.
using TStyAutoCompleteAddEvent = TEvent<TObject*, TStyBaseEdit*, String&, bool&, TStyAutoCompleteSource&>;
// Sender, editor, the text taken from the list.
using TStyAutoCompleteSelEvent = TEvent<TObject*, TStyBaseEdit*, const String&>;

// The list of candidates: a window of its own in front of the others, never activated, so the
// editor keeps the focus and the keys.
class TStyAutoCompleteList : public TCustomListBox {
    DECLARE_CLASS(TStyAutoCompleteList, TCustomListBox)
public:
    explicit TStyAutoCompleteList(TComponent* AOwner);

protected:
    void CreateParams(TCreateParams& Params) override;
    // A press never takes the focus from the editor.
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
};

class TStyEditAutoComplete : public TStyCustomComponent {
    DECLARE_CLASS(TStyEditAutoComplete, TStyCustomComponent)
public:
    explicit TStyEditAutoComplete(TComponent* AOwner);
    ~TStyEditAutoComplete() override;

    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    TStyStringList* StringList() const { return FStringList; }
    // Watched, so that freeing the list leaves no reference behind.
    void SetStringList(TStyStringList* Value);
    Integer StringListIndex() const { return FStrListIndex; }
    // Only with a string list; an index at or beyond its count becomes its last.
    void SetStringListIndex(Integer Value);
    TStyAutoCompleteModes Mode() const { return FMode; }
    void SetMode(TStyAutoCompleteModes Value) { FMode = Value; }
    TStyAutoCompleteAddOns AddUnknownOn() const { return FAdd; }
    void SetAddUnknownOn(TStyAutoCompleteAddOns Value) { FAdd = Value; }
    bool IsExact() const { return FIsExact; }
    void SetIsExact(bool Value) { FIsExact = Value; }
    // The list of candidates while it is shown, else null.
    TCustomListBox* PopupList() const { return FEdit ? FPopupWindow : nullptr; }

    // The completion of aText (aText itself when there is none); with amPopup the candidates are
    // shown under the editor, or the list closed when nothing was typed.
    String CompleteText(TStyBaseEdit* anEditControl, const String& aText);
    // The editor's text completed, the completed tail selected.
    void AutoCompleteText(TStyBaseEdit* anEditControl, const String& aText);
    // aText joins the strings unless it is among them (or the OnAdd handler refuses it).
    void Add(TStyBaseEdit* anEditControl, const String& aText);
    void CreatePopup(TStyBaseEdit* anEditControl, const TStrings& Strings);
    void CancelPopup();
    void SetControl(TStyBaseEdit* anEditControl) { (void)anEditControl; }

    TStyAutoCompleteAddEvent OnAdd;
    TStyAutoCompleteSelEvent OnSelect;

protected:
    // The editor's window procedure while the list is shown.
    virtual void ControlWndProc(TMessage& Message);
    virtual void PopupMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // The strings of item StringListIndex, null without a string list or item.
    TStringList* Strings() const;
    String Fold(const String& S) const { return FCaseSensitive ? S : UpperCaseText(S); }
    bool StartsWith(const String& S, const String& Start) const;
    // The list's item index moved by one (when there is an item there); the item taken.
    void Step(Integer Delta);
    // The editor shows the list's selected item (when one is), all of it selected.
    void TakeItem();
    void SelectAllAtEnd();

    bool FCaseSensitive = true;
    bool FEnabled = true;
    String FBuffered;
    TStyStringList* FStringList = nullptr;
    Integer FDropDownRows = 8;
    Integer FStrListIndex = 0;
    TStyAutoCompleteSources FSource{asStringList};
    TStyAutoCompleteModes FMode;
    TStyAutoCompleteAddOns FAdd;
    TStyBaseEdit* FEdit = nullptr;
    TStyAutoCompleteList* FPopupWindow = nullptr;
    TWndMethod FControlOldWndProc;
    bool FIsExact = false;
};
