// The control bar with tool bars in its bands, on a shown form of the real back end: two rows,
// each band with its raised frame and handle around a native tool bar.
#include <gtest/gtest.h>

#include "platform/classes/FormReader.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"
#include "platform/testing/Driver.h"

namespace {

const char* const BarForm = R"(object BarForm: TForm
  Left = 0
  Top = 0
  Font.Name = 'Tahoma'
  Font.Height = -11
  object ControlBar1: TControlBar
    Left = 0
    Top = 0
    Width = 320
    Height = 52
    Align = alTop
    AutoSize = True
    object ToolBar1: TToolBar
      Left = 11
      Top = 2
      Width = 120
      Height = 22
      Caption = 'File'
      object ToolButton1: TToolButton
        Caption = 'New'
      end
      object ToolButton2: TToolButton
        Caption = 'Open'
      end
    end
    object ToolBar2: TToolBar
      Left = 150
      Top = 2
      Width = 90
      Height = 22
      Caption = 'Input'
      object ToolButton3: TToolButton
        Caption = 'Mass'
      end
    end
    object ToolBar3: TToolBar
      Left = 11
      Top = 28
      Width = 100
      Height = 22
      Caption = 'Analysis'
      object ToolButton4: TToolButton
        Caption = 'Start'
      end
    end
  end
end
)";

TEST(ControlBarScreenshot, ToolBarsSitInRaisedBandsWithHandles)
{
    TestInitialize();
    RegisterStdControlClasses();
    auto* form = new TForm(nullptr);
    ReadComponentText(BarForm, form);
    form->SetClientWidth(320);
    form->SetClientHeight(80);
    form->Show();
    TestProcess();
    auto* bar = dynamic_cast<TControlBar*>(form->FindComponent("ControlBar1"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Height(), 52);
    TBitmap shot;
    TestScreenshot(form, "platform-control-bar", shot);
    // the second band of the top row: its frame and handle beside the native tool bar
    auto* second = dynamic_cast<TControl*>(form->FindComponent("ToolBar2"));
    const TRect band = bar->BandRect(second);
    EXPECT_EQ(band, Rect(139, 0, 242, 26));
    EXPECT_EQ(ColorToRGB(TestPixel(bar, band.Left, band.Top + 5)), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(ColorToRGB(TestPixel(bar, band.Right - 1, band.Top + 5)), ColorToRGB(clBtnShadow));
    EXPECT_EQ(ColorToRGB(TestPixel(bar, band.Left + 2, band.Top + 10)), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(ColorToRGB(TestPixel(bar, band.Left + 4, band.Top + 10)), ColorToRGB(clBtnShadow));
    delete form;
    TestProcess();
}

}  // namespace
