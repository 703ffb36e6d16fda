#include "StyledTestSupport.h"

#include <gtest/gtest.h>

#include "platform/backend/qt/QtGraphics.h"

namespace {
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { InitQtGraphics(); }
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);
}  // namespace

std::string Picture(TBitmap& bmp, const TLegend& legend)
{
    std::string out;
    for (Integer y = 0; y < bmp.Height(); ++y) {
        if (y) out += '/';
        for (Integer x = 0; x < bmp.Width(); ++x) {
            const TColor c = ColorToRGB(bmp.Canvas().Pixel(x, y)) & 0xFFFFFF;
            char letter = '?';
            for (const auto& [ch, color] : legend)
                if ((ColorToRGB(color) & 0xFFFFFF) == c) {
                    letter = ch;
                    break;
                }
            out += letter;
        }
    }
    return out;
}

const TLegend& FaceLegend()
{
    static const TLegend legend = {{'W', clBtnHighlight}, {'L', cl3DLight}, {'F', clBtnFace}, {'S', clBtnShadow},
                                   {'D', cl3DDkShadow},   {'K', clBlack},   {'w', clWhite},
                                   {'G', 0x808080},       {'X', clWindowFrame}, {'.', clFuchsia}};
    return legend;
}

void FilledBitmap(TBitmap& bmp, Integer width, Integer height, TColor color)
{
    bmp.SetPixelFormat(TPixelFormat::pf32bit);
    bmp.SetSize(width, height);
    bmp.Canvas().Brush().SetStyle(TBrushStyle::bsSolid);
    bmp.Canvas().Brush().SetColor(color);
    bmp.Canvas().FillRect(Rect(0, 0, width, height));
}

std::string RectText(const TRect& r)
{
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
}
