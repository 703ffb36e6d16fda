// The section model (sections, their sub-item lists, tab stops, URL settings) and the list box's
// rows: the conversions between rows and (section, sub-item), row heights, the selection-change
// event, the update bracket and the lifecycle.
#include "listcontrols/slstbox.h"

#include <cmath>

#include "listcontrols/GxStyleIF.h"
#include "platform/forms/Forms.h"
#include "platform/services/SysInfo.h"

namespace {

constexpr std::intptr_t CheckedBit = 0x10000;
constexpr std::intptr_t CheckMask = 0xF0000;

std::intptr_t ObjectValue(const TStrings& list, Integer i) { return reinterpret_cast<std::intptr_t>(list.GetObject(i)); }
TObject* AsObject(std::intptr_t value) { return reinterpret_cast<TObject*>(value); }

bool IsRichText(const String& text) { return Pos("{\\", text) == 1; }

}  // namespace

// ---------------------------------------------------------------- TSectionListStrings
bool TSectionListStrings::SectionExpanded() const { return FListSection && FListSection->State() == lssExpanded; }

Integer TSectionListStrings::Add(const String& S) { return AddObject(S, nullptr); }

Integer TSectionListStrings::AddObject(const String& S, TObject* AObject)
{
    if (SectionExpanded()) FListSection->ListBox()->Sections().AddSubItemRow(FListSection, S);
    Integer index = Count();
    TStringList::InsertObject(index, S, AObject);
    return index;
}

void TSectionListStrings::Insert(Integer Index, const String& S) { InsertObject(Index, S, nullptr); }

void TSectionListStrings::InsertObject(Integer Index, const String& S, TObject* AObject)
{
    if (Index < 0 || Index > Count()) RaiseIndexError(Index);
    if (SectionExpanded()) FListSection->ListBox()->Sections().InsertSubItemRow(FListSection, Index, S);
    TStringList::InsertObject(Index, S, AObject);
}

void TSectionListStrings::Delete(Integer Index)
{
    if (Index < 0 || Index >= Count()) RaiseIndexError(Index);
    if (SectionExpanded()) FListSection->ListBox()->Sections().DeleteSubItemRow(FListSection, Index);
    TStringList::Delete(Index);
}

void TSectionListStrings::Clear()
{
    if (SectionExpanded() && Count() > 0) FListSection->ListBox()->Sections().ClearSubItemRows(FListSection);
    TStringList::Clear();
}

// ---------------------------------------------------------------- TListSection
IMPLEMENT_CLASS(TListSection, TCollectionItem, NewCollectionItem<TListSection>)

TListSection::TListSection(TCollection* ACollection) : TCollectionItem(ACollection)
{
    FSubItems.FListSection = this;
    FSubItems.OnChange = [this](TStrings&) { SubItemsChanged(); };
    FFont.OnChange = [this] { RepaintList(); };
    if (auto* sections = dynamic_cast<TListSectionCollection*>(ACollection)) {
        sections->InsertSection(this);
        FColor = sections->ListBox()->Color();
        FItemHeight = sections->ListBox()->SubItemHeight();
    }
}

TListSection::~TListSection()
{
    FSubItems.FListSection = nullptr;
    FSubItems.OnChange = nullptr;
    FFont.OnChange = nullptr;
    // Freed directly: the rows go now, while the section still knows its place.
    if (auto* sections = dynamic_cast<TListSectionCollection*>(Collection())) sections->RemoveSectionRows(this);
}

TSectionListBox* TListSection::ListBox() const
{
    auto* sections = dynamic_cast<TListSectionCollection*>(Collection());
    return sections ? sections->ListBox() : nullptr;
}

void TListSection::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TListSection*>(Source);
    if (!source) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetCaption(source->FCaption);
    SetState(lssContracted);
    FSubItems.Assign(source->FSubItems);
    SetAlignment(source->FAlignment);
    SetColor(source->FColor);
    SetControlType(source->FControlType);
    SetEndEllipsis(source->FEndEllipsis);
    SetFixed(source->FFixed);
    SetRadioIndex(source->FRadioIndex);
    SetFontUsage(source->FFontUsage);
    FFont.Assign(source->FFont);
    SetImageIndex(source->FImageIndex);
    SetLines(source->FLines);
    SetState(source->FState);
}

void TListSection::RepaintList()
{
    if (TSectionListBox* list = ListBox()) list->RepaintUnlessUpdating();
}

void TListSection::SetCaption(const String& value)
{
    FCaption = value;
    if (auto* sections = dynamic_cast<TListSectionCollection*>(Collection())) sections->UpdateSectionRow(this);
}

void TListSection::SetState(TListSectionState value)
{
    if (FState == value) return;
    auto* sections = dynamic_cast<TListSectionCollection*>(Collection());
    if (!sections) {
        FState = value;
        return;
    }
    TSectionListBox* list = sections->ListBox();
    list->BeginUpdate();
    if (value == lssContracted)
        sections->ContractSectionRows(this);
    else
        sections->ExpandSectionRows(this);
    FState = value;
    list->EndUpdate();
}

