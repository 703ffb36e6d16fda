#include <gtest/gtest.h>

#include <cstdio>

#include "graphics/PictureContainer.h"
#include "listcontrols/tests/ListTestSupport.h"
#include "platform/graphics/Codecs.h"
#include "platform/graphics/GdiApi.h"

namespace {

// What the list tells its window, as lines "SubItemClick 0,3".
class TListEvents : public TObject {
public:
    std::vector<std::string> Lines;
    String EndText;     // what the end-of-edit handler stores instead, when not empty
    bool KeepOld = false;   // the end-of-edit handler puts back the text the edit started from
    String StartText;
    String Anchor;
    void Change(TObject*, Integer s, Integer i) { Add("Change", s, i); }
    void SubItemClick(TObject*, Integer s, Integer i) { Add("SubItemClick", s, i); }
    void CheckBoxClick(TObject*, Integer s, Integer i) { Add("CheckBoxClick", s, i); }
    void RadioClick(TObject*, Integer s, Integer i) { Add("RadioClick", s, i); }
    void SectionClick(TObject*, Integer s) { Add("SectionClick", s, -1); }
    void Expand(TObject*, Integer s) { Add("Expand", s, -1); }
    void Contract(TObject*, Integer s) { Add("Contract", s, -1); }
    void StartEdit(TObject*, Integer s, Integer i, String& text)
    {
        Add("StartEdit", s, i);
        StartText = text;
    }
    void EndEdit(TObject*, Integer s, Integer i, String& text)
    {
        Add("EndEdit", s, i);
        if (!EndText.IsEmpty()) text = EndText;
        if (KeepOld) text = StartText;
    }
    void AnchorClick(TObject*, Integer row, String anchor)
    {
        Add("AnchorClick", row, -1);
        Anchor = anchor;
    }
    void Add(const char* what, Integer s, Integer i)
    {
        Lines.push_back(std::string(what) + " " + std::to_string(s) + "," + std::to_string(i));
    }
    std::vector<std::string> Take()
    {
        std::vector<std::string> lines;
        lines.swap(Lines);
        return lines;
    }
};

using Lines = std::vector<std::string>;

// A list like the analysis window's: section rows 16 pixels high, sub-item rows 15, sections
// "Loads:" (4 sub-items) and "Load Combinations:" (3).  Row 0 is at y 0..15 of the client area.
class SectionWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.List->SetSectionHeight(16);
        f.List->SetSubItemHeight(15);
        f.List->SetNodeType(ln3D);
        f.List->OnChange = TSubItemClickEvent(&Events, &TListEvents::Change);
        f.List->OnSubItemClick = TSubItemClickEvent(&Events, &TListEvents::SubItemClick);
        f.List->OnCheckBoxClick = TSubItemClickEvent(&Events, &TListEvents::CheckBoxClick);
        f.List->OnRadioClick = TSubItemClickEvent(&Events, &TListEvents::RadioClick);
        f.List->OnSectionClick = TContractSectionEvent(&Events, &TListEvents::SectionClick);
        f.List->OnExpandSection = TExpandSectionEvent(&Events, &TListEvents::Expand);
        f.List->OnContractSection = TContractSectionEvent(&Events, &TListEvents::Contract);
        f.List->OnStartEdit = TEditEvent(&Events, &TListEvents::StartEdit);
        f.List->OnEndEdit = TEditEvent(&Events, &TListEvents::EndEdit);
        f.List->OnAnchorClick = TAnchorClick(&Events, &TListEvents::AnchorClick);
        f.AddSection("Loads:", {"Self weight", "Reservoir", "Uplift", "Silt"});
        f.AddSection("Load Combinations:", {"Usual", "Flood", "Post-seismic"});
        f.Form->Show();
        TestProcess();
    }
    Integer RowY(Integer row) { return f.List->ItemRect(row).Top + 5; }

    TSectionListFixture f;
    TListEvents Events;
};

