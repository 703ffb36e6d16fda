#include "platform/stdctrls/ImgList.h"

#include <algorithm>

#include "platform/rtl/Exceptions.h"

IMPLEMENT_CLASS(TCustomImageList, TComponent, NewComponent<TCustomImageList>)
IMPLEMENT_CLASS(TImageList, TCustomImageList, NewComponent<TImageList>)

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::TCustomImageList(Integer AWidth, Integer AHeight)
    : TComponent(nullptr), FWidth(AWidth), FHeight(AHeight)
{
}

void TCustomImageList::SetWidth(Integer value)
{
    if (FWidth == value) return;
    FWidth = value;
    Clear();
}

void TCustomImageList::SetHeight(Integer value)
{
    if (FHeight == value) return;
    FHeight = value;
    Clear();
}

TCustomImageList::~TCustomImageList()
{
    for (TChangeLink* link : FChangeLinks) link->FSender = nullptr;
}

TChangeLink::~TChangeLink()
{
    if (FSender) FSender->UnRegisterChanges(this);
}

void TCustomImageList::RegisterChanges(TChangeLink* Value)
{
    if (Value->FSender == this) return;
    if (Value->FSender) Value->FSender->UnRegisterChanges(Value);
    Value->FSender = this;
    FChangeLinks.push_back(Value);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* Value)
{
    std::erase(FChangeLinks, Value);
    if (Value->FSender == this) Value->FSender = nullptr;
}

void TCustomImageList::Change()
{
    for (TChangeLink* link : std::vector<TChangeLink*>(FChangeLinks)) link->OnChange(this);
    OnChange(this);
}

void TCustomImageList::CheckIndex(Integer index) const
{
    if (index < 0 || index >= Count()) throw EInvalidOperation("Invalid image list index " + IntToStr(index));
}

TCustomImageList::TImage TCustomImageList::Cut(TBitmap* image, TBitmap* mask, Integer cell, bool useColor,
                                               TColor maskColor) const
{
    TImage result;
    result.Pixels.assign(static_cast<size_t>(FWidth) * FHeight, 0);
    result.Transparent.assign(result.Pixels.size(), false);
    Cardinal key = static_cast<Cardinal>(ColorToRGB(maskColor));
    for (Integer y = 0; y < FHeight && y < image->Height(); ++y)
        for (Integer x = 0; x < FWidth && cell * FWidth + x < image->Width(); ++x) {
            TColor c = image->Canvas().Pixel(cell * FWidth + x, y);
            size_t i = static_cast<size_t>(y) * FWidth + x;
            result.Pixels[i] = static_cast<Cardinal>(ColorToRGB(c));
            if (useColor)
                result.Transparent[i] = result.Pixels[i] == key;
            else if (mask && !mask->Empty())
                result.Transparent[i] = (ColorToRGB(mask->Canvas().Pixel(cell * FWidth + x, y)) & 0xFFFFFF) != 0;
        }
    return result;
}

Integer TCustomImageList::AddCells(TBitmap* image, TBitmap* mask, bool useColor, TColor maskColor)
{
    if (!image || image->Empty() || FWidth <= 0) return -1;
    Integer first = Count();
    Integer cells = std::max(1, image->Width() / FWidth);
    for (Integer cell = 0; cell < cells; ++cell) FImages.push_back(Cut(image, mask, cell, useColor, maskColor));
    Change();
    return first;
}

Integer TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) { return AddCells(Image, Mask, false, clNone); }

Integer TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) { return AddCells(Image, nullptr, true, MaskColor); }

void TCustomImageList::Replace(Integer Index, TBitmap* Image, TBitmap* Mask)
{
    CheckIndex(Index);
    FImages[Index] = Cut(Image, Mask, 0, false, clNone);
    Change();
}

void TCustomImageList::ReplaceMasked(Integer Index, TBitmap* NewImage, TColor MaskColor)
{
    CheckIndex(Index);
    FImages[Index] = Cut(NewImage, nullptr, 0, true, MaskColor);
    Change();
}

void TCustomImageList::Delete(Integer Index)
{
    CheckIndex(Index);
    FImages.erase(FImages.begin() + Index);
    Change();
}

void TCustomImageList::Clear()
{
    FImages.clear();
    Change();
}

void DitherImage(TCanvas& Canvas, const TRect& Rect, TColor Color, TDrawingStyle Style)
{
    for (Integer y = 0; y < Rect.Bottom - Rect.Top; ++y)
        for (Integer x = 0; x < Rect.Right - Rect.Left; ++x)
            if (Style == dsSelected ? (x + y) % 2 == 1 : x % 2 == 0 || y % 2 == 0)
                Canvas.SetPixel(Rect.Left + x, Rect.Top + y, Color);
}

void TCustomImageList::Draw(TCanvas& Canvas, Integer X, Integer Y, Integer Index, bool Enabled) const
{
    if (Index >= 0 && Index < Count()) DoDraw(Index, Canvas, X, Y, Enabled);
}

// Disabled: the image's dark pixels become a highlight-coloured copy one pixel down and right
// under a shadow-coloured copy, the rest stays transparent.  Enabled: the opaque pixels over the
// background colour, when the style has one, then the dither of the focused and selected styles.
void TCustomImageList::DoDraw(Integer Index, TCanvas& Canvas, Integer X, Integer Y, bool Enabled) const
{
    const TImage& image = FImages[Index];
    const bool background = Enabled && FDrawingStyle != dsTransparent && FBkColor != clNone;
    if (background) Canvas.FillRectColor(TRect{X, Y, X + FWidth, Y + FHeight}, FBkColor);
    auto dark = [&](size_t i) {
        Cardinal p = image.Pixels[i];
        return !image.Transparent[i] && ((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF)) < 3 * 0xC0;
    };
    for (Integer pass = Enabled ? 2 : 0; pass < 3; ++pass)
        for (Integer y = 0; y < FHeight; ++y)
            for (Integer x = 0; x < FWidth; ++x) {
                size_t i = static_cast<size_t>(y) * FWidth + x;
                if (pass == 2 && Enabled && !image.Transparent[i])
                    Canvas.SetPixel(X + x, Y + y, static_cast<TColor>(image.Pixels[i]));
                else if (pass == 0 && dark(i))
                    Canvas.SetPixel(X + x + 1, Y + y + 1, clBtnHighlight);
                else if (pass == 1 && dark(i))
                    Canvas.SetPixel(X + x, Y + y, clBtnShadow);
            }
    if (background && (FDrawingStyle == dsFocus || FDrawingStyle == dsSelected) && FBlendColor != clNone)
        DitherImage(Canvas, TRect{X, Y, X + FWidth, Y + FHeight}, FBlendColor, FDrawingStyle);
}

void TCustomImageList::DrawMask(TCanvas& Canvas, Integer X, Integer Y, Integer Index) const
{
    if (Index < 0 || Index >= Count()) return;
    const TImage& image = FImages[Index];
    for (Integer y = 0; y < FHeight; ++y)
        for (Integer x = 0; x < FWidth; ++x)
            Canvas.SetPixel(X + x, Y + y, image.Transparent[static_cast<size_t>(y) * FWidth + x] ? clWhite : clBlack);
}

void TCustomImageList::GetBitmap(Integer Index, TBitmap& Image, TColor Background) const
{
    CheckIndex(Index);
    Image.SetSize(Width(), Height());
    Image.Canvas().FillRectColor(TRect{0, 0, Width(), Height()}, Background);
    Draw(Image.Canvas(), 0, 0, Index, true);
}
