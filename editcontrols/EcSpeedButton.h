#pragma once
// The speed buttons of the edit controls: their states, the classic three-dimensional frames
// they are drawn with, the drop-down mark and the grey image of an inactive glyph.
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "editcontrols/EcExControls.h"
#include "editcontrols/EcHotTrackPersistent.h"
#include "platform/classes/Alignment.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Lists.h"
#include "platform/stdctrls/ImgList.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/Timer.h"
#include "platform/graphics/Graphics.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/Menus.h"

// The states a speed button is drawn in; a glyph strip holds one cell per state in this order.
enum TEcButtonState { rbsUp, rbsDisabled, rbsDown, rbsExclusive, rbsInactive };

// The frame style of a button: bsWin31 the old single frame, bsNew (and bsAutoDetect) the
// two-pixel raised frame.
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
const TEnumTypeInfo& TypeInfoOf(TButtonStyle);

// The face colour 64 levels lighter or darker on each of red, green and blue, within 0..255.
TColor HighlightColorOf(TColor faceColor);
TColor ShadowColorOf(TColor faceColor);

// Draws the frame of a speed button inside r (pressed when down) and returns the rectangle
// left inside it for the face.
TRect DrawSpeedButtonFrame(TCanvas& canvas, const TRect& r, bool down, bool flat, TButtonStyle style,
                           TColor faceColor);

// The drop-down mark: a downward triangle seven pixels wide whose top row is y - 1; a disabled
// button draws it engraved.
void DrawPopupMark(TCanvas& canvas, Integer x, Integer y, TEcButtonState state);

// A pixel of an inactive glyph: the transparent colour (as stored) and the button face stay, any
// other colour becomes the grey of level (77 R + 150 G + 29 B) shr 8.
TColor GreyPixelColor(TColor color, TColor transparentColor);

// Where a button draws its glyph and caption inside Client (then moved by Offset).
struct TEcButtonLayout {
    TPoint GlyphPos;
    TRect TextBounds;
    String Caption;   // the caption as drawn: each line shortened to the room unless word-wrapped
};

// Lays out a glyph of GlyphSize and the caption: Margin and Spacing -1 share the free room
// equally; Flags (DT_CENTER, DT_RIGHT, else left) align them; a drop-down mark takes 9 pixels
// beside the text, or 6 beside the glyph.
TEcButtonLayout CalcButtonLayout(TCanvas& canvas, const TRect& client, TPoint offset, const String& caption,
                                 TButtonLayout layout, Integer margin, Integer spacing, bool popupMark,
                                 TPoint glyphSize, bool wordWrap, Cardinal flags);

// An image list whose freed slots are reused before it grows; the glyphs of all buttons of one
// glyph size share one such list.
class TEcGlyphList : public TCustomImageList {
public:
    TEcGlyphList(Integer width, Integer height) : TCustomImageList(width, height) {}
    Integer Add(TBitmap* image, TBitmap* mask);
    Integer AddMasked(TBitmap* image, TColor maskColor);
    // Frees the slot for reuse; the image stays in the list.
    void Delete(Integer index);
    Integer UsedCount() const { return FCount; }

private:
    Integer AllocateIndex();
    TBits FUsed;
    Integer FCount = 0;
};

// The glyph lists of the process, one per image size.
class TEcGlyphCache {
public:
    // The list of that size (the latest made), made when there is none.
    TEcGlyphList* GetList(Integer width, Integer height);
    // Frees the list when none of its slots is in use any more.
    void ReturnList(TEcGlyphList* list);
    bool Empty() const { return FGlyphLists.empty(); }
    // The process's cache, made on first use; FreeGlyphCache frees it when empty.
    static TEcGlyphCache& Instance();
    static bool Exists();
    static void FreeIfEmpty();

private:
    std::vector<std::unique_ptr<TEcGlyphList>> FGlyphLists;
};

