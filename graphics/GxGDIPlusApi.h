#pragma once
// GDI+ bound at run time: the flat functions of the GDI+ library looked up by name into one
// process-wide table, the value types that cross it, the base class whose objects live in GDI+'s
// own heap and the point, rectangle and colour makers of the GDI+ back end.
#include <cstddef>
#include <cstdint>

#include "graphics/GxObjectJSONHelper.h"
#include "platform/rtl/Types.h"

// The result of nearly every flat function.
enum Status : int {
    Ok = 0, GenericError = 1, InvalidParameter = 2, OutOfMemory = 3, ObjectBusy = 4, InsufficientBuffer = 5,
    NotImplemented = 6, Win32Error = 7, WrongState = 8, Aborted = 9, FileNotFound = 10, ValueOverflow = 11,
    AccessDenied = 12, UnknownImageFormat = 13, FontFamilyNotFound = 14, FontStyleNotFound = 15,
    NotTrueTypeFont = 16, UnsupportedGdiplusVersion = 17, GdiplusNotInitialized = 18, PropertyNotFound = 19,
    PropertyNotSupported = 20
};

using ARGB = Cardinal;
using Single = float;

struct TGPPointF { Single X = 0, Y = 0; };
struct TGPPoint { Integer X = 0, Y = 0; };
struct TGPSizeF { Single Width = 0, Height = 0; };
struct TGPRectF { Single X = 0, Y = 0, Width = 0, Height = 0; };
struct TGPRect { Integer X = 0, Y = 0, Width = 0, Height = 0; };
struct TCharacterRange { Integer First = 0, Length = 0; };
struct ColorPalette { Cardinal Flags; Cardinal Count; ARGB Entries[1]; };
struct BitmapData {
    Cardinal Width = 0, Height = 0;
    Integer Stride = 0, PixelFormat = 0;
    void* Scan0 = nullptr;
    std::uintptr_t Reserved = 0;
};
struct EncoderParameter { std::uint8_t Guid[16]; Cardinal NumberOfValues; Cardinal Type; void* Value; };
struct EncoderParameters { Cardinal Count; EncoderParameter Parameter[1]; };
struct PropertyItem { Cardinal id; Cardinal length; Word type_; void* value; };
struct ColorMatrix { Single m[5][5]; };
struct ColorMap { ARGB oldColor, newColor; };

using PGPPointF = TGPPointF*;
using PGPPoint = TGPPoint*;
using PGPRectF = TGPRectF*;
using PGPRect = TGPRect*;
using PColorPalette = ColorPalette*;
using PEncoderParameters = EncoderParameters*;
using PPropertyItem = PropertyItem*;
using PColorMap = ColorMap*;
using PARGB = ARGB*;
using PGPColor = ARGB*;
using PByte = std::uint8_t*;
using ImageAbort = int (*)(void* callbackData);

enum FillMode : int { FillModeAlternate = 0, FillModeWinding = 1 };
enum CompositingMode : int { CompositingModeSourceOver = 0, CompositingModeSourceCopy = 1 };
enum Unit_ : int { UnitWorld = 0, UnitDisplay = 1, UnitPixel = 2, UnitPoint = 3, UnitInch = 4, UnitDocument = 5,
                   UnitMillimeter = 6 };
enum CoordinateSpace : int { CoordinateSpaceWorld = 0, CoordinateSpacePage = 1, CoordinateSpaceDevice = 2 };
enum WrapMode : int { WrapModeTile = 0, WrapModeTileFlipX = 1, WrapModeTileFlipY = 2, WrapModeTileFlipXY = 3,
                      WrapModeClamp = 4 };
enum HatchStyle : int {
    HatchStyleHorizontal, HatchStyleVertical, HatchStyleForwardDiagonal, HatchStyleBackwardDiagonal,
    HatchStyleCross, HatchStyleDiagonalCross, HatchStyle05Percent, HatchStyle10Percent, HatchStyle20Percent,
    HatchStyle25Percent, HatchStyle30Percent, HatchStyle40Percent, HatchStyle50Percent, HatchStyle60Percent,
    HatchStyle70Percent, HatchStyle75Percent, HatchStyle80Percent, HatchStyle90Percent,
    HatchStyleLightDownwardDiagonal, HatchStyleLightUpwardDiagonal, HatchStyleDarkDownwardDiagonal,
    HatchStyleDarkUpwardDiagonal, HatchStyleWideDownwardDiagonal, HatchStyleWideUpwardDiagonal,
    HatchStyleLightVertical, HatchStyleLightHorizontal, HatchStyleNarrowVertical, HatchStyleNarrowHorizontal,
    HatchStyleDarkVertical, HatchStyleDarkHorizontal, HatchStyleDashedDownwardDiagonal,
    HatchStyleDashedUpwardDiagonal, HatchStyleDashedHorizontal, HatchStyleDashedVertical,
    HatchStyleSmallConfetti, HatchStyleLargeConfetti, HatchStyleZigZag, HatchStyleWave, HatchStyleDiagonalBrick,
    HatchStyleHorizontalBrick, HatchStyleWeave, HatchStylePlaid, HatchStyleDivot, HatchStyleDottedGrid,
    HatchStyleDottedDiamond, HatchStyleShingle, HatchStyleTrellis, HatchStyleSphere, HatchStyleSmallGrid,
    HatchStyleSmallCheckerBoard, HatchStyleLargeCheckerBoard, HatchStyleOutlinedDiamond, HatchStyleSolidDiamond,
    HatchStyleTotal
};
enum DashStyle : int { DashStyleSolid = 0, DashStyleDash = 1, DashStyleDot = 2, DashStyleDashDot = 3,
                       DashStyleDashDotDot = 4, DashStyleCustom = 5 };