TEST_F(SectionWindow, ClickingASectionRowOpensItOnReleaseAndClosesItAgain)
{
    TestClick(f.List, 8, RowY(0));
    EXPECT_EQ(f.List->Items().Count(), 6);
    EXPECT_EQ(Events.Take(), (Lines{"Change 0,-1", "SectionClick 0,-1", "Expand 0,-1"}));
    TestClick(f.List, 8, RowY(0));
    EXPECT_EQ(f.List->Items().Count(), 2);
    EXPECT_EQ(Events.Take(), (Lines{"SectionClick 0,-1", "Contract 0,-1"}));
    f.List->SetContractDisable(true);
    TestClick(f.List, 8, RowY(1));
    TestClick(f.List, 8, RowY(1));   // cannot be closed by the user
    EXPECT_EQ(f.List->Sections()[1]->State(), lssExpanded);
}

TEST_F(SectionWindow, ClickingSubItemsFiresChangeOnlyWhenTheSelectionMoves)
{
    f.List->Sections()[0]->SetState(lssExpanded);
    TestClick(f.List, 40, RowY(4));   // sub-item 3 of section 0
    EXPECT_EQ(Events.Take(), (Lines{"Change 0,3", "SubItemClick 0,3"}));
    TestClick(f.List, 40, RowY(4));
    EXPECT_EQ(Events.Take(), (Lines{"SubItemClick 0,3"}));
    TestClick(f.List, 40, f.List->ClientHeight() - 3);   // below the last row: nothing selected
    EXPECT_EQ(f.List->ItemIndex(), -1);
}

TEST_F(SectionWindow, ArrowKeysPredictTheNextSubItemAndCrossIntoTheNextSection)
{
    f.List->Sections()[0]->SetState(lssExpanded);
    f.List->SetItemIndex(3);   // "Uplift"
    TestPressKey(f.List, VK_DOWN);
    EXPECT_EQ(Events.Take(), (Lines{"SubItemClick 0,3", "Change 0,3"}));
    TestPressKey(f.List, VK_DOWN);   // from the last sub-item: section 1 opens, the others close
    EXPECT_EQ(Events.Take(), (Lines{"SectionClick 1,-1", "Change 1,-1"}));
    EXPECT_EQ(f.Rows(), (std::vector<String>{"S:Loads:", "S:Load Combinations:", "  Usual", "  Flood",
                                             "  Post-seismic"}));
    EXPECT_EQ(f.List->ItemIndex(), 1);
    TestPressKey(f.List, VK_RIGHT);
    EXPECT_EQ(f.List->ItemIndex(), 2);
    TestPressKey(f.List, VK_HOME);
    EXPECT_EQ(f.List->ItemIndex(), 0);
    TestPressKey(f.List, VK_END);
    EXPECT_EQ(f.List->ItemIndex(), 4);
    Events.Take();
    TestPressKey(f.List, VK_UP);   // from the last sub-item: within the section
    EXPECT_EQ(Events.Take(), (Lines{"SubItemClick 1,1", "Change 1,1"}));
    // Down from the last sub-item of the last section: that section stays the open one, and the
    // list moves on from its row to its first sub-item.
    f.List->Sections()[0]->SetState(lssExpanded);
    f.List->SetItemIndex(f.List->Items().Count() - 1);
    TestPressKey(f.List, VK_DOWN);
    EXPECT_EQ(Events.Take(), (Lines{"SectionClick 1,-1", "Change 1,0"}));
    EXPECT_EQ(f.Rows(), (std::vector<String>{"S:Loads:", "S:Load Combinations:", "  Usual", "  Flood",
                                             "  Post-seismic"}));
    EXPECT_EQ(f.List->ItemIndex(), 2);
}

TEST_F(SectionWindow, SpaceOpensAndClosesTheSelectedSection)
{
    f.List->SetItemIndex(1);
    TestPressKey(f.List, VK_SPACE);
    EXPECT_EQ(f.List->Sections()[1]->State(), lssExpanded);
    TestPressKey(f.List, VK_SPACE);
    EXPECT_EQ(f.List->Sections()[1]->State(), lssContracted);
}