// The content of a speed button: one cell of a glyph strip (up, disabled, down, latched,
// inactive), the caption and the drop-down mark, laid out by CalcButtonLayout.  The images of
// the states are made on first use into the shared glyph list of their size.
class TEcxButtonGlyph {
public:
    TEcxButtonGlyph();
    ~TEcxButtonGlyph();
    TEcxButtonGlyph(const TEcxButtonGlyph&) = delete;
    TEcxButtonGlyph& operator=(const TEcxButtonGlyph&) = delete;

    TBitmap& Glyph() { return FOriginal; }
    // Drops the made images and copies the strip; its size sets the cell count and its
    // transparent colour.
    void SetGlyph(TBitmap* value);
    Integer NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(Integer value);
    bool GrayNewStyle() const { return FGrayNewStyle; }
    void SetGrayNewStyle(bool value);
    TAlignment Alignment = taCenter;
    bool WordWrap = false;
    std::function<void()> OnChange;
    TCustomImageList* GlyphList() const { return FGlyphList; }

    // The index in the glyph list of the state's image, made when needed; -1 without a strip.
    Integer CreateButtonGlyph(TEcButtonState state);
    // Draws the state's image at (x, y) and answers its size ((0, 0) when nothing is drawn).
    TPoint DrawButtonGlyph(TCanvas& canvas, Integer x, Integer y, TEcButtonState state);
    void DrawButtonText(TCanvas& canvas, const String& caption, TRect textBounds, TEcButtonState state,
                        Cardinal flags);
    // Lays out and draws an image of the list (when the index is one of its images, else the
    // strip's), the caption and the mark; answers the caption's rectangle.
    TRect DrawEx(TCanvas& canvas, const TRect& client, TPoint offset, const String& caption, TButtonLayout layout,
                 Integer margin, Integer spacing, bool popupMark, TCustomImageList* images, Integer imageIndex,
                 TEcButtonState state, Cardinal flags, bool paintOnGlass);
    TPoint DrawButtonImage(TCanvas& canvas, Integer x, Integer y, TEcButtonState state, const TCustomImageList& images,
                           Integer index);
    // The index in the glyph list of the state's image made from an image of the list (grey, or
    // disabled), made when needed; a down button shares the up image.
    Integer CreateImageGlyph(TEcButtonState state, const TCustomImageList& images, Integer index);
    // Lays out and draws glyph, caption and mark; answers the caption's rectangle.
    TRect Draw(TCanvas& canvas, const TRect& client, TPoint offset, const String& caption, TButtonLayout layout,
               Integer margin, Integer spacing, bool popupMark, TEcButtonState state, Cardinal flags,
               bool paintOnGlass);
    // Drops every made image and hands the list back to the cache.
    void Invalidate();

private:
    void GlyphChanged();

    TEcGlyphList* FGlyphList = nullptr;
    bool FGrayNewStyle = false;
    std::array<Integer, 5> FIndexs{-1, -1, -1, -1, -1};
    Integer FNumGlyphs = 1;
    TBitmap FOriginal;
    TColor FTransparentColor = static_cast<TColor>(0x00FF00FF);
    bool FPaintOnGlass = false;
};

// Where a speed button drops its menu: under it or at its right.
enum TEcDropDownMenuPos { dmpBottom, dmpRight };
const TEnumTypeInfo& TypeInfoOf(TEcDropDownMenuPos);
// The client point at which a button of that size drops its menu, for the menu's alignment.
TPoint DropDownMenuPoint(TEcDropDownMenuPos position, TPopupAlignment alignment, Integer width, Integer height);

// The message a speed button that went down sends to the controls of its parent: WParam its
// group index, LParam the button.
constexpr Cardinal CM_ECBUTTONPRESSED = 0xB201;

