#include "editcontrols/EcLibUtils.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "editcontrols/EcCoreUtils.h"
#include "platform/forms/Forms.h"
#include "platform/graphics/GdiApi.h"

void RegisterEcCursors()
{
    if (!Screen) return;
    Screen->SetCursors(crEcMultiDrag, Screen->Cursors(crMultiDrag));
    Screen->SetCursors(crEcDrag, Screen->Cursors(crDrag));
    Screen->SetCursors(crEcMultiDragLink, Screen->Cursors(crMultiDrag));
    Screen->SetCursors(crEcMultiDragAlt, Screen->Cursors(crMultiDrag));
}

// Masking in three blits: the destination keeps its pixels where the mask is white (the mask
// colour), the image keeps its own where the mask is black, and the two are merged.
void MaskedStretchBlt(HDC DstDC, Integer DstX, Integer DstY, Integer DstW, Integer DstH, HDC SrcDC, Integer SrcX,
                      Integer SrcY, Integer SrcW, Integer SrcH, TColor MaskColor)
{
    TBitmap image(SrcW, SrcH), mask(SrcW, SrcH, TPixelFormat::pf1bit), inverted(SrcW, SrcH, TPixelFormat::pf1bit),
        work(DstW, DstH);
    HDC imageDC = image.Canvas().Handle(), maskDC = mask.Canvas().Handle(), invertedDC = inverted.Canvas().Handle(),
        workDC = work.Canvas().Handle();
    CopyBits(imageDC, 0, 0, SrcW, SrcH, SrcDC, SrcX, SrcY, SRCCOPY);
    SetBkColor(imageDC, MaskColor);
    CopyBits(maskDC, 0, 0, SrcW, SrcH, imageDC, 0, 0, SRCCOPY);
    CopyBits(invertedDC, 0, 0, SrcW, SrcH, maskDC, 0, 0, NOTSRCCOPY);
    CopyBits(workDC, 0, 0, DstW, DstH, DstDC, DstX, DstY, SRCCOPY);
    SetTextColor(workDC, clBlack);
    SetBkColor(workDC, clWhite);
    StretchBlt(workDC, 0, 0, DstW, DstH, maskDC, 0, 0, SrcW, SrcH, SRCAND);
    SetTextColor(imageDC, clBlack);
    SetBkColor(imageDC, clWhite);
    CopyBits(imageDC, 0, 0, SrcW, SrcH, invertedDC, 0, 0, SRCAND);
    StretchBlt(workDC, 0, 0, DstW, DstH, imageDC, 0, 0, SrcW, SrcH, SRCPAINT);
    CopyBits(DstDC, DstX, DstY, DstW, DstH, workDC, 0, 0, SRCCOPY);
}

void StretchTransparentBitmap(TCanvas& Canvas, TBitmap& Bitmap, TColor TransparentColor, Integer DstX,
                              Integer DstY, Integer DstW, Integer DstH, Integer SrcX, Integer SrcY, Integer SrcW,
                              Integer SrcH)
{
    if (Bitmap.Empty()) return;
    if (DstW < 1 || DstH < 1) {
        DstW = Bitmap.Width();
        DstH = Bitmap.Height();
    }
    if (SrcW < 1 || SrcH < 1) {
        SrcX = SrcY = 0;
        SrcW = Bitmap.Width();
        SrcH = Bitmap.Height();
    }
    if (!Bitmap.Monochrome()) SetStretchBltMode(Canvas.Handle(), COLORONCOLOR);
    TCanvas& source = Bitmap.Canvas();
    source.Lock();
    try {
        if (TransparentColor == clNone) {
            StretchBlt(Canvas.Handle(), DstX, DstY, DstW, DstH, source.Handle(), SrcX, SrcY, SrcW, SrcH,
                       Canvas.CopyMode());
        } else {
            TColor mask = TransparentColor == clDefault ? source.Pixel(0, Bitmap.Height() - 1) : TransparentColor;
            mask = Bitmap.Monochrome() ? clWhite : ColorToRGB(mask);
            MaskedStretchBlt(Canvas.Handle(), DstX, DstY, DstW, DstH, source.Handle(), SrcX, SrcY, SrcW, SrcH, mask);
        }
    } catch (...) {
        source.Unlock();
        throw;
    }
    source.Unlock();
}

