// The spell-check link: the cached errors of each fragment in a ring, their areas on screen, the
// error under the caret and its timer, the search for the next error and the context menu.
#include "styledcontrols/StySpellBase.h"

#include <algorithm>

#include "platform/stdctrls/Timer.h"

// ---------------------------------------------------------------- the link's data

// The cached error lists, one per fragment, in a ring that grows from 4 slots by doubling to 100
// and then wraps to its first slot.
class TLinkData {
public:
    explicit TLinkData(TStySpellLink* link) : FLink(link) {}
    ~TLinkData() { Clear(); }

    PSpellError Find(Integer fragment) const
    {
        for (PSpellError list : FFragments)
            if (list && list->FragmentId == fragment) return list;
        return nullptr;
    }
    void Store(PSpellError list)
    {
        if (FNextFrag >= static_cast<Integer>(FFragments.size())) {
            if (FFragments.size() < 100) FFragments.resize(FFragments.empty() ? 4 : std::min<size_t>(FFragments.size() * 2, 100));
            else FNextFrag = 0;
        }
        Release(FFragments[FNextFrag]);
        FFragments[FNextFrag++] = list;
    }
    void Release(PSpellError list)
    {
        while (list) {
            if (list == FCaretError) FCaretError = NotComputed();
            PSpellError next = list->Next;
            ReleaseAreas(list);
            delete list;
            list = next;
        }
    }
    static void ReleaseAreas(PSpellError e)
    {
        while (e->Areas) {
            PSpellArea next = e->Areas->Next;
            delete e->Areas;
            e->Areas = next;
        }
    }
    void ReleaseAllAreas()
    {
        for (PSpellError list : FFragments)
            for (PSpellError e = list; e; e = e->Next) ReleaseAreas(e);
    }
    void Clear()
    {
        for (PSpellError& list : FFragments) {
            Release(list);
            list = nullptr;
        }
        FNextFrag = 0;
        FCaretError = NotComputed();
    }
    // The reserved value of a caret error not computed yet.
    static PSpellError NotComputed() { return reinterpret_cast<PSpellError>(1); }

    TStySpellLink* FLink;
    std::vector<PSpellError> FFragments;
    Integer FNextFrag = 0;
    PSpellError FCaretError = NotComputed();
    std::vector<char16_t> FWord;
};

namespace {

// Walks the errors of one fragment for the host's layout and keeps the areas it reports.
class TSpellErrorsImpl : public TStyAreaAdder {
public:
    TSpellErrorsImpl(PSpellError first, Integer tag) : FTag(tag), FNext(first) {}
    bool Next(Integer& AStart, Integer& ACount) override
    {
        if (!FNext || (FCurrent && FNext->FragmentId != FCurrent->FragmentId) || FNext->Count == 0) return false;
        FCurrent = FNext;
        FNext = FNext->Next;
        AStart = FCurrent->Start;
        ACount = FCurrent->Count;
        return true;
    }
    void AddArea(Integer X1, Integer X2) override
    {
        if (!FCurrent) return;
        FCurrent->Areas = new TSpellArea{FCurrent->Areas, FTag, std::min(X1, X2), std::max(X1, X2)};
    }

private:
    Integer FTag;
    PSpellError FNext;
    PSpellError FCurrent = nullptr;
};

class TSpellAreasImpl : public TStySpellAreas {
public:
    std::vector<PSpellArea> FAreas;
    bool Next(Integer& X1, Integer& X2) override
    {
        if (FNext >= FAreas.size()) return false;
        X1 = FAreas[FNext]->X1;
        X2 = FAreas[FNext]->X2;
        ++FNext;
        return true;
    }

private:
    size_t FNext = 0;
};

}  // namespace

// ---------------------------------------------------------------- checker and spell object

IMPLEMENT_CLASS(TStySpellBase, TComponent, nullptr)

TStySpellBase::~TStySpellBase()
{
    for (TStySpellLink* link : std::vector<TStySpellLink*>(FLinks)) link->SetSpellChecker(nullptr);
}

TClass TStySpellObject::StaticClass()
{
    static const TMetaClass meta("TStySpellObject", TStyObject::StaticClass(), nullptr, [](TMetaClass& m) {
        TPublished<TStySpellObject>(&m)
            .Property("LiveSpell", &TStySpellObject::LiveSpell, &TStySpellObject::SetLiveSpell)
            .Default(true)
            .Property("WordSeparators", &TStySpellObject::WordSeparators, &TStySpellObject::SetWordSeparators);
    });
    return &meta;
}

