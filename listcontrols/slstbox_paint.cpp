// How the section list box paints a row: section rows with their node, frame and sort indicator,
// sub-item rows with check box or radio button, image, tab columns and URL styling, then the
// focus rectangle.  Colours come from the list's properties; no application style is ever active
// here, so the classic drawing runs.
#include "listcontrols/slstbox.h"

#include <cmath>

#include "platform/graphics/GdiApi.h"

namespace {

bool ContainsURL(const String& text) { return Pos("://", text) > 0 || Pos("mailto:", text) > 0; }

// The text shown for a URL without its scheme: everything up to the first ":" goes, and the "//"
// after it.
String ShortURL(String text)
{
    Delete(text, 1, Pos(":", text));
    if (Copy(text, 1, 1) == "/") Delete(text, 1, 2);
    return text;
}

}  // namespace

bool TSectionListBox::ValidTabStops(std::vector<Integer>& stops, bool rightStops) const
{
    const Integer n = FTabPositions.Count();
    if (n < 1 || n > 19) return false;
    for (Integer k = 0; k < n; ++k) {
        const TTabPositionItem* tab = FTabPositions.Items(k);
        const Integer stop = Scaled(tab->TabPosition());
        stops.push_back(rightStops && tab->TabType() == tabright ? -stop : stop);
    }
    return true;
}

// The settings of every renderer call: selection colours of the platform, blue anchors, grey
// shadows, the list's wrapping, scale and pictures.
THTMLRenderParams TSectionListBox::HTMLParams(bool selected)
{
    THTMLRenderParams p;
    p.ImageList = FSubItemImages;
    p.IsSelected = selected;
    p.Wrap = FWordWrap;
    p.ScaledFonts = FFormScaled;
    p.DpiScale = FDPIScale;
    p.Pictures = FContainer;
    p.PictureCache = &FImageCache;
    return p;
}

// The wallpaper is the brush's bitmap, which the background erase tiles behind all rows.
void TSectionListBox::UpdateWallpaperBrush()
{
    if (!HandleAllocated()) return;
    Brush().SetBitmap(nullptr);
    if (FWallpaper.Empty()) {
        Brush().SetColor(Color());
    } else {
        Brush().SetColor(clNone);
        Brush().SetBitmap(&FWallpaper);
    }
    Invalidate();
}