void DrawTransparentBitmap(TCanvas& Canvas, Integer X, Integer Y, TBitmap& Bitmap, TColor TransparentColor)
{
    StretchTransparentBitmap(Canvas, Bitmap, TransparentColor, X, Y, Bitmap.Width(), Bitmap.Height(), 0, 0,
                             Bitmap.Width(), Bitmap.Height());
}

void DrawTransparentBitmapRect(TCanvas& Canvas, Integer X, Integer Y, const TRect& Rect, TBitmap& Bitmap,
                               TColor TransparentColor)
{
    StretchTransparentBitmap(Canvas, Bitmap, TransparentColor, X, Y, RectExtentX(Rect), RectExtentY(Rect), Rect.Left,
                             Rect.Top, RectExtentX(Rect), RectExtentY(Rect));
}

namespace {
// Brush where the source is 1 (white), destination where it is 0: DSPDxax.
constexpr Cardinal BrushWhereSourceIsWhite = 0x00E20746;

// The mask's shape pixels in the colour, at (x, y): the text and background colours turn the
// mask's 0 and 1 bits to black or white (set after the brush, whose realising sets the background).
void PaintShape(TCanvas& c, TBitmap& mask, TColor color, Integer x, Integer y, TColor text, TColor back)
{
    c.Brush().SetColor(color);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    HDC dc = c.Handle();
    SetTextColor(dc, text);
    SetBkColor(dc, back);
    CopyBits(dc, x, y, mask.Width(), mask.Height(), mask.Canvas().Handle(), 0, 0, BrushWhereSourceIsWhite);
}

TBitmap* Filled(Integer w, Integer h, TColor color)
{
    auto* result = new TBitmap(w, h);
    result->Canvas().Brush().SetColor(color);
    result->Canvas().FillRect(Rect(0, 0, w, h));
    return result;
}
}  // namespace

TBitmap* CreateDisabledBitmapNewStyle(TBitmap& Bitmap, TColor TransparentColor)
{
    const Integer w = Bitmap.Width(), h = Bitmap.Height();
    std::unique_ptr<TBitmap> drawn(Filled(w, h, clWhite));
    DrawTransparentBitmap(drawn->Canvas(), 0, 0, Bitmap, TransparentColor);
    TBitmap mask(w, h, TPixelFormat::pf1bit);   // white stays white, every other pixel is shape
    SetBkColor(drawn->Canvas().Handle(), clWhite);
    CopyBits(mask.Canvas().Handle(), 0, 0, w, h, drawn->Canvas().Handle(), 0, 0, SRCCOPY);
    TBitmap* result = Filled(w, h, TransparentColor);
    PaintShape(result->Canvas(), mask, clBtnHighlight, 1, 1, clWhite, clBlack);
    PaintShape(result->Canvas(), mask, clBtnShadow, 0, 0, clWhite, clBlack);
    return result;
}

TBitmap* CreateDisabledBitmapEx(TBitmap& Bitmap, TColor OutlineColor, TColor BackColor, TColor HighlightColor,
                                TColor ShadowColor, bool DrawHighlight)
{
    const Integer w = Bitmap.Width(), h = Bitmap.Height();
    TBitmap glyph;
    glyph.Assign(Bitmap);
    if (glyph.Monochrome()) {   // a monochrome glyph's shape is its white
        glyph.SetPixelFormat(TPixelFormat::pf32bit);
        OutlineColor = clWhite;
    }
    TBitmap mask(w, h, TPixelFormat::pf1bit);   // the outline colour's pixels white
    SetBkColor(glyph.Canvas().Handle(), OutlineColor);
    CopyBits(mask.Canvas().Handle(), 0, 0, w, h, glyph.Canvas().Handle(), 0, 0, SRCCOPY);
    TBitmap* result = Filled(w, h, BackColor);
    if (DrawHighlight) PaintShape(result->Canvas(), mask, HighlightColor, 1, 1, clBlack, clWhite);
    PaintShape(result->Canvas(), mask, ShadowColor, 0, 0, clBlack, clWhite);
    return result;
}

