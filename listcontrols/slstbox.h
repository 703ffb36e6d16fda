#pragma once
// The collapsible section list box: a caption row per section with a node to open or close it,
// and below an open section one row per sub-item.  The rows are the platform list's own
// (owner-drawn, of variable height, item data 1 on a section row and 0 on a sub-item row); every
// change of a section is forwarded at once as the insertion, deletion or rewrite of its rows, so
// that the row of section k is the sum over the sections before it of 1 plus, when open, their
// sub-item count, and sub-item i of an open section k is on row (row of k) + 1 + i.
#include "listcontrols/GxHTML.h"
#include "platform/classes/Alignment.h"
#include "platform/classes/Collection.h"
#include "platform/stdctrls/Edits.h"
#include "platform/stdctrls/ImgList.h"
#include "platform/stdctrls/ListBox.h"
#include "platform/stdctrls/RichEdit.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/services/Themes.h"

class TSectionListBox;
class TListSection;
class TEnumTypeInfo;

enum TListSectionState { lssExpanded, lssContracted };
enum TVAlignment { vtaCenter, vtaTop, vtaBottom };
enum TSectionLines { slNone, slVertical, slHorizontal, slBoth };
enum TFontUsage { fuSubItems, fuSection, fuBoth };
enum TSectionControlType { scText, scCheckbox, scRadiobutton };
enum TSortDirection { sdNone, sdAscending, sdDescending };
enum TTabType { tableft, tabright };
enum TActiveSection { asFull, asNodeOnly };
enum TListNodeType { lnFlat, ln3D, lnGlyph };
// Scoped: the styled fill styles use the name sfNone too.
enum class TSectionFocus { sfDash, sf3D, sfNone };
enum TSListScrollStyle { slsNormal, slsFlat, slsEncarta };

// Registers the section list box and its parts with the class registry and publishes their
// properties (with the standard controls first); calling it again does nothing.
void RegisterListControlClasses();
const TEnumTypeInfo& TypeInfoOf(TListSectionState);
const TEnumTypeInfo& TypeInfoOf(TVAlignment);
const TEnumTypeInfo& TypeInfoOf(TSectionLines);
const TEnumTypeInfo& TypeInfoOf(TFontUsage);
const TEnumTypeInfo& TypeInfoOf(TSectionControlType);
const TEnumTypeInfo& TypeInfoOf(TSortDirection);
const TEnumTypeInfo& TypeInfoOf(TTabType);
const TEnumTypeInfo& TypeInfoOf(TActiveSection);
const TEnumTypeInfo& TypeInfoOf(TListNodeType);
const TEnumTypeInfo& TypeInfoOf(TSectionFocus);
const TEnumTypeInfo& TypeInfoOf(TSListScrollStyle);

class ESectionListBoxError : public Exception {
public:
    using Exception::Exception;
};

// The sub-items of a section.  Each object slot holds a packed value, not an object: bits 0-15
// the image index + 1 (0: no image), bits 16-19 the check state ($10000 when checked).  Adding,
// inserting, deleting and clearing reach the list box's rows at once while the section is open.
class TSectionListStrings : public TStringList {
public:
    TListSection* FListSection = nullptr;

    Integer Add(const String& S) override;
    Integer AddObject(const String& S, TObject* AObject) override;
    void Insert(Integer Index, const String& S) override;
    void InsertObject(Integer Index, const String& S, TObject* AObject) override;
    void Delete(Integer Index) override;
    void Clear() override;

private:
    bool SectionExpanded() const;
};

class TListSection : public TCollectionItem {
    DECLARE_CLASS(TListSection, TCollectionItem)
public:
    explicit TListSection(TCollection* ACollection);
    ~TListSection() override;
    void Assign(TPersistent* Source) override;

    TSectionListBox* ListBox() const;
    // Scrolls the list so that the section's row is the top row.
    void Focus();
    void SortSubItems();