enum LineJoin : int { LineJoinMiter = 0, LineJoinBevel = 1, LineJoinRound = 2, LineJoinMiterClipped = 3 };
enum WarpMode : int { WarpModePerspective = 0, WarpModeBilinear = 1 };
enum LinearGradientMode : int { LinearGradientModeHorizontal = 0, LinearGradientModeVertical = 1,
                                LinearGradientModeForwardDiagonal = 2, LinearGradientModeBackwardDiagonal = 3 };
enum CombineMode : int { CombineModeReplace = 0, CombineModeIntersect = 1, CombineModeUnion = 2, CombineModeXor = 3,
                         CombineModeExclude = 4, CombineModeComplement = 5 };
enum ImageType : int { ImageTypeUnknown = 0, ImageTypeBitmap = 1, ImageTypeMetafile = 2 };
enum PenAlignment : int { PenAlignmentCenter = 0, PenAlignmentInset = 1 };
enum BrushType : int { BrushTypeSolidColor = 0, BrushTypeHatchFill = 1, BrushTypeTextureFill = 2,
                       BrushTypePathGradient = 3, BrushTypeLinearGradient = 4 };
enum MatrixOrder : int { MatrixOrderPrepend = 0, MatrixOrderAppend = 1 };
enum TextRenderingHint : int { TextRenderingHintSystemDefault = 0, TextRenderingHintSingleBitPerPixelGridFit = 1,
                               TextRenderingHintSingleBitPerPixel = 2, TextRenderingHintAntiAliasGridFit = 3,
                               TextRenderingHintAntiAlias = 4, TextRenderingHintClearTypeGridFit = 5 };
enum StringTrimming : int { StringTrimmingNone = 0, StringTrimmingCharacter = 1, StringTrimmingWord = 2,
                            StringTrimmingEllipsisCharacter = 3, StringTrimmingEllipsisWord = 4,
                            StringTrimmingEllipsisPath = 5 };
enum StringDigitSubstitute : int { StringDigitSubstituteUser = 0, StringDigitSubstituteNone = 1,
                                   StringDigitSubstituteNational = 2, StringDigitSubstituteTraditional = 3 };
enum HotkeyPrefix : int { HotkeyPrefixNone = 0, HotkeyPrefixShow = 1, HotkeyPrefixHide = 2 };
enum StringAlignment : int { StringAlignmentNear = 0, StringAlignmentCenter = 1, StringAlignmentFar = 2 };
enum FlushIntention : int { FlushIntentionFlush = 0, FlushIntentionSync = 1 };
enum ColorChannelFlags : int { ColorChannelFlagsC = 0, ColorChannelFlagsM = 1, ColorChannelFlagsY = 2,
                               ColorChannelFlagsK = 3, ColorChannelFlagsLast = 4 };
enum RotateFlipType : int { RotateNoneFlipNone = 0, Rotate90FlipNone = 1, Rotate180FlipNone = 2,
                            Rotate270FlipNone = 3, RotateNoneFlipX = 4, Rotate90FlipX = 5, Rotate180FlipX = 6,
                            Rotate270FlipX = 7 };
enum ColorMatrixFlags : int { ColorMatrixFlagsDefault = 0, ColorMatrixFlagsSkipGrays = 1,
                              ColorMatrixFlagsAltGray = 2 };
enum ColorAdjustType : int { ColorAdjustTypeDefault = 0, ColorAdjustTypeBitmap = 1, ColorAdjustTypeBrush = 2,
                             ColorAdjustTypePen = 3, ColorAdjustTypeText = 4, ColorAdjustTypeCount = 5,
                             ColorAdjustTypeAny = 6 };