void TListSection::SetSubItems(const TStrings& value)
{
    TListSectionState state = FState;
    SetState(lssContracted);
    FSubItems.Assign(value);
    SetState(state);
}

void TListSection::SetItemHeight(Integer value)
{
    FItemHeight = value;
    if (FState != lssExpanded) return;
    SetState(lssContracted);
    SetState(lssExpanded);
}

void TListSection::SetSortDirection(TSortDirection value)
{
    FSortDirection = value;
    if (value != sdNone && FSubItems.Count() > 0) SortSubItems();
}

void TListSection::Focus()
{
    TSectionListBox* list = ListBox();
    if (list) list->SetTopIndex(list->GetSectionListIndex(Index()));
}

// Rewrites the rows whose text no longer matches their sub-item (an assignment by index, an
// exchange, a sort); heights stay as they were.
void TListSection::SubItemsChanged()
{
    TSectionListBox* list = ListBox();
    if (!list || list->FUpdateCount > 0 || FState != lssExpanded) return;
    if (list->ComponentState().Contains(csLoading) || list->ComponentState().Contains(csDesigning)) return;
    SyncRows();
}

void TListSection::SyncRows()
{
    TSectionListBox* list = ListBox();
    if (!list || FState != lssExpanded) return;
    Integer row = list->GetSectionListIndex(Index());
    for (Integer i = 0; i < FSubItems.Count() && row + 1 + i < list->RowCount(); ++i)
        if (list->RowText(row + 1 + i) != FSubItems[i]) list->SetRowText(row + 1 + i, FSubItems[i]);
}

bool TListSection::GetSubItemCheckState(Integer i) const
{
    if (i < 0 || i >= FSubItems.Count()) return false;
    return (ObjectValue(FSubItems, i) & CheckMask) != 0;
}

void TListSection::SetSubItemCheckState(Integer i, bool Value)
{
    if (i < 0 || i >= FSubItems.Count()) throw ESectionListBoxError("Access of imageindex of non-existing subitem");
    SetSubItemObject(i, (ObjectValue(FSubItems, i) & 0xFFFF) + (Value ? CheckedBit : 0));
}

SmallInt TListSection::GetSubItemImageIdx(Integer i) const
{
    if (i < 0 || i >= FSubItems.Count()) return -1;
    return static_cast<SmallInt>(static_cast<uint16_t>(ObjectValue(FSubItems, i) - 1));
}

void TListSection::SetSubItemImageIdx(Integer i, SmallInt Value)
{
    if (i < 0 || i >= FSubItems.Count()) throw ESectionListBoxError("Access of imageindex of non-existing subitem");
    SetSubItemObject(i, (ObjectValue(FSubItems, i) & ~std::intptr_t(0xFFFF)) | ((Value + 1) & 0xFFFF));
}

void TListSection::SetSubItemObject(Integer i, std::intptr_t value)
{
    auto handler = std::move(FSubItems.OnChange);
    FSubItems.OnChange = nullptr;
    FSubItems.PutObject(i, AsObject(value));
    FSubItems.OnChange = std::move(handler);
    InvalidateSubItemRow(i);
}

void TListSection::InvalidateSubItemRow(Integer i)
{
    TSectionListBox* list = ListBox();
    if (!list || FState != lssExpanded || !list->HandleAllocated()) return;
    list->InvalidateRect(list->RowRect(list->GetSectionListIndex(Index()) + 1 + i), false);
}

// ---------------------------------------------------------------- TListSectionCollection
IMPLEMENT_CLASS(TListSectionCollection, TOwnedCollection, nullptr)

TListSectionCollection::TListSectionCollection(TSectionListBox* AOwner)
    : TOwnedCollection(AOwner, TListSection::StaticClass()), FOwner(AOwner)
{
}

TListSection* TListSectionCollection::Add() { return static_cast<TListSection*>(TCollection::Add()); }

TListSection* TListSectionCollection::Insert(Integer index)
{
    auto* section = static_cast<TListSection*>(TCollection::Insert(index));
    // The new section appended its row at the end; that row moves to the section's place.
    FOwner->FExpandContractBusy = true;
    FOwner->InsertRow(GetListIndex(section), section->Caption(), true, FOwner->Scaled(FOwner->SectionHeight()));
    FOwner->DeleteRow(FOwner->RowCount() - 1);
    FOwner->FExpandContractBusy = false;
    return section;
}

Integer TListSectionCollection::InsertSection(TListSection* ASection)
{
    FOwner->FExpandContractBusy = true;
    Integer row = FOwner->InsertRow(FOwner->RowCount(), ASection->Caption(), true,
                                    FOwner->Scaled(FOwner->SectionHeight()));
    FOwner->FExpandContractBusy = false;
    return row;
}

