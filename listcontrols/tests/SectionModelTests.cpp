#include <gtest/gtest.h>

#include "ListTestSupport.h"

namespace {

using Rows = std::vector<String>;

class SectionModel : public ::testing::Test {
protected:
    TSectionListFixture f;
};

// The events of a list, as text lines "Change 0,3".
class TEventLog : public TObject {
public:
    std::vector<std::string> Lines;
    void Change(TObject*, Integer s, Integer i) { Add("Change", s, i); }
    void Add(const char* what, Integer s, Integer i)
    {
        Lines.push_back(std::string(what) + " " + std::to_string(s) + "," + std::to_string(i));
    }
};

TEST_F(SectionModel, RowsFollowOpeningClosingAndSubItemChanges)
{
    TListSection* a = f.AddSection("A", {"a1", "a2", "a3"});
    TListSection* b = f.AddSection("B", {"b1", "b2"});
    EXPECT_EQ(f.Rows(), (Rows{"S:A", "S:B"}));   // sub-items of closed sections have no rows
    a->SetState(lssExpanded);
    EXPECT_EQ(f.Rows(), (Rows{"S:A", "  a1", "  a2", "  a3", "S:B"}));
    EXPECT_EQ(f.List->GetSectionListIndex(1), 4);
    Integer s = 9, i = 9;
    EXPECT_TRUE(f.List->GetListItemIndex(2, s, i));
    EXPECT_EQ(s, 0);
    EXPECT_EQ(i, 1);
    f.List->GetListItemIndex(0, s, i);
    EXPECT_EQ(i, -1);
    f.List->GetListItemIndex(4, s, i);
    EXPECT_EQ(s, 1);
    EXPECT_EQ(i, -1);
    EXPECT_FALSE(f.List->GetListItemIndex(-1, s, i));

    a->SubItems().Add("a4");   // an open section gets the row at once
    b->SubItems().Add("b3");   // a closed one does not
    a->SubItems().Insert(0, "a0");
    a->SubItems().Delete(2);
    EXPECT_EQ(f.Rows(), (Rows{"S:A", "  a0", "  a1", "  a3", "  a4", "S:B"}));
    b->SetState(lssExpanded);
    a->SetState(lssContracted);
    EXPECT_EQ(f.Rows(), (Rows{"S:A", "S:B", "  b1", "  b2", "  b3"}));
    b->SubItems().Clear();
    EXPECT_EQ(f.Rows(), (Rows{"S:A", "S:B"}));
    EXPECT_EQ(f.List->GetItemSectionIndex(7), 1);   // beyond the last row: the last section
    EXPECT_EQ(f.List->GetItemSectionIndex(-3), 0);
}

TEST_F(SectionModel, SectionsInsertedSwappedAndDeletedKeepTheirRows)
{
    f.AddSection("A", {"a1"})->SetState(lssExpanded);
    f.AddSection("C", {"c1", "c2"})->SetState(lssExpanded);
    TListSection* b = f.List->Sections().Insert(1);
    b->SetCaption("B");
    EXPECT_EQ(f.Rows(), (Rows{"S:A", "  a1", "S:B", "S:C", "  c1", "  c2"}));
    f.List->Sections().SwapSections(0, 2);
    EXPECT_EQ(f.Rows(), (Rows{"S:C", "  c1", "  c2", "S:B", "S:A", "  a1"}));
    f.List->Sections().Delete(1);
    EXPECT_EQ(f.Rows(), (Rows{"S:C", "  c1", "  c2", "S:A", "  a1"}));
    delete f.List->Sections().Items(0);
    EXPECT_EQ(f.Rows(), (Rows{"S:A", "  a1"}));
    f.List->Clear();
    EXPECT_EQ(f.Rows(), Rows{});
    EXPECT_EQ(f.List->GetItemSectionIndex(0), -1);
    EXPECT_EQ(f.List->GetItemSection(0), nullptr);
}

TEST_F(SectionModel, OneExpandedAndHiddenSubItemsOfClosedSections)
{
    f.AddSection("A", {"a1", "a2"});
    f.AddSection("B", {"b1"})->SetState(lssExpanded);
    f.AddSection("C", {"c1"})->SetState(lssExpanded);
    f.List->SetOneExpanded(true);   // section 0 opens, every other one closes
    EXPECT_EQ(f.Rows(), (Rows{"S:A", "  a1", "  a2", "S:B", "S:C"}));
    f.List->ToggleSection(4);
    EXPECT_EQ(f.Rows(), (Rows{"S:A", "S:B", "S:C", "  c1"}));
    f.List->ToggleSection(2);   // an open section stays open under OneExpanded
    EXPECT_EQ(f.Rows(), (Rows{"S:A", "S:B", "S:C", "  c1"}));
    f.List->SetOneExpanded(false);
    f.List->ExpandAll();
    EXPECT_EQ(f.Rows(), (Rows{"S:A", "  a1", "  a2", "S:B", "  b1", "S:C", "  c1"}));
    f.List->ContractAll();
    EXPECT_EQ(f.Rows(), (Rows{"S:A", "S:B", "S:C"}));
}

TEST_F(SectionModel, NewSectionsTakeTheListsDefaults)
{
    f.List->SetColor(clYellow);
    f.List->SetSubItemHeight(17);
    TListSection* s = f.List->Sections().Add();
    EXPECT_EQ(s->State(), lssContracted);
    EXPECT_TRUE(s->ReadOnly());
    EXPECT_EQ(s->ImageIndex(), -1);
    EXPECT_EQ(s->Color(), clYellow);
    EXPECT_EQ(s->ItemHeight(), 17);
    EXPECT_EQ(f.List->Version(), String("2.0.1.0"));
}

TEST_F(SectionModel, IndexOfIsCaseSensitiveAndFindsTheFirst)
{
    f.AddSection("Loads:", {});
    f.AddSection("loads:", {});
    f.AddSection("Loads:", {});
    EXPECT_EQ(f.List->Sections().IndexOf("Loads:"), 0);
    EXPECT_EQ(f.List->Sections().IndexOf("loads:"), 1);
    EXPECT_EQ(f.List->Sections().IndexOf("LOADS:"), -1);
}

TEST_F(SectionModel, SubItemObjectsHoldImageAndCheckState)
{
    TListSection* s = f.AddSection("A", {"x", "y"});
    EXPECT_EQ(s->GetSubItemImageIdx(0), -1);
    EXPECT_FALSE(s->GetSubItemCheckState(0));
    s->SetSubItemImageIdx(0, 3);
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(s->SubItems().Objects(0)), 4);
    s->SetSubItemCheckState(0, true);
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(s->SubItems().Objects(0)), 0x10004);
    EXPECT_EQ(s->GetSubItemImageIdx(0), 3);
    EXPECT_TRUE(s->GetSubItemCheckState(0));
    EXPECT_FALSE(s->GetSubItemCheckState(5));
    EXPECT_EQ(s->GetSubItemImageIdx(-1), -1);
    try {
        s->SetSubItemCheckState(2, true);
        FAIL() << "no error";
    } catch (const ESectionListBoxError& e) {
        EXPECT_EQ(e.Message(), String("Access of imageindex of non-existing subitem"));
    }
    EXPECT_THROW(s->SetSubItemImageIdx(-1, 0), ESectionListBoxError);
}