TEST_F(SectionWindow, CheckBoxesToggleInTheControlZoneOfEditableSections)
{
    TListSection* s = f.List->Sections()[1];
    s->SetControlType(scCheckbox);
    s->SetState(lssExpanded);
    TestClick(f.List, 14 + 5, RowY(3));   // 5 pixels right of SubItemIndent, on "Flood"
    EXPECT_FALSE(s->GetSubItemCheckState(1));   // read-only: nothing toggles
    Events.Take();
    s->SetReadOnly(false);
    TestClick(f.List, 14 + 5, RowY(3));
    EXPECT_TRUE(s->GetSubItemCheckState(1));
    EXPECT_EQ(Events.Take(), (Lines{"CheckBoxClick 1,1", "SubItemClick 1,1"}));
    TestPressKey(f.List, VK_SPACE);
    EXPECT_FALSE(s->GetSubItemCheckState(1));
    s->SetControlType(scRadiobutton);
    f.List->SetItemIndex(4);
    Events.Take();
    TestPressKey(f.List, VK_SPACE);
    EXPECT_EQ(s->RadioIndex(), 2);
    EXPECT_EQ(Events.Take(), (Lines{"RadioClick 1,2", "SubItemClick 1,2"}));
}

TEST_F(SectionWindow, EditingInPlaceStoresTheTextOrWhatTheHandlerKeeps)
{
    TListSection* s = f.List->Sections()[0];
    s->SetState(lssExpanded);
    EXPECT_FALSE(f.List->StartEdit(1));   // read-only
    s->SetReadOnly(false);
    f.List->SetItemIndex(2);
    Events.Take();
    TestClick(f.List, 40, RowY(2));   // the selected row again: the editor opens on it
    EXPECT_EQ(Events.Take(), (Lines{"StartEdit 0,2"}));   // counted from 1
    auto* memo = static_cast<TWinControl*>(f.List->Controls(0));
    EXPECT_TRUE(memo->Visible());
    EXPECT_TRUE(memo->Focused());
    TestTypeText(static_cast<TWinControl*>(f.List->Controls(0)), "Water");
    TestPressKey(static_cast<TWinControl*>(f.List->Controls(0)), VK_RETURN);
    EXPECT_EQ(s->SubItems()[1], String("Water"));
    EXPECT_EQ(f.Rows()[2], String("  Water"));
    EXPECT_EQ(f.List->ItemIndex(), 2);
    EXPECT_EQ(Events.Take(), (Lines{"EndEdit 0,2"}));
    // The window's handler can refuse the edit by putting the old text back.
    Events.EndText = "Water";
    f.List->StartEdit(3);
    TestTypeText(static_cast<TWinControl*>(f.List->Controls(0)), "Nonsense");
    TestPressKey(static_cast<TWinControl*>(f.List->Controls(0)), VK_RETURN);
    EXPECT_EQ(s->SubItems()[2], String("Water"));
    EXPECT_FALSE(f.List->Controls(0)->Visible());
    // Cancelled: leaving the editor always stores, so the window cancels by putting back the text
    // the edit started from.
    Events.EndText = String();
    Events.KeepOld = true;
    f.List->StartEdit(4);
    TestTypeText(static_cast<TWinControl*>(f.List->Controls(0)), "Nonsense");
    TestPressKey(static_cast<TWinControl*>(f.List->Controls(0)), VK_DOWN);   // leaves a one-line editor
    EXPECT_EQ(s->SubItems()[3], String("Silt"));
    EXPECT_EQ(f.Rows()[4], String("  Silt"));
    EXPECT_FALSE(f.List->Controls(0)->Visible());
    EXPECT_EQ(f.List->ItemIndex(), 4);
}

TEST_F(SectionWindow, PlusAndMinusNeitherOpenNorCloseSections)
{
    // Sections open and close by click, Space and the arrows at their edges only.
    f.List->SetItemIndex(0);
    for (Word key : {Word(VK_ADD), Word(VK_OEM_PLUS)}) TestPressKey(f.List, key);
    EXPECT_EQ(f.List->Sections()[0]->State(), lssContracted);
    f.List->Sections()[0]->SetState(lssExpanded);
    f.List->SetItemIndex(0);
    for (Word key : {Word(VK_SUBTRACT), Word(VK_OEM_MINUS)}) TestPressKey(f.List, key);
    EXPECT_EQ(f.List->Sections()[0]->State(), lssExpanded);
    EXPECT_EQ(f.List->Items().Count(), 6);
}

