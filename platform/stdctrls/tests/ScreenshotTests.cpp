#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/backend/qt/QtGraphics.h"
#include "platform/classes/FormReader.h"
#include "platform/graphics/Codecs.h"
#include "platform/rtl/FileSys.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"
#include "platform/stdctrls/tests/FakeWindowSystem.h"

namespace {

// One of each control drawn by the layer.
const char* const AllControls = R"(object Form1: TPanel
  Left = 0
  Top = 0
  Width = 420
  Height = 330
  BevelOuter = bvNone
  Font.Name = 'Tahoma'
  Font.Height = -11
  object Label1: TLabel
    Left = 8
    Top = 8
    Caption = 'Water &level (m):'
  end
  object Panel1: TPanel
    Left = 8
    Top = 28
    Width = 120
    Height = 40
    BevelInner = bvLowered
    Caption = 'Panel'
  end
  object Bevel1: TBevel
    Left = 136
    Top = 28
    Width = 60
    Height = 40
  end
  object Shape1: TShape
    Left = 204
    Top = 28
    Width = 40
    Height = 40
    Shape = stCircle
  end
  object CheckBox1: TCheckBox
    Left = 8
    Top = 76
    Width = 120
    Caption = 'Drains'
    Checked = True
  end
  object RadioButton1: TRadioButton
    Left = 136
    Top = 76
    Width = 110
    Caption = 'Metric'
  end
  object GroupBox1: TGroupBox
    Left = 252
    Top = 8
    Width = 160
    Height = 60
    Caption = 'Group'
  end
  object RadioGroup1: TRadioGroup
    Left = 252
    Top = 72
    Width = 160
    Height = 70
    Caption = 'Units'
    Items = (
      'Metric'
      'Imperial')
    ItemIndex = 1
  end
  object ListBox1: TListBox
    Left = 8
    Top = 100
    Width = 120
    Height = 60
    Items = (
      'Usual'
      'Flood'
      'Seismic #1'
      'Seismic #2'
      'Post-seismic')
  end
  object StringGrid1: TStringGrid
    Left = 136
    Top = 100
    Width = 110
    Height = 80
    ColCount = 3
    RowCount = 4
    DefaultColWidth = 40
    DefaultRowHeight = 16
  end
  object ComboBox1: TComboBox
    Left = 8
    Top = 192
    Width = 120
    Style = csDropDownList
    Items = (
      'Metric'
      'Imperial')
    ItemIndex = 0
  end
  object ProgressBar1: TProgressBar
    Left = 8
    Top = 170
    Width = 120
    Height = 14
    Position = 40
  end
  object PageControl1: TPageControl
    Left = 252
    Top = 150
    Width = 160
    Height = 90
    object TabSheet1: TTabSheet
      Caption = 'Loads'
    end
    object TabSheet2: TTabSheet
      Caption = 'Results'
    end
  end
  object StatusBar1: TStatusBar
    Panels = <
      item
        Text = 'x = 12.50'
        Width = 100
      end
      item
        Text = 'e = 3.00'
        Width = 100
      end>
  end
end
)";

// The windows of the tree composed into one picture, as the screen shows them.
void Grab(TWinControl* control, TBitmap& into, TPoint at)
{
    if (const TWindowSurface* s = control->Surface())
        for (Integer y = 0; y < s->Height(); ++y) {
            Integer ty = at.Y + y;
            if (ty < 0 || ty >= into.Height()) continue;
            auto* row = reinterpret_cast<Cardinal*>(into.ScanLine(ty));
            for (Integer x = 0; x < s->Width(); ++x)
                if (at.X + x >= 0 && at.X + x < into.Width()) row[at.X + x] = s->Bits()[y * s->Width() + x] | 0xFF000000;
        }
    Integer b = control->BorderWidthNC();
    for (Integer i = 0; i < control->ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(control->Controls(i)); child && child->Visible())
            Grab(child, into, TPoint{at.X + b + child->Left(), at.Y + b + child->Top()});
}

void PaintAll(TWinControl* control)
{
    control->Repaint();
    for (Integer i = 0; i < control->ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(control->Controls(i))) PaintAll(child);
}

}  // namespace

TEST(Screenshot, AFormWithEachControlLooksAsStored)
{
    InitQtGraphics();
    RegisterStdControlClasses();
    FakeWindows windows;
    std::unique_ptr<TComponent> root(ReadComponentText(AllControls));
    auto* form = dynamic_cast<TWinControl*>(root.get());
    ASSERT_NE(form, nullptr);
    auto* pages = dynamic_cast<TPageControl*>(form->FindComponent("PageControl1"));
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(dynamic_cast<TStatusBar*>(form->FindComponent("StatusBar1"))->Panels()[1]->Text(), String("e = 3.00"));
    auto* grid = dynamic_cast<TStringGrid*>(form->FindComponent("StringGrid1"));
    grid->SetCells(1, 0, "Up");
    grid->SetCells(2, 0, "Down");
    grid->SetCells(0, 1, "1");
    grid->SetCells(1, 1, "0.25");
    dynamic_cast<TListBox*>(form->FindComponent("ListBox1"))->SetItemIndex(1);

    form->Realign();   // aligned controls take their places
    form->HandleNeeded();
    PaintAll(form);
    TPngImage shot;
    shot.Image().SetPixelFormat(TPixelFormat::pf32bit);
    shot.Image().SetSize(form->Width(), form->Height());
    Grab(form, shot.Image(), TPoint{0, 0});

    String stored = String(std::getenv("DORVANE_TEST_DATA") ? std::getenv("DORVANE_TEST_DATA") : ".") +
                    "/tests/pictures/all-controls.png";
    if (std::getenv("DORVANE_UPDATE_PICTURES")) shot.SaveToFile(stored);
    ASSERT_TRUE(std::filesystem::exists(stored.ToUtf8())) << "no stored picture " << stored;
    TPngImage expected;
    expected.LoadFromFile(stored);
    ASSERT_EQ(expected.Width(), shot.Width());
    ASSERT_EQ(expected.Height(), shot.Height());
    // Text may move by a pixel with another font build: allow a few differing pixels.
    Integer differing = 0;
    for (Integer y = 0; y < shot.Height(); ++y) {
        auto* a = reinterpret_cast<Cardinal*>(shot.Image().ScanLine(y));
        auto* b = reinterpret_cast<Cardinal*>(expected.Image().ScanLine(y));
        for (Integer x = 0; x < shot.Width(); ++x)
            if ((a[x] & 0xFFFFFF) != (b[x] & 0xFFFFFF)) ++differing;
    }
    EXPECT_LT(differing, shot.Width() * shot.Height() / 100) << differing << " pixels differ";
    if (differing > 0) shot.SaveToFile(GetTempDir() + "all-controls-actual.png");
}