void TListSectionCollection::SwapSections(Integer idx1, Integer idx2)
{
    TListSection* first = Items(idx1);
    TListSection* second = Items(idx2);
    TListSection* temp = Add();
    temp->Assign(first);
    first->Assign(second);
    second->Assign(temp);
    delete temp;
}

Integer TListSectionCollection::IndexOf(const String& SectionText) const
{
    for (Integer i = 0; i < Count(); ++i)
        if (Items(i)->Caption() == SectionText) return i;
    return -1;
}

// The rows are in step with the sections whenever this is asked, so the last section's row is
// counted from the end: a list filled section by section takes no walk over the sections before.
Integer TListSectionCollection::GetListIndex(const TListSection* section) const
{
    if (Count() > 0 && Items(Count() - 1) == section) {
        const Integer row = FOwner->RowCount() - RowsOf(section);
        if (row >= 0 && FOwner->RowIsSection(row)) return row;
    }
    Integer row = 0;
    for (Integer i = 0; i < Count(); ++i) {
        const TListSection* s = Items(i);
        if (s == section) return row;
        row += RowsOf(s);
    }
    return 0;
}

void TListSectionCollection::Update(TCollectionItem* Item)
{
    TOwnedCollection::Update(Item);
    FOwner->UpdateHorzExtent();
}

void TListSectionCollection::Notify(TCollectionItem* Item, TCollectionNotification Action)
{
    TOwnedCollection::Notify(Item, Action);
    // Deleted or cleared: the rows go while the section is still in its place.
    if (Action == cnExtracting)
        if (auto* section = dynamic_cast<TListSection*>(Item)) RemoveSectionRows(section);
}

void TListSectionCollection::UpdateSectionRow(TListSection* section)
{
    Integer row = GetListIndex(section);
    if (row >= FOwner->RowCount()) return;
    FOwner->SetRowText(row, section->Caption());
    FOwner->SetRowHeight(row, FOwner->Scaled(FOwner->SectionHeight()));
}

void TListSectionCollection::RemoveSectionRows(TListSection* section)
{
    if (FOwner->FDestroying || section->Index() < 0 || FOwner->RowCount() == 0) return;
    Integer row = GetListIndex(section);
    Integer rows = RowsOf(section);
    FOwner->FExpandContractBusy = true;
    for (Integer n = 0; n < rows && row < FOwner->RowCount(); ++n) FOwner->DeleteRow(row);
    FOwner->FExpandContractBusy = false;
}

void TListSectionCollection::AddSubItemRow(TListSection* section, const String& s)
{
    InsertSubItemRow(section, section->SubItems().Count(), s);
}

void TListSectionCollection::InsertSubItemRow(TListSection* section, Integer index, const String& s)
{
    Integer row = GetListIndex(section) + index + 1;
    FOwner->InsertRow(row, s, false, FOwner->SubItemRowHeight(section, s));
    FOwner->UpdateHorzExtent();
}

void TListSectionCollection::DeleteSubItemRow(TListSection* section, Integer index)
{
    FOwner->DeleteRow(GetListIndex(section) + index + 1);
    FOwner->UpdateHorzExtent();
}

void TListSectionCollection::ClearSubItemRows(TListSection* section)
{
    Integer row = GetListIndex(section) + 1;
    FOwner->FExpandContractBusy = true;
    for (Integer n = 0; n < section->SubItems().Count(); ++n) FOwner->DeleteRow(row);
    FOwner->FExpandContractBusy = false;
    FOwner->UpdateHorzExtent();
}

void TListSectionCollection::ExpandSectionRows(TListSection* section)
{
    if (section->State() == lssExpanded) return;
    Integer row = GetListIndex(section);
    FOwner->BeginUpdate();
    FOwner->FExpandContractBusy = true;
    const TSectionListStrings& items = section->SubItems();
    for (Integer i = 0; i < items.Count(); ++i)
        FOwner->InsertRow(row + 1 + i, items[i], false, FOwner->SubItemRowHeight(section, items[i]));
    FOwner->FExpandContractBusy = false;
    FOwner->EndUpdate();
}

void TListSectionCollection::ContractSectionRows(TListSection* section)
{
    if (section->State() == lssContracted) return;
    Integer row = GetListIndex(section);
    FOwner->BeginUpdate();
    FOwner->FExpandContractBusy = true;
    for (Integer n = 0; n < section->SubItems().Count() && row + 1 < FOwner->RowCount(); ++n)
        FOwner->DeleteRow(row + 1);
    FOwner->FExpandContractBusy = false;
    FOwner->EndUpdate();
}

Integer TRowSections::IndexOf(Integer row)
{
    if (FSections.Count() == 0) return -1;
    while (row >= FEnd && FIndex + 1 < FSections.Count()) FEnd += TListSectionCollection::RowsOf(FSections.Items(++FIndex));
    return std::max<Integer>(FIndex, 0);
}

// ---------------------------------------------------------------- tab stops and URL settings
IMPLEMENT_CLASS(TTabPositionItem, TCollectionItem, NewCollectionItem<TTabPositionItem>)
IMPLEMENT_CLASS(TTabPositionCollection, TCollection, nullptr)
IMPLEMENT_CLASS(TURLSettings, TPersistent, nullptr)