// A row text far longer than any text buffer is hit-tested whole: the anchor at its end of a
// 5 000-character link is found and handed over in full.
TEST_F(SectionWindow, ALongRowIsHitTestedWhole)
{
    const String target = "target-" + StringOfChar(u'x', 5000);
    TListSection* s = f.List->Sections()[0];
    s->SubItems().Add("<a href=\"" + target + "\">Report</a>");
    s->SetState(lssExpanded);
    Events.Take();
    TestClick(f.List, 14 + 20 + 6, RowY(5));   // on "Report", drawn from SubItemIndent
    EXPECT_EQ(Events.Take(), (Lines{"AnchorClick 5,-1"}));
    EXPECT_EQ(Events.Anchor, target);
}

TEST_F(SectionWindow, DraggingATabStopMovesTheColumn)
{
    f.List->TabPositions().Add()->SetTabPosition(80);
    f.List->SetTabPosMove(true);
    f.List->Sections()[0]->SetState(lssExpanded);
    TestMouseMove(f.List, 81, RowY(0));   // within 4 pixels of the stop on a section row
    EXPECT_EQ(f.List->Cursor(), crHSplit);
    TestDrag(f.List, TPoint{81, RowY(0)}, TPoint{120, RowY(2)});
    EXPECT_EQ(f.List->TabPositions().GetTabPos(0), 120);
}

// URLs are shown underlined in the URL colour; without URLFull the scheme goes, and "mailto:" too.
TEST_F(SectionWindow, URLsAreShownUnderlinedWithoutTheirScheme)
{
    struct Case {
        const char* text;
        const char* shown;
        bool full;
    } cases[] = {{"https://dam.example/report", "dam.example/report", false},
                 {"mailto:lab@dam.example", "lab@dam.example", false},
                 {"https://dam.example/report", "https://dam.example/report", true}};
    f.List->URLSettings().SetURLAware(true);
    TListSection* s = f.List->Sections()[0];
    s->SetState(lssExpanded);
    TCanvas& canvas = f.List->Canvas();
    canvas.Font().Assign(f.List->Font());
    for (const Case& c : cases) {
        f.List->URLSettings().SetURLFull(c.full);
        s->SubItems().Put(0, c.text);
        TestProcess();
        const TRect row = f.List->ItemRect(1);
        Integer right = 0, widestRun = 0;
        for (Integer y = row.Top; y < row.Bottom; ++y) {
            Integer run = 0;
            for (Integer x = row.Left; x < row.Right; ++x)
                if (TestPixel(f.List, x, y) == TColor(0xFF0000)) {
                    right = std::max(right, x + 1);
                    widestRun = std::max(widestRun, ++run);
                } else {
                    run = 0;
                }
        }
        const Integer width = canvas.TextWidth(c.shown);
        EXPECT_NEAR(right, 14 + width, 3) << c.text;
        EXPECT_GE(widestRun, width - 2) << c.text;   // the underline
    }
}

// Dragging the thumb moves the list only with ScrollTrack; without it the list follows on release.
TEST_F(SectionWindow, ThumbTrackingScrollsOnlyWithScrollTrack)
{
    TListSection* s = f.AddSection("Joints:", {});
    for (Integer k = 0; k < 40; ++k) s->SubItems().Add("Joint " + IntToStr(k));
    s->SetState(lssExpanded);
    TestProcess();
    // The thumb dragged to row 10, as the scroll bar reports it.
    auto thumb = [&](Word code) {
        f.List->ScrollBarState(SB_VERT).Info.nTrackPos = 10;
        f.List->Perform(WM_VSCROLL, MakeWParam(code, 10), 0);
    };
    f.List->SetScrollTrack(false);
    thumb(SB_THUMBTRACK);
    EXPECT_EQ(f.List->TopIndex(), 0);
    thumb(SB_THUMBPOSITION);
    EXPECT_EQ(f.List->TopIndex(), 10);
    f.List->SetTopIndex(0);
    f.List->SetScrollTrack(true);
    thumb(SB_THUMBTRACK);
    EXPECT_EQ(f.List->TopIndex(), 10);
}

