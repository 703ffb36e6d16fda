// The combo box read from a form description as the stability drawings window describes its one.
#include <gtest/gtest.h>

#include "listcontrols/GxCombo.h"
#include "listcontrols/slstbox.h"
#include "platform/classes/FormReader.h"
#include "platform/testing/Driver.h"

namespace {

const char* const DrawingsPanel = R"(object Panel1: TPanel
  Left = 0
  Top = 0
  Width = 600
  Height = 50
  object ComboBoxCombinaison: TGxComboBox
    Left = 82
    Top = 15
    Width = 375
    Height = 21
    Color = clWindow
    Version = '9.9.9.9'
    Visible = True
    ButtonWidth = 17
    EmptyTextStyle = []
    DropWidth = 0
    Enabled = True
    ItemIndex = -1
    LabelFont.Charset = DEFAULT_CHARSET
    LabelFont.Color = clWindowText
    LabelFont.Height = -11
    LabelFont.Name = 'Tahoma'
    LabelFont.Style = []
    TabOrder = 0
  end
end)";

TEST(GxComboForms, TheDrawingsBoxIsReadWithItsButtonWidthAndNoLabel)
{
    TestInitialize();
    RegisterListControlClasses();
    std::unique_ptr<TComponent> root(ReadComponentText(DrawingsPanel));
    auto* box = dynamic_cast<TGxComboBox*>(root->FindComponent("ComboBoxCombinaison"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->ButtonWidth(), 17);
    EXPECT_EQ(box->Style(), csDropDown);
    EXPECT_EQ(box->Color(), TColor(clWindow));
    EXPECT_EQ(box->Version(), String("2.0.0.6"));   // what the description says is ignored
    EXPECT_EQ(box->GetVersionNr(), 0x02000006);
    EXPECT_EQ(box->ComboLabel(), nullptr);
    EXPECT_EQ(box->LabelFont().Height(), -11);
    EXPECT_TRUE(box->ParentFont());
    EXPECT_EQ(box->UIStyle(), tsCustom);
    EXPECT_FALSE(box->Flat());
    EXPECT_EQ(box->ItemIndex(), -1);
}

}  // namespace
