#include <gtest/gtest.h>

#include "ListTestSupport.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/classes/TypInfo.h"

namespace {

// A list box as the analysis window describes it: one read-only section stored open, the
// section and sub-item rows 16 and 15 pixels high, 3-D nodes.
const char* const AnalysisList = R"(object Panel1: TPanel
  Left = 0
  Top = 0
  Width = 300
  Height = 300
  object SectionListBox: TSectionListBox
    Left = 8
    Top = 8
    Width = 260
    Height = 200
    Sections = <
      item
        Caption = 'Loads:'
        State = lssExpanded
        SubItems = (
          'Self weight'
          'Reservoir')
        ReadOnly = True
        ItemHeight = 15
        AutoSize = True
      end>
    SectionHeight = 16
    SectionIndent = 16
    SubItemHeight = 15
    NodeType = ln3D
    SelectionColor = clWhite
    SelectionTextColor = clBlue
  end
end)";

TEST(SectionForms, AListBoxIsReadFromItsFormDescription)
{
    TestInitialize();
    RegisterListControlClasses();
    std::unique_ptr<TComponent> root(ReadComponentText(AnalysisList));
    auto* list = dynamic_cast<TSectionListBox*>(root->FindComponent("SectionListBox"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->Sections().Count(), 1);
    TListSection* s = list->Sections()[0];
    EXPECT_EQ(s->Caption(), String("Loads:"));
    EXPECT_EQ(s->State(), lssExpanded);
    EXPECT_EQ(s->ItemHeight(), 15);
    EXPECT_EQ(list->NodeType(), ln3D);
    EXPECT_EQ(list->SelectionColor(), clWhite);
    EXPECT_EQ(list->Items().Count(), 3);   // the open section's rows
    EXPECT_EQ(list->Items()[2], String("Reservoir"));
    EXPECT_EQ(list->Version(), String("2.0.1.0"));
}

// The list box publishes its pictures among its other settings, in the order it streams them.
TEST(SectionForms, PicturesArePublishedInStreamOrder)
{
    RegisterListControlClasses();
    std::vector<std::string> published;
    for (const TPropInfo* p : GetPropList(TSectionListBox::StaticClass())) published.push_back(p->Name.ToUtf8());
    auto at = [&](const char* name) { return std::find(published.begin(), published.end(), name) - published.begin(); };
    const char* order[] = {"Sections", "TabPositions", "TabPosMove", "WordWrap", "Wallpaper", "OneExpanded",
                           "FullFocus", "ImageSpacing", "SubItemHeight", "PictureContainer", "Flat", "SectionHeight",
                           "ExpandDisable", "ContractDisable", "ExpandGlyph", "ContractGlyph", "SectionColor"};
    for (size_t k = 1; k < std::size(order); ++k) {
        ASSERT_LT(at(order[k]), static_cast<std::ptrdiff_t>(published.size())) << order[k];
        EXPECT_LT(at(order[k - 1]), at(order[k])) << order[k];
    }
}

// Sections written to a description come back with every property, their sub-item texts and
// their font; a section stored open shows its rows again, a closed one only its own row.  An
// 8-bit wallpaper comes back as binary data.
TEST(SectionForms, SectionsRoundTripThroughAFormDescription)
{
    TestInitialize();
    RegisterListControlClasses();
    std::unique_ptr<TComponent> root(ReadComponentText(AnalysisList));
    auto* list = dynamic_cast<TSectionListBox*>(root->FindComponent("SectionListBox"));
    ASSERT_NE(list, nullptr);
    TListSection* second = list->Sections().Add();
    second->SetCaption("Options:");
    second->SubItems().Add("first");
    second->SubItems().Add("second");
    second->SetControlType(scCheckbox);
    second->SetAlignment(taRightJustify);
    second->SetVAlignment(vtaBottom);
    second->SetLines(slBoth);
    second->SetImageIndex(2);
    second->SetFontUsage(fuBoth);
    second->Font().SetStyle(TFontStyles{TFontStyle::fsItalic});
    second->SetReadOnly(false);
    second->SetTag(7);
    second->SetItemHeight(21);
    TBitmap paper(3, 2, TPixelFormat::pf8bit);
    paper.Canvas().SetPixel(2, 1, clNavy);
    const TColor ink = paper.Canvas().Pixel(2, 1), blank = paper.Canvas().Pixel(0, 0);
    ASSERT_NE(ink, blank);
    list->SetWallpaper(paper);

    const String text = WriteComponentText(root.get());
    EXPECT_NE(Pos("Caption = 'Options:'", text), 0) << text.ToUtf8();
    std::unique_ptr<TComponent> again(ReadComponentText(text));
    auto* copy = dynamic_cast<TSectionListBox*>(again->FindComponent("SectionListBox"));
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(copy->Sections().Count(), 2);
    TListSection* s = copy->Sections()[1];
    EXPECT_EQ(s->Caption(), String("Options:"));
    EXPECT_EQ(s->State(), lssContracted);
    ASSERT_EQ(s->SubItems().Count(), 2);
    EXPECT_EQ(s->SubItems()[1], String("second"));
    EXPECT_EQ(s->ControlType(), scCheckbox);
    EXPECT_EQ(s->Alignment(), taRightJustify);
    EXPECT_EQ(s->VAlignment(), vtaBottom);
    EXPECT_EQ(s->Lines(), slBoth);
    EXPECT_EQ(s->ImageIndex(), 2);
    EXPECT_EQ(s->FontUsage(), fuBoth);
    EXPECT_TRUE(s->Font().Style().Contains(TFontStyle::fsItalic));
    EXPECT_FALSE(s->ReadOnly());
    EXPECT_EQ(s->Tag(), 7);
    EXPECT_EQ(s->ItemHeight(), 21);
    EXPECT_EQ(copy->Sections()[0]->State(), lssExpanded);
    EXPECT_EQ(copy->Wallpaper().PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(copy->Wallpaper().Canvas().Pixel(2, 1), ink);
    EXPECT_EQ(copy->Wallpaper().Canvas().Pixel(0, 0), blank);
    EXPECT_EQ(copy->Items().Count(), 4);   // the open section's rows and the closed one's row
    EXPECT_EQ(WriteComponentText(again.get()), text);
}

}  // namespace
