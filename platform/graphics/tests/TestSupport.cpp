#include "TestSupport.h"

#include <gtest/gtest.h>

#include "platform/backend/qt/QtGraphics.h"
#include "platform/graphics/Raster.h"

namespace {
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { InitQtGraphics(); }
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);
}  // namespace

std::string Picture(TBitmap& bmp, TColor ink)
{
    std::string out;
    TPixelBuffer px;
    bmp.GetPixels(px);
    const Cardinal pixel = raster::ToPixel(ink);
    for (Integer y = 0; y < px.Height; ++y) {
        if (y) out += '/';
        for (Integer x = 0; x < px.Width; ++x) out += (px.Row(y)[x] & 0xFFFFFF) == pixel ? 'X' : '.';
    }
    return out;
}

void WhiteBitmap(TBitmap& bmp, Integer width, Integer height)
{
    bmp.SetPixelFormat(TPixelFormat::pf32bit);
    bmp.SetSize(width, height);
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect(Rect(0, 0, width, height));
}
