// The run-time-bound GDI+ wrapper: the start and stop of GDI+ for the process, matrices, paths,
// regions, pens and brushes.
#include "graphics/GxGDIPlusClasses.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <vector>

// ---- Start-up and shut-down

namespace {
struct TGdiplusStartupInput {
    Cardinal GdiplusVersion = 1;
    void* DebugEventCallback = nullptr;
    int SuppressBackgroundThread = 0;
    int SuppressExternalCodecs = 0;
};
std::uintptr_t StartupToken = 0;
TGdiplusStartupInput StartupInput;

// Whether an address lies in the main program's own loaded segments.
bool InMainProgram(const void* address)
{
    struct Search {
        std::uintptr_t Address;
        bool Found = false;
    } search{reinterpret_cast<std::uintptr_t>(address)};
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            auto* s = static_cast<Search*>(data);
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const ElfW(Phdr)& ph = info->dlpi_phdr[i];
                std::uintptr_t start = info->dlpi_addr + ph.p_vaddr;
                if (ph.p_type == PT_LOAD && s->Address >= start && s->Address < start + ph.p_memsz) s->Found = true;
            }
            return 1;   // the main program comes first: look no further
        },
        &search);
    return search.Found;
}
}  // namespace

bool ModuleIsLibrary()
{
    return !InMainProgram(reinterpret_cast<const void*>(&ModuleIsLibrary));
}

void StartGdiplus()
{
    StartupInput = TGdiplusStartupInput{};
    if (!GdiplusModule) return;
    GdipCall(eGdiplusStartup, &StartupToken, static_cast<const void*>(&StartupInput), static_cast<void*>(nullptr));
}

void StopGdiplus()
{
    if (!GdiplusModule) return;
    if (void* fn = GdiplusEntries[eGdiplusShutdown]) reinterpret_cast<void (*)(std::uintptr_t)>(fn)(StartupToken);
}

namespace {
struct TGdiplusClassesUnit {
    TGdiplusClassesUnit()
    {
        if (!ModuleIsLibrary()) StartGdiplus();
    }
    ~TGdiplusClassesUnit()
    {
        FreeSharedGdiplusObjects();
        if (!ModuleIsLibrary()) StopGdiplus();
    }
};
const bool ClassesStarted = (InitializeGxGDIPlusClasses(), true);
}  // namespace

// The binding's unit is made first, so it is undone last.
void InitializeGxGDIPlusClasses()
{
    InitializeGxGDIPlusApi();
    static TGdiplusClassesUnit unit;
}

// ---- The status conventions shared by every class
//
// SetStatus keeps a failure and hands every status back; GetLastStatus hands the kept status out
// and clears it.  Defined together here, so that any use of a wrapper brings GDI+'s start-up in.

Status TGPMatrix::SetStatus(Status status)
{
    if (status != Ok) lastResult = status;
    return status;
}
Status TGPMatrix::GetLastStatus()
{
    Status s = lastResult;
    lastResult = Ok;
    return s;
}
Status TGPGraphicsPath::SetStatus(Status status)
{
    if (status != Ok) lastResult = status;
    return status;
}
Status TGPGraphicsPath::GetLastStatus()
{
    Status s = lastResult;
    lastResult = Ok;
    return s;
}
Status TGPRegion::SetStatus(Status status)
{
    if (status != Ok) lastResult = status;
    return status;
}
Status TGPRegion::GetLastStatus()
{
    Status s = lastResult;
    lastResult = Ok;
    return s;
}
Status TGPBrush::SetStatus(Status status)
{
    if (status != Ok) lastResult = status;
    return status;
}
Status TGPBrush::GetLastStatus()
{
    Status s = lastResult;
    lastResult = Ok;
    return s;
}
Status TGPPen::SetStatus(Status status)
{
    if (status != Ok) lastResult = status;
    return status;
}
Status TGPPen::GetLastStatus()
{
    Status s = lastResult;
    lastResult = Ok;
    return s;
}
Status TGPFontFamily::SetStatus(Status status)
{
    if (status != Ok) lastResult = status;
    return status;
}
Status TGPFontFamily::GetLastStatus()
{
    Status s = lastResult;
    lastResult = Ok;
    return s;
}
Status TGPFont::SetStatus(Status status)
{
    if (status != Ok) lastResult = status;
    return status;
}
Status TGPStringFormat::SetStatus(Status status)
{
    if (status != Ok) lastError = status;
    return status;
}
Status TGPStringFormat::GetLastStatus()
{
    Status s = lastError;
    lastError = Ok;
    return s;
}
Status TGPImage::SetStatus(Status status)
{
    if (status != Ok) lastResult = status;
    return status;
}
Status TGPImage::GetLastStatus()
{
    Status s = lastResult;
    lastResult = Ok;
    return s;
}
Status TGPGraphics::SetStatus(Status status)
{
    if (status != Ok) lastResult = status;
    return status;
}
Status TGPGraphics::GetLastStatus()
{
    Status s = lastResult;
    lastResult = Ok;
    return s;
}