// A windowless push button: pressed while the left button is held on it, a toggle inside a group
// (GroupIndex > 0, one button down at a time), repeating its click while held (AllowTimer: after
// InitPause, then every RepeatInterval milliseconds), dropping down a menu, lit up under the
// mouse (HotTrack), flat or raised, or showing its parent through (Transparent).
// TEcSpeedButton draws a glyph strip and the caption, TEcImageSpeedButton an image of a list.
class TEcCustomSpeedButton : public TEcExGraphicControl, public IEcHotTrack {
    DECLARE_CLASS(TEcCustomSpeedButton, TEcExGraphicControl)
public:
    explicit TEcCustomSpeedButton(TComponent* AOwner);
    ~TEcCustomSpeedButton() override;

    TEcButtonState State() const { return FState; }
    bool Down() const { return FDown; }
    void SetDown(bool value);
    Integer GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(Integer value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    bool AllowTimer() const { return FAllowTimer; }
    void SetAllowTimer(bool value);
    Word InitPause() const { return FInitRepeatPause; }
    void SetInitPause(Word value) { FInitRepeatPause = value; }
    Word RepeatInterval() const { return FRepeatPause; }
    void SetRepeatInterval(Word value) { FRepeatPause = value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value) { SetAndInvalidate(FFlat, value); }
    TButtonStyle Style() const { return FStyle; }
    void SetStyle(TButtonStyle value) { SetAndInvalidate(FStyle, value); }
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value) { SetAndInvalidate(FLayout, value); }
    Integer Margin() const { return FMargin; }
    void SetMargin(Integer value) { if (value >= -1) SetAndInvalidate(FMargin, value); }
    Integer Spacing() const { return FSpacing; }
    void SetSpacing(Integer value) { SetAndInvalidate(FSpacing, value); }
    TAlignment Alignment() const { return FGlyph.Alignment; }
    void SetAlignment(TAlignment value) { SetAndInvalidate(FGlyph.Alignment, value); }
    bool WordWrap() const { return FGlyph.WordWrap; }
    void SetWordWrap(bool value) { SetAndInvalidate(FGlyph.WordWrap, value); }
    // The disabled glyph embossed in the new style (else in the old one, or the list's own look).
    bool GrayNewStyle() const { return FGlyph.GrayNewStyle(); }
    void SetGrayNewStyle(bool value);
    // A flat button draws its glyph grey while the mouse is not over it.
    bool GrayedInactive() const { return FInactiveGrayed; }
    void SetGrayedInactive(bool value) { SetAndInvalidate(FInactiveGrayed, value); }
    // The parent's picture shows under the button instead of a face colour.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { SetAndInvalidate(FTransparent, value); }
    // Painted whole off the screen, then shown at once.
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor value) { FHintColor = value; }
    // The menu a press drops (when its AutoPopup is on), with a drop-down mark when MarkDropDown.
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* value);
    bool MarkDropDown() const { return FMarkDropDown; }
    void SetMarkDropDown(bool value) { SetAndInvalidate(FMarkDropDown, value); }
    TEcDropDownMenuPos MenuPosition() const { return FMenuPosition; }
    void SetMenuPosition(TEcDropDownMenuPos value) { FMenuPosition = value; }

    void Click() override;
    void Repaint() override;
    // Hover effects: the caption in HotTrackFont (which follows Font but for the attributes
    // HotTrackFontOptions keep), a fill and frame by HotTrackOptions, the hover glyph.
    bool HotTrack() const override { return FHotTrack; }
    void SetHotTrack(bool value) override { FHotTrack = value; }
    TFont& HotTrackFont() override { return FHotTrackFont; }
    void SetHotTrackFont(TFont* value) override;
    TEcTrackFontOptions HotTrackFontOptions() const override { return FHotTrackFontOptions; }
    void SetHotTrackFontOptions(TEcTrackFontOptions value) override;
    TEcHotTrackOptions& HotTrackOptions() override { return FHotTrackOptions; }
    void SetHotTrackOptions(TEcHotTrackOptions* value) override;
    void AssignHotTrack(IEcHotTrack* Source) override;
    // Under the mouse, or held down: the hover look.
    bool Hovered() const { return MouseOver() || FDragging; }
    // The hover state taken from where the pointer really is.
    void UpdateTracking();

    // A click from code: the button drawn pressed, then clicked (a group button toggles); nothing
    // while disabled, while a menu press runs or with a menu that drops by itself.
    void ButtonClick();
    // Drops the menu now; true when one was shown.
    bool CheckBtnMenuDropDown() { return DropDown(true); }

