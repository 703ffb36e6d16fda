// The speed buttons of the edit controls: frames, drop-down mark and inactive glyph colours.
#include "editcontrols/EcSpeedButton.h"

#include <algorithm>

#include "editcontrols/EcCoreUtils.h"
#include "editcontrols/EcLibUtils.h"
#include "editcontrols/EcThemes.h"
#include "platform/graphics/GdiApi.h"
#include "platform/stdctrls/ExtCtrls.h"

namespace {

Byte ShiftLevel(Byte level, int delta)
{
    const int shifted = level + delta;
    return static_cast<Byte>(shifted < 0 ? 0 : (shifted > 255 ? 255 : shifted));
}

TColor ShiftColor(TColor color, int delta)
{
    const Cardinal rgb = static_cast<Cardinal>(ColorToRGB(color));
    return static_cast<TColor>(RGB(ShiftLevel(GetRValue(rgb), delta), ShiftLevel(GetGValue(rgb), delta),
                                   ShiftLevel(GetBValue(rgb), delta)));
}

void Frame(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight)
{
    Frame3D(canvas, r, topLeft, bottomRight, 1);
}

}  // namespace

TColor HighlightColorOf(TColor faceColor) { return ShiftColor(faceColor, 64); }
TColor ShadowColorOf(TColor faceColor) { return ShiftColor(faceColor, -64); }

TRect DrawSpeedButtonFrame(TCanvas& canvas, const TRect& r, bool down, bool flat, TButtonStyle style,
                           TColor faceColor)
{
    const bool newStyle = style == bsAutoDetect || style == bsNew;
    const TColor hi = HighlightColorOf(faceColor);
    const TColor sh = ShadowColorOf(faceColor);
    TRect inner = r;
    if (down) {
        if (newStyle && !flat) {
            Frame(canvas, inner, clWindowFrame, hi);
            Frame(canvas, inner, sh, faceColor);
        } else if (newStyle) {
            Frame(canvas, inner, sh, hi);
        } else if (flat) {
            Frame(canvas, inner, clWindowFrame, hi);
        } else {
            Frame(canvas, inner, clWindowFrame, clWindowFrame);
            canvas.Pen().SetColor(clBtnShadow);
            canvas.Polyline({{inner.Left, inner.Bottom - 1}, {inner.Left, inner.Top}, {inner.Right, inner.Top}});
        }
    } else {
        if (newStyle && flat) {
            Frame(canvas, inner, hi, sh);
        } else if (newStyle) {
            Frame(canvas, inner, hi, clWindowFrame);
            Frame(canvas, inner, faceColor, sh);
        } else if (flat) {
            Frame(canvas, inner, hi, clWindowFrame);
        } else {
            Frame(canvas, inner, clWindowFrame, clWindowFrame);
            Frame(canvas, inner, hi, sh);
        }
    }
    return TRect{inner.Left + 1, inner.Top + 1, inner.Right - 1, inner.Bottom - 1};
}

void DrawPopupMark(TCanvas& canvas, Integer x, Integer y, TEcButtonState state)
{
    auto triangle = [&canvas](Integer left, Integer top, TColor color) {
        for (Integer i = 0; i < 7; ++i) canvas.SetPixel(left + i, top - 1, color);
        for (Integer i = 1; i < 6; ++i) canvas.SetPixel(left + i, top, color);
        for (Integer i = 2; i < 5; ++i) canvas.SetPixel(left + i, top + 1, color);
        canvas.SetPixel(left + 3, top + 2, color);
    };
    if (state == rbsDisabled) {
        triangle(x + 1, y + 1, clBtnHighlight);
        triangle(x, y, clBtnShadow);
    } else {
        triangle(x, y, clBtnText);
    }
}

TColor GreyPixelColor(TColor color, TColor transparentColor)
{
    if (color == transparentColor || ColorToRGB(color) == ColorToRGB(clBtnFace)) return color;
    const Cardinal rgb = static_cast<Cardinal>(ColorToRGB(color));
    const Byte level = static_cast<Byte>((77 * GetRValue(rgb) + 150 * GetGValue(rgb) + 29 * GetBValue(rgb)) >> 8);
    return static_cast<TColor>(RGB(level, level, level));
}

namespace {

// Each line shortened to the width, trailing blanks and line breaks removed.
String FitCaptionLines(const String& caption, TCanvas& canvas, Integer width)
{
    String result;
    String line;
    auto flush = [&](bool lineBreak) {
        result += FitTextWithEllipsis(line, canvas, width);
        if (lineBreak) result += String("\r\n");
        line = String();
    };
    for (int i = 1; i <= caption.Length(); ++i) {
        if (caption[i] == u'\r') continue;
        if (caption[i] == u'\n') flush(true);
        else line += caption[i];
    }
    flush(false);
    int last = result.Length();
    while (last > 0 && (result[last] == u' ' || result[last] == u'\r' || result[last] == u'\n')) --last;
    return Copy(result, 1, last);
}

}  // namespace