TBitmap* CreateDisabledBitmap(TBitmap& Bitmap, TColor OutlineColor)
{
    return CreateDisabledBitmapEx(Bitmap, OutlineColor, clBtnFace, clBtnHighlight, clBtnShadow, true);
}

void ImageListDrawDisabled(const TCustomImageList& Images, TCanvas& Canvas, Integer X, Integer Y, Integer Index,
                           TColor HighlightColor, TColor GrayColor, bool DrawHighlight)
{
    const Integer w = Images.Width(), h = Images.Height();
    std::unique_ptr<TBitmap> drawn(Filled(w, h, clWhite));
    Images.DrawMask(drawn->Canvas(), 0, 0, Index);
    TBitmap mask(w, h, TPixelFormat::pf1bit);   // white stays white, the image's pixels are shape
    SetBkColor(drawn->Canvas().Handle(), clWhite);
    CopyBits(mask.Canvas().Handle(), 0, 0, w, h, drawn->Canvas().Handle(), 0, 0, SRCCOPY);
    const TColor brush = Canvas.Brush().Color();
    if (DrawHighlight) PaintShape(Canvas, mask, HighlightColor, X + 1, Y + 1, clWhite, clBlack);
    PaintShape(Canvas, mask, GrayColor, X, Y, clWhite, clBlack);
    Canvas.Brush().SetColor(brush);
}

namespace {

// The controls painting a copy of their parent's picture.
std::vector<const TControl*> CopyingParents;

// The control paints (or erases) onto the canvas with its top-left corner at origin, clipped
// to its size, marked as painting a copy.
void PaintCopy(TControl* control, TCanvas& canvas, Cardinal msg, TPoint origin, TSize size)
{
    const int saved = canvas.SaveDC();
    canvas.SetViewportOrg(origin.X, origin.Y);
    canvas.IntersectClipRect(0, 0, size.cx, size.cy);
    control->SetControlState(control->ControlState() + TControlState{csPaintCopy});
    struct TRestore {
        TControl* Control;
        TCanvas& Canvas;
        int Saved;
        ~TRestore()
        {
            Control->SetControlState(Control->ControlState() - TControlState{csPaintCopy});
            Canvas.RestoreDC(Saved);
        }
    } restore{control, canvas, saved};
    control->Perform(msg, reinterpret_cast<std::intptr_t>(canvas.Handle()));
}

}  // namespace

bool CopyingParentImage(const TControl* Control)
{
    return std::ranges::find(CopyingParents, Control) != CopyingParents.end();
}

void CopyParentImage(TControl* Control, TCanvas& Canvas)
{
    TWinControl* parent = Control ? Control->Parent() : nullptr;
    if (!parent || CopyingParentImage(Control)) return;
    CopyingParents.push_back(Control);
    struct TDone {
        ~TDone() { CopyingParents.pop_back(); }
    } done;
    const TPoint vp = Canvas.ViewportOrg();
    const TPoint origin{vp.X - Control->Left(), vp.Y - Control->Top()};
    const TSize client{parent->ClientWidth(), parent->ClientHeight()};
    PaintCopy(parent, Canvas, WM_ERASEBKGND, origin, client);
    PaintCopy(parent, Canvas, WM_PAINT, origin, client);
    const TRect mine = Control->BoundsRect();
    for (Integer i = 0; i < parent->ControlCount(); ++i) {
        TControl* sibling = parent->Controls(i);
        if (sibling == Control) break;
        TRect overlap;
        if (!sibling->Visible() || !IntersectRect(overlap, mine, sibling->BoundsRect())) continue;
        PaintCopy(sibling, Canvas, WM_PAINT, {origin.X + sibling->Left(), origin.Y + sibling->Top()},
                  {sibling->Width(), sibling->Height()});
    }
}

