#pragma once
// Pixel effects over the scan lines of 24- and 32-bit bitmaps: a rectangle of one bitmap copied
// into another grey, flipped, mirrored, inverted, brightened or blended with a second source.
// Only the three colour bytes are written; a 32-bit target keeps its fourth byte.
#include "platform/graphics/Bitmaps.h"

DORVANE_EXCEPTION(EStyWrongPixelFormat, Exception);

using TStyBrightness = Integer;   // -255..255

void BitmapGrayscaleCopy(TBitmap& Source, const TRect& SrcRect, TBitmap& Target, TPoint TargetPoint);
void BitmapFlipCopy(TBitmap& Source, const TRect& SrcRect, TBitmap& Target, TPoint TargetPoint);
void BitmapMirrorCopy(TBitmap& Source, const TRect& SrcRect, TBitmap& Target, TPoint TargetPoint);
void BitmapInvertCopy(TBitmap& Source, const TRect& SrcRect, TBitmap& Target, TPoint TargetPoint);
void BitmapBrightnessCopy(TBitmap& Source, const TRect& SrcRect, TBitmap& Target, TStyBrightness Amount,
                          TPoint TargetPoint);
// Each colour byte becomes s2 + Round((s1 - s2) x Factor): Factor 0 gives Source2, 1 Source1.
void BitmapBlendCopy(TBitmap& Source1, TBitmap& Source2, const TRect& SrcRect, TPoint Source2Point, TBitmap& Target,
                     float Factor, TPoint TargetPoint);
// True for 24 and 32 bits per pixel; otherwise EStyWrongPixelFormat "Wrong PixelFormat in <Name> bitmap!".
bool CheckEffectPixelFormat(const TBitmap& Bitmap, const String& Name);