TEcButtonLayout CalcButtonLayout(TCanvas& canvas, const TRect& client, TPoint offset, const String& caption,
                                 TButtonLayout layout, Integer margin, Integer spacing, bool popupMark,
                                 TPoint glyphSize, bool wordWrap, Cardinal flags)
{
    const TPoint clientSize{client.Right - client.Left, client.Bottom - client.Top};
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    TPoint glyph = glyphSize;

    // The room left for the caption.
    TPoint room = clientSize;
    const Integer fixed = (margin != -1 ? margin : 0) + (spacing != -1 ? spacing : 0);
    if (horizontal) room.X -= glyph.X + fixed + (popupMark ? 9 : 0);
    else room.Y -= glyph.Y + fixed;
    room.X = std::max<Integer>(room.X, 0);
    room.Y = std::max<Integer>(room.Y, 0);

    TEcButtonLayout result;
    result.Caption = wordWrap ? caption : FitCaptionLines(caption, canvas, room.X);
    TRect bounds{0, 0, 0, 0};
    if (!result.Caption.IsEmpty()) {
        bounds = TRect{0, 0, room.X, 0};
        DrawThemedText(canvas.Handle(), result.Caption, bounds, false,
                       DT_CALCRECT | DT_VCENTER | (wordWrap ? UINT{DT_WORDBREAK} : 0) | flags);
        bounds.Right = bounds.Left + std::max<Integer>(std::min(bounds.Right - bounds.Left, room.X), 0);
        bounds.Bottom = bounds.Top + std::max<Integer>(std::min(bounds.Bottom - bounds.Top, room.Y), 0);
    }
    TPoint text{bounds.Right - bounds.Left, bounds.Bottom - bounds.Top};

    if (popupMark) {
        if (glyph.X == 0 || glyph.Y == 0 || layout == blGlyphLeft) text.X += 9;
        else if (glyph.X > 0) glyph.X += 6;
    }

    TPoint glyphPos{0, 0};
    TPoint textPos{0, 0};
    if (horizontal) {
        glyphPos.Y = (clientSize.Y - glyph.Y) / 2;
        textPos.Y = (clientSize.Y - text.Y) / 2;
    } else {
        glyphPos.X = (clientSize.X - glyph.X) / 2;
        textPos.X = (clientSize.X - text.X) / 2;
    }
    const bool centred = (flags & DT_CENTER) != 0;
    const bool right = (flags & DT_RIGHT) != 0;
    if (!centred) {
        if (right) {
            if (horizontal) glyphPos.X = clientSize.X - glyph.X - text.X;
            textPos.X = clientSize.X - text.X;
        } else {
            if (horizontal) {
                glyphPos.X = 0;
                textPos.X = glyph.X;
            } else {
                textPos.X = 0;
            }
        }
    }

    if (text.X == 0 || glyph.X == 0) spacing = 0;
    if (margin == -1 && spacing == -1) {
        margin = horizontal ? (clientSize.X - (glyph.X + text.X)) / 3 : (clientSize.Y - (glyph.Y + text.Y)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        const TPoint total{glyph.X + spacing + text.X, glyph.Y + spacing + text.Y};
        if (!horizontal) margin = clientSize.Y / 2 - total.Y / 2;
        else if (centred) margin = clientSize.X / 2 - total.X / 2;
        else if (layout == blGlyphRight) margin = right ? 0 : clientSize.X - text.X - glyph.X;
        else margin = glyphPos.X;
    } else if (spacing == -1) {
        spacing = horizontal ? (clientSize.X - (margin + glyph.X)) / 2 - text.X / 2
                             : (clientSize.Y - (margin + glyph.Y)) / 2 - text.Y / 2;
    }

    switch (layout) {
    case blGlyphLeft:
        glyphPos.X = margin;
        textPos.X = margin + glyph.X + spacing;
        break;
    case blGlyphRight:
        glyphPos.X = clientSize.X - margin - glyph.X;
        textPos.X = glyphPos.X - spacing - text.X;
        break;
    case blGlyphTop:
        glyphPos.Y = margin;
        textPos.Y = margin + glyph.Y + spacing;
        break;
    case blGlyphBottom:
        glyphPos.Y = clientSize.Y - margin - glyph.Y;
        textPos.Y = glyphPos.Y - spacing - text.Y;
        break;
    }

    const TPoint shift{client.Left + offset.X, client.Top + offset.Y};
    result.GlyphPos = TPoint{glyphPos.X + shift.X, glyphPos.Y + shift.Y};
    result.TextBounds = TRect{bounds.Left + textPos.X + shift.X, bounds.Top + textPos.Y + shift.Y,
                              bounds.Right + textPos.X + shift.X, bounds.Bottom + textPos.Y + shift.Y};
    return result;
}

// ---------------------------------------------------------------- glyph lists

Integer TEcGlyphList::AllocateIndex()
{
    const Integer index = FUsed.OpenBit();
    if (index >= Count()) {
        TBitmap empty(Width(), Height());
        TCustomImageList::Add(&empty, nullptr);
    }
    FUsed.SetBits(index, true);
    ++FCount;
    return index;
}

Integer TEcGlyphList::Add(TBitmap* image, TBitmap* mask)
{
    const Integer index = AllocateIndex();
    Replace(index, image, mask);
    return index;
}

Integer TEcGlyphList::AddMasked(TBitmap* image, TColor maskColor)
{
    const Integer index = AllocateIndex();
    ReplaceMasked(index, image, maskColor);
    return index;
}

void TEcGlyphList::Delete(Integer index)
{
    if (index < 0 || index >= FUsed.Size() || !FUsed.Bits(index)) return;
    FUsed.SetBits(index, false);
    --FCount;
}

namespace {
std::unique_ptr<TEcGlyphCache> GlyphCache;
}

TEcGlyphCache& TEcGlyphCache::Instance()
{
    if (!GlyphCache) GlyphCache = std::make_unique<TEcGlyphCache>();
    return *GlyphCache;
}

bool TEcGlyphCache::Exists() { return GlyphCache != nullptr; }

void TEcGlyphCache::FreeIfEmpty()
{
    if (GlyphCache && GlyphCache->Empty()) GlyphCache.reset();
}

TEcGlyphList* TEcGlyphCache::GetList(Integer width, Integer height)
{
    for (auto it = FGlyphLists.rbegin(); it != FGlyphLists.rend(); ++it)
        if ((*it)->Width() == width && (*it)->Height() == height) return it->get();
    FGlyphLists.push_back(std::make_unique<TEcGlyphList>(width, height));
    return FGlyphLists.back().get();
}

void TEcGlyphCache::ReturnList(TEcGlyphList* list)
{
    if (!list || list->UsedCount() > 0) return;
    std::erase_if(FGlyphLists, [list](const std::unique_ptr<TEcGlyphList>& l) { return l.get() == list; });
}

// ---------------------------------------------------------------- button glyph

TEcxButtonGlyph::TEcxButtonGlyph()
{
    FOriginal.OnChange = [this] { GlyphChanged(); };
}

TEcxButtonGlyph::~TEcxButtonGlyph()
{
    FOriginal.OnChange = nullptr;
    Invalidate();
    TEcGlyphCache::FreeIfEmpty();
}

void TEcxButtonGlyph::SetGlyph(TBitmap* value)
{
    Invalidate();
    if (value) {
        FOriginal.Assign(*value);   // the strip's change event follows
    } else {
        FOriginal.SetSize(0, 0);
        GlyphChanged();
    }
}

// A strip of square cells gives its cell count (one cell when it would be more than five).
void TEcxButtonGlyph::GlyphChanged()
{
    Invalidate();
    if (FOriginal.Height() > 0) {
        FTransparentColor = static_cast<TColor>(FOriginal.TransparentColor() & ~0x02000000);
        if (FOriginal.Width() % FOriginal.Height() == 0) {
            Integer cells = FOriginal.Width() / FOriginal.Height();
            if (cells > 5) cells = 1;
            if (cells != 0) FNumGlyphs = cells;
        }
    }
    if (OnChange) OnChange();
}

void TEcxButtonGlyph::SetNumGlyphs(Integer value)
{
    if (value == 0 || value == FNumGlyphs) return;
    Invalidate();
    FNumGlyphs = value;
}

void TEcxButtonGlyph::SetGrayNewStyle(bool value)
{
    if (value == FGrayNewStyle) return;
    FGrayNewStyle = value;
    Invalidate();
}

void TEcxButtonGlyph::Invalidate()
{
    for (Integer& index : FIndexs) {
        if (index != -1 && FGlyphList) FGlyphList->Delete(index);
        index = -1;
    }
    if (FGlyphList && TEcGlyphCache::Exists()) TEcGlyphCache::Instance().ReturnList(FGlyphList);
    FGlyphList = nullptr;
}

Integer TEcxButtonGlyph::CreateButtonGlyph(TEcButtonState state)
{
    if (state == rbsDown && FNumGlyphs < 3) state = rbsUp;
    if (FIndexs[state] != -1) return FIndexs[state];
    if (FOriginal.Empty()) return -1;

    const Integer w = FOriginal.Width() / FNumGlyphs;
    const Integer h = FOriginal.Height();
    if (w == 0) return -1;
    if (!FGlyphList) FGlyphList = TEcGlyphCache::Instance().GetList(w, h);

    TBitmap scratch(w, h);
    scratch.Canvas().Brush().SetColor(clBtnFace);
    scratch.Canvas().FillRect(Rect(0, 0, w, h));
    auto copyCell = [&](Integer cell) {
        scratch.Canvas().CopyRect(Rect(0, 0, w, h), FOriginal.Canvas(), Rect(cell * w, 0, cell * w + w, h));
    };
    const Integer ownCell = static_cast<Integer>(state) < FNumGlyphs ? static_cast<Integer>(state) : 0;
    switch (state) {
    case rbsDisabled:
        if (FNumGlyphs < 2) {
            // One cell: the strip embossed, in the new style or the old black-outline one.
            std::unique_ptr<TBitmap> disabled(FGrayNewStyle ? CreateDisabledBitmapNewStyle(FOriginal, FTransparentColor)
                                                            : CreateDisabledBitmap(FOriginal, clBlack));
            FIndexs[state] = FGlyphList->AddMasked(disabled.get(), FGrayNewStyle ? FTransparentColor : clBtnFace);
            return FIndexs[state];
        }
        copyCell(1);
        break;
    case rbsInactive:
        if (FNumGlyphs == 5) {
            copyCell(4);
        } else {
            copyCell(0);
            for (Integer y = 0; y < h; ++y)
                for (Integer x = 0; x < w; ++x)
                    scratch.Canvas().SetPixel(x, y, GreyPixelColor(scratch.Canvas().Pixel(x, y), FTransparentColor));
        }
        break;
    default:
        copyCell(ownCell);
        break;
    }
    FIndexs[state] = FGlyphList->AddMasked(&scratch, FTransparentColor);
    return FIndexs[state];
}

TPoint TEcxButtonGlyph::DrawButtonGlyph(TCanvas& canvas, Integer x, Integer y, TEcButtonState state)
{
    const Integer index = CreateButtonGlyph(state);
    if (index < 0) return TPoint{0, 0};
    FGlyphList->Draw(canvas, x, y, index);
    return TPoint{FGlyphList->Width(), FGlyphList->Height()};
}

void TEcxButtonGlyph::DrawButtonText(TCanvas& canvas, const String& caption, TRect textBounds,
                                     TEcButtonState state, Cardinal flags)
{
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    flags |= (WordWrap ? UINT{DT_WORDBREAK} : 0) | DT_VCENTER;
    const TColor textColor = canvas.Font().Color();
    if (state == rbsDisabled) {
        TRect shifted{textBounds.Left + 1, textBounds.Top + 1, textBounds.Right + 1, textBounds.Bottom + 1};
        canvas.Font().SetColor(clBtnHighlight);
        DrawThemedText(canvas.Handle(), caption, shifted, FPaintOnGlass, flags);
        canvas.Font().SetColor(clBtnShadow);
        DrawThemedText(canvas.Handle(), caption, textBounds, FPaintOnGlass, flags);
        canvas.Font().SetColor(textColor);
    } else {
        DrawThemedText(canvas.Handle(), caption, textBounds, FPaintOnGlass, flags);
    }
}

TRect TEcxButtonGlyph::Draw(TCanvas& canvas, const TRect& client, TPoint offset, const String& caption,
                            TButtonLayout layout, Integer margin, Integer spacing, bool popupMark,
                            TEcButtonState state, Cardinal flags, bool paintOnGlass)
{
    return DrawEx(canvas, client, offset, caption, layout, margin, spacing, popupMark, nullptr, -1, state, flags,
                  paintOnGlass);
}

namespace {

bool UsableImage(const TCustomImageList* images, Integer index)
{
    return images && images->Width() > 0 && index >= 0 && index < images->Count();
}

}  // namespace

TRect TEcxButtonGlyph::DrawEx(TCanvas& canvas, const TRect& client, TPoint offset, const String& caption,
                              TButtonLayout layout, Integer margin, Integer spacing, bool popupMark,
                              TCustomImageList* images, Integer imageIndex, TEcButtonState state, Cardinal flags,
                              bool paintOnGlass)
{
    FPaintOnGlass = paintOnGlass;
    const bool fromList = UsableImage(images, imageIndex);
    TPoint glyphSize{0, 0};
    if (fromList) glyphSize = {images->Width(), images->Height()};
    else if (!FOriginal.Empty()) glyphSize = {FOriginal.Width() / FNumGlyphs, FOriginal.Height()};
    const TEcButtonLayout l = CalcButtonLayout(canvas, client, offset, caption, layout, margin, spacing, popupMark,
                                               glyphSize, WordWrap, flags);
    const TPoint drawn = fromList ? DrawButtonImage(canvas, l.GlyphPos.X, l.GlyphPos.Y, state, *images, imageIndex)
                                  : DrawButtonGlyph(canvas, l.GlyphPos.X, l.GlyphPos.Y, state);
    DrawButtonText(canvas, l.Caption, l.TextBounds, state, flags);
    if (popupMark) {
        if (layout != blGlyphLeft && (FOriginal.Width() > 0 || fromList)) {
            DrawPopupMark(canvas, l.GlyphPos.X + drawn.X + 1, l.GlyphPos.Y + drawn.Y / 2, state);
        } else {
            const Integer x = l.Caption.IsEmpty() ? (client.Left + client.Right - 7) / 2 : l.TextBounds.Right + 3;
            DrawPopupMark(canvas, x, l.TextBounds.Top + (l.TextBounds.Bottom - l.TextBounds.Top) / 2, state);
        }
    }
    return l.TextBounds;
}

// An image of the list in the state: the list's own disabled drawing, a grey image for an
// inactive flat button, else the image itself.
TPoint TEcxButtonGlyph::DrawButtonImage(TCanvas& canvas, Integer x, Integer y, TEcButtonState state,
                                        const TCustomImageList& images, Integer index)
{
    if (!UsableImage(&images, index)) return {0, 0};
    if (state == rbsDisabled) {
        images.Draw(canvas, x, y, index, false);
    } else if (state == rbsInactive) {
        TBitmap scratch(images.Width(), images.Height());
        scratch.Canvas().Brush().SetColor(clBtnFace);
        scratch.Canvas().FillRect(Rect(0, 0, images.Width(), images.Height()));
        images.Draw(scratch.Canvas(), 0, 0, index);
        for (Integer py = 0; py < scratch.Height(); ++py)
            for (Integer px = 0; px < scratch.Width(); ++px)
                scratch.Canvas().SetPixel(px, py, GreyPixelColor(scratch.Canvas().Pixel(px, py), clBtnFace));
        scratch.SetTransparentColor(clBtnFace);
        scratch.SetTransparent(true);
        canvas.Draw(x, y, scratch);
    } else {
        images.Draw(canvas, x, y, index);
    }
    return {images.Width(), images.Height()};
}

// ---------------------------------------------------------------- speed buttons

TClass TEcCustomSpeedButton::StaticClass()
{
    static const TMetaClass meta("TEcCustomSpeedButton", TEcExGraphicControl::StaticClass(), nullptr,
                                 [](TMetaClass& m) {
        m.OnMessage(CM_ECBUTTONPRESSED, &TEcCustomSpeedButton::CMButtonPressed);
        m.OnMessage(WM_LBUTTONDBLCLK, &TEcCustomSpeedButton::WMLButtonDblClk);
    });
    return &meta;
}
IMPLEMENT_CLASS(TEcSpeedButton, TEcCustomSpeedButton, NewComponent<TEcSpeedButton>)

TEcCustomSpeedButton::TEcCustomSpeedButton(TComponent* AOwner) : TEcExGraphicControl(AOwner)
{
    // The button clicks from its own release handling.
    SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks, csReplicatable});
    SetBounds(0, 0, 25, 25);
    SetColor(clBtnFace);
    SetParentColor(false);
    FollowHotTrackFont(FHotTrackFont, Font(), FHotTrackFontOptions);
    FHotTrackOptions.OnChanged = TNotifyEvent(this, &TEcCustomSpeedButton::HotTrackOptionsChanged);
}

