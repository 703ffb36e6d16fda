#pragma once
// Common controls drawn by the layer: the status bar with its panels, the page control with its
// tab sheets and the progress bar; the native date picker.  The native tool bar is in ToolBar.h.
#include <vector>

#include "platform/classes/Collection.h"
#include "platform/controls/Controls.h"
#include "platform/graphics/GdiApi.h"

// ---------------------------------------------------------------- TStatusBar
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };

class TStatusBar;

class TStatusPanel : public TCollectionItem {
    DECLARE_CLASS(TStatusPanel, TCollectionItem)
public:
    explicit TStatusPanel(TCollection* Collection) : TCollectionItem(Collection) {}
    const String& Text() const { return FText; }
    void SetText(const String& value);
    Integer Width() const { return FWidth; }
    void SetWidth(Integer value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel value);
    TStatusPanelStyle Style() const { return FStyle; }
    void SetStyle(TStatusPanelStyle value);
    void Assign(TPersistent* Source) override;

protected:
    String GetDisplayName() override;

private:
    String FText;
    Integer FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    TStatusPanelBevel FBevel = pbLowered;
    TStatusPanelStyle FStyle = psText;
};

class TStatusPanels : public TCollection {
    DECLARE_CLASS(TStatusPanels, TCollection)
public:
    explicit TStatusPanels(TStatusBar* StatusBar);
    TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
    TStatusPanel* Items(int Index) const { return static_cast<TStatusPanel*>(TCollection::Items(Index)); }
    TStatusPanel* operator[](int Index) const { return Items(Index); }
    TPersistent* GetOwner() override;

protected:
    void Update(TCollectionItem* Item) override;

private:
    TStatusBar* FStatusBar;
};

using TDrawPanelEvent = TEvent<TStatusBar*, TStatusPanel*, TRect>;

// Panels from the left, each Width pixels wide (the last one takes the rest), with a sunken or
// raised frame; with SimplePanel one text over the whole bar instead.
class TStatusBar : public TCustomControl {
    DECLARE_CLASS(TStatusBar, TCustomControl)
public:
    explicit TStatusBar(TComponent* AOwner);
    ~TStatusBar() override;
    TStatusPanels& Panels() { return *FPanels; }
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool value);
    const String& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const String& value);
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value);
    // The rectangle of a panel in client coordinates.
    TRect PanelRect(Integer index) const;
    TCanvas& Canvas() { return TCustomControl::Canvas(); }
    TDrawPanelEvent OnDrawPanel;

protected:
    void Paint() override;
    virtual void DrawPanel(TStatusPanel* Panel, const TRect& Rect);

private:
    void DrawPanelText(const String& text, TRect rect, TAlignment alignment);
    TStatusPanels* FPanels;
    bool FSimplePanel = false;
    String FSimpleText;
    bool FSizeGrip = true;
};

// ---------------------------------------------------------------- TPageControl
class TPageControl;

class TTabSheet : public TCustomControl {
    DECLARE_CLASS(TTabSheet, TCustomControl)
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;
    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* value);
    Integer PageIndex() const;
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool value);
    // Joining a page control as its parent makes the sheet one of its pages.
    void SetParent(TWinControl* AParent) override;

protected:
    void Paint() override;
    void CMTextChanged(TMessage& message);

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
};

using TTabChangingEvent = TEvent<TObject*, bool&>;

// Tabs along the top; the active sheet fills the area below them.  Clicking a tab asks
// OnChanging, switches the page and fires OnChange; Ctrl+Tab and Ctrl+Shift+Tab go to the next
// and previous tab.  Setting the active page by program fires neither.
class TPageControl : public TCustomControl {
    DECLARE_CLASS(TPageControl, TCustomControl)
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;
    Integer PageCount() const { return static_cast<Integer>(FPages.size()); }
    TTabSheet* Pages(Integer index) const { return FPages.at(index); }
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* page);
    Integer ActivePageIndex() const;
    void SetActivePageIndex(Integer value);
    // The next (or previous) visible page after CurPage, wrapping around.
    TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward) const;
    void SelectNextPage(bool GoForward);
    // The tab of a page (client coordinates); empty for a hidden tab.
    TRect TabRect(Integer index) const;
    Integer IndexOfTabAt(Integer X, Integer Y) const;
    // The area the sheets take.
    TRect DisplayRect() const;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    virtual bool CanChange();
    virtual void Change();

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void ChangeActivePage(TTabSheet* page);   // by the user: asks, switches, tells
    Integer TabHeight() const;
    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
};