void TStySpellObject::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TStySpellObject*>(Source);
    if (!s) {
        TStyObject::Assign(Source);
        return;
    }
    if (s == this) return;
    FLiveSpell = s->FLiveSpell;
    FPopupMenu = s->FPopupMenu;
    FWordSeps = s->FWordSeps;
    Change();
}

void TStySpellObject::Change()
{
    if (FLink) FLink->SettingsChanged(lcSettings);
    TStyObject::Change();
}

void TStySpellObject::SetLiveSpell(bool Value)
{
    if (FLiveSpell == Value) return;
    FLiveSpell = Value;
    Change();
}

void TStySpellObject::SetWordSeparators(const String& Value)
{
    if (FWordSeps == Value) return;
    FWordSeps = Value;
    Change();
}

bool TStySpellObject::MoveToFirstError() { return FLink && FLink->MoveToNextError(true); }
bool TStySpellObject::MoveToNextError() { return FLink && FLink->MoveToNextError(false); }
bool TStySpellObject::Suggest(TStrings& AResult) { return FLink && FLink->Suggest(AResult); }
void TStySpellObject::FillPopupMenu(TMenuItem* AParent, Integer AIndex)
{
    if (FLink) FLink->FillPopupMenu(AParent, AIndex, nullptr);
}
void TStySpellObject::FillPopupMenu(TMenuItem* AParent, Integer AIndex, TStySpellMenuFill AFlags)
{
    if (FLink) FLink->FillPopupMenu(AParent, AIndex, &AFlags);
}
bool TStySpellObject::IsOnError() { return FLink && FLink->HasCaretError(); }
bool TStySpellObject::GetError(String& S) { return FLink && FLink->GetCaretError(S); }
bool TStySpellObject::SetError(const String& S) { return FLink && FLink->SetCaretError(S); }

// ---------------------------------------------------------------- the link

IMPLEMENT_CLASS(TStySpellLink, TObject, nullptr)

TStySpellLink::TStySpellLink(TPersistent* AOwner, TStySpellHost* AHost)
    : FData(std::make_unique<TLinkData>(this)), FHost(AHost), FSpellObject(std::make_unique<TStySpellObject>(AOwner))
{
    FHost->FLink = this;
    FSpellObject->FLink = this;
    SettingsChanged(lcSettings);
}

TStySpellLink::~TStySpellLink()
{
    FDestroying = true;
    SetSpellChecker(nullptr);
    FSpellObject->FLink = nullptr;
}

void TStySpellLink::SetSpellChecker(TStySpellBase* Value)
{
    if (FSpellChecker == Value) return;
    if (FSpellChecker) std::erase(FSpellChecker->FLinks, this);
    FSpellChecker = Value;
    if (FSpellChecker) FSpellChecker->FLinks.push_back(this);
    SettingsChanged(lcSettings);
}

void TStySpellLink::SettingsChanged(TStySpellChange AChange)
{
    const bool wasActive = FActive;
    if (AChange == lcSettings) {
        FActive = FSpellChecker && FSpellChecker->IsActive();
        FLiveSpell = FActive && FSpellObject->LiveSpell();
        Invalidate(liWordSeparators);
        Invalidate(liErrors);
        bool redraw = false;
        InvalidateCaret(false, redraw);
    }
    if (!FDestroying && (wasActive || FActive)) FHost->Changed(AChange);
}

void TStySpellLink::NotifyScan()
{
    if (!FDestroying && FScanNotify) FScanNotify(this);
}

bool TStySpellLink::SetScanNotifier(const TNotifyEvent& AProc)
{
    if (FScanNotify) return false;
    FScanNotify = AProc;
    return true;
}

void TStySpellLink::GetSeparators(String& S)
{
    S = FSpellObject->WordSeparators();
    if (S.IsEmpty() && FSpellChecker) FSpellChecker->GetWordSeparators(S);
}

void TStySpellLink::Invalidate(TStySpellInvalidate AKind)
{
    switch (AKind) {
    case liErrors: FData->Clear(); break;
    case liAreas: FData->ReleaseAllAreas(); break;
    case liWordSeparators: {
        // the control characters and blank always separate; characters from 255 up never do
        FSepChars.reset();
        for (int c = 1; c <= 32; ++c) FSepChars.set(c);
        String extra;
        GetSeparators(extra);
        for (Integer i = 1; i <= Length(extra); ++i)
            if (extra[i] < 255) FSepChars.set(extra[i]);
        break;
    }
    }
}