TEcCustomSpeedButton::~TEcCustomSpeedButton() = default;

void TEcCustomSpeedButton::HotTrackOptionsChanged(TObject*)
{
    if (FHotTrack) Invalidate();
}

bool TEcCustomSpeedButton::Inside(Integer x, Integer y) const
{
    return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
}

void TEcCustomSpeedButton::SetDown(bool value)
{
    if (FGroupIndex == 0) value = false;
    if (value == FDown || (FDown && !FAllowAllUp)) return;
    FDown = value;
    if (value) {
        if (FState == rbsUp) Invalidate();
        FState = rbsExclusive;
    } else {
        FState = rbsUp;
    }
    Invalidate();
    if (value) NotifyGroup();
}

void TEcCustomSpeedButton::SetGroupIndex(Integer value)
{
    if (value == FGroupIndex) return;
    FGroupIndex = value;
    NotifyGroup();
}

void TEcCustomSpeedButton::SetAllowAllUp(bool value)
{
    if (value == FAllowAllUp) return;
    FAllowAllUp = value;
    NotifyGroup();
}

void TEcCustomSpeedButton::SetAllowTimer(bool value)
{
    FAllowTimer = value;
    if (!value && FRepeatTimer) {
        FRepeatTimer->SetEnabled(false);
        delete FRepeatTimer;
        FRepeatTimer = nullptr;
    }
}