// The flat scroll bar of a long list takes the list's width and colour in the flat and Encarta
// styles and is the regular one again in the normal style; an emptied list shows none.
TEST_F(SectionWindow, FlatScrollBarsTakeTheListsWidthAndColour)
{
    TListSection* s = f.AddSection("Joints:", {});
    for (Integer k = 0; k < 40; ++k) s->SubItems().Add("Joint " + IntToStr(k));
    s->SetState(lssExpanded);
    f.List->SetScrollStyle(slsFlat);   // as a form streams them: the style first
    f.List->SetScrollColor(clRed);
    f.List->SetScrollWidth(12);
    const Integer inside = f.List->Width() - 2 * f.List->BorderWidthNC();
    struct Case {
        TSListScrollStyle style;
        Integer width;
        bool coloured;
    } cases[] = {{slsFlat, 12, true}, {slsEncarta, 12, true}, {slsNormal, ScrollBarSize, false}};
    for (const Case& c : cases) {
        f.List->SetScrollStyle(c.style);
        TestProcess();
        EXPECT_EQ(f.List->ClientWidth(), inside - c.width) << c.style;
        const TColor track = TestPixel(f.List, f.List->ClientWidth() + 6, f.List->ClientHeight() - ScrollBarSize - 4);
        EXPECT_EQ(track == clRed, c.coloured) << c.style;
        if (c.style == slsFlat) {
            TBitmap shot;
            TestScreenshot(f.List, "lists-sections-flat-scroll-bar", shot);
        }
    }
    f.List->SetScrollStyle(slsFlat);
    f.List->Sections().Clear();
    TestProcess();
    EXPECT_FALSE(f.List->HasScrollBar());
    EXPECT_EQ(f.List->ClientWidth(), inside);
}

// Over a wallpaper the rows are not filled and the text is transparent: in the box of each text,
// section caption, sub-item and selected sub-item alike, every pixel is the wallpaper or a letter.
TEST_F(SectionWindow, TextOverTheWallpaperLeavesItShowingUnderAndBetweenTheLetters)
{
    const TColor paper = 0xC0F0FF;
    TBitmap wallpaper;
    wallpaper.SetSize(600, 13);
    wallpaper.Canvas().Brush().SetColor(paper);
    wallpaper.Canvas().FillRect(TRect{0, 0, 600, 13});
    f.List->SetWallpaper(wallpaper);
    f.List->SetSelectionTextColor(clBlue);
    f.List->Sections()[0]->SetState(lssExpanded);
    f.List->SetItemIndex(2);
    TestProcess();
    struct Case {
        Integer row;
        TFont& font;
        TColor ink;
    } cases[] = {{0, f.List->SectionFont(), clBlack}, {1, f.List->Font(), clBlack}, {2, f.List->Font(), clBlue}};
    for (const Case& c : cases) {
        TCanvas& canvas = f.List->Canvas();
        canvas.Font().Assign(c.font);
        const TRect row = f.List->ItemRect(c.row);
        const Integer right = 14 + canvas.TextWidth(f.List->Items()[c.row]);
        Integer onPaper = 0, letters = 0, other = 0;
        for (Integer y = row.Top + 1; y < row.Bottom - 1; ++y)
            for (Integer x = 14; x < right; ++x) {
                const TColor pixel = TestPixel(f.List, x, y);
                if (pixel == paper) ++onPaper;
                else if (pixel == c.ink) ++letters;
                else ++other;
            }
        EXPECT_GT(letters, 20) << c.row;
        EXPECT_GT(onPaper, letters) << c.row;
        EXPECT_EQ(other, 0) << c.row;
    }
}

