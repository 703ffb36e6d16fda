#pragma once
// The link between an editor and a spell checker the program may add: the editor's text is cut
// into words, the checker asked about each, the misspelt ranges cached per text fragment and
// placed on screen by the editor, the checker draws its marks and offers suggestions in the
// context menu.  No checker exists in this program: every editor's link stays inactive, draws
// nothing and adds no menu item until a checker component is assigned.
#include <bitset>
#include <memory>
#include <vector>

#include "foundation/StyObject.h"
#include "platform/classes/Component.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Lists.h"
#include "platform/stdctrls/Menus.h"

class TTimer;
class TStySpellLink;
class TLinkData;

struct TSpellArea {
    TSpellArea* Next;
    Integer Tag;
    Integer X1, X2;   // pixel range, X1 <= X2
};
using PSpellArea = TSpellArea*;

struct TSpellError {
    TSpellError* Next;
    Integer FragmentId;
    Integer Start;   // position in the host's numbering
    Integer Count;   // 0: a fragment examined and found without errors
    PSpellArea Areas;
};
using PSpellError = TSpellError*;

struct TStySpellLinkCaret {
    Integer FragmentId = -1;
    Integer Caret = -1;   // -1, -1: unknown
};

enum TStySpellChange { lcSettings, lcCaretTimer };
enum TStySpellInvalidate { liErrors, liAreas, liWordSeparators };
enum TStySpellMenuFillFlag { mfSuggestions, mfNoSuggestions, mfSeparatorBefore, mfSeparatorAfter };
using TStySpellMenuFill = Set<TStySpellMenuFillFlag>;

class TStyErrorAdder {
public:
    virtual ~TStyErrorAdder() = default;
    virtual void AddError(Integer AStart, Integer ACount) = 0;
};

class TStySpellErrors {
public:
    virtual ~TStySpellErrors() = default;
    virtual bool Next(Integer& AStart, Integer& ACount) = 0;
};

// Walks the errors of one fragment and takes their pixel ranges.
class TStyAreaAdder : public TStySpellErrors {
public:
    virtual void AddArea(Integer X1, Integer X2) = 0;
};

class TStySpellAreas {
public:
    virtual ~TStySpellAreas() = default;
    virtual bool Next(Integer& X1, Integer& X2) = 0;
};

// What the link asks of its editor.
class TStySpellHost {
public:
    virtual ~TStySpellHost() = default;
    virtual void Changed(TStySpellChange AChange) = 0;
    // The first fragment (APrev nil) or the one after *APrev; false when there is none.
    virtual bool GetFragment(const Integer* APrev, Integer& AFragmentId) = 0;
    virtual void GetCaret(Integer& AFragmentId, Integer& ACaret) = 0;
    virtual void GetText(Integer AFragmentId, const char16_t*& AText, Integer& ALength, Integer& APosOffset) = 0;
    virtual void ReplaceText(Integer AFragmentId, Integer AStart, Integer ACount, const String& S) = 0;
    virtual void GetLayout(Integer AFragmentId, Integer ATag, TStyAreaAdder& AErrors) = 0;
    virtual void SelectError(Integer AFragmentId, Integer AStart, Integer ACount) = 0;
    TStySpellLink* FLink = nullptr;
};

// The spell checker a program adds.
class TStySpellBase : public TComponent {
    DECLARE_CLASS(TStySpellBase, TComponent)
public:
    explicit TStySpellBase(TComponent* AOwner) : TComponent(AOwner) {}
    // Leaves every linked link without a checker.
    ~TStySpellBase() override;
    virtual bool IsActive() = 0;
    virtual void GetWordSeparators(String& S) = 0;
    // True for a correctly spelt word.
    virtual bool CheckWord(const char16_t* AWord) = 0;
    virtual void DrawErrors(HDC DC, Integer X, Integer Y, const TRect* R, TStySpellAreas& AAreas) = 0;
    virtual void GetSuggestions(const char16_t* AWord, TStrings& AResult) = 0;

private:
    friend class TStySpellLink;
    std::vector<TStySpellLink*> FLinks;
};