void TEcCustomSpeedButton::NotifyGroup()
{
    if (FGroupIndex == 0 || !Parent()) return;
    TMessage message{CM_ECBUTTONPRESSED, FGroupIndex, reinterpret_cast<std::intptr_t>(this), 0};
    Parent()->Broadcast(message);
}

// Another button of the group went down: this one goes up, and the group keeps one AllowAllUp.
void TEcCustomSpeedButton::CMButtonPressed(TMessage& message)
{
    auto* sender = reinterpret_cast<TControl*>(message.LParam);
    auto* other = dynamic_cast<TEcCustomSpeedButton*>(sender);
    if (message.WParam != FGroupIndex || !Parent() || !Parent()->HandleAllocated() || !other || other == this)
        return;
    if (other->FDown && FDown) {
        FDown = false;
        FState = rbsUp;
        Invalidate();
    }
    FAllowAllUp = other->FAllowAllUp;
}

void TEcCustomSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (FMenuTracking) return;
    TEcExGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (!FDown) {
        FState = rbsDown;
        Invalidate();
    }
    FDragging = true;
    if (FDropDownMenu && FDropDownMenu->AutoPopup()) {
        FMenuTracking = true;
        try {
            DropDown(false);
            FinishPress(X, Y);
            // The press that closed the menu does not press the button again.
            if (Parent()) DropPendingMessage(Parent(), WM_LBUTTONDOWN);
        } catch (...) {
            FMenuTracking = false;
            throw;
        }
        FMenuTracking = false;
    }
    if (FAllowTimer) {
        if (!FRepeatTimer) {
            FRepeatTimer = new TTimer(this);
            FRepeatTimer->SetOnTimer(TNotifyEvent(this, &TEcCustomSpeedButton::TimerExpired));
        }
        FRepeatTimer->SetInterval(InitPause);
        FRepeatTimer->SetEnabled(true);
    }
}