void TTabPositionItem::Assign(TPersistent* Source)
{
    if (auto* source = dynamic_cast<TTabPositionItem*>(Source)) {
        FTabPosition = source->FTabPosition;
        FTabType = source->FTabType;
        TabChanged();
        return;
    }
    TCollectionItem::Assign(Source);
}

void TTabPositionItem::SetTabPosition(Integer value)
{
    FTabPosition = value;
    TabChanged();
}

void TTabPositionItem::SetTabType(TTabType value)
{
    FTabType = value;
    TabChanged();
}

void TTabPositionItem::TabChanged()
{
    auto* tabs = dynamic_cast<TTabPositionCollection*>(Collection());
    if (!tabs || !tabs->ListBox()) return;
    tabs->ListBox()->Invalidate();
    tabs->ListBox()->UpdateHorzExtent();
}

TTabPositionCollection::TTabPositionCollection(TSectionListBox* AOwner)
    : TCollection(TTabPositionItem::StaticClass()), FOwner(AOwner)
{
}

TPersistent* TTabPositionCollection::GetOwner() { return FOwner; }

void TURLSettings::Assign(TPersistent* Source)
{
    if (auto* source = dynamic_cast<TURLSettings*>(Source)) {
        SetURLAware(source->FURLAware);
        SetURLColor(source->FURLColor);
        SetURLFull(source->FURLFull);
        return;
    }
    TPersistent::Assign(Source);
}

void TURLSettings::SetURLAware(bool value)
{
    FURLAware = value;
    OnChange(this);
}

void TURLSettings::SetURLColor(TColor value)
{
    FURLColor = value;
    OnChange(this);
}

void TURLSettings::SetURLFull(bool value)
{
    FURLFull = value;
    OnChange(this);
}

// ---------------------------------------------------------------- TSectionListBox
TClass TSectionListBox::StaticClass()
{
    static const TMetaClass meta("TSectionListBox", TCustomListBox::StaticClass(), NewComponent<TSectionListBox>,
                                 [](TMetaClass& m) {
                                     m.OnMessage(CN_COMMAND, &TSectionListBox::CNCommand);
                                     m.OnMessage(WM_VSCROLL, &TSectionListBox::WMVScroll);
                                     m.OnMessage(WM_HSCROLL, &TSectionListBox::WMHScroll);
                                 });
    return &meta;
}

TSectionListBox::TSectionListBox(TComponent* AOwner) : TCustomListBox(AOwner)
{
    SetStyle(lbOwnerDrawVariable);
    SetStyleElements({seFont, seClient, seBorder});
    FSections = std::make_unique<TListSectionCollection>(this);
    FScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    FSectionFont.OnChange = [this] { RepaintUnlessUpdating(); };
    FURLSettings.OnChange = TNotifyEvent(this, &TSectionListBox::URLSettingsChanged);
    FMemo = new TSectionMemo(this);
    FRichEdit = new TRichEdit(this);
}

TSectionListBox::~TSectionListBox()
{
    FDestroying = true;
    FSections.reset();
}

void TSectionListBox::CreateWnd()
{
    TCustomListBox::CreateWnd();
    auto* form = dynamic_cast<TCustomForm*>(FormWindow());
    FFormScaled = !form || form->Scaled();
    FDPIScale = GetControlDPIScale(this, &Canvas());
    FDestroyed = false;
    if (FMemo->Parent() != this) {
        FMemo->SetVisible(false);
        FMemo->SetParent(this);
        FMemo->SetBounds(0, 0, 0, 0);
    }
    if (FRichEdit->Parent() != this) {
        FRichEdit->SetVisible(false);
        FRichEdit->SetParent(this);
        FRichEdit->SetBounds(0, 0, 0, 0);
    }
    if (!ComponentState().Contains(csLoading) && FSections->Count() > 0) UpdateHorzExtent();
    SetSectionHeight(FSectionHeight);
    UpdateWallpaperBrush();
}

// After streaming: the rows measured, the wallpaper brush set, and the height stepped one pixel
// and back so that the platform lays the rows out anew.
void TSectionListBox::Loaded()
{
    TCustomListBox::Loaded();
    FOldCursor = Cursor();
    UpdateHorzExtent();
    UpdateItemHeight();
    UpdateWallpaperBrush();
    RestyleScrollBars();
    SetHeight(Height() + 1);
    SetHeight(Height() - 1);
}

void TSectionListBox::ChangeScale(Integer M, Integer D)
{
    TCustomListBox::ChangeScale(M, D);
    FDPIScale = GetControlDPIScale(this, &Canvas());
    UpdateHorzExtent();
    UpdateItemHeight();
    UpdateWallpaperBrush();
    SyncHorzScrollBar();
    SyncVertScrollBar();
}

void TSectionListBox::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    TCustomListBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    Invalidate();
}