void CopyBitmapCell(TGraphic* Source, TBitmap* Dest, Integer Cols, Integer Rows, Integer Index)
{
    if (!Source || !Dest) return;
    Cols = std::max(Cols, 1);
    Rows = std::max(Rows, 1);
    Index = std::max(Index, 0);
    const Integer w = Source->Width() / Cols, h = Source->Height() / Rows;
    Dest->SetSize(w, h);
    if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) {
        const Integer x = Index % Cols * w, y = Index / Cols * h;
        Dest->Canvas().CopyRect(Rect(0, 0, w, h), bitmap->Canvas(), Rect(x, y, x + w, y + h));
        Dest->SetTransparentColor(bitmap->TransparentColor());
    } else {
        Dest->Canvas().Brush().SetColor(clSilver);
        Dest->Canvas().FillRect(Rect(0, 0, w, h));
        const Integer x = Index % Cols * w, y = Index / Cols * h;
        Dest->Canvas().Draw(-x, -y, *Source);
    }
    Dest->SetTransparent(Source->Transparent());
}

TBitmap* CreateCheckerPattern(TColor Color1, TColor Color2)
{
    auto* bitmap = new TBitmap(8, 8);
    for (Integer y = 0; y < 8; ++y)
        for (Integer x = 0; x < 8; ++x) bitmap->Canvas().SetPixel(x, y, x % 2 == y % 2 ? Color2 : Color1);
    return bitmap;
}

void FollowHotTrackFont(TFont& HotTrackFont, const TFont& Font, TEcTrackFontOptions Options)
{
    if (!Options.Contains(hoFollowFont)) return;
    if (!Options.Contains(hoPreserveCharSet)) HotTrackFont.SetCharset(Font.Charset());
    if (!Options.Contains(hoPreserveColor)) HotTrackFont.SetColor(Font.Color());
    if (!Options.Contains(hoPreserveHeight)) HotTrackFont.SetHeight(Font.Height());
    if (!Options.Contains(hoPreserveName)) HotTrackFont.SetName(Font.Name());
    if (!Options.Contains(hoPreservePitch)) HotTrackFont.SetPitch(Font.Pitch());
    if (!Options.Contains(hoPreserveStyle)) HotTrackFont.SetStyle(Font.Style());
}

bool HotTrackFontDiffers(const TFont& HotTrackFont, const TFont& Font, TEcTrackFontOptions Options)
{
    const TFont defaults;
    const bool follow = Options.Contains(hoFollowFont);
    const TFont& other = follow ? Font : defaults;
    auto checked = [&](TEcTrackFontOption o) { return !follow || Options.Contains(o); };
    return (checked(hoPreserveCharSet) && HotTrackFont.Charset() != other.Charset()) ||
           (checked(hoPreserveColor) && HotTrackFont.Color() != other.Color()) ||
           (checked(hoPreserveHeight) && HotTrackFont.Height() != other.Height()) ||
           (checked(hoPreservePitch) && HotTrackFont.Pitch() != other.Pitch()) ||
           (checked(hoPreserveStyle) && HotTrackFont.Style() != other.Style()) ||
           (checked(hoPreserveOrientation) && HotTrackFont.Orientation() != other.Orientation()) ||
           (checked(hoPreserveName) && HotTrackFont.Name() != other.Name());
}

bool IsForegroundApplication() { return Application->Active(); }

TRect MonitorWorkArea(const TMonitor* Monitor) { return Monitor ? Monitor->WorkareaRect() : TRect(); }

TMonitor* FindMonitor(HMONITOR Handle)
{
    for (Integer i = 0; i < Screen->MonitorCount(); ++i)
        if (Screen->Monitors(i)->Handle() == Handle) return Screen->Monitors(i);
    return nullptr;
}

bool ReplaceComponentRef(TComponent* Owner, TComponent* NewRef, TComponent*& Ref)
{
    if (NewRef == Ref || !Owner) return false;
    if (Ref) Ref->RemoveFreeNotification(Owner);
    Ref = NewRef;
    if (Ref) Ref->FreeNotification(Owner);
    return true;
}

bool ReplaceImageListRef(TComponent* Owner, TCustomImageList* NewList, TCustomImageList*& ListRef,
                         TChangeLink* ChangeLink)
{
    if (NewList == ListRef || !Owner) return false;
    if (ListRef) {
        ListRef->RemoveFreeNotification(Owner);
        if (ChangeLink) ListRef->UnRegisterChanges(ChangeLink);
    }
    ListRef = NewList;
    if (ListRef) {
        ListRef->FreeNotification(Owner);
        if (ChangeLink) ListRef->RegisterChanges(ChangeLink);
    }
    return true;
}