Status TGPCustomLineCap::SetStatus(Status status)
{
    if (status != Ok) lastResult = status;
    return status;
}
Status TGPCustomLineCap::GetLastStatus()
{
    Status s = lastResult;
    lastResult = Ok;
    return s;
}
Status TGPImageAttributes::SetStatus(Status status)
{
    if (status != Ok) lastResult = status;
    return status;
}
Status TGPImageAttributes::GetLastStatus()
{
    Status s = lastResult;
    lastResult = Ok;
    return s;
}
Status TGPCachedBitmap::GetLastStatus()
{
    Status s = lastResult;
    lastResult = Ok;
    return s;
}

// ---- Matrices



TGPMatrix::TGPMatrix() { lastResult = GdipCall(eGdipCreateMatrix, &nativeMatrix); }
TGPMatrix::TGPMatrix(Single m11, Single m12, Single m21, Single m22, Single dx, Single dy)
{
    lastResult = GdipCall(eGdipCreateMatrix2, m11, m12, m21, m22, dx, dy, &nativeMatrix);
}
TGPMatrix::TGPMatrix(const TGPRectF& rect, const TGPPointF& dstplg)
{
    lastResult = GdipCall(eGdipCreateMatrix3, &rect, &dstplg, &nativeMatrix);
}
TGPMatrix::TGPMatrix(const TGPRect& rect, const TGPPoint& dstplg)
{
    lastResult = GdipCall(eGdipCreateMatrix3I, &rect, &dstplg, &nativeMatrix);
}
TGPMatrix::TGPMatrix(void* ANativeMatrix) : nativeMatrix(ANativeMatrix) {}
TGPMatrix::~TGPMatrix() { GdipCall(eGdipDeleteMatrix, nativeMatrix); }

std::unique_ptr<TGPMatrix> TGPMatrix::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(eGdipCloneMatrix, nativeMatrix, &copy));
    // A kept failure refuses the clone; the copy GDI+ made then goes back at once.
    if (lastResult != Ok) {
        if (copy) GdipCall(eGdipDeleteMatrix, copy);
        return nullptr;
    }
    return std::make_unique<TGPMatrix>(copy);
}

Status TGPMatrix::GetElements(TMatrixArray& m) { return SetStatus(GdipCall(eGdipGetMatrixElements, nativeMatrix, &m[0])); }
Status TGPMatrix::SetElements(Single m11, Single m12, Single m21, Single m22, Single dx, Single dy)
{
    return SetStatus(GdipCall(eGdipSetMatrixElements, nativeMatrix, m11, m12, m21, m22, dx, dy));
}
Single TGPMatrix::OffsetX()
{
    TMatrixArray m{};
    return GetElements(m) == Ok ? m[4] : 0.0f;
}
Single TGPMatrix::OffsetY()
{
    TMatrixArray m{};
    return GetElements(m) == Ok ? m[5] : 0.0f;
}
Status TGPMatrix::Reset() { return SetElements(1, 0, 0, 1, 0, 0); }
Status TGPMatrix::Multiply(TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipMultiplyMatrix, nativeMatrix, matrix ? matrix->nativeMatrix : nullptr, order));
}
Status TGPMatrix::Translate(Single offX, Single offY, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipTranslateMatrix, nativeMatrix, offX, offY, order));
}
Status TGPMatrix::Scale(Single scaleX, Single scaleY, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipScaleMatrix, nativeMatrix, scaleX, scaleY, order));
}
Status TGPMatrix::Rotate(Single angle, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipRotateMatrix, nativeMatrix, angle, order));
}

// Rotation about a centre: move the centre to the origin, rotate, move it back, composed in the
// given order; a failed step does not stop the next.
Status TGPMatrix::RotateAt(Single angle, const TGPPointF& center, MatrixOrder order)
{
    Single sign = order == MatrixOrderPrepend ? 1.0f : -1.0f;
    SetStatus(GdipCall(eGdipTranslateMatrix, nativeMatrix, sign * center.X, sign * center.Y, order));
    SetStatus(GdipCall(eGdipRotateMatrix, nativeMatrix, angle, order));
    return SetStatus(GdipCall(eGdipTranslateMatrix, nativeMatrix, -sign * center.X, -sign * center.Y, order));
}
Status TGPMatrix::Shear(Single shearX, Single shearY, MatrixOrder order)
{
    return SetStatus(GdipCall(eGdipShearMatrix, nativeMatrix, shearX, shearY, order));
}
Status TGPMatrix::Invert() { return SetStatus(GdipCall(eGdipInvertMatrix, nativeMatrix)); }
Status TGPMatrix::TransformPoints(PGPPointF pts, Integer count)
{
    return SetStatus(GdipCall(eGdipTransformMatrixPoints, nativeMatrix, pts, count));
}
Status TGPMatrix::TransformPoints(PGPPoint pts, Integer count)
{
    return SetStatus(GdipCall(eGdipTransformMatrixPointsI, nativeMatrix, pts, count));
}
Status TGPMatrix::TransformVectors(PGPPointF pts, Integer count)
{
    return SetStatus(GdipCall(eGdipVectorTransformMatrixPoints, nativeMatrix, pts, count));
}
Status TGPMatrix::TransformVectors(PGPPoint pts, Integer count)
{
    return SetStatus(GdipCall(eGdipVectorTransformMatrixPointsI, nativeMatrix, pts, count));
}
bool TGPMatrix::IsInvertible()
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsMatrixInvertible, nativeMatrix, &result));
    return result != 0;
}
bool TGPMatrix::IsIdentity()
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsMatrixIdentity, nativeMatrix, &result));
    return result != 0;
}
bool TGPMatrix::IsEqual(TGPMatrix* matrix)
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsMatrixEqual, nativeMatrix, matrix ? matrix->nativeMatrix : nullptr, &result));
    return result != 0;
}