TEST_F(SectionModel, RewritingOneSubItemRewritesOnlyItsRowAndKeepsItsHeight)
{
    TListSection* s = f.AddSection("A", {"x", "y"});
    s->SetState(lssExpanded);
    f.List->Perform(LB_SETITEMHEIGHT, 2, MakeLParam(40, 0));
    s->SubItems().Put(1, "z");
    EXPECT_EQ(f.Rows(), (Rows{"S:A", "  x", "  z"}));
    EXPECT_EQ(f.List->Perform(LB_GETITEMHEIGHT, 2, 0), 40);
}

TEST_F(SectionModel, SelectionEventsCarrySectionAndSubItem)
{
    TEventLog log;
    f.List->OnChange = TSubItemClickEvent(&log, &TEventLog::Change);
    f.AddSection("A", {"a1", "a2", "a3"});
    f.AddSection("B", {"b1"});
    EXPECT_TRUE(f.List->SetSelection(0, 2));   // opens the section and selects row 3
    EXPECT_EQ(f.List->ItemIndex(), 3);
    EXPECT_FALSE(f.List->SetSelection(0, 9));
    EXPECT_FALSE(f.List->SetSelection(5, 0));
    EXPECT_EQ(f.List->ItemIndex(), 3);
    EXPECT_TRUE(log.Lines.empty());   // selecting by program tells nobody
    f.List->Perform(CN_COMMAND, MakeWParam(0, LBN_SELCHANGE), 0);
    f.List->SetItemIndex(4);
    f.List->Perform(CN_COMMAND, MakeWParam(0, LBN_SELCHANGE), 0);
    EXPECT_EQ(log.Lines, (std::vector<std::string>{"Change 0,2", "Change 1,-1"}));
    Integer s = 0, i = 0;
    String text;
    EXPECT_TRUE(f.List->GetSelection(s, i, text));
    EXPECT_EQ(text, String("B"));
}

