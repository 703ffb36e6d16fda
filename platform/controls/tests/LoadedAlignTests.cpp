// Controls aligned in a form description take their places once the description is read.
#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/FormReader.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/Edits.h"

TEST(LoadedAlign, AlignedChildrenArePlacedAfterReading)
{
    RegisterControlClasses();
    std::unique_ptr<TComponent> root(ReadComponentText(
        "object Host: TCustomControl\n"
        "  Width = 200\n"
        "  Height = 100\n"
        "  object Header: TButton\n"
        "    Align = alTop\n"
        "    Height = 30\n"
        "  end\n"
        "  object Footer: TButton\n"
        "    Align = alBottom\n"
        "    Height = 20\n"
        "  end\n"
        "  object Fill: TEdit\n"
        "    Align = alClient\n"
        "  end\n"
        "end\n"));
    auto* host = dynamic_cast<TWinControl*>(root.get());
    ASSERT_NE(host, nullptr);
    auto place = [&](const char* name) { return host->FindChildControl(name)->BoundsRect(); };
    EXPECT_EQ(place("Header"), Rect(0, 0, 200, 30));
    EXPECT_EQ(place("Footer"), Rect(0, 80, 200, 100));
    EXPECT_EQ(place("Fill"), Rect(0, 30, 200, 80));
}