// ---- Paths



TGPGraphicsPath::TGPGraphicsPath(FillMode fillMode) { lastResult = GdipCall(eGdipCreatePath, fillMode, &nativePath); }
TGPGraphicsPath::TGPGraphicsPath(const TGPPointF* points, const std::uint8_t* types, Integer count, FillMode fillMode)
{
    lastResult = GdipCall(eGdipCreatePath2, points, types, count, fillMode, &nativePath);
}
TGPGraphicsPath::TGPGraphicsPath(const TGPPoint* points, const std::uint8_t* types, Integer count, FillMode fillMode)
{
    lastResult = GdipCall(eGdipCreatePath2I, points, types, count, fillMode, &nativePath);
}
TGPGraphicsPath::TGPGraphicsPath(TGPGraphicsPath* path)
{
    SetStatus(GdipCall(eGdipClonePath, path ? path->nativePath : nullptr, &nativePath));
}
TGPGraphicsPath::TGPGraphicsPath(void* native, Status status) : nativePath(native), lastResult(status) {}
TGPGraphicsPath::~TGPGraphicsPath() { GdipCall(eGdipDeletePath, nativePath); }

std::unique_ptr<TGPGraphicsPath> TGPGraphicsPath::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(eGdipClonePath, nativePath, &copy));
    return std::unique_ptr<TGPGraphicsPath>(new TGPGraphicsPath(copy, Ok));
}

Status TGPGraphicsPath::Reset() { return SetStatus(GdipCall(eGdipResetPath, nativePath)); }
FillMode TGPGraphicsPath::GetFillMode()
{
    FillMode mode = FillModeAlternate;
    SetStatus(GdipCall(eGdipGetPathFillMode, nativePath, &mode));
    return mode;
}
Status TGPGraphicsPath::SetFillMode(FillMode fillmode) { return SetStatus(GdipCall(eGdipSetPathFillMode, nativePath, fillmode)); }

// Arrays at least as large as the path are reused, and their Count tells GDI+ the capacity;
// smaller ones are released and made anew.
Status TGPGraphicsPath::GetPathData(TPathData& pathData)
{
    Integer count = GetPointCount();
    if (count < 1 || (pathData.Count > 0 && pathData.Count < count)) {
        pathData.Release();
        if (count < 1) return lastResult;
    }
    if (pathData.Count == 0) {
        pathData.Points = new (std::nothrow) TGPPointF[static_cast<size_t>(count)];
        pathData.Types = new (std::nothrow) std::uint8_t[static_cast<size_t>(count)];
        if (!pathData.Points || !pathData.Types) {
            pathData.Release();
            return SetStatus(OutOfMemory);
        }
        pathData.Count = count;
    }
    return SetStatus(GdipCall(eGdipGetPathData, nativePath, static_cast<void*>(&pathData.Count)));
}