TEST_F(SectionModel, ExpandAllKeepsTheSelectedSubItem)
{
    f.AddSection("A", {"a1", "a2"});
    f.AddSection("B", {"b1", "b2"});
    f.List->SetSelection(1, 1);
    EXPECT_EQ(f.List->ItemIndex(), 3);
    f.List->ExpandAll();   // rows of A appear above it
    Integer s = 0, i = 0;
    f.List->GetSelectedItem(s, i);
    EXPECT_EQ(s, 1);
    EXPECT_EQ(i, 1);
    EXPECT_EQ(f.List->ItemIndex(), 5);
}

// Row heights at 96 dots per inch: section rows are SectionHeight high (14 for 0 or less), a
// sub-item one ItemHeight per line of text in the pinned font.
TEST_F(SectionModel, RowHeightsComeFromSectionHeightAndTextLines)
{
    f.List->SetSectionHeight(0);
    EXPECT_EQ(f.List->SectionHeight(), 14);
    TListSection* s = f.AddSection("A", {"one line", "two\rlines"});
    s->SetItemHeight(15);
    s->SetState(lssExpanded);
    f.List->SetSectionHeight(16);
    EXPECT_EQ(f.List->Perform(LB_GETITEMHEIGHT, 0, 0), 16);
    EXPECT_EQ(f.List->Perform(LB_GETITEMHEIGHT, 1, 0), 15);
    EXPECT_EQ(f.List->Perform(LB_GETITEMHEIGHT, 2, 0), 30);
    s->SetAutoSize(false);
    f.List->UpdateItemHeight();
    EXPECT_EQ(f.List->Perform(LB_GETITEMHEIGHT, 2, 0), 15);
    // A mini-HTML text is as high as the renderer lays it out, plus 2.
    s->SetAutoSize(true);
    f.List->Canvas().Font().Assign(s->Font());
    const Integer gh = f.List->Canvas().TextHeight("gh");
    s->SubItems().Add("<b>Uplift</b> at the heel");
    s->SubItems().Add("<b>Two</b><br>lines");
    EXPECT_EQ(f.List->Perform(LB_GETITEMHEIGHT, 3, 0), gh + 2);
    EXPECT_EQ(f.List->Perform(LB_GETITEMHEIGHT, 4, 0), 2 * gh + 2);
}

TEST_F(SectionModel, SortingIsOrdinalAndKeepsCheckMarks)
{
    f.AddSection("b", {});
    f.AddSection("B", {});
    TListSection* a = f.AddSection("a", {"y", "Z", "x"});
    a->SetState(lssExpanded);
    a->SetControlType(scCheckbox);
    a->SetSubItemCheckState(2, true);   // "x"
    f.List->SortAll();
    EXPECT_EQ(f.Rows(), (Rows{"S:B", "S:a", "  Z", "  x", "  y", "S:b"}));
    EXPECT_TRUE(f.List->Sections()[1]->GetSubItemCheckState(1));
    f.List->Sections()[1]->SetSortDirection(sdDescending);
    EXPECT_EQ(f.Rows(), (Rows{"S:B", "S:a", "  y", "  x", "  Z", "S:b"}));
}

TEST_F(SectionModel, OptimizeTabsPutsStopsAfterTheWidestColumns)
{
    f.List->Canvas().Font().Assign(f.List->Font());
    const Integer w1 = f.List->Canvas().TextWidth("Uplift");
    const Integer w2 = f.List->Canvas().TextWidth("1234.5");
    TListSection* s = f.AddSection("A", {"Uplift\t12", "Up\t1234.5"});
    s->SetState(lssExpanded);
    f.List->OptimizeTabs(8);
    ASSERT_EQ(f.List->TabPositions().Count(), 1);
    EXPECT_EQ(f.List->TabPositions().GetTabPos(0), w1 + 8 + 14);
    f.List->TabPositions().Items(0)->SetTabType(tabright);
    f.List->OptimizeTabs(8);
    EXPECT_EQ(f.List->TabPositions().GetTabPos(0), w1 + 8 + 14 + w2);
}