const TEnumTypeInfo& TypeInfoOf(TEcDropDownMenuPos)
{
    static const TEnumTypeInfo info("TEcDropDownMenuPos", {"dmpBottom", "dmpRight"});
    return info;
}

TPoint DropDownMenuPoint(TEcDropDownMenuPos position, TPopupAlignment alignment, Integer width, Integer height)
{
    if (alignment == paCenter) return {width / 2, height};
    if (position == dmpBottom) return alignment == paRight ? TPoint{width + 1, height} : TPoint{-1, height};
    return alignment == paRight ? TPoint{-1, -1} : TPoint{width, -1};
}

bool TEcCustomSpeedButton::DropDown(bool forced)
{
    if (ComponentState().Contains(csDesigning) || !FDropDownMenu || !(forced || FDropDownMenu->AutoPopup()))
        return false;
    if (TCustomForm* form = GetParentForm(this)) form->SendCancelMode(this);
    FDropDownMenu->SetPopupComponent(this);
    const TPoint at = ClientToScreen(DropDownMenuPoint(FMenuPosition, FDropDownMenu->Alignment(), Width(), Height()));
    FDropDownMenu->Popup(at.X, at.Y);
    return true;
}

void TEcCustomSpeedButton::SetDropDownMenu(TPopupMenu* value)
{
    if (value == FDropDownMenu) return;
    if (FDropDownMenu) FDropDownMenu->RemoveFreeNotification(this);
    FDropDownMenu = value;
    if (FDropDownMenu) FDropDownMenu->FreeNotification(this);
    if (FMarkDropDown) Invalidate();
}

void TEcCustomSpeedButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TEcExGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDropDownMenu) FDropDownMenu = nullptr;
}

void TEcCustomSpeedButton::ButtonClick()
{
    if (FMenuTracking || !Enabled() || (FDropDownMenu && FDropDownMenu->AutoPopup())) return;
    if (FState == rbsUp) {
        FState = rbsDown;
        Repaint();
    }
    try {
        if (FGroupIndex == 0) Click();
    } catch (...) {
        FState = rbsUp;
        Invalidate();
        throw;
    }
    FState = rbsUp;
    if (FGroupIndex != 0) {
        SetDown(!FDown);
        Click();
    } else {
        Invalidate();
    }
}

// The click repeats while the button is held down on it; a failing click stops the repeats.
void TEcCustomSpeedButton::TimerExpired(TObject*)
{
    FRepeatTimer->SetInterval(RepeatInterval);
    if (FState != rbsDown || GetCaptureControl() != this) return;
    try {
        Click();
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TEcCustomSpeedButton::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TEcExGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) return;
    TEcButtonState state = Inside(X, Y) ? rbsDown : rbsUp;
    if (FDown) state = rbsExclusive;
    if (state == FState) return;
    FState = state;
    Invalidate();
}

void TEcCustomSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TEcExGraphicControl::MouseUp(Button, Shift, X, Y);
    if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
    if (Button == mbLeft) FinishPress(X, Y);
}