void TSectionListBox::DrawItem(Integer Index, TRect Rect, TOwnerDrawState State)
{
    if (FUpdateCount > 0 || FExpandContractBusy) return;
    TListSection* section = GetItemSection(Index);
    if (!section) return;
    TCanvas& canvas = Canvas();
    const bool sectionRow = RowIsSection(Index);
    const bool selected = State.Contains(odSelected);
    const bool focused = State.Contains(odFocused);
    const bool verticalLines = section->Lines() == slVertical || section->Lines() == slBoth;
    const bool horizontalLines = section->Lines() == slHorizontal || section->Lines() == slBoth;
    Integer SectionIdx = 0, subitemidx = 0;
    GetListItemIndex(Index, SectionIdx, subitemidx);

    if (section->OwnerDraw() && OnDrawItem && !sectionRow) {
        canvas.Brush().SetColor(selected ? FSelectionColor : section->Color());
        canvas.Font().SetColor(selected ? FSelectionTextColor : section->Font().Color());
        canvas.FillRect(Rect);
        OnDrawItem(this, section, SectionIdx, subitemidx, canvas, Rect, State);
        return;
    }

    static const Cardinal horizontal[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    static const Cardinal vertical[] = {DT_VCENTER, DT_TOP, DT_BOTTOM};
    Cardinal hflags = horizontal[section->Alignment()] | (section->EndEllipsis() ? Cardinal(DT_END_ELLIPSIS) : 0u);
    String text = GetItemString(section, Index);
    Cardinal vflags = Pos("\r", text) > 0 ? DT_TOP : (vertical[section->VAlignment()] | DT_SINGLELINE);

    Integer image = -1;
    bool marked = false;
    if (sectionRow) {
        image = FSectionImages ? section->ImageIndex() : -1;
    } else {
        image = FSubItemImages ? section->GetSubItemImageIdx(subitemidx) : -1;
        marked = section->ControlType() == scCheckbox ? section->GetSubItemCheckState(subitemidx)
                                                      : subitemidx == section->RadioIndex();
    }

    // Font and colours.
    if (sectionRow) {
        canvas.Brush().SetColor(FSectionColor);
        if (section->FontUsage() == fuSubItems)
            canvas.Font().Assign(FSectionFont);
        else
            UseSectionFont(canvas, section);
    } else {
        if (section->FontUsage() == fuSection)
            canvas.Font().Assign(Font());
        else
            UseSectionFont(canvas, section);
        if (selected) {
            if (FFullFocus) canvas.Brush().SetColor(FSelectionColor);
            canvas.Font().SetColor(FSelectionTextColor);
        } else {
            canvas.Brush().SetColor(section->Color());
        }
    }

    if (FURLSettings.URLAware() && ContainsURL(text)) {
        canvas.Font().SetStyle(canvas.Font().Style() + TFontStyles{TFontStyle::fsUnderline});
        canvas.Font().SetColor(FURLSettings.URLColor());
        if (!FURLSettings.URLFull()) text = ShortURL(text);
    }

    if (FWallpaper.Empty()) canvas.FillRect(Rect);

    TRect r = Rect;
    r.Left += (!sectionRow || section->Fixed()) ? Scaled(FSubItemIndent) : Scaled(FSectionIndent);
    const Integer h = sectionRow ? Scaled(SectionHeight()) : Scaled(section->ItemHeight());
    const Integer rowHeight = Rect.Height();

    if (!sectionRow && (section->ControlType() == scCheckbox || section->ControlType() == scRadiobutton)) {
        const bool check = section->ControlType() == scCheckbox;
        const Integer size = Scaled(check ? 14 : 10);
        const Integer offset = Scaled(check ? 12 : 10);
        Integer top = Rect.Top + (rowHeight - offset) / 2;
        if (section->VAlignment() == vtaTop) top = Rect.Top + (check ? 1 : Scaled(2));
        if (section->VAlignment() == vtaBottom) top = Rect.Bottom - size;
        TRect box{r.Left, top, r.Left + size, top + size};
        Cardinal state = check ? Cardinal(DFCS_BUTTONCHECK) : Cardinal(DFCS_BUTTONRADIO);
        if (FFlat) state |= DFCS_FLAT;
        if (section->ReadOnly()) state |= DFCS_INACTIVE;
        if (marked) state |= DFCS_CHECKED;
        DrawFrameControl(canvas.Handle(), &box, DFC_BUTTON, state);
        r.Left += Scaled(16);
    }

    if (image >= 0) {
        TCustomImageList* images = sectionRow ? FSectionImages : FSubItemImages;
        Integer dy = 0;
        if (section->VAlignment() == vtaBottom) dy = rowHeight - images->Height();
        if (section->VAlignment() == vtaCenter) dy = (rowHeight - images->Height()) / 2;
        images->Draw(canvas, r.Left, Rect.Top + dy, image, true);
        r.Left += Scaled(FImageSpacing) + images->Width();
    }

    TSize extent{0, 0};
    if (Pos("{\\", text) == 1) {
        RichPaint(canvas, r, text, selected);
    } else if (Pos("</", text) > 0) {
        THTMLRenderResult result;
        RenderMiniHTML(canvas, text, r, HTMLParams(selected), result);
    } else {
        if (!FWallpaper.Empty()) canvas.SetBkMode(TRANSPARENT);
        if (!FFullFocus && selected && !sectionRow) canvas.Brush().SetColor(FSelectionColor);
        OnDrawItemProp(this, section, SectionIdx, sectionRow ? -1 : subitemidx, canvas);
        DrawRowText(canvas, r, Rect.Left, text, sectionRow, section, verticalLines, hflags, vflags, h, extent);
    }

    TRect frame = Rect;
    frame.Right += 1;
    if (sectionRow) {
        const Integer width = focused && FSectionFocus == TSectionFocus::sf3D ? 3 : 1;
        canvas.Pen().SetWidth(1);
        for (Integer k = 0; k < width; ++k) {
            canvas.Pen().SetColor(clWhite);
            canvas.MoveTo(frame.Left + k, frame.Bottom - 1 - k);
            canvas.LineTo(frame.Left + k, frame.Top + k);
            canvas.LineTo(frame.Right - 1 - k, frame.Top + k);
            canvas.Pen().SetColor(TColor(0x808080));
            canvas.LineTo(frame.Right - 1 - k, frame.Bottom - 1 - k);
            canvas.LineTo(frame.Left + k, frame.Bottom - 1 - k);
        }
    } else if (horizontalLines) {
        canvas.Pen().SetColor(clBlack);
        canvas.MoveTo(frame.Left, frame.Bottom - 1);
        canvas.LineTo(frame.Right, frame.Bottom - 1);
    }

    if (sectionRow && section->SortShow() && section->State() == lssExpanded) DrawSortIndicator(canvas, Rect, section);
    if (sectionRow && !section->Fixed()) DrawNode(canvas, Rect, section, h);

    if (focused && !(sectionRow && section->Fixed()) && FWallpaper.Empty() && (!sectionRow || FSectionFocus != TSectionFocus::sf3D)) {
        TRect fr{Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1};
        if (!FFullFocus) {
            Integer top = Rect.Top + (rowHeight - extent.cy) / 2;
            if (section->VAlignment() == vtaTop) top = Rect.Top;
            if (section->VAlignment() == vtaBottom) top = Rect.Bottom - extent.cy;
            fr = TRect{r.Left - 1, top, r.Left + extent.cx + 1, top + extent.cy};
        }
        if (!sectionRow || FSectionFocus != TSectionFocus::sfNone) {
            canvas.Brush().SetColor(Color());
            canvas.Font().SetColor(clBlack);
            canvas.DrawFocusRect(fr);
        }
    }
}

// Plain text of a row: tab columns and section captions through TabbedTextOut with the list's
// tab stops, counted from the row's left edge as the separator lines are, other texts through
// DrawText.
void TSectionListBox::DrawRowText(TCanvas& canvas, TRect& r, Integer rowLeft, const String& text, bool sectionRow,
                                  TListSection* section, bool verticalLines, Cardinal hflags, Cardinal vflags,
                                  Integer h, TSize& extent)
{
    HDC dc = canvas.Handle();
    const Integer gh = canvas.TextHeight("gh");
    Integer y = r.Top + std::max(0, h - gh) / 2;
    if (section->VAlignment() == vtaTop) y = r.Top;
    if (section->VAlignment() == vtaBottom) y = r.Bottom - gh;
    if (Pos("\t", text) > 0 || sectionRow) {
        std::vector<Integer> stops;
        if (ValidTabStops(stops, true)) {
            Cardinal size = TabbedTextOut(dc, r.Left, y, text, -1, static_cast<int>(stops.size()), stops.data(), rowLeft);
            extent = TSize{static_cast<Integer>(size & 0xFFFF), static_cast<Integer>(size >> 16)};
            if ((!sectionRow && verticalLines) || (FTabPosMove && section->State() == lssExpanded)) {
                for (Integer s : stops) {
                    const Integer x = s >= 0 ? s - 2 : 2 - s;
                    canvas.Pen().SetColor(clBlack);
                    canvas.MoveTo(x, r.Top);
                    canvas.LineTo(x, r.Bottom);
                    canvas.Pen().SetColor(clWhite);
                    canvas.MoveTo(x + 1, r.Top);
                    canvas.LineTo(x + 1, r.Bottom);
                }
            }
        } else if (FWordWrap) {
            DrawText(dc, text, -1, &r, hflags | DT_WORDBREAK);
        } else {
            Cardinal size = TabbedTextOut(dc, r.Left, y, text, -1, 0, nullptr, rowLeft);
            extent = TSize{static_cast<Integer>(size & 0xFFFF), static_cast<Integer>(size >> 16)};
        }
        return;
    }
    if (FWordWrap) {
        r.Right = std::min(r.Right, Width() - VertScrollBarWidth());
        DrawText(dc, text, -1, &r, hflags | DT_NOPREFIX | DT_WORDBREAK);
    } else {
        DrawText(dc, text, -1, &r, hflags | DT_NOPREFIX | vflags);
    }
    TSize size = canvas.TextExtent(text);
    extent = size;
}

void TSectionListBox::DrawSortIndicator(TCanvas& canvas, const TRect& row, TListSection* section)
{
    const Integer r = Width() - VertScrollBarWidth() - 10;
    const Integer t = row.Top + (row.Height() - 8) / 2;
    const TColor grey = 0x808080;
    switch (section->SortDirection()) {
    case sdAscending:
        canvas.Pen().SetColor(clWhite);
        canvas.MoveTo(r - 6, t);
        canvas.LineTo(r - 10, t + 8);
        canvas.Pen().SetColor(grey);
        canvas.LineTo(r - 2, t + 8);
        canvas.LineTo(r - 6, t);
        break;
    case sdDescending:
        canvas.Pen().SetColor(clWhite);
        canvas.MoveTo(r - 10, t);
        canvas.LineTo(r - 6, t + 8);
        canvas.Pen().SetColor(grey);
        canvas.LineTo(r - 2, t);
        canvas.LineTo(r - 10, t);
        break;
    case sdNone:
        canvas.Pen().SetColor(grey);
        canvas.Polyline({{r - 10, t}, {r - 10, t + 8}, {r - 2, t + 8}, {r - 2, t}, {r - 10, t}});
        break;
    }
}

void TSectionListBox::DrawNode(TCanvas& canvas, const TRect& row, TListSection* section, Integer h)
{
    const Integer L = row.Left + Scaled(4);
    const Integer R = L + Scaled(8);
    const Integer T = row.Top + (h - Scaled(8)) / 2;
    const Integer B = T + Scaled(8);
    const bool empty = section->SubItems().Count() == 0;
    const bool contracted = section->State() == lssContracted;
    switch (FNodeType) {
    case lnFlat: {
        canvas.Pen().SetColor(empty ? TColor(0x808080) : clBlack);
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.Rectangle(L - 1, T - 1, R, B);
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        if (empty) break;
        const Integer my = T - 1 + (B - T + 1) / 2;
        canvas.MoveTo(L + Scaled(1), my);
        canvas.LineTo(R - 1 - Scaled(1), my);
        if (contracted) {
            const Integer mx = L - 1 + (R - L + 1) / 2;
            canvas.MoveTo(mx, T + Scaled(1));
            canvas.LineTo(mx, B - 1 - Scaled(1));
        }
        break;
    }
    case ln3D: {
        TRect node{L, T, R, B};
        DrawEdge(canvas.Handle(), &node, empty ? EDGE_ETCHED : (contracted ? EDGE_RAISED : EDGE_SUNKEN),
                 BF_RECT | BF_SOFT);
        break;
    }
    case lnGlyph: {
        TBitmap& glyph = contracted ? FContractGlyph : FExpandGlyph;
        if (glyph.Empty()) break;
        DrawTransparentGlyph(canvas, glyph, FSectionColor,
                             TPoint{row.Left + 3, row.Top + (row.Height() - FContractGlyph.Height()) / 2});
        break;
    }
    }
}

// An RTF row through the hidden rich edit: selected, its first 255 characters turn white on the
// selection colour; the row's rectangle goes to the rich edit in twips.
void TSectionListBox::RichPaint(TCanvas& Canvas, const TRect& ARect, const String& s, bool sel)
{
    StringToRich(s, *FRichEdit);
    if (sel) FRichEdit->SetCharColor(0, 255, clWhite);
    FRichEdit->SetBackgroundColor(sel ? FSelectionColor : Color());
    const double px = Canvas.GetDeviceCaps(LOGPIXELSX), py = Canvas.GetDeviceCaps(LOGPIXELSY);
    const Integer left = static_cast<Integer>(std::lround(ARect.Left / px * 1440));
    const Integer top = static_cast<Integer>(std::lround(ARect.Top / py * 1440));
    const TRect twips{left, top, left + static_cast<Integer>(std::lround(ARect.Width() / px * 1440)),
                      top + static_cast<Integer>(std::lround(ARect.Height() / py * 1440))};
    FRichEdit->FormatRange(Canvas, twips, 0, -1, true);
}

void TSectionListBox::DrawTransparentGlyph(TCanvas& canvas, TBitmap& glyph, TColor background, TPoint position)
{
    TBitmap copy;
    copy.SetSize(glyph.Width(), glyph.Height());
    copy.Canvas().Brush().SetColor(background);
    const TRect whole{0, 0, glyph.Width(), glyph.Height()};
    copy.Canvas().FillRect(whole);
    copy.Canvas().BrushCopy(whole, glyph, whole, glyph.Canvas().Pixel(0, 0));
    canvas.Draw(position.X, position.Y, copy);
}
