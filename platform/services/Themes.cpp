#include "platform/services/Themes.h"

#include <initializer_list>
#include <utility>

namespace {

// The part and state of an ordinal of a kind's enumeration: parts are given with the ordinal of
// their first state; ordinals before the first part are the "don't care" and root values.
TThemedElementDetails Details(TThemedElement element, int ordinal, std::initializer_list<std::pair<int, int>> parts)
{
    TThemedElementDetails d{element, 0, 0};
    for (const auto& [part, base] : parts)
        if (ordinal >= base) {
            d.Part = part;
            d.State = ordinal - base + 1;
        }
    return d;
}

}  // namespace

TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedButton v) const
{
    return Details(teButton, v, {{1, 2}, {2, 8}, {3, 16}});
}
TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedComboBox v) const
{
    return Details(teComboBox, v, {{1, 2}});
}
TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedEdit v) const
{
    return Details(teEdit, v, {{1, 2}, {2, 9}});
}
TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedToolBar v) const
{
    return Details(teToolBar, v, {{1, 2}, {2, 10}, {3, 18}, {4, 26}, {5, 34}, {6, 42}});
}
TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedToolTip v) const
{
    return Details(teToolTip, v, {{1, 2}, {2, 4}, {3, 6}, {4, 8}, {5, 10}});
}
TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedWindow v) const
{
    return Details(teWindow, v, {{19, 56}});
}
TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedPanel v) const
{
    return Details(tePanel, v, {{1, 2}, {2, 3}});
}
TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedHeader v) const
{
    return Details(teHeader, v, {{1, 2}, {2, 5}, {3, 8}, {4, 11}});
}
TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedProgress v) const
{
    return Details(teProgress, v, {{1, 2}, {2, 3}, {3, 4}, {4, 5}});
}
TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedScrollBar v) const
{
    return Details(teScrollBar, v,
                   {{1, 2}, {2, 22}, {3, 26}, {4, 30}, {5, 35}, {6, 40}, {7, 45}, {8, 50}, {9, 55}, {10, 60}});
}
TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedSpin v) const
{
    return Details(teSpin, v, {{1, 2}, {2, 6}, {3, 10}, {4, 14}});
}
TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedStatus v) const
{
    return Details(teStatus, v, {{1, 2}, {2, 3}, {3, 4}});
}
TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedTab v) const
{
    return Details(teTab, v,
                   {{1, 2}, {2, 7}, {3, 12}, {4, 17}, {5, 22}, {6, 27}, {7, 32}, {8, 37}, {9, 42}, {10, 43}});
}
TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedTrackBar v) const
{
    return Details(teTrackBar, v,
                   {{1, 2}, {2, 3}, {3, 4}, {4, 9}, {5, 14}, {6, 19}, {7, 24}, {8, 29}, {9, 34}, {10, 35}});
}
TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedTreeview v) const
{
    return Details(teTreeview, v, {{0, 1}, {1, 2}, {2, 8}, {3, 10}});
}
TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedListview v) const
{
    return Details(teListView, v, {{1, 2}});
}
TThemedElementDetails TCustomStyleServices::GetElementDetails(TThemedExplorerBar v) const
{
    return Details(teExplorerBar, v, {{1, 2}});
}

bool TCustomStyleServices::DrawElement(HDC, const TThemedElementDetails&, const TRect&, const TRect*) { return false; }
bool TCustomStyleServices::DrawParentBackground(HWND, HDC, const TThemedElementDetails*, bool, const TRect*)
{
    return false;
}
bool TCustomStyleServices::DrawText(HDC, const TThemedElementDetails&, const String&, TRect&, Cardinal, TColor)
{
    return false;
}
bool TCustomStyleServices::GetTextExtent(HDC, const TThemedElementDetails&, const String&, Cardinal, const TRect*,
                                         TRect&)
{
    return false;
}
bool TCustomStyleServices::GetElementColor(const TThemedElementDetails&, TElementColor, TColor&) const { return false; }
bool TCustomStyleServices::GetElementSize(HDC, const TThemedElementDetails&, TElementSize, TSize&) const { return false; }
bool TCustomStyleServices::GetElementContentRect(HDC, const TThemedElementDetails&, const TRect&, TRect&) const
{
    return false;
}
bool TCustomStyleServices::HasTransparentParts(const TThemedElementDetails&) const { return false; }
TColor TCustomStyleServices::GetSystemColor(TColor color) const { return ColorToRGB(color); }
TColor TCustomStyleServices::GetStyleColor(TStyleColor) const { return clNone; }

TCustomStyleServices& StyleServices()
{
    static TCustomStyleServices services;
    return services;
}