// The editor's spell settings.
class TStySpellObject : public TStyObject {
    DECLARE_CLASS(TStySpellObject, TStyObject)
public:
    explicit TStySpellObject(TPersistent* AOwner) : TStyObject(AOwner) {}
    void Assign(TPersistent* Source) override;
    // The link hears of the change first.
    void Change() override;
    bool LiveSpell() const { return FLiveSpell; }
    void SetLiveSpell(bool Value);
    const String& WordSeparators() const { return FWordSeps; }
    void SetWordSeparators(const String& Value);
    TStySpellMenuFill PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TStySpellMenuFill Value) { FPopupMenu = Value; }

    bool MoveToFirstError();
    bool MoveToNextError();
    bool Suggest(TStrings& AResult);
    void FillPopupMenu(TMenuItem* AParent, Integer AIndex);
    void FillPopupMenu(TMenuItem* AParent, Integer AIndex, TStySpellMenuFill AFlags);
    bool IsOnError();
    bool GetError(String& S);
    bool SetError(const String& S);

    TStySpellLink* FLink = nullptr;

private:
    bool FLiveSpell = true;
    String FWordSeps;
    TStySpellMenuFill FPopupMenu{mfSuggestions, mfNoSuggestions, mfSeparatorBefore, mfSeparatorAfter};
};

class TStySpellLink : public TObject {
    DECLARE_CLASS(TStySpellLink, TObject)
public:
    // Takes the host over.
    TStySpellLink(TPersistent* AOwner, TStySpellHost* AHost);
    ~TStySpellLink() override;

    TStySpellBase* SpellChecker() const { return FSpellChecker; }
    void SetSpellChecker(TStySpellBase* Value);
    TStySpellObject* SpellObject() const { return FSpellObject.get(); }
    bool Active() const { return FActive; }
    bool LiveSpell() const { return FLiveSpell; }
    bool CaretHidden() const { return FCaretHide; }

    virtual void SettingsChanged(TStySpellChange AChange);
    virtual void NotifyScan();
    // The spell object's separators, else the checker's, else none.
    virtual void GetSeparators(String& S);

    void Invalidate(TStySpellInvalidate AKind);
    void InvalidateCaret(bool AHide, bool& ARedraw);
    void DrawErrors(HDC DC, Integer AFragmentId, Integer ATag, Integer X, Integer Y, const TRect* R);
    bool MoveToNextError(bool AFromStart);
    bool Suggest(TStrings& AResult);
    void FillPopupMenu(TMenuItem* AParent, Integer AIndex, const TStySpellMenuFill* AFlags);
    bool HasCaretError();
    bool GetCaretError(Integer& AFragmentId, Integer& AStart, Integer& ACount);
    bool GetCaretError(String& S);
    bool SetCaretError(const String& S);
    bool SetScanNotifier(const TNotifyEvent& AProc);
    void ResetScanNotifier() { FScanNotify = TNotifyEvent(); }
    // The errors of a fragment (cached; nil when it has none).
    PSpellError GetErrors(Integer AFragmentId);

private:
    friend class TLinkData;
    bool IsSeparator(char16_t c) const { return c < 256 && FSepChars.test(c); }
    PSpellError CaretError();
    void UpdateCaretTimer();
    void CaretTimerTick(TObject* Sender);

    std::unique_ptr<TLinkData> FData;
    std::unique_ptr<TStySpellHost> FHost;
    std::unique_ptr<TStySpellObject> FSpellObject;
    TStySpellBase* FSpellChecker = nullptr;
    bool FDestroying = false;
    bool FActive = false;
    bool FLiveSpell = false;
    std::bitset<256> FSepChars;
    std::unique_ptr<TTimer> FCaretTimer;
    bool FCaretHide = false;
    TStySpellLinkCaret FCaret;
    TNotifyEvent FScanNotify;
};

// A menu item holding one suggestion: clicking it replaces the word under the caret.
class TSpellMenuItem : public TMenuItem {
    DECLARE_CLASS(TSpellMenuItem, TMenuItem)
public:
    TSpellMenuItem(TComponent* AOwner, const String& S, TStySpellLink* ALink);
    void Click() override;

private:
    TStySpellLink* FLink;
    String FS;
};
