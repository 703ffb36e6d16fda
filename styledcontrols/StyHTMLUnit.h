#pragma once
// The hints' HTML renderer: parses a small HTML subset into a flat list of items (text runs in one
// style, line and paragraph breaks, list starts and items, rules, indents, pictures, check boxes
// and radio buttons, variables), lays the items out into lines and draws them with their text on
// a common baseline.  Lines are held on their first item, always a break item: its height and
// width are the line's, the high half of its parameters the line's baseline depth.
#include <memory>
#include <vector>

#include "platform/controls/Controls.h"
#include "platform/graphics/Bitmaps.h"
#include "styledcontrols/StyHookComponent.h"

enum TStyHTMLItemType : Byte { hitChar, hitSoftBreak, hitBreak, hitPara, hitBitmap, hitHR, hitLI, hitUL, hitOL,
                               hitIndent, hitInput, hitControl, hitVar };
enum TStyHTMLInputType : Byte { itCheckBox, itRadioButton };

class TStyHTMLData;
class TStyHTMLRender;
class TStyHTMLInputItem;

class TStyHTMLItem : public TObject {
public:
    enum : Integer { bsLink = 1, bsSub = 2, bsSuper = 4, bsAbsIndent = 8, bsParaEnd = Integer(0x80000000u) };
    TStyHTMLItem(TStyHTMLData* Owner, TStyHTMLItemType Type) : FOwner(Owner), FItemType(Type) {}

    // The item's markup in the export; empty for plain items.
    virtual String GetItemHTML() const { return {}; }
    virtual Integer GetWidth();
    virtual Integer GetHeight(Integer& BaseLine);
    // Style, link state and markers; never type, text, sizes, transparency or group.
    virtual void Assign(const TStyHTMLItem& Source);

    TStyHTMLItemType ItemType() const { return FItemType; }
    bool IsBreak() const;
    bool IsLink() const { return FBoolState & bsLink; }
    bool IsSub() const { return FBoolState & bsSub; }
    bool IsSuper() const { return FBoolState & bsSuper; }
    const String& Text() const { return FText; }
    void SetText(const String& Value);
    const String& LinkRef() const { return FLinkRef; }

    TStyHTMLData* FOwner;
    TStyHTMLItemType FItemType;
    String FText;
    TFontStyles FontStyle;
    Integer FontHeight = -11;
    TColor FontBgColor = clNone;
    TColor FontColor = clWindowText;
    String FLinkRef;
    String FFontRef;
    Integer FFntCnt = 0;
    Word FTWidth = 0xFFFF;
    Word FWidth = 0;
    Word FHeight = 0;
    Integer FIndent = 0;
    Integer FBoolState = 0;
    bool FTransparent = true;
    Integer FTag = 0;

protected:
    // Selects the item's font on the render's measuring canvas.
    TCanvas& MeasuringCanvas() const;
};

class TStyHTMLBreakItem : public TStyHTMLItem {
public:
    using TStyHTMLItem::TStyHTMLItem;
    Integer GetWidth() override;
    Integer GetHeight(Integer& BaseLine) override;
    void Assign(const TStyHTMLItem& Source) override;
    void AssignBreakProps(const TStyHTMLBreakItem& Source);
    Integer Alignment() const { return FParams & 0xFFFF; }
    Integer BaseLineDepth() const { return (FParams >> 16) & 0xFFFF; }

    Integer FParams = 0;      // bits 0..15 alignment (0 left, 1 centre, 2 right), 16..31 baseline depth
    Integer FListLevel = 0;
    Integer FListItemN = 0;   // number of an ordered-list item; below 1 for a bullet
};

class TStyHTMLInputItem : public TStyHTMLItem {
public:
    TStyHTMLInputItem(TStyHTMLData* Owner) : TStyHTMLItem(Owner, hitInput) {}
    String GetItemHTML() const override;
    void Assign(const TStyHTMLItem& Source) override;

    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    const String& Name() const { return FName; }
    const String& Value() const { return FValue; }
    void SetValue(const String& Value);
    TStyHTMLInputType InputType() const { return FInputType; }
    void SetInputType(TStyHTMLInputType Value);
    // A check box toggles; a radio button toggles when checked, else becomes checked.
    void Click();
    void KeyDown(Word& Key);
    void PaintTo(TCanvas& Canvas, const TRect& R);

    bool FChecked = false;
    TStyHTMLInputType FInputType = itCheckBox;
    String FName;
    String FValue;
};

// A control embedded by the control tag: made by its class name, its published properties set
// from the tag's attributes.  The item owns it while it has no parent or stays hidden.
class TStyHTMLControlItem : public TStyHTMLItem {
public:
    explicit TStyHTMLControlItem(TStyHTMLData* Owner) : TStyHTMLItem(Owner, hitControl) {}
    ~TStyHTMLControlItem() override;
    String GetItemHTML() const override;
    TControl* Control() const { return FControl; }
    // Makes (or keeps) the control of ClassName with the render's host control as owner, sets its
    // properties from Attributes (name=value) and takes its size.
    void CreateControl(const String& ClassName, const std::vector<std::pair<String, String>>& Attributes);