    bool GetSubItemCheckState(Integer i) const;
    void SetSubItemCheckState(Integer i, bool Value);
    SmallInt GetSubItemImageIdx(Integer i) const;
    void SetSubItemImageIdx(Integer i, SmallInt Value);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v) { SetAppearance(FAlignment, v); }
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment v) { SetAppearance(FVAlignment, v); }
    bool AutoEdit() const { return FAutoEdit; }
    void SetAutoEdit(bool v) { FAutoEdit = v; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v) { FAutoSize = v; }
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value);
    bool Fixed() const { return FFixed; }
    void SetFixed(bool v) { SetAppearance(FFixed, v); }
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer v) { SetAppearance(FImageIndex, v); }
    TListSectionState State() const { return FState; }
    void SetState(TListSectionState value);
    TSectionListStrings& SubItems() { return FSubItems; }
    const TSectionListStrings& SubItems() const { return FSubItems; }
    void SetSubItems(const TStrings& value);
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { SetAppearance(FColor, v); }
    TSectionLines Lines() const { return FLines; }
    void SetLines(TSectionLines v) { SetAppearance(FLines, v); }
    TFont& Font() { return FFont; }
    void SetFont(const TFont& value) { FFont.Assign(value); }
    TFontUsage FontUsage() const { return FFontUsage; }
    void SetFontUsage(TFontUsage v) { SetAppearance(FFontUsage, v); }
    bool EndEllipsis() const { return FEndEllipsis; }
    void SetEndEllipsis(bool v) { SetAppearance(FEndEllipsis, v); }
    TSectionControlType ControlType() const { return FControlType; }
    void SetControlType(TSectionControlType v) { SetAppearance(FControlType, v); }
    Integer RadioIndex() const { return FRadioIndex; }
    void SetRadioIndex(Integer v) { SetAppearance(FRadioIndex, v); }
    TSortDirection SortDirection() const { return FSortDirection; }
    void SetSortDirection(TSortDirection value);
    bool SortShow() const { return FSortShow; }
    void SetSortShow(bool v) { SetAppearance(FSortShow, v); }
    Integer Tag() const { return FTag; }
    void SetTag(Integer v) { FTag = v; }
    bool OwnerDraw() const { return FOwnerdraw; }
    void SetOwnerDraw(bool v) { SetAppearance(FOwnerdraw, v); }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v) { SetAppearance(FReadOnly, v); }
    Integer ItemHeight() const { return FItemHeight; }
    void SetItemHeight(Integer value);

protected:
    String GetDisplayName() override { return FCaption; }

private:
    friend class TSectionListStrings;
    friend class TListSectionCollection;
    friend class TSectionListBox;
    template <class T>
    void SetAppearance(T& field, T value)
    {
        if (field == value) return;
        field = value;
        RepaintList();
    }
    void RepaintList();
    void SubItemsChanged();
    void SyncRows();   // rows whose text differs from their sub-item take it
    void SetSubItemObject(Integer i, std::intptr_t value);
    void InvalidateSubItemRow(Integer i);
    void QuickSortSubItems(Integer L, Integer R);

    TAlignment FAlignment = taLeftJustify;
    TVAlignment FVAlignment = vtaCenter;
    bool FAutoEdit = false;
    bool FAutoSize = true;
    String FCaption;
    bool FFixed = false;
    TSectionListStrings FSubItems;
    TListSectionState FState = lssContracted;
    TColor FColor = clWindow;
    Integer FImageIndex = -1;
    TSectionLines FLines = slNone;
    TFont FFont;
    TFontUsage FFontUsage = fuSubItems;
    bool FEndEllipsis = false;
    TSectionControlType FControlType = scText;
    Integer FRadioIndex = 0;
    TSortDirection FSortDirection = sdNone;
    bool FSortShow = false;
    Integer FTag = 0;
    bool FOwnerdraw = false;
    bool FReadOnly = true;
    Integer FItemHeight = 13;
};

