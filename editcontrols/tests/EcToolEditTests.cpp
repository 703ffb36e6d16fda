// Where the combo edit's pop-up opens.
#include <gtest/gtest.h>

#include "editcontrols/EcToolEdit.h"

namespace {

TEST(PopupPlacement, BelowOrAboveTheEditAndInsideTheWorkArea)
{
    // A 1000 x 700 work area from (0, 0); a 137 x 127 calculator under a 100 x 21 edit.
    const TRect area = Rect(0, 0, 1000, 700);
    const TSize calc{137, 127};
    struct Case { const char* What; TRect Edit; TPopupAlign Align; TPoint At; };
    const Case cases[] = {
        {"right edges aligned", Bounds(300, 200, 100, 21), epaRight, {263, 221}},
        {"left edges aligned", Bounds(300, 200, 100, 21), epaLeft, {300, 221}},
        {"no room below: above", Bounds(300, 600, 100, 21), epaRight, {263, 473}},
        {"would pass the left: left edges", Bounds(20, 200, 100, 21), epaRight, {20, 221}},
        {"would pass the right: right edges", Bounds(900, 200, 100, 21), epaLeft, {863, 221}},
        {"clamped at the left", Bounds(-50, 200, 100, 21), epaRight, {0, 221}},
        {"clamped at the right", Bounds(950, 200, 100, 21), epaLeft, {863, 221}},
    };
    for (const Case& c : cases) EXPECT_EQ(PopupPlacement(c.Edit, calc, area, c.Align), c.At) << c.What;
}

}  // namespace