void TEcCustomSpeedButton::FinishPress(Integer x, Integer y)
{
    if (!FDragging) return;
    FDragging = false;
    const bool inside = Inside(x, y);
    if (FGroupIndex == 0) {
        FState = rbsUp;
        Invalidate();
    } else if (inside) {
        SetDown(!FDown);
    } else if (FDown) {
        FState = rbsExclusive;
        Invalidate();
    }
    if (inside && !FMenuTracking) Click();
}

void TEcCustomSpeedButton::Click()
{
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(ModalResult);
    TEcExGraphicControl::Click();
}

Cardinal TEcCustomSpeedButton::AlignmentFlags() const
{
    switch (FAlignment) {
    case taLeftJustify: return DT_LEFT;
    case taRightJustify: return DT_RIGHT;
    default: return DT_CENTER;
    }
}

// The classic look: the face, the frame of the state (none for an idle flat button), the
// checkerboard of a latched button, then the content, moved down and right by a pixel while
// pressed.
void TEcCustomSpeedButton::Paint()
{
    TCanvas& canvas = Canvas();
    if (!Enabled()) {
        FState = rbsDisabled;
        FDragging = false;
    } else if (FState == rbsDisabled) {
        FState = FDown && FGroupIndex != 0 ? rbsExclusive : rbsUp;
    }
    TEcButtonState drawState = FFlat && !MouseOver() ? rbsInactive : FState;

    TRect r = ClientRect();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(FFlat && Parent() ? Parent()->Color() : Color());
    canvas.FillRect(r);
    const bool pressed = FState == rbsDown || FState == rbsExclusive;
    if (drawState == rbsInactive && FState != rbsExclusive) {
        if (FFlat) r = TRect{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
    } else {
        r = DrawSpeedButtonFrame(canvas, r, pressed, FFlat, FStyle, Color());
    }
    if (FState == rbsExclusive && (!FFlat || drawState == rbsInactive)) {
        std::unique_ptr<TBitmap> pattern(CreateCheckerPattern(Color(), clBtnHighlight));
        canvas.Brush().SetBitmap(pattern.get());
        canvas.FillRect(TRect{r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1});
        canvas.Brush().SetBitmap(nullptr);
    }
    if (FState == rbsDisabled || !FInactiveGrayed) drawState = FState;
    canvas.Font().Assign(Font());
    if (FHotTrack && ((FHotTrackOptions.Enabled() && FDown) || Hovered())) PaintHotTrack(canvas, r);
    DrawContent(canvas, r, pressed ? TPoint{1, 1} : TPoint{0, 0}, drawState);
}

void TEcCustomSpeedButton::PaintHotTrack(TCanvas& canvas, const TRect&)
{
    canvas.Font().Assign(FHotTrackFont);
    if (!FHotTrackOptions.Enabled()) return;
    std::unique_ptr<TBitmap> pattern;
    if (FDown) {
        pattern.reset(CreateCheckerPattern(FHotTrackOptions.Color(), clWindow));
        canvas.Brush().SetBitmap(pattern.get());
    } else {
        canvas.Brush().SetColor(FHotTrackOptions.Color());
    }
    if (FHotTrackOptions.FrameVisible()) {
        const TColor pen = canvas.Pen().Color();
        canvas.Pen().SetColor(FHotTrackOptions.FrameColor());
        canvas.Rectangle(TRect{0, 0, Width(), Height()});
        canvas.Pen().SetColor(pen);
    } else {
        const TRect c = ClientRect();
        const Integer dy = FFlat ? 1 : 2;
        canvas.FillRect(TRect{c.Left + 1, c.Top + dy, c.Right - 1, c.Bottom - dy});
    }
    canvas.Brush().SetBitmap(nullptr);
}

void TEcCustomSpeedButton::SetHotTrackFontOptions(TEcTrackFontOptions value)
{
    if (value == FHotTrackFontOptions) return;
    FHotTrackFontOptions = value;
    FollowHotTrackFont(FHotTrackFont, Font(), FHotTrackFontOptions);
}

bool TEcCustomSpeedButton::WantKey(Integer Key, TShiftState Shift)
{
    if (IsAccel(static_cast<Word>(Key), Caption()) && Enabled() && Shift.Contains(ssAlt)) {
        Click();
        return true;
    }
    return TEcExGraphicControl::WantKey(Key, Shift);
}

void TEcCustomSpeedButton::WMLButtonDblClk(TMessage& message)
{
    if (FMenuTracking) return;
    InheritedMessage(StaticClass(), message);
    if (FDown) DblClick();
}

void TEcCustomSpeedButton::FontChanged()
{
    TEcExGraphicControl::FontChanged();
    FollowHotTrackFont(FHotTrackFont, Font(), FHotTrackFontOptions);
    Invalidate();
}

// A flat or hot-tracking button changes its look while the mouse is over it.
void TEcCustomSpeedButton::MouseEnter(TControl* Control)
{
    const bool wasOver = MouseOver();
    TEcExGraphicControl::MouseEnter(Control);
    if (!wasOver && MouseOver() && (FFlat || FHotTrack) && Enabled()) Invalidate();
}

void TEcCustomSpeedButton::MouseLeave(TControl* Control)
{
    const bool wasOver = MouseOver();
    TEcExGraphicControl::MouseLeave(Control);
    if (wasOver && !MouseOver() && (FFlat || FHotTrack) && Enabled() && !FDragging) Invalidate();
}

TEcSpeedButton::TEcSpeedButton(TComponent* AOwner) : TEcCustomSpeedButton(AOwner)
{
    FGlyph.SetGrayNewStyle(true);
    FGlyph.OnChange = [this] { Invalidate(); };
    FHotTrackGlyph.OnChange = [this] { Invalidate(); };
}

void TEcSpeedButton::SetNumGlyphs(Integer value)
{
    FGlyph.SetNumGlyphs(value > 5 ? 5 : value);
    Invalidate();
}

void TEcSpeedButton::DrawContent(TCanvas& canvas, const TRect& r, TPoint offset, TEcButtonState state)
{
    if (HotTrack() && Hovered() && !FHotTrackGlyph.Glyph().Empty()) {
        FHotTrackGlyph.Alignment = FGlyph.Alignment;
        FHotTrackGlyph.WordWrap = FGlyph.WordWrap;
        FHotTrackGlyph.SetGrayNewStyle(FGlyph.GrayNewStyle());
        FHotTrackGlyph.SetNumGlyphs(FGlyph.NumGlyphs());
        FHotTrackGlyph.Draw(canvas, r, offset, Caption(), Layout(), Margin(), Spacing(), ShowsDropDownMark(), state,
                            AlignmentFlags(), false);
        return;
    }
    FGlyph.Draw(canvas, r, offset, Caption(), Layout(), Margin(), Spacing(), ShowsDropDownMark(), state, AlignmentFlags(),
                false);
}

// ---------------------------------------------------------------- TEcImageSpeedButton
IMPLEMENT_CLASS(TEcImageSpeedButton, TEcCustomSpeedButton, NewComponent<TEcImageSpeedButton>)

TEcImageSpeedButton::TEcImageSpeedButton(TComponent* AOwner) : TEcCustomSpeedButton(AOwner)
{
    FGlyph.SetGrayNewStyle(true);
}

void TEcImageSpeedButton::SetImages(TCustomImageList* value)
{
    if (value == FImages) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = value;
    if (FImages) FImages->FreeNotification(this);
    else FImageIndex = -1;
    Invalidate();
}

void TEcImageSpeedButton::SetImageIndex(Integer value)
{
    if (value == FImageIndex) return;
    FImageIndex = value;
    if (!ShowsHotTrackImage()) Invalidate();
}

void TEcImageSpeedButton::SetHotTrackImageIndex(Integer value)
{
    if (value == FHotTrackImageIndex) return;
    const bool showing = ShowsHotTrackImage();
    FHotTrackImageIndex = value;
    if (showing || ShowsHotTrackImage()) Invalidate();
}

void TEcImageSpeedButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TEcCustomSpeedButton::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) {
        FImages = nullptr;
        FImageIndex = -1;
    }
}

void TEcImageSpeedButton::DrawContent(TCanvas& canvas, const TRect& r, TPoint offset, TEcButtonState state)
{
    const Integer index = ShowsHotTrackImage() ? FHotTrackImageIndex : FImageIndex;
    FGlyph.Alignment = Alignment();
    FGlyph.DrawEx(canvas, r, offset, Caption(), Layout(), Margin(), Spacing(), ShowsDropDownMark(), FImages, index, state,
                  AlignmentFlags(), false);
}