PSpellError TStySpellLink::GetErrors(Integer AFragmentId)
{
    if (PSpellError cached = FData->Find(AFragmentId)) return cached->Count == 0 ? nullptr : cached;
    const char16_t* text = nullptr;
    Integer length = 0, offset = 0;
    FHost->GetText(AFragmentId, text, length, offset);
    PSpellError first = nullptr, last = nullptr;
    for (Integer i = 0; i < length;) {
        if (IsSeparator(text[i])) {
            ++i;
            continue;
        }
        const Integer start = i;
        while (i < length && !IsSeparator(text[i])) ++i;
        FData->FWord.assign(text + start, text + i);
        FData->FWord.push_back(u'\0');
        if (i - start > 0 && !FSpellChecker->CheckWord(FData->FWord.data())) {
            auto* e = new TSpellError{nullptr, AFragmentId, offset + start, i - start, nullptr};
            (last ? last->Next : first) = e;
            last = e;
        }
    }
    FData->Store(first ? first : new TSpellError{nullptr, AFragmentId, 0, 0, nullptr});
    return first;
}

void TStySpellLink::DrawErrors(HDC DC, Integer AFragmentId, Integer ATag, Integer X, Integer Y, const TRect* R)
{
    if (!FLiveSpell) return;
    PSpellError errors = GetErrors(AFragmentId);
    if (!errors) return;
    for (PSpellError e = errors; e && e->FragmentId == AFragmentId; e = e->Next) TLinkData::ReleaseAreas(e);
    TSpellErrorsImpl adder(errors, ATag);
    FHost->GetLayout(AFragmentId, ATag, adder);
    PSpellError hidden = FCaretHide ? CaretError() : nullptr;
    TSpellAreasImpl areas;
    for (PSpellError e = errors; e && e->FragmentId == AFragmentId; e = e->Next) {
        if (e == hidden) continue;
        for (PSpellArea a = e->Areas; a; a = a->Next)
            if (a->Tag == ATag) areas.FAreas.push_back(a);
    }
    FSpellChecker->DrawErrors(DC, X, Y, R, areas);
}

// The error holding the caret, computed once per invalidation.
PSpellError TStySpellLink::CaretError()
{
    if (!FActive) return nullptr;
    if (FData->FCaretError != TLinkData::NotComputed()) return FData->FCaretError;
    if (FCaret.FragmentId == -1 && FCaret.Caret == -1) FHost->GetCaret(FCaret.FragmentId, FCaret.Caret);
    PSpellError found = nullptr;
    for (PSpellError e = GetErrors(FCaret.FragmentId); e && !found; e = e->Next)
        if (e->Count > 0 && e->Start <= FCaret.Caret && FCaret.Caret <= e->Start + e->Count) found = e;
    FData->FCaretError = found;
    return found;
}

bool TStySpellLink::HasCaretError() { return CaretError() != nullptr; }

bool TStySpellLink::GetCaretError(Integer& AFragmentId, Integer& AStart, Integer& ACount)
{
    PSpellError e = CaretError();
    if (!e) return false;
    AFragmentId = e->FragmentId;
    AStart = e->Start;
    ACount = e->Count;
    return true;
}

bool TStySpellLink::GetCaretError(String& S)
{
    Integer fragment = 0, start = 0, count = 0;
    if (!GetCaretError(fragment, start, count)) return false;
    const char16_t* text = nullptr;
    Integer length = 0, offset = 0;
    FHost->GetText(fragment, text, length, offset);
    S = String(std::u16string(text + (start - offset), static_cast<size_t>(count)));
    return true;
}

bool TStySpellLink::SetCaretError(const String& S)
{
    Integer fragment = 0, start = 0, count = 0;
    if (!GetCaretError(fragment, start, count)) return false;
    FHost->ReplaceText(fragment, start, count, S);
    return true;
}

void TStySpellLink::InvalidateCaret(bool AHide, bool& ARedraw)
{
    FCaret = TStySpellLinkCaret();
    bool hide = AHide;
    if (FActive) {
        PSpellError previous = FData->FCaretError;
        FData->FCaretError = TLinkData::NotComputed();
        if (FLiveSpell) {
            PSpellError now = CaretError();
            hide = AHide && now;
            ARedraw = hide != FCaretHide || (hide && now != previous);
        } else {
            hide = false;
            ARedraw = false;
        }
    } else {
        ARedraw = false;
    }
    FCaretHide = hide;
    UpdateCaretTimer();
    NotifyScan();
}