void TSectionListBox::Resize()
{
    TCustomListBox::Resize();
    if (FWordWrap && HandleAllocated()) UpdateItemHeight();
}

void TSectionListBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomListBox::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FSectionImages) FSectionImages = nullptr;
    if (AComponent == FSubItemImages) FSubItemImages = nullptr;
    if (AComponent == FContainer) FContainer = nullptr;
}

Integer TSectionListBox::Scaled(Integer size) const
{
    return static_cast<Integer>(std::nearbyint(static_cast<double>(size) * FDPIScale));
}

String TSectionListBox::Version() const { return VersionText(GetVersionNr()); }

Integer TSectionListBox::VertScrollBarWidth() const { return GetSystemMetrics(SM_CXVSCROLL); }

void TSectionListBox::URLSettingsChanged(TObject*) { RepaintUnlessUpdating(); }

void TSectionListBox::RepaintUnlessUpdating()
{
    if (FUpdateCount == 0) Invalidate();
}

// ---- rows of the platform list
Integer TSectionListBox::InsertRow(Integer row, const String& text, bool section, Integer height)
{
    Items().Insert(row, text);
    Perform(LB_SETITEMDATA, row, section ? 1 : 0);
    SetRowHeight(row, height);
    return row;
}

void TSectionListBox::DeleteRow(Integer row) { Items().Delete(row); }

void TSectionListBox::SetRowText(Integer row, const String& text)
{
    Integer height = static_cast<Integer>(Perform(LB_GETITEMHEIGHT, row, 0));
    Items().Put(row, text);
    SetRowHeight(row, height);
}

void TSectionListBox::SetRowHeight(Integer row, Integer height)
{
    Perform(LB_SETITEMHEIGHT, row, MakeLParam(static_cast<Word>(std::clamp(height, 1, 255)), 0));
}

String TSectionListBox::RowText(Integer row) { return Items()[row]; }

bool TSectionListBox::RowIsSection(Integer row) { return Perform(LB_GETITEMDATA, row, 0) == 1; }

TRect TSectionListBox::RowRect(Integer row)
{
    TRect r;
    Perform(LB_GETITEMRECT, row, reinterpret_cast<std::intptr_t>(&r));
    return r;
}

// ---- row conversions
bool TSectionListBox::IsSection(Integer idx) { return idx >= 0 && idx < RowCount() && RowIsSection(idx); }

Integer TSectionListBox::GetSectionListIndex(Integer idx) const
{
    Integer row = 0;
    for (Integer i = 0; i < idx && i < FSections->Count(); ++i) row += TListSectionCollection::RowsOf(FSections->Items(i));
    return row;
}

Integer TSectionListBox::GetItemSectionIndex(Integer idx) const
{
    if (FSections->Count() == 0) return -1;
    if (idx < 0) return 0;
    Integer row = 0;
    for (Integer i = 0; i < FSections->Count(); ++i) {
        TListSection* s = FSections->Items(i);
        row += TListSectionCollection::RowsOf(s);
        if (idx < row) return i;
    }
    return FSections->Count() - 1;
}

TListSection* TSectionListBox::GetItemSection(Integer idx) const
{
    Integer i = GetItemSectionIndex(idx);
    return i >= 0 && i < FSections->Count() ? FSections->Items(i) : nullptr;
}

TListSection* TSectionListBox::GetActiveSection()
{
    return ItemIndex() >= 0 ? GetItemSection(ItemIndex()) : nullptr;
}

bool TSectionListBox::GetListItemIndex(Integer listindex, Integer& SectionIdx, Integer& subitemidx) const
{
    if (listindex < 0) return false;
    SectionIdx = GetItemSectionIndex(listindex);
    subitemidx = listindex - GetSectionListIndex(SectionIdx) - 1;
    return true;
}

bool TSectionListBox::GetSelectedItem(Integer& SectionIdx, Integer& subitemidx)
{
    return GetListItemIndex(ItemIndex(), SectionIdx, subitemidx);
}

bool TSectionListBox::GetItemAtXY(Integer x, Integer y, Integer& SectionIdx, Integer& subitemidx)
{
    auto row = static_cast<Integer>(Perform(LB_ITEMFROMPOINT, 0, MakeLParam(static_cast<Word>(x), static_cast<Word>(y))));
    return GetListItemIndex(row, SectionIdx, subitemidx);
}

bool TSectionListBox::GetSelection(Integer& SectionIdx, Integer& subitemidx, String& selstring)
{
    if (ItemIndex() < 0) return false;
    selstring = RowText(ItemIndex());
    return GetListItemIndex(ItemIndex(), SectionIdx, subitemidx);
}

bool TSectionListBox::SetSelection(Integer SectionIdx, Integer subitemidx)
{
    if (SectionIdx >= FSections->Count()) return false;
    TListSection* section = FSections->Items(SectionIdx);
    if (subitemidx >= section->SubItems().Count()) return false;
    if (section->State() == lssContracted && subitemidx >= 0) section->SetState(lssExpanded);
    Integer row = GetSectionListIndex(SectionIdx);
    SetItemIndex(subitemidx < 0 ? row : row + subitemidx + 1);
    return true;
}