Status TGPGraphicsPath::StartFigure() { return SetStatus(GdipCall(eGdipStartPathFigure, nativePath)); }
Status TGPGraphicsPath::CloseFigure() { return SetStatus(GdipCall(eGdipClosePathFigure, nativePath)); }
Status TGPGraphicsPath::CloseAllFigures() { return SetStatus(GdipCall(eGdipClosePathFigures, nativePath)); }
Status TGPGraphicsPath::SetMarker() { return SetStatus(GdipCall(eGdipSetPathMarker, nativePath)); }
Status TGPGraphicsPath::ClearMarkers() { return SetStatus(GdipCall(eGdipClearPathMarkers, nativePath)); }
Status TGPGraphicsPath::Reverse() { return SetStatus(GdipCall(eGdipReversePath, nativePath)); }
Status TGPGraphicsPath::GetLastPoint(TGPPointF& lastPoint)
{
    return SetStatus(GdipCall(eGdipGetPathLastPoint, nativePath, &lastPoint));
}
Status TGPGraphicsPath::AddLine(Single x1, Single y1, Single x2, Single y2)
{
    return SetStatus(GdipCall(eGdipAddPathLine, nativePath, x1, y1, x2, y2));
}
Status TGPGraphicsPath::AddLine(const TGPPointF& pt1, const TGPPointF& pt2) { return AddLine(pt1.X, pt1.Y, pt2.X, pt2.Y); }
Status TGPGraphicsPath::AddLine(Integer x1, Integer y1, Integer x2, Integer y2)
{
    return SetStatus(GdipCall(eGdipAddPathLineI, nativePath, x1, y1, x2, y2));
}
Status TGPGraphicsPath::AddLines(const TGPPoint* points, Integer count)
{
    return SetStatus(GdipCall(eGdipAddPathLine2I, nativePath, points, count));
}
Status TGPGraphicsPath::AddLines(const TGPPointF* points, Integer count)
{
    return SetStatus(GdipCall(eGdipAddPathLine2, nativePath, points, count));
}
Status TGPGraphicsPath::AddArc(Single x, Single y, Single width, Single height, Single startAngle, Single sweepAngle)
{
    return SetStatus(GdipCall(eGdipAddPathArc, nativePath, x, y, width, height, startAngle, sweepAngle));
}
Status TGPGraphicsPath::AddArc(const TGPRectF& rect, Single startAngle, Single sweepAngle)
{
    return AddArc(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}
Status TGPGraphicsPath::AddArc(const TGPRect& rect, Single startAngle, Single sweepAngle)
{
    return SetStatus(GdipCall(eGdipAddPathArcI, nativePath, rect.X, rect.Y, rect.Width, rect.Height, startAngle,
                              sweepAngle));
}
Status TGPGraphicsPath::AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3,
                                  const TGPPointF& pt4)
{
    return AddBezier(pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y);
}
Status TGPGraphicsPath::AddBezier(Single x1, Single y1, Single x2, Single y2, Single x3, Single y3, Single x4, Single y4)
{
    return SetStatus(GdipCall(eGdipAddPathBezier, nativePath, x1, y1, x2, y2, x3, y3, x4, y4));
}
Status TGPGraphicsPath::AddBeziers(const TGPPointF* points, Integer count)
{
    return SetStatus(GdipCall(eGdipAddPathBeziers, nativePath, points, count));
}
Status TGPGraphicsPath::AddCurve(const TGPPointF* points, Integer count)
{
    return SetStatus(GdipCall(eGdipAddPathCurve, nativePath, points, count));
}
Status TGPGraphicsPath::AddCurve(const TGPPointF* points, Integer count, Single tension)
{
    return SetStatus(GdipCall(eGdipAddPathCurve2, nativePath, points, count, tension));
}
Status TGPGraphicsPath::AddCurve(const TGPPointF* points, Integer count, Integer offset, Integer numberOfSegments,
                                 Single tension)
{
    return SetStatus(GdipCall(eGdipAddPathCurve3, nativePath, points, count, offset, numberOfSegments, tension));
}
Status TGPGraphicsPath::AddClosedCurve(const TGPPointF* points, Integer count, Single tension)
{
    return SetStatus(GdipCall(eGdipAddPathClosedCurve2, nativePath, points, count, tension));
}
Status TGPGraphicsPath::AddClosedCurve(const TGPPointF* points, Integer count)
{
    return SetStatus(GdipCall(eGdipAddPathClosedCurve, nativePath, points, count));
}
Status TGPGraphicsPath::AddRectangle(const TGPRectF& rect)
{
    return SetStatus(GdipCall(eGdipAddPathRectangle, nativePath, rect.X, rect.Y, rect.Width, rect.Height));
}
Status TGPGraphicsPath::AddRectangle(const TGPRect& rect)
{
    return SetStatus(GdipCall(eGdipAddPathRectangleI, nativePath, rect.X, rect.Y, rect.Width, rect.Height));
}
Status TGPGraphicsPath::AddRectangles(const TGPRectF* rects, Integer count)
{
    return SetStatus(GdipCall(eGdipAddPathRectangles, nativePath, rects, count));
}
Status TGPGraphicsPath::AddEllipse(Single x, Single y, Single width, Single height)
{
    return SetStatus(GdipCall(eGdipAddPathEllipse, nativePath, x, y, width, height));
}
Status TGPGraphicsPath::AddEllipse(const TGPRectF& rect) { return AddEllipse(rect.X, rect.Y, rect.Width, rect.Height); }
Status TGPGraphicsPath::AddEllipse(const TGPRect& rect) { return AddEllipse(rect.X, rect.Y, rect.Width, rect.Height); }
Status TGPGraphicsPath::AddPie(Single x, Single y, Single width, Single height, Single startAngle, Single sweepAngle)
{
    return SetStatus(GdipCall(eGdipAddPathPie, nativePath, x, y, width, height, startAngle, sweepAngle));
}
Status TGPGraphicsPath::AddPolygon(const TGPPointF* points, Integer count)
{
    return SetStatus(GdipCall(eGdipAddPathPolygon, nativePath, points, count));
}
Status TGPGraphicsPath::AddPolygon(const TGPPoint* points, Integer count)
{
    return SetStatus(GdipCall(eGdipAddPathPolygonI, nativePath, points, count));
}
Status TGPGraphicsPath::AddPath(TGPGraphicsPath* addingPath, bool connect)
{
    return SetStatus(GdipCall(eGdipAddPathPath, nativePath, addingPath ? addingPath->nativePath : nullptr,
                              static_cast<int>(connect)));
}
Status TGPGraphicsPath::AddString(const String& string_, Integer length, TGPFontFamily* family, Integer style,
                                  Single emSize, const TGPPointF& origin, TGPStringFormat* format)
{
    return AddString(string_, length, family, style, emSize, TGPRectF{origin.X, origin.Y, 0, 0}, format);
}
Status TGPGraphicsPath::AddString(const String& string_, Integer length, TGPFontFamily* family, Integer style,
                                  Single emSize, const TGPRectF& layoutRect, TGPStringFormat* format)
{
    return SetStatus(GdipCall(eGdipAddPathString, nativePath, string_.c_str(), length,
                              family ? family->Native() : nullptr, style, emSize, &layoutRect,
                              format ? format->Native() : nullptr));
}
Status TGPGraphicsPath::Warp(const TGPPointF* destPoints, Integer count, const TGPRectF& srcRect, TGPMatrix* matrix,
                             WarpMode warpMode, Single flatness)
{
    return SetStatus(GdipCall(eGdipWarpPath, nativePath, matrix ? matrix->Native() : nullptr, destPoints, count,
                              srcRect.X, srcRect.Y, srcRect.Width, srcRect.Height, warpMode, flatness));
}
Status TGPGraphicsPath::Transform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(eGdipTransformPath, nativePath, matrix ? matrix->Native() : nullptr));
}
Status TGPGraphicsPath::GetBounds(TGPRectF& bounds, TGPMatrix* matrix, TGPPen* pen)
{
    return SetStatus(GdipCall(eGdipGetPathWorldBounds, nativePath, &bounds, matrix ? matrix->Native() : nullptr,
                              pen ? pen->Native() : nullptr));
}
Status TGPGraphicsPath::GetBounds(TGPRect& bounds, TGPMatrix* matrix, TGPPen* pen)
{
    return SetStatus(GdipCall(eGdipGetPathWorldBoundsI, nativePath, &bounds, matrix ? matrix->Native() : nullptr,
                              pen ? pen->Native() : nullptr));
}
Status TGPGraphicsPath::Flatten(TGPMatrix* matrix, Single flatness)
{
    return SetStatus(GdipCall(eGdipFlattenPath, nativePath, matrix ? matrix->Native() : nullptr, flatness));
}
Status TGPGraphicsPath::Widen(TGPPen* pen, TGPMatrix* matrix, Single flatness)
{
    return SetStatus(GdipCall(eGdipWidenPath, nativePath, pen ? pen->Native() : nullptr,
                              matrix ? matrix->Native() : nullptr, flatness));
}
Status TGPGraphicsPath::Outline(TGPMatrix* matrix, Single flatness)
{
    return SetStatus(GdipCall(eGdipWindingModeOutline, nativePath, matrix ? matrix->Native() : nullptr, flatness));
}
Integer TGPGraphicsPath::GetPointCount()
{
    Integer count = 0;
    SetStatus(GdipCall(eGdipGetPointCount, nativePath, &count));
    return count;
}
Status TGPGraphicsPath::GetPathTypes(std::uint8_t* types, Integer count)
{
    return SetStatus(GdipCall(eGdipGetPathTypes, nativePath, types, count));
}
Status TGPGraphicsPath::GetPathPoints(PGPPointF points, Integer count)
{
    return SetStatus(GdipCall(eGdipGetPathPoints, nativePath, points, count));
}
Status TGPGraphicsPath::GetPathPoints(PGPPoint points, Integer count)
{
    return SetStatus(GdipCall(eGdipGetPathPointsI, nativePath, points, count));
}
bool TGPGraphicsPath::IsVisible(const TGPPointF& point, TGPGraphics* g) { return IsVisible(point.X, point.Y, g); }
bool TGPGraphicsPath::IsVisible(Integer x, Integer y, TGPGraphics* g)
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsVisiblePathPointI, nativePath, x, y, g ? g->Native() : nullptr, &result));
    return result != 0;
}
bool TGPGraphicsPath::IsOutlineVisible(Integer x, Integer y, TGPPen* pen, TGPGraphics* g)
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsOutlineVisiblePathPointI, nativePath, x, y, pen ? pen->Native() : nullptr,
                       g ? g->Native() : nullptr, &result));
    return result != 0;
}
bool TGPGraphicsPath::IsVisible(Single x, Single y, TGPGraphics* g)
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsVisiblePathPoint, nativePath, x, y, g ? g->Native() : nullptr, &result));
    return result != 0;
}
bool TGPGraphicsPath::IsOutlineVisible(Single x, Single y, TGPPen* pen, TGPGraphics* g)
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsOutlineVisiblePathPoint, nativePath, x, y, pen ? pen->Native() : nullptr,
                       g ? g->Native() : nullptr, &result));
    return result != 0;
}