// The sections of a list box; each section keeps its rows in the list box in step with its
// state and sub-items.
class TListSectionCollection : public TOwnedCollection {
    DECLARE_CLASS(TListSectionCollection, TOwnedCollection)
public:
    explicit TListSectionCollection(TSectionListBox* AOwner);

    TListSection* Add();
    TListSection* Insert(Integer index);
    TListSection* Items(Integer Index) const { return static_cast<TListSection*>(TCollection::Items(Index)); }
    TListSection* operator[](Integer Index) const { return Items(Index); }
    void SetItem(Integer Index, TListSection* Value) { Items(Index)->Assign(Value); }
    void SwapSections(Integer idx1, Integer idx2);
    // The first section whose caption is exactly SectionText; -1 when none.
    Integer IndexOf(const String& SectionText) const;
    Integer GetListIndex(const TListSection* section) const;
    TSectionListBox* ListBox() const { return FOwner; }
    // The section's own row and, when open, its sub-item rows.
    static Integer RowsOf(const TListSection* section)
    {
        return 1 + (section->State() == lssExpanded ? section->SubItems().Count() : 0);
    }

protected:
    void Update(TCollectionItem* Item) override;
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override;

private:
    friend class TListSection;
    friend class TSectionListStrings;
    Integer InsertSection(TListSection* ASection);
    void UpdateSectionRow(TListSection* section);
    void RemoveSectionRows(TListSection* section);
    void AddSubItemRow(TListSection* section, const String& s);
    void InsertSubItemRow(TListSection* section, Integer index, const String& s);
    void DeleteSubItemRow(TListSection* section, Integer index);
    void ClearSubItemRows(TListSection* section);
    void ExpandSectionRows(TListSection* section);
    void ContractSectionRows(TListSection* section);

    TSectionListBox* FOwner;
};

// The section of each row in turn, for a walk over all rows: the rows asked for in rising order
// take one step through the sections in all.
class TRowSections {
public:
    explicit TRowSections(const TListSectionCollection& sections) : FSections(sections) {}
    // The section index of the row as GetItemSectionIndex gives it (-1 without sections).
    Integer IndexOf(Integer row);

private:
    const TListSectionCollection& FSections;
    Integer FIndex = -1;   // the section reached
    Integer FEnd = 0;      // the first row after it
};

class TTabPositionItem : public TCollectionItem {
    DECLARE_CLASS(TTabPositionItem, TCollectionItem)
public:
    explicit TTabPositionItem(TCollection* ACollection) : TCollectionItem(ACollection) {}
    void Assign(TPersistent* Source) override;
    Integer TabPosition() const { return FTabPosition; }
    void SetTabPosition(Integer value);
    TTabType TabType() const { return FTabType; }
    void SetTabType(TTabType value);

private:
    void TabChanged();
    Integer FTabPosition = 0;
    TTabType FTabType = tableft;
};

class TTabPositionCollection : public TCollection {
    DECLARE_CLASS(TTabPositionCollection, TCollection)
public:
    explicit TTabPositionCollection(TSectionListBox* AOwner);
    TTabPositionItem* Add() { return static_cast<TTabPositionItem*>(TCollection::Add()); }
    TTabPositionItem* Items(Integer Index) const { return static_cast<TTabPositionItem*>(TCollection::Items(Index)); }
    Integer GetTabPos(Integer i) const { return Items(i)->TabPosition(); }
    void SetTabPos(Integer i, Integer value) { Items(i)->SetTabPosition(value); }
    TPersistent* GetOwner() override;
    TSectionListBox* ListBox() const { return FOwner; }

private:
    TSectionListBox* FOwner;
};