String TSectionListBox::GetSectionSubItem(Integer SectionIdx, Integer subitemidx) const
{
    return PlainRowText(GetRichSectionSubItem(SectionIdx, subitemidx));
}

String TSectionListBox::PlainRowText(const String& text) const
{
    if (!IsRichText(text)) return text;
    const_cast<TSectionListBox*>(this)->StringToRich(text, *FRichEdit);
    return FRichEdit->Text();
}

void TSectionListBox::StringToRich(const String& s, TRichEdit& richeditor)
{
    if (s.IsEmpty()) {
        richeditor.Clear();
        return;
    }
    TMemoryStream stream;
    for (char16_t ch : s.u16()) {
        const Byte b = static_cast<Byte>(ch & 0xFF);
        stream.WriteBuffer(&b, 1);
    }
    stream.SetPosition(0);
    richeditor.LoadFromStream(stream);
}

String TSectionListBox::RichToString(TRichEdit& richeditor)
{
    TMemoryStream stream;
    richeditor.SaveToStream(stream);
    std::u16string s;
    for (Int64 k = 0; k < stream.Size(); ++k) s += static_cast<char16_t>(stream.Memory()[k]);
    return String(s);
}

String TSectionListBox::GetRichSectionSubItem(Integer SectionIdx, Integer subitemidx) const
{
    const TSectionListStrings& items = FSections->Items(SectionIdx)->SubItems();
    return subitemidx >= 0 && subitemidx < items.Count() ? items[subitemidx] : String();
}

bool TSectionListBox::HasScrollBar()
{
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    if (!HandleAllocated() || !GetScrollInfo(this, SB_VERT, &info)) return false;
    return info.nMin != 0 || info.nMax != 0;
}

String TSectionListBox::GetItemString(TListSection*, Integer Index) { return RowText(Index); }

Integer TSectionListBox::GetSectionRowHeight(Integer SectionIndex)
{
    Integer height = SectionHeight();
    OnSectionHeight(this, SectionIndex, height);
    return height;
}

// ---- row heights
void TSectionListBox::UseSectionFont(TCanvas& canvas, TListSection* section)
{
    canvas.Font().Assign(section->Font());
    canvas.Font().SetHeight(Scaled(section->Font().Height()));
}

// The height of a sub-item row at 96 dots per inch: one ItemHeight per line of its text.
Integer TSectionListBox::MeasureSubItem(const String& text, bool AutoSize, Integer ItemHeight)
{
    if (!AutoSize || FDestroying || (!HandleAllocated() && !Parent())) return ItemHeight;
    TCanvas& canvas = Canvas();
    if (IsRichText(text)) return MeasureSubItem(PlainRowText(text), AutoSize, ItemHeight);
    if (Pos("</", text) > 0) {
        TRect r = RowRect(0);
        r.Left += FSubItemIndent;
        THTMLRenderParams params = HTMLParams(false);
        params.MeasureOnly = true;
        THTMLRenderResult result;
        RenderMiniHTML(canvas, text, r, params, result);
        return result.TotalHeight + 2;
    }
    TRect r{FSubItemIndent, 0, Width() - VertScrollBarWidth(), ItemHeight};
    Integer height = DrawText(canvas.Handle(), text, -1, &r, DT_CALCRECT | DT_NOPREFIX | static_cast<Cardinal>(FDtStyle));
    Integer gh = canvas.TextHeight("gh");
    Integer lines = gh > 0 ? height / gh : 1;
    return ItemHeight * std::max(1, lines);
}

Integer TSectionListBox::SubItemRowHeight(TListSection* section, const String& text)
{
    if (FDestroying || (!HandleAllocated() && !Parent())) return Scaled(section->ItemHeight());
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    if (section->FontUsage() == fuSubItems || section->FontUsage() == fuBoth) UseSectionFont(canvas, section);
    return Scaled(MeasureSubItem(text, section->AutoSize(), section->ItemHeight()));
}

void TSectionListBox::UpdateItemHeight()
{
    TRowSections sections(*FSections);
    for (Integer row = 0; row < RowCount(); ++row) {
        const Integer sectionIdx = sections.IndexOf(row);
        if (sectionIdx < 0) break;
        TListSection* section = FSections->Items(sectionIdx);
        if (RowIsSection(row))
            SetRowHeight(row, Scaled(GetSectionRowHeight(sectionIdx)));
        else
            SetRowHeight(row, SubItemRowHeight(section, GetItemString(section, row)));
    }
    Invalidate();
}

void TSectionListBox::MeasureItem(Integer Index, Integer& Height)
{
    auto reported = static_cast<Integer>(Perform(LB_GETITEMHEIGHT, Index, 0));
    Height = reported == LB_ERR ? SectionHeight() : reported;
    if (Height == 0) Height = 14;
}