// Tab stops count from the row's edge, as the separator lines do.  After a first stop at 40, a left
// stop at 80 starts the last column 80 pixels from the edge with its line 2 pixels before; a right
// stop at 120 ends it there with its line 2 pixels after.
TEST_F(SectionWindow, TabColumnsStartAtTheirStopsFromTheRowsEdge)
{
    struct Case {
        TTabType type;
        Integer stop;
        Integer line;
    } cases[] = {{tableft, 80, 78}, {tabright, 120, 122}};
    TListSection* s = f.List->Sections()[0];
    s->SetLines(slVertical);
    s->SubItems().Put(0, "x\ty\tWW");
    s->SetState(lssExpanded);
    for (const Case& c : cases) {
        f.List->TabPositions().Clear();
        f.List->TabPositions().Add()->SetTabPosition(40);
        TTabPositionItem* tab = f.List->TabPositions().Add();
        tab->SetTabPosition(c.stop);
        tab->SetTabType(c.type);
        TestProcess();
        const TRect row = f.List->ItemRect(1);
        EXPECT_EQ(TestPixel(f.List, c.line, row.Top + 2), clBlack) << c.stop;
        EXPECT_EQ(TestPixel(f.List, c.line + 1, row.Top + 2), clWhite) << c.stop;
        Integer left = row.Right, right = 0;
        for (Integer y = row.Top; y < row.Bottom; ++y)
            for (Integer x = 50; x < row.Right; ++x)
                if (x != c.line && TestPixel(f.List, x, y) == clBlack) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                }
        if (c.type == tableft) {
            EXPECT_GE(left, c.stop);
            EXPECT_LE(left, c.stop + 2);
        } else {
            EXPECT_LE(right, c.stop);
            EXPECT_GE(right, c.stop - 2);
        }
    }
}

// A 6 x 6 picture of one colour, as PNG file data.
std::vector<Byte> SquarePng(TColor color)
{
    TPngImage image;
    image.Image().SetSize(6, 6);
    image.Image().Canvas().FillRectColor(TRect{0, 0, 6, 6}, color);
    TMemoryStream stream;
    image.SaveToStream(stream);
    return std::vector<Byte>(stream.Memory(), stream.Memory() + stream.Size());
}

// A row shows a resource picture (red) and a file picture (green) loaded once into the list's own
// cache, and a picture named in its container (blue); the container going away leaves no
// reference behind.
TEST_F(SectionWindow, RowPicturesComeFromTheListsCacheAndItsContainer)
{
    const std::vector<Byte> red = SquarePng(clRed), green = SquarePng(clLime), blue = SquarePng(clBlue);
    RegisterResource("LISTS_RED_SQUARE", RT_RCDATA, std::span<const Byte>(red));
    const std::string file = ::testing::TempDir() + "lists-green-square.png";
    std::FILE* out = std::fopen(file.c_str(), "wb");
    ASSERT_TRUE(out);
    std::fwrite(green.data(), 1, green.size(), out);
    std::fclose(out);
    auto* container = new TPictureContainer(f.Form.get());
    TPictureItem* item = container->Items()->Add();
    item->SetName("Blue");
    TMemoryStream blueData;
    blueData.WriteBuffer(blue.data(), static_cast<Integer>(blue.size()));
    blueData.SetPosition(0);
    static_cast<THTMLPicture*>(item->Picture())->LoadFromStream(blueData);
    f.List->SetPictureContainer(container);

    TListSection* s = f.List->Sections()[0];
    s->SubItems().Put(0, String("<img src=\"RES://LISTS_RED_SQUARE\"> <img src=\"FILE://" + file +
                                "\"> <img src=\"blue\"> <b>x</b>"));
    s->SetState(lssExpanded);
    TestProcess();
    f.List->Repaint();
    TestProcess();
    const TRect row = f.List->ItemRect(1);
    auto count = [&](TColor color) {
        Integer n = 0;
        for (Integer y = row.Top; y < row.Bottom; ++y)
            for (Integer x = row.Left; x < row.Right; ++x) n += TestPixel(f.List, x, y) == color;
        return n;
    };
    EXPECT_EQ(count(clRed), 36);
    EXPECT_EQ(count(clLime), 36);
    EXPECT_EQ(count(clBlue), 36);
    EXPECT_EQ(f.List->ImageCache().Count(), 2);   // each address loaded once
    std::remove(file.c_str());

    delete container;
    EXPECT_EQ(f.List->PictureContainer(), nullptr);
    f.List->Repaint();
    TestProcess();
    EXPECT_EQ(count(clBlue), 0);
    EXPECT_EQ(count(clRed), 36);
}

}  // namespace