// How URLs in row texts are shown.  Every assignment calls OnChange, changed or not.
class TURLSettings : public TPersistent {
    DECLARE_CLASS(TURLSettings, TPersistent)
public:
    void Assign(TPersistent* Source) override;
    bool URLAware() const { return FURLAware; }
    void SetURLAware(bool value);
    TColor URLColor() const { return FURLColor; }
    void SetURLColor(TColor value);
    bool URLFull() const { return FURLFull; }
    void SetURLFull(bool value);
    TNotifyEvent OnChange;

private:
    bool FURLAware = false;
    TColor FURLColor = clBlue;
    bool FURLFull = false;
};

// The in-place editor of a sub-item.
class TSectionMemo : public TMemo {
    DECLARE_CLASS(TSectionMemo, TMemo)
public:
    explicit TSectionMemo(TComponent* AOwner);
    Integer SectionIdx = 0;
    Integer SubItemIdx = 0;   // the edited sub-item counted from 1
    Integer ItemIdx = 0;      // the row being edited
    TListSection* FListSection = nullptr;

protected:
    void DoExit() override;
    void KeyDown(Word& Key, TShiftState Shift) override;

private:
    TSectionListBox* ListBox() const;
};

using TSubItemClickEvent = TEvent<TObject*, Integer, Integer>;
using TContractSectionEvent = TEvent<TObject*, Integer>;
using TExpandSectionEvent = TContractSectionEvent;
using TInsertSubItemEvent = TEvent<TObject*, Integer, Integer, String&>;
using TDeleteSubItemEvent = TEvent<TObject*, Integer, Integer, bool&>;
using TInsertSectionEvent = TEvent<TObject*, Integer, TListSection*>;
using TDeleteSectionEvent = TEvent<TObject*, Integer, bool&>;
using TSectionDrawItemEvent = TEvent<TObject*, TListSection*, Integer, Integer, TCanvas&, TRect, TOwnerDrawState>;
using TDrawItemPropEvent = TEvent<TObject*, TListSection*, Integer, Integer, TCanvas&>;
using TEditEvent = TEvent<TObject*, Integer, Integer, String&>;
using TAnchorClick = TEvent<TObject*, Integer, String>;
using TAnchorEvent = TAnchorClick;
using TSectionHeightEvent = TEvent<TObject*, Integer, Integer&>;

class TSectionListBox : public TCustomListBox {
    DECLARE_CLASS(TSectionListBox, TCustomListBox)
public:
    explicit TSectionListBox(TComponent* AOwner);
    ~TSectionListBox() override;

    // ---- rows and sections
    bool IsSection(Integer idx);
    Integer GetSectionListIndex(Integer idx) const;
    Integer GetItemSectionIndex(Integer idx) const;
    TListSection* GetItemSection(Integer idx) const;
    TListSection* GetActiveSection();
    bool GetListItemIndex(Integer listindex, Integer& SectionIdx, Integer& subitemidx) const;
    bool GetSelectedItem(Integer& SectionIdx, Integer& subitemidx);
    bool GetItemAtXY(Integer x, Integer y, Integer& SectionIdx, Integer& subitemidx);
    bool GetSelection(Integer& SectionIdx, Integer& subitemidx, String& selstring);
    bool SetSelection(Integer SectionIdx, Integer subitemidx);
    String GetSectionSubItem(Integer SectionIdx, Integer subitemidx) const;
    String GetRichSectionSubItem(Integer SectionIdx, Integer subitemidx) const;
    // Rich-text rows: a text starting with "{\" is RTF, held one byte per character.
    void StringToRich(const String& s, TRichEdit& richeditor);
    String RichToString(TRichEdit& richeditor);
    void RichPaint(TCanvas& Canvas, const TRect& ARect, const String& s, bool sel);
    void FocusSection(TListSection* section) { section->Focus(); }
    bool HasScrollBar();
    virtual String GetItemString(TListSection* section, Integer Index);
    virtual Integer GetSectionRowHeight(Integer SectionIndex);
    virtual Cardinal GetVersionNr() const { return 0x02000100; }

    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