// Dragging the thumb scrolls only with ScrollTrack; otherwise the list moves when it is released.
// A wallpaper that is not one row high does not tile with the rows, so it is painted anew.
namespace {
bool IsThumbCode(Word code) { return code == SB_THUMBTRACK || code == SB_THUMBPOSITION; }
}  // namespace

// The list scrolls; a dragged thumb's position goes to the flat bar (line and page steps leave
// the position the list scrolled to).
void TSectionListBox::WMVScroll(TMessage& message)
{
    const Word code = LoWord(static_cast<Cardinal>(message.WParam));
    if (code == SB_THUMBTRACK && !FScrollTrack) {
        message.Result = 0;
        return;
    }
    InheritedMessage(StaticClass(), message);
    if (!FWallpaper.Empty() && FWallpaper.Height() != FSubItemHeight && FUpdateCount == 0) Invalidate();
    if (IsThumbCode(code)) FlatSB_SetScrollPos(this, SB_VERT, HiWord(static_cast<Cardinal>(message.WParam)), true);
    SyncVertScrollBar();
}

void TSectionListBox::WMHScroll(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    const Word code = LoWord(static_cast<Cardinal>(message.WParam));
    if (IsThumbCode(code)) FlatSB_SetScrollPos(this, SB_HORZ, HiWord(static_cast<Cardinal>(message.WParam)), true);
}

// Rows added, inserted or deleted, the top row asked for or the content reset: the flat bars
// follow, and an emptied list hides its vertical one.
void TSectionListBox::WndProc(TMessage& message)
{
    TCustomListBox::WndProc(message);
    switch (message.Msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_GETTOPINDEX:
    case LB_RESETCONTENT:
        if (FUpdateCount > 0 || FDestroying) return;
        SyncHorzScrollBar();
        SyncVertScrollBar();
        if (message.Msg == LB_RESETCONTENT) FlatSB_ShowScrollBar(this, SB_VERT, false);
        break;
    default: break;
    }
}

// ---- flat scroll bars
void TSectionListBox::SetScrollStyle(TSListScrollStyle value)
{
    if (value != slsNormal && FScrollStyle == slsNormal) InitializeFlatSB(this);
    if (value == slsNormal && FScrollStyle != slsNormal) UninitializeFlatSB(this);
    FScrollStyle = value;
    ApplyScrollStyle();
}

void TSectionListBox::SetScrollColor(TColor value)
{
    FScrollColor = value;
    ApplyScrollColors();
}

void TSectionListBox::SetScrollWidth(Integer value)
{
    FScrollWidth = value;
    ApplyScrollWidth();
}

void TSectionListBox::ApplyScrollStyle()
{
    static const int modes[] = {FSB_REGULAR_MODE, FSB_FLAT_MODE, FSB_ENCARTA_MODE};
    FlatSB_SetScrollProp(this, WSB_PROP_VSTYLE, modes[FScrollStyle], true);
    FlatSB_SetScrollProp(this, WSB_PROP_HSTYLE, modes[FScrollStyle], true);
}

void TSectionListBox::ApplyScrollColors()
{
    FlatSB_SetScrollProp(this, WSB_PROP_VBKGCOLOR, FScrollColor, true);
    FlatSB_SetScrollProp(this, WSB_PROP_HBKGCOLOR, FScrollColor, true);
}

void TSectionListBox::ApplyScrollWidth()
{
    FlatSB_SetScrollProp(this, WSB_PROP_CXVSCROLL, FScrollWidth, true);
    FlatSB_SetScrollProp(this, WSB_PROP_CYHSCROLL, FScrollWidth, true);
}

void TSectionListBox::SyncVertScrollBar()
{
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    if (GetScrollInfo(this, SB_VERT, &info)) FlatSB_SetScrollInfo(this, SB_VERT, &info, true);
}

// The horizontal range goes to the flat bar only when it changed.
void TSectionListBox::SyncHorzScrollBar()
{
    UpdateHorzExtent();
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    if (Perform(LB_GETHORIZONTALEXTENT, 0, 0) <= 0 || !GetScrollInfo(this, SB_HORZ, &info)) return;
    if (info.nMax != FOldScrollPos) FlatSB_SetScrollInfo(this, SB_HORZ, &info, true);
    FOldScrollPos = info.nMax;
}

void TSectionListBox::RestyleScrollBars()
{
    SyncHorzScrollBar();
    SyncVertScrollBar();
    ApplyScrollStyle();
    ApplyScrollColors();
    ApplyScrollWidth();
}

// ---- selection, update bracket, content
void TSectionListBox::CNCommand(TMessage& message)
{
    if (HiWord(message.WParam) == LBN_SELCHANGE) FireSelectionChange();
    InheritedMessage(StaticClass(), message);
}

void TSectionListBox::FireSelectionChange()
{
    Integer SectionIdx = 0, subitemidx = 0;
    if (FUpdateCount == 0 && GetSelectedItem(SectionIdx, subitemidx)) OnChange(this, SectionIdx, subitemidx);
    RestyleScrollBars();
}