// Integer-valued settings with the published numbers.
constexpr Integer SmoothingModeInvalid = -1, SmoothingModeDefault = 0, SmoothingModeHighSpeed = 1,
                  SmoothingModeHighQuality = 2, SmoothingModeNone = 3, SmoothingModeAntiAlias = 4;
constexpr Integer LineCapFlat = 0, DashCapFlat = 0;
constexpr Integer FontStyleRegular = 0, FontStyleBold = 1, FontStyleItalic = 2, FontStyleUnderline = 4,
                  FontStyleStrikeout = 8;
constexpr Integer PixelFormat24bppRGB = 0x21808, PixelFormat32bppRGB = 0x22009, PixelFormat32bppARGB = 0x26200A,
                  PixelFormat32bppPARGB = 0xE200B;
constexpr Integer StringFormatFlagsNoWrap = 0x1000, StringFormatFlagsNoClip = 0x4000;
constexpr Cardinal ImageLockModeRead = 1, ImageLockModeWrite = 2, ImageLockModeUserInputBuf = 4;

// The flat functions in binding order, in 25 groups.
#define GDIPLUS_ENTRIES(X) \
    /* Memory and start-up (4) */ \
    X(GdipAlloc) X(GdipFree) X(GdiplusStartup) X(GdiplusShutdown) \
    /* Paths (64) */ \
    X(GdipCreatePath) X(GdipCreatePath2) X(GdipCreatePath2I) X(GdipClonePath) X(GdipDeletePath) X(GdipResetPath) \
    X(GdipGetPointCount) X(GdipGetPathTypes) X(GdipGetPathPoints) X(GdipGetPathPointsI) X(GdipGetPathFillMode) \
    X(GdipSetPathFillMode) X(GdipGetPathData) X(GdipStartPathFigure) X(GdipClosePathFigure) \
    X(GdipClosePathFigures) X(GdipSetPathMarker) X(GdipClearPathMarkers) X(GdipReversePath) \
    X(GdipGetPathLastPoint) X(GdipAddPathLine) X(GdipAddPathLine2) X(GdipAddPathArc) X(GdipAddPathBezier) \
    X(GdipAddPathBeziers) X(GdipAddPathCurve) X(GdipAddPathCurve2) X(GdipAddPathCurve3) \
    X(GdipAddPathClosedCurve) X(GdipAddPathClosedCurve2) X(GdipAddPathRectangle) X(GdipAddPathRectangles) \
    X(GdipAddPathEllipse) X(GdipAddPathPie) X(GdipAddPathPolygon) X(GdipAddPathPath) X(GdipAddPathString) \
    X(GdipAddPathStringI) X(GdipAddPathLineI) X(GdipAddPathLine2I) X(GdipAddPathArcI) X(GdipAddPathBezierI) \
    X(GdipAddPathBeziersI) X(GdipAddPathCurveI) X(GdipAddPathCurve2I) X(GdipAddPathCurve3I) \
    X(GdipAddPathClosedCurveI) X(GdipAddPathClosedCurve2I) X(GdipAddPathRectangleI) X(GdipAddPathRectanglesI) \
    X(GdipAddPathEllipseI) X(GdipAddPathPieI) X(GdipAddPathPolygonI) X(GdipFlattenPath) \
    X(GdipWindingModeOutline) X(GdipWidenPath) X(GdipWarpPath) X(GdipTransformPath) X(GdipGetPathWorldBounds) \
    X(GdipGetPathWorldBoundsI) X(GdipIsVisiblePathPoint) X(GdipIsVisiblePathPointI) \
    X(GdipIsOutlineVisiblePathPoint) X(GdipIsOutlineVisiblePathPointI) \
    /* Path iterators (14) */ \
    X(GdipCreatePathIter) X(GdipDeletePathIter) X(GdipPathIterNextSubpath) X(GdipPathIterNextSubpathPath) \
    X(GdipPathIterNextPathType) X(GdipPathIterNextMarker) X(GdipPathIterNextMarkerPath) X(GdipPathIterGetCount) \
    X(GdipPathIterGetSubpathCount) X(GdipPathIterIsValid) X(GdipPathIterHasCurve) X(GdipPathIterRewind) \
    X(GdipPathIterEnumerate) X(GdipPathIterCopyData) \
    /* Matrices (21) */ \
    X(GdipCreateMatrix) X(GdipCreateMatrix2) X(GdipCreateMatrix3) X(GdipCreateMatrix3I) X(GdipCloneMatrix) \
    X(GdipDeleteMatrix) X(GdipSetMatrixElements) X(GdipMultiplyMatrix) X(GdipTranslateMatrix) X(GdipScaleMatrix) \
    X(GdipRotateMatrix) X(GdipShearMatrix) X(GdipInvertMatrix) X(GdipTransformMatrixPoints) \
    X(GdipTransformMatrixPointsI) X(GdipVectorTransformMatrixPoints) X(GdipVectorTransformMatrixPointsI) \
    X(GdipGetMatrixElements) X(GdipIsMatrixInvertible) X(GdipIsMatrixIdentity) X(GdipIsMatrixEqual) \
    /* Regions (32) */ \
    X(GdipCreateRegion) X(GdipCreateRegionRect) X(GdipCreateRegionRectI) X(GdipCreateRegionPath) \
    X(GdipCreateRegionRgnData) X(GdipCreateRegionHrgn) X(GdipCloneRegion) X(GdipDeleteRegion) X(GdipSetInfinite) \
    X(GdipSetEmpty) X(GdipCombineRegionRect) X(GdipCombineRegionRectI) X(GdipCombineRegionPath) \
    X(GdipCombineRegionRegion) X(GdipTranslateRegion) X(GdipTranslateRegionI) X(GdipTransformRegion) \
    X(GdipGetRegionBounds) X(GdipGetRegionBoundsI) X(GdipGetRegionHRgn) X(GdipIsEmptyRegion) \
    X(GdipIsInfiniteRegion) X(GdipIsEqualRegion) X(GdipGetRegionDataSize) X(GdipGetRegionData) \
    X(GdipIsVisibleRegionPoint) X(GdipIsVisibleRegionPointI) X(GdipIsVisibleRegionRect) \
    X(GdipIsVisibleRegionRectI) X(GdipGetRegionScansCount) X(GdipGetRegionScans) X(GdipGetRegionScansI) \
    /* Brushes (3) */ \
    X(GdipCloneBrush) X(GdipDeleteBrush) X(GdipGetBrushType) \
    /* Hatch brushes (4) */ \
    X(GdipCreateHatchBrush) X(GdipGetHatchStyle) X(GdipGetHatchForegroundColor) X(GdipGetHatchBackgroundColor) \
    /* Texture brushes (15) */ \
    X(GdipCreateTexture) X(GdipCreateTexture2) X(GdipCreateTextureIA) X(GdipCreateTexture2I) \
    X(GdipCreateTextureIAI) X(GdipGetTextureTransform) X(GdipSetTextureTransform) X(GdipResetTextureTransform) \
    X(GdipMultiplyTextureTransform) X(GdipTranslateTextureTransform) X(GdipScaleTextureTransform) \
    X(GdipRotateTextureTransform) X(GdipSetTextureWrapMode) X(GdipGetTextureWrapMode) X(GdipGetTextureImage) \
    /* Solid brushes (3) */ \
    X(GdipCreateSolidFill) X(GdipSetSolidFillColor) X(GdipGetSolidFillColor) \
    /* Linear-gradient brushes (29) */ \
    X(GdipCreateLineBrush) X(GdipCreateLineBrushI) X(GdipCreateLineBrushFromRect) \
    X(GdipCreateLineBrushFromRectI) X(GdipCreateLineBrushFromRectWithAngle) \
    X(GdipCreateLineBrushFromRectWithAngleI) X(GdipSetLineColors) X(GdipGetLineColors) X(GdipGetLineRect) \
    X(GdipGetLineRectI) X(GdipSetLineGammaCorrection) X(GdipGetLineGammaCorrection) X(GdipGetLineBlendCount) \
    X(GdipGetLineBlend) X(GdipSetLineBlend) X(GdipGetLinePresetBlendCount) X(GdipGetLinePresetBlend) \
    X(GdipSetLinePresetBlend) X(GdipSetLineSigmaBlend) X(GdipSetLineLinearBlend) X(GdipSetLineWrapMode) \
    X(GdipGetLineWrapMode) X(GdipGetLineTransform) X(GdipSetLineTransform) X(GdipResetLineTransform) \
    X(GdipMultiplyLineTransform) X(GdipTranslateLineTransform) X(GdipScaleLineTransform) \
    X(GdipRotateLineTransform) \
    /* Path-gradient brushes (38) */ \
    X(GdipCreatePathGradient) X(GdipCreatePathGradientI) X(GdipCreatePathGradientFromPath) \
    X(GdipGetPathGradientCenterColor) X(GdipSetPathGradientCenterColor) \
    X(GdipGetPathGradientSurroundColorsWithCount) X(GdipSetPathGradientSurroundColorsWithCount) \
    X(GdipGetPathGradientPath) X(GdipSetPathGradientPath) X(GdipGetPathGradientCenterPoint) \
    X(GdipGetPathGradientCenterPointI) X(GdipSetPathGradientCenterPoint) X(GdipSetPathGradientCenterPointI) \
    X(GdipGetPathGradientRect) X(GdipGetPathGradientRectI) X(GdipGetPathGradientPointCount) \
    X(GdipGetPathGradientSurroundColorCount) X(GdipSetPathGradientGammaCorrection) \
    X(GdipGetPathGradientGammaCorrection) X(GdipGetPathGradientBlendCount) X(GdipGetPathGradientBlend) \
    X(GdipSetPathGradientBlend) X(GdipGetPathGradientPresetBlendCount) X(GdipGetPathGradientPresetBlend) \
    X(GdipSetPathGradientPresetBlend) X(GdipSetPathGradientSigmaBlend) X(GdipSetPathGradientLinearBlend) \
    X(GdipGetPathGradientWrapMode) X(GdipSetPathGradientWrapMode) X(GdipGetPathGradientTransform) \
    X(GdipSetPathGradientTransform) X(GdipResetPathGradientTransform) X(GdipMultiplyPathGradientTransform) \
    X(GdipTranslatePathGradientTransform) X(GdipScalePathGradientTransform) X(GdipRotatePathGradientTransform) \
    X(GdipGetPathGradientFocusScales) X(GdipSetPathGradientFocusScales) \
    /* Pens (47) */ \
    X(GdipCreatePen1) X(GdipCreatePen2) X(GdipClonePen) X(GdipDeletePen) X(GdipSetPenWidth) X(GdipGetPenWidth) \
    X(GdipSetPenUnit) X(GdipGetPenUnit) X(GdipSetPenLineCap197819) X(GdipSetPenStartCap) X(GdipSetPenEndCap) \
    X(GdipSetPenDashCap197819) X(GdipGetPenStartCap) X(GdipGetPenEndCap) X(GdipGetPenDashCap197819) \
    X(GdipSetPenLineJoin) X(GdipGetPenLineJoin) X(GdipSetPenCustomStartCap) X(GdipGetPenCustomStartCap) \
    X(GdipSetPenCustomEndCap) X(GdipGetPenCustomEndCap) X(GdipSetPenMiterLimit) X(GdipGetPenMiterLimit) \
    X(GdipSetPenMode) X(GdipGetPenMode) X(GdipSetPenTransform) X(GdipGetPenTransform) X(GdipResetPenTransform) \
    X(GdipMultiplyPenTransform) X(GdipTranslatePenTransform) X(GdipScalePenTransform) X(GdipRotatePenTransform) \
    X(GdipSetPenColor) X(GdipGetPenColor) X(GdipSetPenBrushFill) X(GdipGetPenBrushFill) X(GdipGetPenFillType) \
    X(GdipGetPenDashStyle) X(GdipSetPenDashStyle) X(GdipGetPenDashOffset) X(GdipSetPenDashOffset) \
    X(GdipGetPenDashCount) X(GdipSetPenDashArray) X(GdipGetPenDashArray) X(GdipGetPenCompoundCount) \
    X(GdipSetPenCompoundArray) X(GdipGetPenCompoundArray) \
    /* Custom line caps (14) */ \
    X(GdipCreateCustomLineCap) X(GdipDeleteCustomLineCap) X(GdipCloneCustomLineCap) X(GdipGetCustomLineCapType) \
    X(GdipSetCustomLineCapStrokeCaps) X(GdipGetCustomLineCapStrokeCaps) X(GdipSetCustomLineCapStrokeJoin) \
    X(GdipGetCustomLineCapStrokeJoin) X(GdipSetCustomLineCapBaseCap) X(GdipGetCustomLineCapBaseCap) \
    X(GdipSetCustomLineCapBaseInset) X(GdipGetCustomLineCapBaseInset) X(GdipSetCustomLineCapWidthScale) \
    X(GdipGetCustomLineCapWidthScale) \
    /* Adjustable arrow caps (9) */ \
    X(GdipCreateAdjustableArrowCap) X(GdipSetAdjustableArrowCapHeight) X(GdipGetAdjustableArrowCapHeight) \
    X(GdipSetAdjustableArrowCapWidth) X(GdipGetAdjustableArrowCapWidth) X(GdipSetAdjustableArrowCapMiddleInset) \
    X(GdipGetAdjustableArrowCapMiddleInset) X(GdipSetAdjustableArrowCapFillState) \
    X(GdipGetAdjustableArrowCapFillState) \
    /* Images (41) */ \
    X(GdipLoadImageFromStream) X(GdipLoadImageFromFile) X(GdipLoadImageFromStreamICM) \
    X(GdipLoadImageFromFileICM) X(GdipCloneImage) X(GdipDisposeImage) X(GdipSaveImageToFile) \
    X(GdipSaveImageToStream) X(GdipSaveAdd) X(GdipSaveAddImage) X(GdipGetImageGraphicsContext) \
    X(GdipGetImageBounds) X(GdipGetImageDimension) X(GdipGetImageType) X(GdipGetImageWidth) \
    X(GdipGetImageHeight) X(GdipGetImageHorizontalResolution) X(GdipGetImageVerticalResolution) \
    X(GdipGetImageFlags) X(GdipGetImageRawFormat) X(GdipGetImagePixelFormat) X(GdipGetImageThumbnail) \
    X(GdipGetEncoderParameterListSize) X(GdipGetEncoderParameterList) X(GdipImageGetFrameDimensionsCount) \
    X(GdipImageGetFrameDimensionsList) X(GdipImageGetFrameCount) X(GdipImageSelectActiveFrame) \
    X(GdipImageRotateFlip) X(GdipGetImagePalette) X(GdipSetImagePalette) X(GdipGetImagePaletteSize) \
    X(GdipGetPropertyCount) X(GdipGetPropertyIdList) X(GdipGetPropertyItemSize) X(GdipGetPropertyItem) \
    X(GdipGetPropertySize) X(GdipGetAllPropertyItems) X(GdipRemovePropertyItem) X(GdipSetPropertyItem) \
    X(GdipImageForceValidation) \
    /* Bitmaps (19) */ \
    X(GdipCreateBitmapFromStream) X(GdipCreateBitmapFromFile) X(GdipCreateBitmapFromStreamICM) \
    X(GdipCreateBitmapFromFileICM) X(GdipCreateBitmapFromScan0) X(GdipCreateBitmapFromGraphics) \
    X(GdipCreateBitmapFromGdiDib) X(GdipCreateBitmapFromHBITMAP) X(GdipCreateHBITMAPFromBitmap) \
    X(GdipCreateBitmapFromHICON) X(GdipCreateHICONFromBitmap) X(GdipCreateBitmapFromResource) \
    X(GdipCloneBitmapArea) X(GdipCloneBitmapAreaI) X(GdipBitmapLockBits) X(GdipBitmapUnlockBits) \
    X(GdipBitmapGetPixel) X(GdipBitmapSetPixel) X(GdipBitmapSetResolution) \
    /* Image attributes (16) */ \
    X(GdipCreateImageAttributes) X(GdipCloneImageAttributes) X(GdipDisposeImageAttributes) \
    X(GdipSetImageAttributesToIdentity) X(GdipResetImageAttributes) X(GdipSetImageAttributesColorMatrix) \
    X(GdipSetImageAttributesThreshold) X(GdipSetImageAttributesGamma) X(GdipSetImageAttributesNoOp) \
    X(GdipSetImageAttributesColorKeys) X(GdipSetImageAttributesOutputChannel) \
    X(GdipSetImageAttributesOutputChannelColorProfile) X(GdipSetImageAttributesRemapTable) \
    X(GdipSetImageAttributesWrapMode) X(GdipSetImageAttributesICMMode) X(GdipGetImageAttributesAdjustedPalette) \
    /* Graphics surfaces (130) */ \
    X(GdipFlush) X(GdipCreateFromHDC) X(GdipCreateFromHDC2) X(GdipCreateFromHWND) X(GdipCreateFromHWNDICM) \
    X(GdipDeleteGraphics) X(GdipGetDC) X(GdipReleaseDC) X(GdipSetCompositingMode) X(GdipGetCompositingMode) \
    X(GdipSetRenderingOrigin) X(GdipGetRenderingOrigin) X(GdipSetCompositingQuality) \
    X(GdipGetCompositingQuality) X(GdipSetSmoothingMode) X(GdipGetSmoothingMode) X(GdipSetPixelOffsetMode) \
    X(GdipGetPixelOffsetMode) X(GdipSetTextRenderingHint) X(GdipGetTextRenderingHint) X(GdipSetTextContrast) \
    X(GdipGetTextContrast) X(GdipSetInterpolationMode) X(GdipGetInterpolationMode) X(GdipSetWorldTransform) \
    X(GdipResetWorldTransform) X(GdipMultiplyWorldTransform) X(GdipTranslateWorldTransform) \
    X(GdipScaleWorldTransform) X(GdipRotateWorldTransform) X(GdipGetWorldTransform) X(GdipResetPageTransform) \
    X(GdipGetPageUnit) X(GdipGetPageScale) X(GdipSetPageUnit) X(GdipSetPageScale) X(GdipGetDpiX) X(GdipGetDpiY) \
    X(GdipTransformPoints) X(GdipTransformPointsI) X(GdipGetNearestColor) X(GdipCreateHalftonePalette) \
    X(GdipDrawLine) X(GdipDrawLineI) X(GdipDrawLines) X(GdipDrawLinesI) X(GdipDrawArc) X(GdipDrawArcI) \
    X(GdipDrawBezier) X(GdipDrawBezierI) X(GdipDrawBeziers) X(GdipDrawBeziersI) X(GdipDrawRectangle) \
    X(GdipDrawRectangleI) X(GdipDrawRectangles) X(GdipDrawRectanglesI) X(GdipDrawEllipse) X(GdipDrawEllipseI) \
    X(GdipDrawPie) X(GdipDrawPieI) X(GdipDrawPolygon) X(GdipDrawPolygonI) X(GdipDrawPath) X(GdipDrawCurve) \
    X(GdipDrawCurveI) X(GdipDrawCurve2) X(GdipDrawCurve2I) X(GdipDrawCurve3) X(GdipDrawCurve3I) \
    X(GdipDrawClosedCurve) X(GdipDrawClosedCurveI) X(GdipDrawClosedCurve2) X(GdipDrawClosedCurve2I) \
    X(GdipGraphicsClear) X(GdipFillRectangle) X(GdipFillRectangleI) X(GdipFillRectangles) X(GdipFillRectanglesI) \
    X(GdipFillPolygon) X(GdipFillPolygonI) X(GdipFillPolygon2) X(GdipFillPolygon2I) X(GdipFillEllipse) \
    X(GdipFillEllipseI) X(GdipFillPie) X(GdipFillPieI) X(GdipFillPath) X(GdipFillClosedCurve) \
    X(GdipFillClosedCurveI) X(GdipFillClosedCurve2) X(GdipFillClosedCurve2I) X(GdipFillRegion) X(GdipDrawImage) \
    X(GdipDrawImageI) X(GdipDrawImageRect) X(GdipDrawImageRectI) X(GdipDrawImagePoints) X(GdipDrawImagePointsI) \
    X(GdipDrawImagePointRect) X(GdipDrawImagePointRectI) X(GdipDrawImageRectRect) X(GdipDrawImageRectRectI) \
    X(GdipDrawImagePointsRect) X(GdipDrawImagePointsRectI) X(GdipSetClipGraphics) X(GdipSetClipRect) \
    X(GdipSetClipRectI) X(GdipSetClipPath) X(GdipSetClipRegion) X(GdipSetClipHrgn) X(GdipResetClip) \
    X(GdipTranslateClip) X(GdipTranslateClipI) X(GdipGetClip) X(GdipGetClipBounds) X(GdipGetClipBoundsI) \
    X(GdipIsClipEmpty) X(GdipGetVisibleClipBounds) X(GdipGetVisibleClipBoundsI) X(GdipIsVisibleClipEmpty) \
    X(GdipIsVisiblePoint) X(GdipIsVisiblePointI) X(GdipIsVisibleRect) X(GdipIsVisibleRectI) X(GdipSaveGraphics) \
    X(GdipRestoreGraphics) X(GdipBeginContainer) X(GdipBeginContainerI) X(GdipBeginContainer2) \
    X(GdipEndContainer) \
    /* Metafiles, codecs and comments (25) */ \
    X(GdipGetMetafileHeaderFromWmf) X(GdipGetMetafileHeaderFromEmf) X(GdipGetMetafileHeaderFromFile) \
    X(GdipGetMetafileHeaderFromStream) X(GdipGetMetafileHeaderFromMetafile) X(GdipGetHemfFromMetafile) \
    X(GdipCreateStreamOnFile) X(GdipCreateMetafileFromWmf) X(GdipCreateMetafileFromEmf) \
    X(GdipCreateMetafileFromFile) X(GdipCreateMetafileFromWmfFile) X(GdipCreateMetafileFromStream) \
    X(GdipRecordMetafile) X(GdipRecordMetafileI) X(GdipRecordMetafileFileName) X(GdipRecordMetafileFileNameI) \
    X(GdipRecordMetafileStream) X(GdipRecordMetafileStreamI) X(GdipSetMetafileDownLevelRasterizationLimit) \
    X(GdipGetMetafileDownLevelRasterizationLimit) X(GdipGetImageDecodersSize) X(GdipGetImageDecoders) \
    X(GdipGetImageEncodersSize) X(GdipGetImageEncoders) X(GdipComment) \
    /* Font families (14) */ \
    X(GdipCreateFontFamilyFromName) X(GdipDeleteFontFamily) X(GdipCloneFontFamily) \
    X(GdipGetGenericFontFamilySansSerif) X(GdipGetGenericFontFamilySerif) X(GdipGetGenericFontFamilyMonospace) \
    X(GdipGetFamilyName) X(GdipIsStyleAvailable) X(GdipFontCollectionEnumerable) X(GdipFontCollectionEnumerate) \
    X(GdipGetEmHeight) X(GdipGetCellAscent) X(GdipGetCellDescent) X(GdipGetLineSpacing) \
    /* Fonts and font collections (21) */ \
    X(GdipCreateFontFromDC) X(GdipCreateFontFromLogfontA) X(GdipCreateFontFromLogfontW) X(GdipCreateFont) \
    X(GdipCloneFont) X(GdipDeleteFont) X(GdipGetFamily) X(GdipGetFontStyle) X(GdipGetFontSize) \
    X(GdipGetFontUnit) X(GdipGetFontHeight) X(GdipGetFontHeightGivenDPI) X(GdipGetLogFontA) X(GdipGetLogFontW) \
    X(GdipNewInstalledFontCollection) X(GdipNewPrivateFontCollection) X(GdipDeletePrivateFontCollection) \
    X(GdipGetFontCollectionFamilyCount) X(GdipGetFontCollectionFamilyList) X(GdipPrivateAddFontFile) \
    X(GdipPrivateAddMemoryFont) \
    /* Text (5) */ \
    X(GdipDrawString) X(GdipMeasureString) X(GdipMeasureCharacterRanges) X(GdipDrawDriverString) \
    X(GdipMeasureDriverString) \
    /* String formats (22) */ \
    X(GdipCreateStringFormat) X(GdipStringFormatGetGenericDefault) X(GdipStringFormatGetGenericTypographic) \
    X(GdipDeleteStringFormat) X(GdipCloneStringFormat) X(GdipSetStringFormatFlags) X(GdipGetStringFormatFlags) \
    X(GdipSetStringFormatAlign) X(GdipGetStringFormatAlign) X(GdipSetStringFormatLineAlign) \
    X(GdipGetStringFormatLineAlign) X(GdipSetStringFormatTrimming) X(GdipGetStringFormatTrimming) \
    X(GdipSetStringFormatHotkeyPrefix) X(GdipGetStringFormatHotkeyPrefix) X(GdipSetStringFormatTabStops) \
    X(GdipGetStringFormatTabStops) X(GdipGetStringFormatTabStopCount) X(GdipSetStringFormatDigitSubstitution) \
    X(GdipGetStringFormatDigitSubstitution) X(GdipGetStringFormatMeasurableCharacterRangeCount) \
    X(GdipSetStringFormatMeasurableCharacterRanges) \
    /* Cached bitmaps (3) */ \
    X(GdipCreateCachedBitmap) X(GdipDeleteCachedBitmap) X(GdipDrawCachedBitmap) \
    /* Metafile conversion (1) */ \
    X(GdipEmfToWmfBits)