    // ---- content and layout
    void Clear();
    void DeleteSelected();
    void ExpandAll();
    void ContractAll();
    void UpdateItemHeight();
    void BeginUpdate();
    void EndUpdate();
    Integer UpdateCount() const { return FUpdateCount; }
    bool StartEdit(Integer idx);
    void ToggleSection(Integer row);

    // ---- sorting, tab stops, extent
    void SortAll();
    void SortAllSections();
    void SortAllSubItems();
    void OptimizeTabs(Integer padding);
    void UpdateHorzExtent();

    // ---- section files
    void SaveToFile(const String& filename);
    void LoadFromFile(const String& filename);
    void SaveToInifile(const String& filename);
    void LoadFromInifile(const String& filename);

    // ---- highlighting and marking
    void HilightInList(const String& HiText, bool DoCase);
    void HiLightInSection(Integer SectionIdx, const String& HiText, bool DoCase);
    void HilightInSubItem(Integer SectionIdx, Integer SubItemIdx, const String& HiText, bool DoCase);
    void MarkInList(const String& HiText, bool DoCase);
    void MarkInSection(Integer SectionIdx, const String& HiText, bool DoCase);
    void MarkInSubItem(Integer SectionIdx, Integer SubItemIdx, const String& HiText, bool DoCase);
    void UnHilightInList();
    void UnHiLightInSection(Integer SectionIdx);
    void UnHilightInSubItem(Integer SectionIdx, Integer SubItemIdx);
    void UnMarkInList();
    void UnMarkInSection(Integer SectionIdx);
    void UnMarkInSubItem(Integer SectionIdx, Integer SubItemIdx);