void TSectionListBox::BeginUpdate()
{
    if (++FUpdateCount == 1) Perform(WM_SETREDRAW, 0, 0);
}

void TSectionListBox::EndUpdate()
{
    if (FUpdateCount == 0) return;
    if (--FUpdateCount > 0) return;
    Perform(WM_SETREDRAW, 1, 0);
    Invalidate();
    UpdateHorzExtent();
}

void TSectionListBox::Clear()
{
    BeginUpdate();
    FSections->Clear();
    EndUpdate();
}

void TSectionListBox::DeleteSelected()
{
    for (Integer row = RowCount() - 1; row >= 0; --row) {
        if (!Selected(row) || RowIsSection(row)) continue;
        Integer SectionIdx = 0, subitemidx = 0;
        GetListItemIndex(row, SectionIdx, subitemidx);
        FSections->Items(SectionIdx)->SubItems().Delete(subitemidx);
    }
}

void TSectionListBox::ExpandAll()
{
    BeginUpdate();
    Integer SectionIdx = 0, subitemidx = 0;
    bool selected = GetSelectedItem(SectionIdx, subitemidx);
    for (Integer i = 0; i < FSections->Count(); ++i) FSections->Items(i)->SetState(lssExpanded);
    EndUpdate();
    if (selected) {
        Integer row = GetSectionListIndex(SectionIdx);
        SetItemIndex(subitemidx >= 0 ? row + subitemidx + 1 : row);
    }
}

void TSectionListBox::ContractAll()
{
    BeginUpdate();
    SetItemIndex(0);
    for (Integer i = 0; i < FSections->Count(); ++i) FSections->Items(i)->SetState(lssContracted);
    EndUpdate();
}

// ---- property setters
void TSectionListBox::SetTabPosMove(bool value)
{
    if (FTabPosMove == value) return;
    FTabPosMove = value;
    Invalidate();
}

void TSectionListBox::SetWordWrap(bool value)
{
    if (FWordWrap == value) return;
    FWordWrap = value;
    FDtStyle = value ? Integer(DT_WORDBREAK) : 0;
    UpdateItemHeight();
    Invalidate();
}

void TSectionListBox::SetWallpaper(const TBitmap& value)
{
    FWallpaper.Assign(const_cast<TBitmap*>(&value));
    UpdateWallpaperBrush();
}

void TSectionListBox::SetOneExpanded(bool value)
{
    FOneExpanded = value;
    if (!value) return;
    for (Integer i = 0; i < FSections->Count(); ++i)
        FSections->Items(i)->SetState(i == 0 ? lssExpanded : lssContracted);
}

void TSectionListBox::SetFullFocus(bool value)
{
    if (FFullFocus == value) return;
    FFullFocus = value;
    Invalidate();
}

void TSectionListBox::SetImageSpacing(SmallInt value)
{
    if (FImageSpacing == value) return;
    FImageSpacing = value;
    Invalidate();
}

void TSectionListBox::SetSubItemHeight(Integer value)
{
    if (FSubItemHeight == value) return;
    if (ComponentState().Contains(csDesigning))
        for (Integer i = 0; i < FSections->Count(); ++i) FSections->Items(i)->SetItemHeight(value);
    FSubItemHeight = value;
    UpdateItemHeight();
    Invalidate();
}

void TSectionListBox::SetFlat(bool value)
{
    if (FFlat == value) return;
    FFlat = value;
    Invalidate();
}

void TSectionListBox::SetSectionHeight(Integer value)
{
    FSectionHeight = value;
    UpdateItemHeight();
}

void TSectionListBox::SetSectionIndent(Integer value)
{
    FSectionIndent = value;
    Invalidate();
}

void TSectionListBox::SetSubItemIndent(Integer value)
{
    FSubItemIndent = value;
    Invalidate();
}

void TSectionListBox::SetPictureContainer(TPictureContainer* value)
{
    FContainer = value;
    if (value) value->FreeNotification(this);
    UpdateItemHeight();
}

void TSectionListBox::SetSectionImages(TCustomImageList* value)
{
    FSectionImages = value;
    if (value) value->FreeNotification(this);
}

void TSectionListBox::SetSubItemImages(TCustomImageList* value)
{
    FSubItemImages = value;
    if (value) value->FreeNotification(this);
}

void TSectionListBox::SetExpandGlyph(const TBitmap& value)
{
    FExpandGlyph.Assign(const_cast<TBitmap*>(&value));
    Invalidate();
}

void TSectionListBox::SetContractGlyph(const TBitmap& value)
{
    FContractGlyph.Assign(const_cast<TBitmap*>(&value));
    Invalidate();
}

void TSectionListBox::SetSectionColor(TColor value)
{
    FSectionColor = value;
    RepaintUnlessUpdating();
}

void TSectionListBox::SetNodeType(TListNodeType value)
{
    FNodeType = value;
    Invalidate();
}