// Columns 50 and 30 pixels wide under a short caption, indent 14, padding 8: the stop comes 8
// pixels after the first column, counted from the row's edge; a right stop ends the second there.
TEST_F(SectionModel, OptimizeTabsCountsTheStopFromTheRowsEdge)
{
    TCanvas& canvas = f.List->Canvas();
    canvas.Font().Assign(f.List->Font());
    ASSERT_EQ(canvas.TextWidth("WWWWW"), 50);
    ASSERT_EQ(canvas.TextWidth("00000"), 30);
    f.AddSection("A", {"WWWWW\t00000", "WW\t00"})->SetState(lssExpanded);
    f.List->OptimizeTabs(8);
    ASSERT_EQ(f.List->TabPositions().Count(), 1);
    EXPECT_EQ(f.List->TabPositions().GetTabPos(0), 72);
    f.List->TabPositions().Items(0)->SetTabType(tabright);
    f.List->OptimizeTabs(8);
    EXPECT_EQ(f.List->TabPositions().GetTabPos(0), 102);
}

TEST_F(SectionModel, HorizontalExtentFollowsTheWidestRow)
{
    TListSection* s = f.AddSection("A", {"short"});
    s->SetState(lssExpanded);
    EXPECT_EQ(f.List->Perform(LB_GETHORIZONTALEXTENT, 0, 0), 0);
    s->SubItems().Add(String(StringOfChar(u'W', 60)));
    EXPECT_GT(f.List->Perform(LB_GETHORIZONTALEXTENT, 0, 0), 200);
    f.List->SetWordWrap(true);
    f.List->UpdateHorzExtent();
    EXPECT_EQ(f.List->Perform(LB_GETHORIZONTALEXTENT, 0, 0), 0);
}

// RTF rows: measured, counted for the horizontal extent and read back by their plain text; the
// stored text stays RTF and comes back through the rich edit byte for byte.
TEST_F(SectionModel, RichTextRowsGoByTheirPlainText)
{
    const String rtf = "{\\rtf1{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs16 {\\b Uplift}\\par at the heel}";
    TListSection* s = f.AddSection("A", {"one line"});
    s->SetItemHeight(15);
    s->SubItems().Add(rtf);
    s->SetState(lssExpanded);
    EXPECT_EQ(f.List->Perform(LB_GETITEMHEIGHT, 2, 0), 30);   // two paragraphs, two lines
    EXPECT_EQ(f.List->GetSectionSubItem(0, 1), String("Uplift\r\nat the heel"));
    EXPECT_EQ(f.List->GetRichSectionSubItem(0, 1), rtf);
    EXPECT_EQ(f.List->GetSectionSubItem(0, 0), String("one line"));
    // Only the plain text widens the list: a long RTF header alone does not.
    s->SubItems().Add("{\\rtf1{\\fonttbl{\\f0 Tahoma;}{\\f1 Courier New;}{\\f2 Times New Roman;}"
                      "{\\f3 Arial;}{\\f4 Verdana;}{\\f5 Symbol;}}\\f0 x}");
    EXPECT_EQ(f.List->Perform(LB_GETHORIZONTALEXTENT, 0, 0), 0);
    // The rich edit's RTF one byte per character, and back.
    TRichEdit rich(nullptr);
    f.List->StringToRich("{\\rtf1 Caf\\'e9\\par}", rich);
    EXPECT_EQ(String(rich.RichText()), String(u"Caf\u00E9\r"));
    const String again = f.List->RichToString(rich);
    EXPECT_EQ(Pos("Caf\\'e9", again), Pos("Caf", again));
    f.List->StringToRich(again, rich);
    EXPECT_EQ(String(rich.RichText()), String(u"Caf\u00E9\r"));
    f.List->StringToRich("", rich);
    EXPECT_TRUE(rich.RichText().empty());
}

// Inside an update bracket rows still come and go, but the horizontal extent waits for the
// outermost EndUpdate; an EndUpdate too many does nothing.
TEST_F(SectionModel, TheUpdateBracketDefersTheHorizontalExtent)
{
    TListSection* s = f.AddSection("A", {});
    s->SetState(lssExpanded);
    f.List->BeginUpdate();
    f.List->BeginUpdate();
    s->SubItems().Add(String(StringOfChar(u'W', 60)));
    EXPECT_EQ(f.Rows().size(), 2u);
    EXPECT_EQ(f.List->Perform(LB_GETHORIZONTALEXTENT, 0, 0), 0);
    f.List->EndUpdate();
    EXPECT_EQ(f.List->Perform(LB_GETHORIZONTALEXTENT, 0, 0), 0);
    f.List->EndUpdate();
    EXPECT_GT(f.List->Perform(LB_GETHORIZONTALEXTENT, 0, 0), 200);
    f.List->EndUpdate();
    EXPECT_EQ(f.List->UpdateCount(), 0);
}

}  // namespace