    // ---- properties
    TListSectionCollection& Sections() { return *FSections; }
    void SetSections(TListSectionCollection& value) { FSections->Assign(&value); }
    TTabPositionCollection& TabPositions() { return FTabPositions; }
    void SetTabPositions(TTabPositionCollection& value) { FTabPositions.Assign(&value); }
    bool TabPosMove() const { return FTabPosMove; }
    void SetTabPosMove(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    TBitmap& Wallpaper() { return FWallpaper; }
    void SetWallpaper(const TBitmap& value);
    bool OneExpanded() const { return FOneExpanded; }
    void SetOneExpanded(bool value);
    bool FullFocus() const { return FFullFocus; }
    void SetFullFocus(bool value);
    SmallInt ImageSpacing() const { return FImageSpacing; }
    void SetImageSpacing(SmallInt value);
    Integer SubItemHeight() const { return FSubItemHeight; }
    void SetSubItemHeight(Integer value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    Integer SectionHeight() const { return FSectionHeight <= 0 ? 14 : FSectionHeight; }
    void SetSectionHeight(Integer value);
    TFont& SectionFont() { return FSectionFont; }
    void SetSectionFont(const TFont& value) { FSectionFont.Assign(value); }
    Integer SectionIndent() const { return FSectionIndent; }
    void SetSectionIndent(Integer value);
    TCustomImageList* SectionImages() const { return FSectionImages; }
    void SetSectionImages(TCustomImageList* value);
    TCustomImageList* SubItemImages() const { return FSubItemImages; }
    void SetSubItemImages(TCustomImageList* value);
    Integer SubItemIndent() const { return FSubItemIndent; }
    void SetSubItemIndent(Integer value);
    // Named pictures for mini-HTML texts; not owned, forgotten when the container goes.
    TPictureContainer* PictureContainer() const { return FContainer; }
    void SetPictureContainer(TPictureContainer* value);
    // Pictures of the URLs in mini-HTML texts, loaded once and kept with the list.
    THTMLPictureCache& ImageCache() { return FImageCache; }
    TURLSettings& URLSettings() { return FURLSettings; }
    void SetURLSettings(TURLSettings& value) { FURLSettings.Assign(&value); }
    bool ExpandDisable() const { return FExpandDisable; }
    void SetExpandDisable(bool value) { FExpandDisable = value; }
    bool ContractDisable() const { return FContractDisable; }
    void SetContractDisable(bool value) { FContractDisable = value; }
    TBitmap& ExpandGlyph() { return FExpandGlyph; }
    void SetExpandGlyph(const TBitmap& value);
    TBitmap& ContractGlyph() { return FContractGlyph; }
    void SetContractGlyph(const TBitmap& value);
    TColor SectionColor() const { return FSectionColor; }
    void SetSectionColor(TColor value);
    TActiveSection ActiveSection() const { return FActiveSection; }
    void SetActiveSection(TActiveSection value) { FActiveSection = value; }
    TListNodeType NodeType() const { return FNodeType; }
    void SetNodeType(TListNodeType value);
    TSectionFocus SectionFocus() const { return FSectionFocus; }
    void SetSectionFocus(TSectionFocus value) { FSectionFocus = value; }
    bool ScrollTrack() const { return FScrollTrack; }
    void SetScrollTrack(bool value) { FScrollTrack = value; }
    TSListScrollStyle ScrollStyle() const { return FScrollStyle; }
    void SetScrollStyle(TSListScrollStyle value);
    TColor ScrollColor() const { return FScrollColor; }
    void SetScrollColor(TColor value);
    Integer ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(Integer value);
    TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(TColor value) { FSelectionColor = value; }
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor value) { FSelectionTextColor = value; }
    String Version() const;
    void SetVersion(const String&) {}
    float DPIScale() const { return FDPIScale; }
    // A size in pixels at 96 dots per inch on this control: nearest integer, ties to even.
    Integer Scaled(Integer size) const;

    // ---- events
    TExpandSectionEvent OnExpandSection;
    TContractSectionEvent OnContractSection, OnSectionClick, OnSectionRClick, OnSectionDblClk;
    TSubItemClickEvent OnChange, OnSubItemClick, OnCheckBoxClick, OnRadioClick, OnSubItemRClick,
        OnSubItemDblClk, OnSubItemRDblClk;
    TInsertSubItemEvent OnInsertSubItem;
    TDeleteSubItemEvent OnDeleteSubItem;
    TInsertSectionEvent OnInsertSection;
    TDeleteSectionEvent OnDeleteSection;
    TSectionDrawItemEvent OnDrawItem;
    TDrawItemPropEvent OnDrawItemProp;
    TEditEvent OnStartEdit, OnEndEdit;
    TAnchorClick OnAnchorClick;
    TAnchorEvent OnAnchorEnter, OnAnchorExit;
    TSectionHeightEvent OnSectionHeight;

protected:
    void CreateWnd() override;
    void Loaded() override;
    void ChangeScale(Integer M, Integer D) override;
    void Resize() override;
    void DrawItem(Integer Index, TRect Rect, TOwnerDrawState State) override;
    void MeasureItem(Integer Index, Integer& Height) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& message) override;
    void CNCommand(TMessage& message);
    void WMVScroll(TMessage& message);
    void WMHScroll(TMessage& message);

private:
    friend class TListSection;
    friend class TListSectionCollection;
    friend class TSectionListStrings;
    friend class TSectionMemo;
    friend class TTabPositionItem;

    // Rows of the platform list.
    Integer RowCount() const { return Count(); }
    bool RowIsSection(Integer row);
    Integer InsertRow(Integer row, const String& text, bool section, Integer height);
    void DeleteRow(Integer row);
    void SetRowText(Integer row, const String& text);
    void SetRowHeight(Integer row, Integer height);
    String RowText(Integer row);
    TRect RowRect(Integer row);