protected:
    void Loaded() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void Paint() override;
    void MouseEnter(TControl* Control) override;
    void MouseLeave(TControl* Control) override;
    void EnabledChanged() override;
    void VisibleChanged() override;
    void TextChanged() override { Invalidate(); }
    // Draws glyph and caption inside r, moved by offset while pressed.
    virtual void DrawContent(TCanvas& canvas, const TRect& r, TPoint offset, TEcButtonState state, bool drawMark,
                             bool paintOnGlass) = 0;
    Cardinal AlignmentFlags() const;
    void CMButtonPressed(TMessage& message);
    void CMSysColorChange(TMessage& message);
    void WMRButton(TMessage& message);
    void WMPaint(TMessage& message);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    bool ShowsDropDownMark() const { return FMarkDropDown && FDropDownMenu; }
    void FontChanged() override;
    // Alt and the caption's underlined letter click an enabled button.
    bool WantKey(Integer Key, TShiftState Shift) override;
    // A double click on a latched button is a double click (OnDblClick); on others a press.
    void WMLButtonDblClk(TMessage& message);
    // The hover fill and frame; answers the face left for the content.
    TRect PaintHotTrack(TCanvas& canvas, const TRect& r);
    void HotTrackOptionsChanged(TObject* Sender);
    TEcxButtonGlyph& ButtonGlyph() { return FGlyph; }

private:
    template <class T>
    void SetAndInvalidate(T& field, T value)
    {
        if (field == value) return;
        field = value;
        Invalidate();
    }
    bool Inside(Integer x, Integer y) const;
    void NotifyGroup();
    bool DropDown(bool forced);
    void DropClickOnButton();
    // The release of the left button at (x, y): the state, a group button's Down and the click.
    void FinishPress(Integer x, Integer y);
    void TimerExpired(TObject* Sender);
    // The state the glyph shows when nothing happens to the button: disabled, inactive or up.
    void PrepareIdleGlyph();
    // The background, frame and face of the classic look; answers the face left for the content.
    TRect PaintClassicFace(TCanvas& canvas, TEcButtonState drawState);
    TRect PaintThemedFace(TCanvas& canvas);

    TEcxButtonGlyph FGlyph;
    TEcButtonState FState = rbsUp;
    bool FDown = false;
    bool FDragging = false;
    Integer FGroupIndex = 0;
    bool FAllowAllUp = false;
    bool FAllowTimer = false;
    Word FInitRepeatPause = 500;
    Word FRepeatPause = 100;
    bool FFlat = false;
    TButtonStyle FStyle = bsAutoDetect;
    TButtonLayout FLayout = blGlyphTop;
    Integer FMargin = -1;
    Integer FSpacing = 1;
    bool FInactiveGrayed = true;
    bool FTransparent = false;
    bool FDoubleBuffered = true;
    TModalResult FModalResult = mrNone;
    TTimer* FRepeatTimer = nullptr;
    TPopupMenu* FDropDownMenu = nullptr;
    bool FHotTrack = false;
    TFont FHotTrackFont;
    TEcTrackFontOptions FHotTrackFontOptions{hoFollowFont, hoPreserveColor, hoPreserveStyle};
    TEcHotTrackOptions FHotTrackOptions{this};
    bool FMarkDropDown = true;
    TEcDropDownMenuPos FMenuPosition = dmpBottom;
    bool FMenuTracking = false;
};