enum TGdiplusEntry : int {
#define GDIPLUS_ENTRY_INDEX(name) e##name,
    GDIPLUS_ENTRIES(GDIPLUS_ENTRY_INDEX)
#undef GDIPLUS_ENTRY_INDEX
    GdiplusEntryCount
};

// The library looked up: its file name, the module handle (null while not loaded) and the table.
extern const char* const GdiplusLibraryName;
extern void* GdiplusModule;
extern void* GdiplusEntries[GdiplusEntryCount];
const char* GdiplusEntryName(TGdiplusEntry entry);

// Loads the library and looks every name up; the bridge of our device contexts answers for the
// names it takes over.  A missing library leaves every entry nil.
void LoadGdiplusApi();
void LoadGdiplusApiFrom(const char* libraryName);
// Frees the library and clears the table; nothing when it is not loaded.
void UnloadGdiplusApi();
// Binds the table once for the process (and unbinds it at its end); later calls do nothing.
void InitializeGxGDIPlusApi();

// One call through the table.  A nil entry answers NotImplemented instead of crashing.  The
// arguments must have the flat function's own types (Single, not double).
template <typename... Args>
Status GdipCall(TGdiplusEntry entry, Args... args)
{
    void* fn = GdiplusEntries[entry];
    if (!fn) return NotImplemented;
    return reinterpret_cast<Status (*)(Args...)>(fn)(args...);
}

TGPPointF MakePoint(Single X, Single Y);
TGPRectF MakeRect(Single x, Single y, Single width, Single height);
ARGB MakeColor(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b);

// Wrapper objects live in GDI+'s heap: allocated with GdipAlloc, zero-filled, returned with
// GdipFree.  Without a bound, started GDI+ no object can be made (std::bad_alloc).
class TGdiplusBase : public TObject, public TGxJSONOperations<TGdiplusBase> {
public:
    static void* operator new(std::size_t size);
    static void operator delete(void* p);
    ~TGdiplusBase() override = default;
};

// The points of a path: GDI+'s path-data record (Count, Points, Types) as the first three
// fields; the arrays are on the program's general heap.
class TPathData {
public:
    TPathData() = default;
    ~TPathData();
    TPathData(const TPathData&) = delete;
    TPathData& operator=(const TPathData&) = delete;
    void Release();   // frees both arrays; Count 0

    Integer Count = 0;
    PGPPointF Points = nullptr;
    PByte Types = nullptr;
};