    TStyHookComponent FControlHook{nullptr};
    String FControlClass;
    std::vector<std::pair<String, String>> FControlPropList;
    TControl* FControl = nullptr;

private:
    void FreeControl();
};

class TStyHTMLData : public TObject {
public:
    explicit TStyHTMLData(TStyHTMLRender* Render = nullptr) : FRender(Render) {}
    ~TStyHTMLData() override { ClearArray(); }
    TStyHTMLData(const TStyHTMLData&) = delete;
    TStyHTMLData& operator=(const TStyHTMLData&) = delete;

    void ClearArray();
    Integer ItemCount() const { return static_cast<Integer>(FArray.size()); }
    // Counted from 1.
    TStyHTMLItem* GetItem(Integer Index) const { return FArray[static_cast<size_t>(Index - 1)]; }
    Integer LineCount() const;
    const std::vector<TStyHTMLItem*>& Items() const { return FArray; }
    const std::vector<TStyHTMLItem*>& ControlsArray() const { return FControlsArray; }
    TSize TextSize() const { return FTextSize; }
    TStyHTMLItem* SelectedItem() const { return FSelectedItem; }
    void SetSelectedItem(TStyHTMLItem* Value) { FSelectedItem = Value; }
    TStyHTMLInputItem* ActiveItem() const { return FActiveItem; }
    void SetActiveItem(TStyHTMLInputItem* Value);
    TStyHTMLRender* Render() const { return FRender; }
    TColor LinkColor() const { return FLinkColor; }
    void SetLinkColor(TColor Value) { FLinkColor = Value; }
    TColor DefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(TColor Value) { FDefaultColor = Value; }
    TFontStyles LinkStyle() const { return FLinkStyle; }
    void SetLinkStyle(TFontStyles Value) { FLinkStyle = Value; }
    TFontStyles DefaultStyle() const { return FDefaultStyle; }
    void SetDefaultStyle(TFontStyles Value) { FDefaultStyle = Value; }
    Integer DefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(Integer Value) { FDefaultHeight = Value; }
    Byte Charset() const { return FCharset; }
    void SetCharset(Byte Value) { FCharset = Value; }
    const String& DefaultFont() const { return FDefaultFont; }
    void SetDefaultFont(const String& Value) { FDefaultFont = Value; }
    Integer LineSpacing() const { return FLineSpacing; }
    void SetLineSpacing(Integer Value) { FLineSpacing = Value; }
    Integer LineGap() const { return FLineGap; }
    void SetLineGap(Integer Value) { FLineGap = Value; }
    Integer MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(Integer Value) { FMaxWidth = Value; }
    TColor DefaultBgColor() const { return FDefaultBgColor; }
    void SetDefaultBgColor(TColor Value) { FDefaultBgColor = Value; }
    TColor HighlightBgColor() const { return FHighlightBgColor; }
    void SetHighlightBgColor(TColor Value) { FHighlightBgColor = Value; }
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor Value) { FHighlightColor = Value; }
    const TRect& Rect() const { return FRect; }
    void SetRect(const TRect& Value) { FRect = Value; }
    Integer HOffset() const { return FHOffset; }
    void SetHOffset(Integer Value) { FHOffset = Value; }
    Integer VOffset() const { return FVOffset; }
    void SetVOffset(Integer Value) { FVOffset = Value; }
    void* AuxData() const { return FAuxData; }
    void SetAuxData(void* Value) { FAuxData = Value; }

    std::vector<TStyHTMLItem*> FArray;           // owned
    std::vector<TStyHTMLItem*> FControlsArray;   // links and inputs in document order
    std::vector<String> FRadioList;
    TStyHTMLRender* FRender;
    TColor FLinkColor = clBlue;
    TColor FDefaultColor = clWindowText;
    TFontStyles FLinkStyle{TFontStyle::fsUnderline};
    TFontStyles FDefaultStyle;
    Integer FDefaultHeight = -11;
    Byte FCharset = 0;
    String FDefaultFont = "MS Sans Serif";
    Integer FLineSpacing = 0;
    Integer FLineGap = 0;
    Integer FMaxWidth = 0;
    TColor FDefaultBgColor = clNone;
    TColor FHighlightBgColor = 0;
    TColor FHighlightColor = 0;
    TStyHTMLItem* FSelectedItem = nullptr;
    TRect FRect;
    TSize FTextSize;
    TStyHTMLInputItem* FActiveItem = nullptr;
    Integer FHOffset = 0, FVOffset = 0;
    void* FAuxData = nullptr;   // handed to the embedded controls' events
    Integer TabWidth = 20;
};