// ---- Regions

TGPRegion::TGPRegion() { lastResult = GdipCall(eGdipCreateRegion, &nativeRegion); }
TGPRegion::TGPRegion(const TGPRectF& rect) { lastResult = GdipCall(eGdipCreateRegionRect, &rect, &nativeRegion); }
TGPRegion::TGPRegion(const TGPRect& rect) { lastResult = GdipCall(eGdipCreateRegionRectI, &rect, &nativeRegion); }
TGPRegion::TGPRegion(TGPGraphicsPath* path)
{
    lastResult = GdipCall(eGdipCreateRegionPath, path ? path->Native() : nullptr, &nativeRegion);
}
TGPRegion::TGPRegion(const std::uint8_t* regionData, Integer size)
{
    lastResult = GdipCall(eGdipCreateRegionRgnData, regionData, size, &nativeRegion);
}
TGPRegion::TGPRegion(void* ANativeRegion) : nativeRegion(ANativeRegion) {}
TGPRegion::~TGPRegion() { GdipCall(eGdipDeleteRegion, nativeRegion); }
std::unique_ptr<TGPRegion> TGPRegion::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(eGdipCloneRegion, nativeRegion, &copy));
    return std::make_unique<TGPRegion>(copy);
}
Status TGPRegion::MakeInfinite() { return SetStatus(GdipCall(eGdipSetInfinite, nativeRegion)); }
Status TGPRegion::MakeEmpty() { return SetStatus(GdipCall(eGdipSetEmpty, nativeRegion)); }
Status TGPRegion::Combine(const TGPRectF& rect, CombineMode mode)
{
    return SetStatus(GdipCall(eGdipCombineRegionRect, nativeRegion, &rect, mode));
}
Status TGPRegion::Intersect(const TGPRectF& rect) { return Combine(rect, CombineModeIntersect); }
Status TGPRegion::Union(const TGPRectF& rect) { return Combine(rect, CombineModeUnion); }
Status TGPRegion::Xor_(const TGPRectF& rect) { return Combine(rect, CombineModeXor); }
Status TGPRegion::Exclude(const TGPRectF& rect) { return Combine(rect, CombineModeExclude); }
Status TGPRegion::Complement(const TGPRectF& rect) { return Combine(rect, CombineModeComplement); }
Status TGPRegion::Combine(TGPRegion* region, CombineMode mode)
{
    return SetStatus(GdipCall(eGdipCombineRegionRegion, nativeRegion, region ? region->nativeRegion : nullptr, mode));
}
Status TGPRegion::Combine(TGPGraphicsPath* path, CombineMode mode)
{
    return SetStatus(GdipCall(eGdipCombineRegionPath, nativeRegion, path ? path->Native() : nullptr, mode));
}
Status TGPRegion::Intersect(TGPRegion* region) { return Combine(region, CombineModeIntersect); }
Status TGPRegion::Union(TGPRegion* region) { return Combine(region, CombineModeUnion); }
Status TGPRegion::Xor_(TGPRegion* region) { return Combine(region, CombineModeXor); }
Status TGPRegion::Exclude(TGPRegion* region) { return Combine(region, CombineModeExclude); }
Status TGPRegion::Complement(TGPRegion* region) { return Combine(region, CombineModeComplement); }
Status TGPRegion::Intersect(TGPGraphicsPath* path) { return Combine(path, CombineModeIntersect); }
Status TGPRegion::Union(TGPGraphicsPath* path) { return Combine(path, CombineModeUnion); }
Status TGPRegion::Xor_(TGPGraphicsPath* path) { return Combine(path, CombineModeXor); }
Status TGPRegion::Exclude(TGPGraphicsPath* path) { return Combine(path, CombineModeExclude); }
Status TGPRegion::Complement(TGPGraphicsPath* path) { return Combine(path, CombineModeComplement); }
Cardinal TGPRegion::GetDataSize()
{
    Cardinal size = 0;
    SetStatus(GdipCall(eGdipGetRegionDataSize, nativeRegion, &size));
    return size;
}
Status TGPRegion::GetData(std::uint8_t* buffer, Cardinal bufferSize, Cardinal* sizeFilled)
{
    return SetStatus(GdipCall(eGdipGetRegionData, nativeRegion, buffer, bufferSize, sizeFilled));
}
Status TGPRegion::Translate(Integer dx, Integer dy) { return SetStatus(GdipCall(eGdipTranslateRegionI, nativeRegion, dx, dy)); }
bool TGPRegion::IsVisible(const TGPRectF& rect, TGPGraphics* g)
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsVisibleRegionRect, nativeRegion, rect.X, rect.Y, rect.Width, rect.Height,
                       g ? g->Native() : nullptr, &result));
    return result != 0;
}
Integer TGPRegion::GetRegionScansCount(TGPMatrix* matrix)
{
    Cardinal count = 0;
    SetStatus(GdipCall(eGdipGetRegionScansCount, nativeRegion, &count, matrix ? matrix->Native() : nullptr));
    return static_cast<Integer>(count);
}
Status TGPRegion::GetRegionScans(TGPMatrix* matrix, TGPRectF* rects, Integer& count)
{
    return SetStatus(GdipCall(eGdipGetRegionScans, nativeRegion, rects, &count, matrix ? matrix->Native() : nullptr));
}
Status TGPRegion::Translate(Single dx, Single dy) { return SetStatus(GdipCall(eGdipTranslateRegion, nativeRegion, dx, dy)); }
Status TGPRegion::Transform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(eGdipTransformRegion, nativeRegion, matrix ? matrix->Native() : nullptr));
}
Status TGPRegion::GetBounds(TGPRectF& rect, TGPGraphics* g)
{
    return SetStatus(GdipCall(eGdipGetRegionBounds, nativeRegion, g ? g->Native() : nullptr, &rect));
}
bool TGPRegion::IsEmpty(TGPGraphics* g)
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsEmptyRegion, nativeRegion, g ? g->Native() : nullptr, &result));
    return result != 0;
}
bool TGPRegion::IsInfinite(TGPGraphics* g)
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsInfiniteRegion, nativeRegion, g ? g->Native() : nullptr, &result));
    return result != 0;
}
bool TGPRegion::IsEqual(TGPRegion* region, TGPGraphics* g)
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsEqualRegion, nativeRegion, region ? region->nativeRegion : nullptr,
                       g ? g->Native() : nullptr, &result));
    return result != 0;
}
bool TGPRegion::IsVisible(Single x, Single y, TGPGraphics* g)
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsVisibleRegionPoint, nativeRegion, x, y, g ? g->Native() : nullptr, &result));
    return result != 0;
}