// ---------------------------------------------------------------- TProgressBar
enum TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TCustomControl {
    DECLARE_CLASS(TProgressBar, TCustomControl)
public:
    explicit TProgressBar(TComponent* AOwner);
    Integer Min() const { return FMin; }
    void SetMin(Integer value);
    Integer Max() const { return FMax; }
    void SetMax(Integer value);
    Integer Position() const { return FPosition; }
    void SetPosition(Integer value);
    Integer Step() const { return FStep; }
    void SetStep(Integer value) { FStep = value; }
    void StepIt() { SetPosition(FPosition + FStep); }
    void StepBy(Integer delta) { SetPosition(FPosition + delta); }
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value);
    TProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TProgressBarOrientation value);

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;

private:
    Integer FMin = 0, FMax = 100, FPosition = 0, FStep = 10;
    bool FSmooth = false;
    TProgressBarOrientation FOrientation = pbHorizontal;
};

// ---------------------------------------------------------------- TTrackBar
enum TTrackBarOrientation { trHorizontal, trVertical };

// A thumb on a sunken channel with a tick every Frequency positions.  Arrow keys move it by
// LineSize, Page Up/Down and clicks beside the thumb by PageSize; dragging the thumb follows the
// mouse.  OnChange follows every change of Position.
class TTrackBar : public TCustomControl {
    DECLARE_CLASS(TTrackBar, TCustomControl)
public:
    explicit TTrackBar(TComponent* AOwner);
    Integer Min() const { return FMin; }
    void SetMin(Integer value);
    Integer Max() const { return FMax; }
    void SetMax(Integer value);
    Integer Position() const { return FPosition; }
    void SetPosition(Integer value);
    Integer Frequency() const { return FFrequency; }
    void SetFrequency(Integer value);
    Integer LineSize() const { return FLineSize; }
    void SetLineSize(Integer value) { FLineSize = value; }
    Integer PageSize() const { return FPageSize; }
    void SetPageSize(Integer value) { FPageSize = value; }
    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation value);
    // The thumb's rectangle in client coordinates.
    TRect ThumbRect() const;
    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void WMGetDlgCode(TMessage& message);

private:
    Integer ChannelLength() const;
    Integer PositionAt(Integer along) const;
    Integer FMin = 0, FMax = 10, FPosition = 0, FFrequency = 1, FLineSize = 1, FPageSize = 2;
    TTrackBarOrientation FOrientation = trHorizontal;
    bool FDragging = false;
};

// ---------------------------------------------------------------- TDateTimePicker
enum TDTDateFormat { dfShort, dfLong };

// The native date picker with its drop-down calendar.  It shows the date in the short or long
// date format of FormatSettings; the time of DateTime is kept while the user picks dates.
// OnChange follows the user's changes, not the program's.
class TDateTimePicker : public TWinControl {
    DECLARE_CLASS(TDateTimePicker, TWinControl)
public:
    explicit TDateTimePicker(TComponent* AOwner);
    TDateTime DateTime() const { return FDateTime; }
    void SetDateTime(TDateTime value);
    TDateTime Date() const;
    void SetDate(TDateTime value);
    TDTDateFormat DateFormat() const { return FDateFormat; }
    void SetDateFormat(TDTDateFormat value);
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& Params) override;
    void InitializeWindow() override;
    virtual void Change();
    void CNNotify(TMessage& message);

private:
    void ShowDate();
    TDateTime WithTime(TDateTime day) const;
    TDateTime FDateTime = 0;
    TDTDateFormat FDateFormat = dfShort;
};
