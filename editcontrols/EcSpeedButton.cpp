// The speed buttons of the edit controls: frames, drop-down mark and inactive glyph colours.
#include "editcontrols/EcSpeedButton.h"

#include <algorithm>

#include "editcontrols/EcCoreUtils.h"
#include "editcontrols/EcLibUtils.h"
#include "editcontrols/EcThemes.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/GdiApi.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"
#include "platform/rtl/Threads.h"
#include "platform/services/Themes.h"
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
    DrawImageOnGlass(*FGlyphList, index, canvas.Handle(), FPaintOnGlass, x, y);
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

// An image of the list in the state: disabled in the list's own look (new style) or embossed
// from its shape, grey for an inactive flat button, else the image itself.
TPoint TEcxButtonGlyph::DrawButtonImage(TCanvas& canvas, Integer x, Integer y, TEcButtonState state,
                                        const TCustomImageList& images, Integer index)
{
    if (!UsableImage(&images, index)) return {0, 0};
    if (state == rbsDisabled && FGrayNewStyle) {
        images.Draw(canvas, x, y, index, false);
    } else if (state == rbsDisabled) {
        ImageListDrawDisabled(images, canvas, x, y, index, clBtnHighlight, clBtnShadow, true);
    } else if (state == rbsInactive) {
        const Integer grey = CreateImageGlyph(state, images, index);
        if (grey >= 0) DrawImageOnGlass(*FGlyphList, grey, canvas.Handle(), FPaintOnGlass, x, y);
    } else {
        DrawImageOnGlass(images, index, canvas.Handle(), FPaintOnGlass, x, y);
    }
    return {images.Width(), images.Height()};
}

Integer TEcxButtonGlyph::CreateImageGlyph(TEcButtonState state, const TCustomImageList& images, Integer index)
{
    if (state == rbsDown) state = rbsUp;
    if (FIndexs[state] != -1 || images.Width() == 0 || images.Height() == 0 || images.Count() == 0)
        return FIndexs[state];
    const Integer w = images.Width(), h = images.Height();
    if (!FGlyphList) FGlyphList = TEcGlyphCache::Instance().GetList(w, h);
    TBitmap scratch(w, h);
    TCanvas& c = scratch.Canvas();
    switch (state) {
    case rbsDisabled:
        c.FillRectColor(Rect(0, 0, w, h), clBtnFace);
        ImageListDrawDisabled(images, c, 0, 0, index, clBtnHighlight, clBtnShadow, true);
        FIndexs[state] = FGlyphList->AddMasked(&scratch, clBtnFace);
        break;
    case rbsInactive:
        c.FillRectColor(Rect(0, 0, w, h), clBtnFace);
        images.Draw(c, 0, 0, index);
        for (Integer py = 0; py < h; ++py)
            for (Integer px = 0; px < w; ++px) c.SetPixel(px, py, GreyPixelColor(c.Pixel(px, py), clBtnFace));
        FIndexs[state] = FGlyphList->AddMasked(&scratch, clBtnFace);
        break;
    default: {
        TBitmap mask(w, h);
        c.FillRectColor(Rect(0, 0, w, h), clWhite);
        images.Draw(c, 0, 0, index);
        images.DrawMask(mask.Canvas(), 0, 0, index);
        FIndexs[state] = FGlyphList->Add(&scratch, &mask);
        break;
    }
    }
    return FIndexs[state];
}

// ---------------------------------------------------------------- speed buttons