// ---- Paths and regions: Integer geometry and the record forms

Status TGPGraphicsPath::AddLine(const TGPPoint& pt1, const TGPPoint& pt2) { return AddLine(pt1.X, pt1.Y, pt2.X, pt2.Y); }
Status TGPGraphicsPath::AddArc(Integer x, Integer y, Integer width, Integer height, Single startAngle,
                               Single sweepAngle)
{
    return SetStatus(GdipCall(eGdipAddPathArcI, nativePath, x, y, width, height, startAngle, sweepAngle));
}
Status TGPGraphicsPath::AddBezier(Integer x1, Integer y1, Integer x2, Integer y2, Integer x3, Integer y3, Integer x4,
                                  Integer y4)
{
    return SetStatus(GdipCall(eGdipAddPathBezierI, nativePath, x1, y1, x2, y2, x3, y3, x4, y4));
}
Status TGPGraphicsPath::AddBezier(const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3, const TGPPoint& pt4)
{
    return AddBezier(pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y);
}
Status TGPGraphicsPath::AddBeziers(const TGPPoint* points, Integer count)
{
    return SetStatus(GdipCall(eGdipAddPathBeziersI, nativePath, points, count));
}
Status TGPGraphicsPath::AddCurve(const TGPPoint* points, Integer count)
{
    return SetStatus(GdipCall(eGdipAddPathCurveI, nativePath, points, count));
}
Status TGPGraphicsPath::AddCurve(const TGPPoint* points, Integer count, Single tension)
{
    return SetStatus(GdipCall(eGdipAddPathCurve2I, nativePath, points, count, tension));
}
Status TGPGraphicsPath::AddCurve(const TGPPoint* points, Integer count, Integer offset, Integer numberOfSegments,
                                 Single tension)
{
    return SetStatus(GdipCall(eGdipAddPathCurve3I, nativePath, points, count, offset, numberOfSegments, tension));
}
Status TGPGraphicsPath::AddClosedCurve(const TGPPoint* points, Integer count)
{
    return SetStatus(GdipCall(eGdipAddPathClosedCurveI, nativePath, points, count));
}
Status TGPGraphicsPath::AddClosedCurve(const TGPPoint* points, Integer count, Single tension)
{
    return SetStatus(GdipCall(eGdipAddPathClosedCurve2I, nativePath, points, count, tension));
}
Status TGPGraphicsPath::AddRectangles(const TGPRect* rects, Integer count)
{
    return SetStatus(GdipCall(eGdipAddPathRectanglesI, nativePath, rects, count));
}
Status TGPGraphicsPath::AddEllipse(Integer x, Integer y, Integer width, Integer height)
{
    return SetStatus(GdipCall(eGdipAddPathEllipseI, nativePath, x, y, width, height));
}
Status TGPGraphicsPath::AddPie(const TGPRectF& rect, Single startAngle, Single sweepAngle)
{
    return AddPie(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}
Status TGPGraphicsPath::AddPie(Integer x, Integer y, Integer width, Integer height, Single startAngle,
                               Single sweepAngle)
{
    return SetStatus(GdipCall(eGdipAddPathPieI, nativePath, x, y, width, height, startAngle, sweepAngle));
}
Status TGPGraphicsPath::AddPie(const TGPRect& rect, Single startAngle, Single sweepAngle)
{
    return AddPie(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}
Status TGPGraphicsPath::AddString(const String& string_, Integer length, TGPFontFamily* family, Integer style,
                                  Single emSize, const TGPPoint& origin, TGPStringFormat* format)
{
    return AddString(string_, length, family, style, emSize, TGPRect{origin.X, origin.Y, 0, 0}, format);
}
Status TGPGraphicsPath::AddString(const String& string_, Integer length, TGPFontFamily* family, Integer style,
                                  Single emSize, const TGPRect& layoutRect, TGPStringFormat* format)
{
    return SetStatus(GdipCall(eGdipAddPathStringI, nativePath, string_.c_str(), length,
                              family ? family->Native() : nullptr, style, emSize, &layoutRect,
                              format ? format->Native() : nullptr));
}
bool TGPGraphicsPath::IsVisible(const TGPPoint& point, TGPGraphics* g) { return IsVisible(point.X, point.Y, g); }
bool TGPGraphicsPath::IsOutlineVisible(const TGPPointF& point, TGPPen* pen, TGPGraphics* g)
{
    return IsOutlineVisible(point.X, point.Y, pen, g);
}
bool TGPGraphicsPath::IsOutlineVisible(const TGPPoint& point, TGPPen* pen, TGPGraphics* g)
{
    return IsOutlineVisible(point.X, point.Y, pen, g);
}

TGPRegion::TGPRegion(HRGN hRgn, Integer, Integer) { lastResult = GdipCall(eGdipCreateRegionHrgn, hRgn, &nativeRegion); }
std::unique_ptr<TGPRegion> TGPRegion::FromHRGN(HRGN hRgn)
{
    void* region = nullptr;
    if (GdipCall(eGdipCreateRegionHrgn, hRgn, &region) != Ok) return nullptr;
    return std::make_unique<TGPRegion>(region);
}
Status TGPRegion::Combine(const TGPRect& rect, CombineMode mode)
{
    return SetStatus(GdipCall(eGdipCombineRegionRectI, nativeRegion, &rect, mode));
}
Status TGPRegion::Intersect(const TGPRect& rect) { return Combine(rect, CombineModeIntersect); }
Status TGPRegion::Union(const TGPRect& rect) { return Combine(rect, CombineModeUnion); }
Status TGPRegion::Xor_(const TGPRect& rect) { return Combine(rect, CombineModeXor); }
Status TGPRegion::Exclude(const TGPRect& rect) { return Combine(rect, CombineModeExclude); }
Status TGPRegion::Complement(const TGPRect& rect) { return Combine(rect, CombineModeComplement); }
Status TGPRegion::GetBounds(TGPRect& rect, TGPGraphics* g)
{
    return SetStatus(GdipCall(eGdipGetRegionBoundsI, nativeRegion, g ? g->Native() : nullptr, &rect));
}
HRGN TGPRegion::GetHRGN(TGPGraphics* g)
{
    HRGN hRgn = nullptr;
    SetStatus(GdipCall(eGdipGetRegionHRgn, nativeRegion, g ? g->Native() : nullptr, &hRgn));
    return hRgn;
}
bool TGPRegion::IsVisible(const TGPPointF& point, TGPGraphics* g) { return IsVisible(point.X, point.Y, g); }
bool TGPRegion::IsVisible(Integer x, Integer y, TGPGraphics* g)
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsVisibleRegionPointI, nativeRegion, x, y, g ? g->Native() : nullptr, &result));
    return result != 0;
}
bool TGPRegion::IsVisible(const TGPPoint& point, TGPGraphics* g) { return IsVisible(point.X, point.Y, g); }
bool TGPRegion::IsVisible(Single x, Single y, Single width, Single height, TGPGraphics* g)
{
    return IsVisible(TGPRectF{x, y, width, height}, g);
}
bool TGPRegion::IsVisible(Integer x, Integer y, Integer width, Integer height, TGPGraphics* g)
{
    int result = 0;
    SetStatus(GdipCall(eGdipIsVisibleRegionRectI, nativeRegion, x, y, width, height, g ? g->Native() : nullptr,
                       &result));
    return result != 0;
}
bool TGPRegion::IsVisible(const TGPRect& rect, TGPGraphics* g)
{
    return IsVisible(rect.X, rect.Y, rect.Width, rect.Height, g);
}
Status TGPRegion::GetRegionScans(TGPMatrix* matrix, TGPRect* rects, Integer& count)
{
    return SetStatus(GdipCall(eGdipGetRegionScansI, nativeRegion, rects, &count, matrix ? matrix->Native() : nullptr));
}
