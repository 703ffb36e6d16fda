#pragma once
// Regions: sets of pixels made of rectangles, combined with the usual boolean operations.
// A region is held as horizontal bands, each with sorted, disjoint x intervals.
#include <vector>

#include "platform/graphics/Graphics.h"

enum TRegionCombine { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
enum TRegionKind { ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

class TRegion {
public:
    TRegion() = default;
    explicit TRegion(const TRect& r);
    static TRegion Ellipse(const TRect& box);
    // The rectangle with its corners rounded by an ellipse of cw x ch.
    static TRegion RoundRect(const TRect& box, Integer cw, Integer ch);
    static TRegion Polygon(const std::vector<TPoint>& points, bool winding);

    bool IsEmpty() const { return FBands.empty(); }
    bool Contains(Integer x, Integer y) const;
    bool Intersects(const TRect& r) const;
    TRect BoundingRect() const;
    std::vector<TRect> Rects() const;   // disjoint, sorted by top then left
    int Kind() const;
    void Offset(Integer dx, Integer dy);
    // this := this <op> other
    void Combine(const TRegion& other, int op);
    friend bool operator==(const TRegion& a, const TRegion& b);

    struct Band {
        Integer Top, Bottom;
        std::vector<std::pair<Integer, Integer>> Spans;   // [left, right)
    };
    const std::vector<Band>& Bands() const { return FBands; }
    void AddSpan(Integer y, Integer left, Integer right);   // one-row span, rows added top-down

private:
    void Normalize();
    std::vector<Band> FBands;
};

using HRGN = TRegion*;
HRGN CreateRectRgn(Integer left, Integer top, Integer right, Integer bottom);
HRGN CreateRectRgnIndirect(const TRect& r);
HRGN CreateEllipticRgn(Integer left, Integer top, Integer right, Integer bottom);
HRGN CreateRoundRectRgn(Integer left, Integer top, Integer right, Integer bottom, Integer width, Integer height);
HRGN CreatePolygonRgn(const TPoint* points, int count, int fillMode);
int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);
int OffsetRgn(HRGN rgn, Integer dx, Integer dy);
int GetRgnBox(HRGN rgn, TRect* r);
bool PtInRegion(HRGN rgn, Integer x, Integer y);
bool RectInRegion(HRGN rgn, const TRect* r);
bool EqualRgn(HRGN a, HRGN b);
bool DeleteObject(HRGN rgn);