// An error hidden under the caret shows again one second after the last caret move.
void TStySpellLink::UpdateCaretTimer()
{
    if (FLiveSpell && FCaretHide) {
        if (!FCaretTimer) {
            FCaretTimer = std::make_unique<TTimer>(nullptr);
            FCaretTimer->SetInterval(1000);
            FCaretTimer->SetOnTimer(TNotifyEvent(this, &TStySpellLink::CaretTimerTick));
        }
        FCaretTimer->SetEnabled(false);
        FCaretTimer->SetEnabled(true);
    } else {
        FCaretTimer.reset();
    }
}

void TStySpellLink::CaretTimerTick(TObject*)
{
    FCaretHide = false;
    if (FCaretTimer) FCaretTimer->SetEnabled(false);
    SettingsChanged(lcCaretTimer);
}

bool TStySpellLink::MoveToNextError(bool AFromStart)
{
    if (!FActive) return false;
    Integer fragment = 0;
    Integer after = -1;   // errors starting after this position count in the first fragment
    if (AFromStart) {
        if (!FHost->GetFragment(nullptr, fragment)) return false;
    } else {
        FHost->GetCaret(fragment, after);
    }
    for (;;) {
        for (PSpellError e = GetErrors(fragment); e; e = e->Next)
            if (e->Count > 0 && e->Start > after) {
                FHost->SelectError(e->FragmentId, e->Start, e->Count);
                return true;
            }
        after = -1;
        const Integer previous = fragment;
        if (!FHost->GetFragment(&previous, fragment)) return false;
    }
}

bool TStySpellLink::Suggest(TStrings& AResult)
{
    String word;
    if (!GetCaretError(word)) return false;
    AResult.Clear();
    FSpellChecker->GetSuggestions(word.c_str(), AResult);
    return AResult.Count() > 0;
}

void TStySpellLink::FillPopupMenu(TMenuItem* AParent, Integer AIndex, const TStySpellMenuFill* AFlags)
{
    for (Integer i = AParent->Count() - 1; i >= 0; --i)
        if (dynamic_cast<TSpellMenuItem*>(AParent->Items(i))) {
            if (i < AIndex) --AIndex;
            AParent->Delete(i);
        }
    const TStySpellMenuFill flags = AFlags ? *AFlags : FSpellObject->PopupMenu();
    if (!(flags.Contains(mfSuggestions) || flags.Contains(mfNoSuggestions))) return;
    String word;
    if (!GetCaretError(word)) return;
    TStringList suggestions;
    FSpellChecker->GetSuggestions(word.c_str(), suggestions);
    std::vector<TSpellMenuItem*> items;
    if (suggestions.Count() == 0 && flags.Contains(mfNoSuggestions)) {
        items.push_back(new TSpellMenuItem(AParent, "No suggestions", this));
        items.back()->SetEnabled(false);
    } else if (flags.Contains(mfSuggestions)) {
        for (Integer i = 0; i < suggestions.Count(); ++i) items.push_back(new TSpellMenuItem(AParent, suggestions[i], this));
    }
    if (items.empty()) return;
    AIndex = std::clamp<Integer>(AIndex, 0, AParent->Count());
    const bool atStart = AIndex == 0, atEnd = AIndex == AParent->Count();
    if (flags.Contains(mfSeparatorBefore) && !atStart) items.insert(items.begin(), new TSpellMenuItem(AParent, "-", this));
    if (flags.Contains(mfSeparatorAfter) && !atEnd) items.push_back(new TSpellMenuItem(AParent, "-", this));
    for (TSpellMenuItem* item : items) AParent->Insert(AIndex++, item);
}

// ---------------------------------------------------------------- menu item

IMPLEMENT_CLASS(TSpellMenuItem, TMenuItem, nullptr)

TSpellMenuItem::TSpellMenuItem(TComponent* AOwner, const String& S, TStySpellLink* ALink)
    : TMenuItem(AOwner), FLink(ALink), FS(S)
{
    SetCaption(S);
}

void TSpellMenuItem::Click()
{
    if (FLink) FLink->SetCaretError(FS);
}