const TEnumTypeInfo& TypeInfoOf(TButtonStyle)
{
    static const TEnumTypeInfo info("TButtonStyle", {"bsAutoDetect", "bsWin31", "bsNew"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TEcDropDownMenuPos)
{
    static const TEnumTypeInfo info("TEcDropDownMenuPos", {"dmpBottom", "dmpRight"});
    return info;
}

TClass TEcCustomSpeedButton::StaticClass()
{
    static const TMetaClass meta("TEcCustomSpeedButton", TEcExGraphicControl::StaticClass(), nullptr,
                                 [](TMetaClass& m) {
        m.OnMessage(CM_ECBUTTONPRESSED, &TEcCustomSpeedButton::CMButtonPressed);
        m.OnMessage(CM_SYSCOLORCHANGE, &TEcCustomSpeedButton::CMSysColorChange);
        m.OnMessage(WM_LBUTTONDBLCLK, &TEcCustomSpeedButton::WMLButtonDblClk);
        m.OnMessage(WM_RBUTTONDOWN, &TEcCustomSpeedButton::WMRButton);
        m.OnMessage(WM_RBUTTONUP, &TEcCustomSpeedButton::WMRButton);
        m.OnMessage(WM_PAINT, &TEcCustomSpeedButton::WMPaint);
        using B = TEcCustomSpeedButton;
        // The group comes before Down, which only a grouped button keeps.
        TPublished<B>(&m)
            .Property("Alignment", &B::Alignment, &B::SetAlignment).Default(taCenter)
            .Property("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp).Default(false)
            .Property("AllowTimer", &B::AllowTimer, &B::SetAllowTimer).Default(false)
            .Property("GroupIndex", &B::GroupIndex, &B::SetGroupIndex).Default(0)
            .Property("Down", &B::Down, &B::SetDown).Default(false)
            .Property("DoubleBuffered", &B::DoubleBuffered, &B::SetDoubleBuffered).Default(true)
            .Property("DropDownMenu", &B::DropDownMenu, &B::SetDropDownMenu)
            .Property("Flat", &B::Flat, &B::SetFlat).Default(false)
            .Property("GrayedInactive", &B::GrayedInactive, &B::SetGrayedInactive).Default(true)
            .Property("GrayNewStyle", &B::GrayNewStyle, &B::SetGrayNewStyle).Default(true)
            .Property("HintColor", &B::HintColor, &B::SetHintColor).Type("TColor").Default(clDefault)
            .Property("HotTrack", [](B* b) { return b->HotTrack(); }, [](B* b, bool v) { b->SetHotTrack(v); })
            .Default(false)
            .Property("HotTrackFontOptions", [](B* b) { return b->HotTrackFontOptions(); },
                      [](B* b, TEcTrackFontOptions v) { b->SetHotTrackFontOptions(v); })
            .Default(TEcTrackFontOptions{hoFollowFont, hoPreserveColor, hoPreserveStyle})
            .Property("HotTrackFont", [](B* b) { return &b->HotTrackFont(); }, [](B* b, TFont* v) { b->SetHotTrackFont(v); })
            .Stored([](B* b) { return HotTrackFontDiffers(b->HotTrackFont(), b->Font(), b->HotTrackFontOptions()); })
            .Property("InitPause", &B::InitPause, &B::SetInitPause).Default(500)
            .Property("Layout", &B::Layout, &B::SetLayout).Default(blGlyphTop)
            .Property("Margin", &B::Margin, &B::SetMargin).Default(-1)
            .Property("MarkDropDown", &B::MarkDropDown, &B::SetMarkDropDown).Default(true)
            .Property("MenuPosition", &B::MenuPosition, &B::SetMenuPosition).Default(dmpBottom)
            .Property("ModalResult", &B::ModalResult, &B::SetModalResult).Type("TModalResult").Default(mrNone)
            .Property("RepeatInterval", &B::RepeatInterval, &B::SetRepeatInterval).Default(100)
            .Property("Spacing", &B::Spacing, &B::SetSpacing).Default(1)
            .Property("Style", &B::Style, &B::SetStyle).Default(bsAutoDetect)
            .Property("Transparent", &B::Transparent, &B::SetTransparent).Default(false)
            .Property("WordWrap", &B::WordWrap, &B::SetWordWrap).Default(false)
            .Property("OnMouseEnter", &B::OnMouseEnter)
            .Property("OnMouseLeave", &B::OnMouseLeave)
            .Property("OnParentColorChange", &B::OnParentColorChanged)
            .Property("Color").Default(clBtnFace)
            .Property("ParentColor").Default(false)
            .Property("ParentShowHint").Default(false)
            .Property("ShowHint").Default(true);
    });
    return &meta;
}

TEcCustomSpeedButton::TEcCustomSpeedButton(TComponent* AOwner) : TEcExGraphicControl(AOwner)
{
    // The button clicks from its own release handling.
    SetControlStyle(TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks, csReplicatable});
    SetBounds(0, 0, 25, 25);
    SetColor(clBtnFace);
    SetParentColor(false);
    SetParentShowHint(false);
    SetShowHint(true);
    FGlyph.SetGrayNewStyle(true);
    FGlyph.OnChange = [this] { Invalidate(); };
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

void TEcCustomSpeedButton::SetGrayNewStyle(bool value)
{
    if (value == FGlyph.GrayNewStyle()) return;
    FGlyph.SetGrayNewStyle(value);
    Invalidate();
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

// The system's colours changed: the made images are made again in the new ones.
void TEcCustomSpeedButton::CMSysColorChange(TMessage&)
{
    FGlyph.Invalidate();
    Invalidate();
}

void TEcCustomSpeedButton::WMRButton(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    UpdateTracking();
}

void TEcCustomSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    if (FMenuTracking) return;
    TEcExGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Enabled() && !MouseOver()) {
        FMouseOver = true;
        Invalidate();
    }
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
            DropClickOnButton();
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
        FRepeatTimer->SetInterval(FInitRepeatPause);
        FRepeatTimer->SetEnabled(true);
    }
}

// The click that closed the menu, waiting for the parent, does not press the button again; a
// click elsewhere on the parent goes where it was made.
void TEcCustomSpeedButton::DropClickOnButton()
{
    TMsg next;
    if (!Parent() || !PeekMessage(&next, Parent(), WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, PM_NOREMOVE)) return;
    const bool onButton = Inside(LoSmall(next.lParam) - Left(), HiSmall(next.lParam) - Top());
    if ((next.message == WM_LBUTTONDOWN || next.message == WM_LBUTTONDBLCLK) && onButton)
        DropPendingMessage(Parent(), next.message);
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

// Drawn pressed for a moment, so that a click from code shows.
void TEcCustomSpeedButton::ButtonClick()
{
    if (FMenuTracking || !Enabled() || (FDropDownMenu && FDropDownMenu->AutoPopup())) return;
    if (FState == rbsUp) {
        FState = rbsDown;
        Repaint();
    }
    Sleep(20);
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
    FRepeatTimer->SetInterval(FRepeatPause);
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

// A plain button released leaves its hover look as if the pointer had gone; the pointer's real
// place then gives the look back.
void TEcCustomSpeedButton::FinishPress(Integer x, Integer y)
{
    if (!FDragging) return;
    FDragging = false;
    const bool inside = Inside(x, y);
    if (FGroupIndex == 0) {
        FState = rbsUp;
        MouseLeave(this);
        Perform(CM_MOUSELEAVE, 0, reinterpret_cast<std::intptr_t>(this));
        Invalidate();
    } else if (inside) {
        SetDown(!FDown);
    } else if (FDown) {
        FState = rbsExclusive;
        Invalidate();
    }
    if (inside && !FMenuTracking) Click();
    UpdateTracking();
}

void TEcCustomSpeedButton::UpdateTracking()
{
    TPoint p;
    GetCursorPos(&p);
    TWinControl* parent = Parent();
    const bool over = Enabled() && parent && parent->HandleAllocated() &&
                      parent->ClientRect().Contains(parent->ScreenToClient(p)) &&
                      parent->ControlAtPos(parent->ScreenToClient(p), true) == this && IsForegroundApplication();
    if (over != MouseOver()) Perform(over ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, reinterpret_cast<std::intptr_t>(this));
}

void TEcCustomSpeedButton::Click()
{
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
    TEcExGraphicControl::Click();
}

Cardinal TEcCustomSpeedButton::AlignmentFlags() const
{
    switch (FGlyph.Alignment) {
    case taLeftJustify: return DT_LEFT;
    case taRightJustify: return DT_RIGHT;
    default: return DT_CENTER;
    }
}

void TEcCustomSpeedButton::PrepareIdleGlyph()
{
    FGlyph.CreateButtonGlyph(!Enabled() ? rbsDisabled : FFlat ? rbsInactive : rbsUp);
}

void TEcCustomSpeedButton::Loaded()
{
    TEcExGraphicControl::Loaded();
    PrepareIdleGlyph();
}

void TEcCustomSpeedButton::EnabledChanged()
{
    TEcExGraphicControl::EnabledChanged();
    PrepareIdleGlyph();
    UpdateTracking();
    Repaint();
}

void TEcCustomSpeedButton::VisibleChanged()
{
    TEcExGraphicControl::VisibleChanged();
    if (Visible()) UpdateTracking();
}

// While the button paints on glass it is painted with its parent, never on its own.
void TEcCustomSpeedButton::Repaint()
{
    if (InGlassPaint(this)) Invalidate();
    else TEcExGraphicControl::Repaint();
}

// Double-buffered: painted whole on a bitmap of the button's size, then copied.
void TEcCustomSpeedButton::WMPaint(TMessage& message)
{
    if (CopyingParentImage(this)) return;   // its parent's picture is being taken for it
    auto* dc = reinterpret_cast<HDC>(message.WParam);
    if (!FDoubleBuffered || NeedsGlassPaint(this) || !dc) {
        InheritedMessage(StaticClass(), message);
        return;
    }
    TBitmap buffer(Width(), Height());
    TMessage inner{WM_PAINT, reinterpret_cast<std::intptr_t>(buffer.Canvas().Handle()), message.LParam, 0};
    InheritedMessage(StaticClass(), inner);
    CopyBits(dc, 0, 0, Width(), Height(), buffer.Canvas().Handle(), 0, 0, SRCCOPY);
}

// The button in its state: the face (themed or classic), then glyph and caption, moved down and
// right by a pixel while pressed.
void TEcCustomSpeedButton::Paint()
{
    if (!Enabled()) {
        FState = rbsDisabled;
        FDragging = false;
    } else if (FState == rbsDisabled) {
        FState = FDown && FGroupIndex != 0 ? rbsExclusive : rbsUp;
    }
    const bool designing = ComponentState().Contains(csDesigning);
    TEcButtonState drawState = FFlat && !MouseOver() && !designing ? rbsInactive : FState;
    const bool themed = StyleServices().Enabled();
    TCanvas& canvas = Canvas();
    const TRect r = themed ? PaintThemedFace(canvas) : PaintClassicFace(canvas, drawState);
    if (FState == rbsDisabled || !FInactiveGrayed) drawState = FState;
    const bool pressed = FState == rbsDown || FState == rbsExclusive;
    const TPoint offset = !pressed ? TPoint{0, 0} : themed ? TPoint{FFlat ? 1 : 0, 0} : TPoint{1, 1};
    DrawContent(canvas, r, offset, drawState, ShowsDropDownMark(), NeedsGlassPaint(this));
}

TRect TEcCustomSpeedButton::PaintThemedFace(TCanvas& canvas)
{
    const TRect client = ClientRect();
    if (NeedsGlassPaint(this)) canvas.FillRectColor(client, clBlack);
    else if (FTransparent) CopyParentImage(this, canvas);
    else if (!FDoubleBuffered) EraseWithParentBackground(this, canvas.Handle());
    else EraseWithParentBackground(this, canvas.Handle(), {0, 0});
    canvas.Font().Assign(FHotTrack && Hovered() ? FHotTrackFont : Font());
    const bool pressed = FState == rbsDown || FState == rbsExclusive;
    TThemedElementDetails details =
        FFlat ? StyleServices().GetElementDetails(!Enabled() ? ttbButtonDisabled : pressed ? ttbButtonPressed
                                                  : Hovered() ? ttbButtonHot : ttbButtonNormal)
              : StyleServices().GetElementDetails(!Enabled() ? tbPushButtonDisabled : pressed ? tbPushButtonPressed
                                                  : Hovered() ? tbPushButtonHot : tbPushButtonNormal);
    StyleServices().DrawElement(canvas.Handle(), details, client);
    TRect content = client;
    StyleServices().GetElementContentRect(canvas.Handle(), details, client, content);
    return content;
}

TRect TEcCustomSpeedButton::PaintClassicFace(TCanvas& canvas, TEcButtonState drawState)
{
    TRect r = ClientRect();
    if (FTransparent) {
        CopyParentImage(this, canvas);
    } else {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(FFlat && Parent() ? Parent()->Color() : Color());
        canvas.FillRect(r);
    }
    const bool pressed = FState == rbsDown || FState == rbsExclusive;
    if (drawState != rbsInactive || FState == rbsExclusive)
        r = DrawSpeedButtonFrame(canvas, r, pressed, FFlat, FStyle, Color());
    else if (FFlat)
        r = TRect{r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
    if (FState == rbsExclusive && !FTransparent && (!FFlat || drawState == rbsInactive)) {
        std::unique_ptr<TBitmap> pattern(CreateCheckerPattern(Color(), clBtnHighlight));
        canvas.Brush().SetBitmap(pattern.get());
        canvas.FillRect(TRect{r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1});
        canvas.Brush().SetBitmap(nullptr);
    }
    if (FHotTrack && ((FHotTrackOptions.Enabled() && FDown) || Hovered())) return PaintHotTrack(canvas, r);
    canvas.Font().Assign(Font());
    return r;
}

// The hover pattern: one checkerboard of the two colours asked for last, kept for the process.
namespace {
struct THoverPattern {
    std::unique_ptr<TBitmap> Bitmap;
    TColor Color1 = clNone, Color2 = clNone;
};
THoverPattern HoverPattern;

TBitmap* HoverPatternOf(TColor color1, TColor color2)
{
    if (!HoverPattern.Bitmap || HoverPattern.Color1 != color1 || HoverPattern.Color2 != color2) {
        HoverPattern.Bitmap.reset(CreateCheckerPattern(color1, color2));
        HoverPattern.Color1 = color1;
        HoverPattern.Color2 = color2;
    }
    return HoverPattern.Bitmap.get();
}
}  // namespace

TRect TEcCustomSpeedButton::PaintHotTrack(TCanvas& canvas, const TRect& r)
{
    canvas.Font().Assign(FHotTrackFont);
    if (!FHotTrackOptions.Enabled()) return r;
    if (FDown) canvas.Brush().SetBitmap(HoverPatternOf(FHotTrackOptions.Color(), clWindow));
    else canvas.Brush().SetColor(FHotTrackOptions.Color());
    TRect face = r;
    if (FHotTrackOptions.FrameVisible()) {
        const TColor pen = canvas.Pen().Color();
        canvas.Pen().SetColor(FHotTrackOptions.FrameColor());
        canvas.Rectangle(TRect{0, 0, Width(), Height()});
        canvas.Pen().SetColor(pen);
    } else {
        const TRect c = ClientRect();
        const Integer dy = FFlat ? 1 : 2;
        face = TRect{c.Left + 1, c.Top + dy, c.Right - 1, c.Bottom - dy};
        canvas.FillRect(face);
    }
    if (FDown) canvas.Brush().SetBitmap(nullptr);
    return face;
}

void TEcCustomSpeedButton::SetHotTrackFont(TFont* value)
{
    if (value && value != &FHotTrackFont) FHotTrackFont.Assign(*value);
}

void TEcCustomSpeedButton::SetHotTrackFontOptions(TEcTrackFontOptions value)
{
    if (value == FHotTrackFontOptions) return;
    FHotTrackFontOptions = value;
    FollowHotTrackFont(FHotTrackFont, Font(), FHotTrackFontOptions);
}

void TEcCustomSpeedButton::SetHotTrackOptions(TEcHotTrackOptions* value)
{
    if (value && value != &FHotTrackOptions) FHotTrackOptions.Assign(value);
}

void TEcCustomSpeedButton::AssignHotTrack(IEcHotTrack* Source)
{
    if (!Source || Source == this) return;
    SetHotTrack(Source->HotTrack());
    SetHotTrackFont(&Source->HotTrackFont());
    SetHotTrackFontOptions(Source->HotTrackFontOptions());
    SetHotTrackOptions(&Source->HotTrackOptions());
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

// Hover repaints a button whose look follows the mouse: a styled or hot-tracking one, or a flat
// one entered while no control holds the mouse, left while it is not held down itself.
void TEcCustomSpeedButton::MouseEnter(TControl* Control)
{
    if (ComponentState().Contains(csDesigning) || MouseOver() || !Enabled()) return;
    TEcExGraphicControl::MouseEnter(Control);
    if (StyleServices().Enabled() || FHotTrack || (FFlat && !GetCaptureControl())) Invalidate();
}

void TEcCustomSpeedButton::MouseLeave(TControl* Control)
{
    if (!MouseOver() || !Enabled()) return;
    TEcExGraphicControl::MouseLeave(Control);
    if (StyleServices().Enabled() || FHotTrack || (FFlat && !FDragging)) Invalidate();
}

// ---------------------------------------------------------------- TEcSpeedButton
TClass TEcSpeedButton::StaticClass()
{
    static const TMetaClass meta("TEcSpeedButton", TEcCustomSpeedButton::StaticClass(), NewComponent<TEcSpeedButton>,
                                 [](TMetaClass& m) {
        using B = TEcSpeedButton;
        TPublished<B>(&m)
            .Property("Glyph", [](B* b) { return &b->Glyph(); }, [](B* b, TBitmap* v) { b->SetGlyph(v); })
            .Stored([](B* b) { return !b->GlyphFromAction(); })
            .Property("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs).Default(1)
            .Property("HotTrackGlyph", [](B* b) { return &b->HotTrackGlyph(); },
                      [](B* b, TBitmap* v) { b->SetHotTrackGlyph(v); })
            .Property("HotTrackOptions", [](B* b) { return &b->HotTrackOptions(); },
                      [](B* b, TEcHotTrackOptions* v) { b->SetHotTrackOptions(v); });
    });
    return &meta;
}

TEcSpeedButton::TEcSpeedButton(TComponent* AOwner) : TEcCustomSpeedButton(AOwner)
{
    FHotTrackGlyph.OnChange = [this] { Invalidate(); };
}

void TEcSpeedButton::SetGlyph(TBitmap* value)
{
    ButtonGlyph().SetGlyph(value);
    FGlyphFromAction = false;
}

void TEcSpeedButton::ActionChange(TObject* Sender, bool CheckDefaults)
{
    TEcCustomSpeedButton::ActionChange(Sender, CheckDefaults);
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action) return;
    if (!CheckDefaults || GroupIndex() == 0) SetGroupIndex(action->GroupIndex());
    TCustomImageList* images = action->ActionList() ? action->ActionList()->Images() : nullptr;
    if (!(Glyph().Empty() || FGlyphFromAction) || !images) return;
    const Integer index = action->ImageIndex();
    if (index < 0 || index >= images->Count()) return;
    // The image over magenta, which the glyph then takes as its transparent colour.
    constexpr TColor backdrop = 0x00FF00FF;
    TBitmap image;
    image.SetSize(images->Width(), images->Height());
    image.Canvas().Brush().SetColor(backdrop);
    image.Canvas().FillRect(Rect(0, 0, image.Width(), image.Height()));
    images->Draw(image.Canvas(), 0, 0, index);
    image.SetTransparentColor(backdrop);
    ButtonGlyph().SetGlyph(&image);
    FGlyphFromAction = true;
}

TControl::TControlActionLinkClass TEcSpeedButton::GetActionLinkClass() const
{
    return &TControlActionLink::Make<TEcSpeedButtonActionLink>;
}

void TEcSpeedButton::SetNumGlyphs(Integer value)
{
    ButtonGlyph().SetNumGlyphs(value > 5 ? 5 : value);
    Invalidate();
}

void TEcSpeedButton::DrawContent(TCanvas& canvas, const TRect& r, TPoint offset, TEcButtonState state,
                                 bool drawMark, bool paintOnGlass)
{
    TEcxButtonGlyph& glyph = ButtonGlyph();
    if (HotTrack() && Hovered() && !FHotTrackGlyph.Glyph().Empty()) {
        FHotTrackGlyph.Alignment = glyph.Alignment;
        FHotTrackGlyph.WordWrap = glyph.WordWrap;
        FHotTrackGlyph.SetGrayNewStyle(glyph.GrayNewStyle());
        FHotTrackGlyph.SetNumGlyphs(glyph.NumGlyphs());
        FHotTrackGlyph.Draw(canvas, r, offset, Caption(), Layout(), Margin(), Spacing(), drawMark, state,
                            AlignmentFlags(), paintOnGlass);
        return;
    }
    glyph.Draw(canvas, r, offset, Caption(), Layout(), Margin(), Spacing(), drawMark, state, AlignmentFlags(),
               paintOnGlass);
}

// ---------------------------------------------------------------- TEcImageSpeedButton
TClass TEcImageSpeedButton::StaticClass()
{
    static const TMetaClass meta("TEcImageSpeedButton", TEcCustomSpeedButton::StaticClass(),
                                 NewComponent<TEcImageSpeedButton>, [](TMetaClass& m) {
        using B = TEcImageSpeedButton;
        TPublished<B>(&m)
            .Property("Images", &B::Images, &B::SetImages)
            .Property("ImageIndex", &B::ImageIndex, &B::SetImageIndex).Default(-1)
            .Property("HotTrackImageIndex", &B::HotTrackImageIndex, &B::SetHotTrackImageIndex);
    });
    return &meta;
}

TEcImageSpeedButton::TEcImageSpeedButton(TComponent* AOwner) : TEcCustomSpeedButton(AOwner)
{
    FImageChangeLink.OnChange = TNotifyEvent(this, &TEcImageSpeedButton::ImagesChanged);
}

TEcImageSpeedButton::~TEcImageSpeedButton() = default;

void TEcImageSpeedButton::ActionChange(TObject* Sender, bool CheckDefaults)
{
    TEcCustomSpeedButton::ActionChange(Sender, CheckDefaults);
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action) return;
    if ((!CheckDefaults || !FImages) && action->ActionList()) SetImages(action->ActionList()->Images());
    if (!CheckDefaults || FImageIndex == -1) SetImageIndex(action->ImageIndex());
}

TControl::TControlActionLinkClass TEcImageSpeedButton::GetActionLinkClass() const
{
    return &TControlActionLink::Make<TEcImageSpeedButtonActionLink>;
}

// The made grey image is of the image shown: another image or list needs another.
void TEcImageSpeedButton::ImagesChanged(TObject*)
{
    ButtonGlyph().Invalidate();
    Invalidate();
}

void TEcImageSpeedButton::SetImages(TCustomImageList* value)
{
    if (!ReplaceImageListRef(this, value, FImages, &FImageChangeLink)) return;
    if (!FImages) FImageIndex = -1;
    ImagesChanged(this);
}

void TEcImageSpeedButton::SetImageIndex(Integer value)
{
    if (value == FImageIndex) return;
    FImageIndex = value;
    ButtonGlyph().Invalidate();
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
        ButtonGlyph().Invalidate();
    }
}

void TEcImageSpeedButton::DrawContent(TCanvas& canvas, const TRect& r, TPoint offset, TEcButtonState state,
                                      bool drawMark, bool paintOnGlass)
{
    const Integer index = ShowsHotTrackImage() ? FHotTrackImageIndex : FImageIndex;
    ButtonGlyph().DrawEx(canvas, r, offset, Caption(), Layout(), Margin(), Spacing(), drawMark, FImages, index, state,
                         AlignmentFlags(), paintOnGlass);
}

// ---------------------------------------------------------------- action links
IMPLEMENT_CLASS(TEcSpeedButtonActionLink, TControlActionLink, nullptr)
IMPLEMENT_CLASS(TEcImageSpeedButtonActionLink, TEcSpeedButtonActionLink, nullptr)

TEcSpeedButtonActionLink::TEcSpeedButtonActionLink(TControl* AClient)
    : TControlActionLink(AClient), FClient(static_cast<TEcCustomSpeedButton*>(AClient))
{
}

bool TEcSpeedButtonActionLink::IsCheckedLinked() const
{
    return TControlActionLink::IsCheckedLinked() && FClient->GroupIndex() != 0 && FClient->AllowAllUp() &&
           FClient->Down() == CustomAction()->Checked();
}

bool TEcSpeedButtonActionLink::IsGroupIndexLinked() const
{
    return CustomAction() && CustomAction()->GroupIndex() == FClient->GroupIndex();
}

void TEcSpeedButtonActionLink::SetChecked(bool Value)
{
    if (IsCheckedLinked()) FClient->SetDown(Value);
}

void TEcSpeedButtonActionLink::SetGroupIndex(Integer Value)
{
    if (IsGroupIndexLinked()) FClient->SetGroupIndex(Value);
}

bool TEcImageSpeedButtonActionLink::IsImageIndexLinked() const
{
    return TEcSpeedButtonActionLink::IsImageIndexLinked() &&
           CustomAction()->ImageIndex() == static_cast<TEcImageSpeedButton*>(FClient)->ImageIndex();
}

void TEcImageSpeedButtonActionLink::SetImageIndex(Integer Value)
{
    if (IsImageIndexLinked()) static_cast<TEcImageSpeedButton*>(FClient)->SetImageIndex(Value);
}