    Integer MeasureSubItem(const String& text, bool AutoSize, Integer ItemHeight);
    // The plain text of an RTF row (through the hidden rich edit); any other text as it is.
    String PlainRowText(const String& text) const;
    Integer SubItemRowHeight(TListSection* section, const String& text);
    void UseSectionFont(TCanvas& canvas, TListSection* section);
    void RepaintUnlessUpdating();
    void URLSettingsChanged(TObject* Sender);
    Integer VertScrollBarWidth() const;
    void EndEditing(TSectionMemo& memo);
    void FireSelectionChange();
    void CheckClick(TListSection* section, Integer SectionIdx, Integer i);
    void HighlightSection(Integer SectionIdx, const String& tag, const String* HiText, bool DoCase);
    String HighlightText(const String& text, const String& tag, const String* HiText, bool DoCase);
    void QuickSortSections(Integer L, Integer R);

    // Painting.
    void DrawRowText(TCanvas& canvas, TRect& r, Integer rowLeft, const String& text, bool sectionRow, TListSection* section,
                     bool verticalLines, Cardinal hflags, Cardinal vflags, Integer h, TSize& extent);
    void DrawNode(TCanvas& canvas, const TRect& row, TListSection* section, Integer h);
    void DrawSortIndicator(TCanvas& canvas, const TRect& row, TListSection* section);
    void DrawTransparentGlyph(TCanvas& canvas, TBitmap& glyph, TColor background, TPoint position);
    void UpdateWallpaperBrush();
    THTMLRenderParams HTMLParams(bool selected);
    // The anchor under the point in a mini-HTML row whose text starts `indent` pixels in.
    bool HitAnchor(Integer row, Integer indent, Integer X, Integer Y, String& anchor);
    void TrackAnchor(bool hit, const String& anchor);
    void DrawTabSplitter(Integer x, Integer top, Integer bottom);

    // Flat scroll bars.
    void ApplyScrollStyle();
    void ApplyScrollColors();
    void ApplyScrollWidth();
    void SyncVertScrollBar();
    void SyncHorzScrollBar();
    // Synchronised, and with the list's style, colours and width.
    void RestyleScrollBars();
    bool ValidTabStops(std::vector<Integer>& stops, bool rightStops) const;

    bool FFlat = false;
    bool FWordWrap = false;
    TBitmap FWallpaper;
    SmallInt FImageSpacing = 0;
    Integer FDtStyle = 0;
    bool FFullFocus = true;
    bool FScrollTrack = true;
    TFont FSectionFont;
    Integer FSectionIndent = 14;
    std::unique_ptr<TListSectionCollection> FSections;
    Integer FSectionHeight = 14;
    Integer FSubItemIndent = 14;
    Integer FSubItemHeight = 13;
    TTabPositionCollection FTabPositions{this};
    TCursor FOldCursor = crDefault;
    TSectionMemo* FMemo = nullptr;
    TRichEdit* FRichEdit = nullptr;
    THTMLPictureCache FImageCache;
    TPictureContainer* FContainer = nullptr;
    TCustomImageList* FSectionImages = nullptr;
    TCustomImageList* FSubItemImages = nullptr;
    TURLSettings FURLSettings;
    Integer FUpdateCount = 0;
    bool FOneExpanded = false;
    bool FExpandDisable = false, FContractDisable = false;
    TBitmap FExpandGlyph, FContractGlyph;
    TColor FSectionColor = clBtnFace;
    TActiveSection FActiveSection = asFull;
    TListNodeType FNodeType = lnFlat;
    TSectionFocus FSectionFocus = TSectionFocus::sfDash;
    TSListScrollStyle FScrollStyle = slsNormal;
    TColor FScrollColor = clNone;
    Integer FScrollWidth = 17;
    Integer FOldScrollPos = 0;   // the horizontal range last handed to the flat bar
    TColor FSelectionColor = clHighlight;
    TColor FSelectionTextColor = clHighlightText;
    bool FTabSelect = false, FTabMove = false, FTabPosMove = false;
    Integer FTabPos = 0, FOldTabPos = 0;
    String FOldAnchor;
    bool FFormScaled = true;
    float FDPIScale = 1.0f;
    bool FDestroyed = true;
    bool FDestroying = false;
    bool FExpandContractBusy = false;
};
