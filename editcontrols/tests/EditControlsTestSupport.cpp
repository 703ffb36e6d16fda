#include "editcontrols/tests/EditControlsTestSupport.h"

#include <gtest/gtest.h>

#include "platform/backend/qt/QtGraphics.h"
#include "platform/graphics/Raster.h"

namespace {
// Text is measured and drawn by the Qt back end's fonts.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { InitQtGraphics(); }
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);
}  // namespace

std::string Picture(TBitmap& bmp, const std::vector<std::pair<TColor, char>>& inks)
{
    std::string out;
    TPixelBuffer px;
    bmp.GetPixels(px);
    for (Integer y = 0; y < px.Height; ++y) {
        if (y) out += '/';
        for (Integer x = 0; x < px.Width; ++x) {
            char c = '?';
            for (const auto& [ink, letter] : inks)
                if ((px.Row(y)[x] & 0xFFFFFF) == raster::ToPixel(ColorToRGB(ink))) {
                    c = letter;
                    break;
                }
            out += c;
        }
    }
    return out;
}