using TStyHTMLImageNeededEvent = TEvent<TObject*, const String&, TBitmap*&>;
using TStyHTMLImageNeededExEvent = TEvent<TObject*, const String&, TPicture*>;
using TStyHTMLVariableNeededEvent = TEvent<TObject*, const String&, String&>;
using TStyHTMLTagFoundEvent = TEvent<TObject*, String&, TStyHTMLItem*&, std::vector<String>&, bool, bool>;
using TStyHTMLInputItemChangedEvent = TEvent<TObject*, TStyHTMLInputItem*>;
using TStyHTMLControlPositionNeededEvent = TEvent<TObject*, TControl*, void*, Integer&, Integer&>;
using TStyHTMLControlVisibilityNeededEvent = TEvent<TObject*, TControl*, void*, bool&>;
using TStyHTMLControlCreatedEvent = TEvent<TObject*, TControl*>;

class TStyHTMLRender : public TObject {
public:
    TStyHTMLRender();
    ~TStyHTMLRender() override;

    void PrepareText(const String& Text, Integer MaxWidth, bool AutoWrap) { PrepareToData(Text, MaxWidth, AutoWrap, FData); }
    void PrepareToData(const String& Text, Integer MaxWidth, bool AutoWrap, TStyHTMLData* CurData);
    void DrawText(TCanvas& Canvas, TPoint SrcPoint, const TRect& R, TColor AdjustFromColor)
    {
        DrawTextEx(Canvas, SrcPoint, R, false, 0, 0, 0, 0, AdjustFromColor);
    }
    void DrawTextEx(TCanvas& ACanvas, TPoint ASrcPoint, const TRect& AR, bool UseOverColors, TColor AColor,
                    TColor ABkColor, TColor ASelColor, TColor ASelBkColor, TColor AAdjustFromColor);

    TStyHTMLItem* ItemAtPos(TPoint Point, TPoint SrcPoint, TRect R);
    bool IsCursorOverLink(TPoint Point, TPoint SrcPoint, const TRect& R, String& href);
    void SelectLinkAt(TPoint Point, TPoint SrcPoint, const TRect& R);
    void SelectNextLink() { StepLink(+1); }
    void SelectPrevLink() { StepLink(-1); }
    void SelectNextSuitableItem() { StepSuitable(+1); }
    void SelectPrevSuitableItem() { StepSuitable(-1); }
    TStyHTMLInputItem* FindInputItemByName(const String& AName, const TStyHTMLItem* FindFrom);
    void MouseMoveTransfer(TShiftState Shift, Integer X, Integer Y, const TRect& R);
    void ClickTransfer(Integer X, Integer Y, const TRect& R);
    void KeyDownTransfer(Word& Key, TShiftState Shift);

    String AsText() const;
    static String GenerateHTML(const TStyHTMLData& Data);

    TStyHTMLData* Data() const { return FData; }
    void SetData(TStyHTMLData* NewData);
    // A new document bound to this render, freed by DestroyData; the render's own document is
    // never freed, and freeing the current one makes the own document current again.
    TStyHTMLData* CreateData() { return new TStyHTMLData(this); }
    void DestroyData(TStyHTMLData* Data);
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
    bool LinkSelect() const { return FLinkSelect; }
    void SetLinkSelect(bool Value) { FLinkSelect = Value; }
    TControl* Control() const { return FHook.Control(); }
    void SetControl(TControl* Value) { FHook.SetControl(Value); }
    TCanvas& Canvas() { return FBitmap.Canvas(); }
    void Change() { OnChange(this); }
    // The picture of an img tag: OnImageNeeded's bitmap when it gives one, else what
    // OnImageNeededEx puts into Picture (a failing handler leaves it empty).
    virtual void RequestPicture(const String& Src, TPicture& Picture);

    TNotifyEvent OnChange;
    TStyHTMLImageNeededEvent OnImageNeeded;
    TStyHTMLImageNeededExEvent OnImageNeededEx;
    TStyHTMLVariableNeededEvent OnVariableNeeded;
    TStyHTMLTagFoundEvent OnTagFound;
    TStyHTMLInputItemChangedEvent OnInputItemChecked;
    TStyHTMLInputItemChangedEvent OnInputItemTextChanged;
    TStyHTMLControlPositionNeededEvent OnAdjustControlPosition;
    TStyHTMLControlVisibilityNeededEvent OnSetControlVisibility;
    TStyHTMLControlCreatedEvent OnControlCreated;

    // The entity table: name and character, in table order.
    static const std::vector<std::pair<const char*, char16_t>>& Entities();

private:
    class TParser;
    void Layout(TStyHTMLData& Data);
    void StepLink(Integer Direction);
    void StepSuitable(Integer Direction);
    void FilterMessage(TObject* Sender, TMessage& Message, bool& Handled);
    // x of a line's first item, by the line's alignment in an area AreaWidth wide.
    static Integer LineStart(const TStyHTMLBreakItem& Line, Integer AreaWidth);

    bool FLinkSelect = false;
    TStyHookComponent FHook{nullptr};
    TStyHTMLData FIntData{this};
    TStyHTMLData* FData = &FIntData;
    void PlaceControl(TStyHTMLControlItem& Item, const TRect& Box);

    TBitmap FBitmap{1, 1};
    TBitmap FBuffer;
    bool FDoubleBuffered = true;
};