class TEcSpeedButton : public TEcCustomSpeedButton {
    DECLARE_CLASS(TEcSpeedButton, TEcCustomSpeedButton)
public:
    explicit TEcSpeedButton(TComponent* AOwner);
    // The glyph drawn instead while hovered with HotTrack.
    TBitmap& HotTrackGlyph() { return FHotTrackGlyph.Glyph(); }
    void SetHotTrackGlyph(TBitmap* value) { FHotTrackGlyph.SetGlyph(value); }
    TBitmap& Glyph() { return ButtonGlyph().Glyph(); }
    void SetGlyph(TBitmap* value);
    Integer NumGlyphs() const { return const_cast<TEcSpeedButton*>(this)->ButtonGlyph().NumGlyphs(); }
    void SetNumGlyphs(Integer value);
    // The glyph is the action's image, copied from its list; it is not written to the form.
    bool GlyphFromAction() const { return FGlyphFromAction; }

protected:
    void DrawContent(TCanvas& canvas, const TRect& r, TPoint offset, TEcButtonState state, bool drawMark,
                     bool paintOnGlass) override;
    // The action's group index and, for a button without a glyph of its own, its image.
    void ActionChange(TObject* Sender, bool CheckDefaults) override;
    TControlActionLinkClass GetActionLinkClass() const override;

private:
    TEcxButtonGlyph FHotTrackGlyph;
    bool FGlyphFromAction = false;
};

// A speed button that draws an image of an image list (HotTrackImageIndex while hovered with
// HotTrack, when not -1).
class TEcImageSpeedButton : public TEcCustomSpeedButton {
    DECLARE_CLASS(TEcImageSpeedButton, TEcCustomSpeedButton)
public:
    explicit TEcImageSpeedButton(TComponent* AOwner);
    ~TEcImageSpeedButton() override;
    TCustomImageList* Images() const { return FImages; }
    // A list set to none leaves no image chosen.
    void SetImages(TCustomImageList* value);
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer value);
    Integer HotTrackImageIndex() const { return FHotTrackImageIndex; }
    void SetHotTrackImageIndex(Integer value);

protected:
    void DrawContent(TCanvas& canvas, const TRect& r, TPoint offset, TEcButtonState state, bool drawMark,
                     bool paintOnGlass) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The action list's images and the action's image, where the button has none of its own.
    void ActionChange(TObject* Sender, bool CheckDefaults) override;
    TControlActionLinkClass GetActionLinkClass() const override;

private:
    bool ShowsHotTrackImage() const { return HotTrack() && Hovered() && FHotTrackImageIndex != -1; }
    void ImagesChanged(TObject* Sender);
    TChangeLink FImageChangeLink;
    TCustomImageList* FImages = nullptr;
    Integer FImageIndex = -1;
    Integer FHotTrackImageIndex = 0;
};

// A speed button's link to its action: the checked state is linked for a group button that may
// go up (AllowAllUp) while Down is the action's Checked, and sets Down; the group index is linked
// while it is the action's, and sets GroupIndex.
class TEcSpeedButtonActionLink : public TControlActionLink {
    DECLARE_CLASS(TEcSpeedButtonActionLink, TControlActionLink)
public:
    explicit TEcSpeedButtonActionLink(TControl* AClient);
    bool IsCheckedLinked() const override;
    bool IsGroupIndexLinked() const override;
    void SetChecked(bool Value) override;
    void SetGroupIndex(Integer Value) override;

protected:
    TEcCustomSpeedButton* FClient;
};

// The link of an image speed button: its image index is linked while it is the action's, and
// follows the action's.
class TEcImageSpeedButtonActionLink : public TEcSpeedButtonActionLink {
    DECLARE_CLASS(TEcImageSpeedButtonActionLink, TEcSpeedButtonActionLink)
public:
    using TEcSpeedButtonActionLink::TEcSpeedButtonActionLink;
    bool IsImageIndexLinked() const override;
    void SetImageIndex(Integer Value) override;
};
