#include <gtest/gtest.h>

#include <filesystem>

#include "listcontrols/slstbox.h"
#include "platform/backend/qt/QtServices.h"
#include "platform/testing/Driver.h"

namespace {

// Two lists side by side: one like the analysis window's (three sections, one open, a sub-item
// selected) and one with check boxes, tab columns, mini-HTML and rich text.
TEST(SectionScreenshots, SectionListsLookLikeClassicDesktopLists)
{
    TestInitialize();
    InitQtServices();
    TForm form(nullptr);
    form.SetBounds(0, 0, 520, 246);
    auto* analysis = new TSectionListBox(&form);
    analysis->SetParent(&form);
    analysis->SetBounds(8, 8, 240, 230);
    analysis->SetSectionHeight(16);
    analysis->SetSubItemHeight(15);
    analysis->SetSectionIndent(16);
    analysis->SetNodeType(ln3D);
    for (const char* caption : {"Loads:", "Load Combinations:", "Drains:"}) {
        TListSection* s = analysis->Sections().Add();
        s->SetCaption(caption);
        s->SetItemHeight(15);
    }
    for (const char* item : {"Self weight", "Concentrated masses", "Reservoir", "Ice", "Silt", "Uplift"})
        analysis->Sections()[0]->SubItems().Add(item);
    for (const char* item : {"Usual", "Flood"}) analysis->Sections()[1]->SubItems().Add(item);
    analysis->Sections()[0]->SetState(lssExpanded);
    analysis->SetItemIndex(3);
    analysis->SetSelectionColor(clWhite);
    analysis->SetSelectionTextColor(clBlue);
    // A wallpaper of 600 x 13 pixels, pale from left to right, so that it tiles without seams.
    TBitmap wallpaper;
    wallpaper.SetSize(600, 13);
    for (Integer x = 0; x < 600; ++x) {
        const Integer v = 255 - x * 40 / 600;
        wallpaper.Canvas().Pen().SetColor(static_cast<TColor>(0xFF0000 | (v << 8) | v));
        wallpaper.Canvas().MoveTo(x, 0);
        wallpaper.Canvas().LineTo(x, 13);
    }
    analysis->SetWallpaper(wallpaper);

    auto* options = new TSectionListBox(&form);
    options->SetParent(&form);
    options->SetBounds(264, 8, 240, 230);
    options->SetNodeType(lnFlat);
    options->TabPositions().Add()->SetTabPosition(110);
    options->TabPositions().Add()->SetTabPosition(170);
    TListSection* joints = options->Sections().Add();
    joints->SetCaption("Joint\tElevation\tAngle");
    joints->SetControlType(scCheckbox);
    joints->SetReadOnly(false);
    joints->SetLines(slVertical);
    for (const char* item : {"Base\t0.00\t0.0", "Joint 1\t12.50\t0.0", "Joint 2\t25.00\t5.0"})
        joints->SubItems().Add(item);
    joints->SetSubItemCheckState(1, true);
    joints->SetState(lssExpanded);
    TListSection* cases = options->Sections().Add();
    cases->SetCaption("Load case");
    cases->SetControlType(scRadiobutton);
    cases->SetReadOnly(false);
    for (const char* item : {"Usual", "Flood", "Post-seismic"}) cases->SubItems().Add(item);
    cases->SetRadioIndex(1);
    cases->SetState(lssExpanded);
    TListSection* notes = options->Sections().Add();
    notes->SetCaption("Notes");
    notes->SubItems().Add("<b>Uplift</b> at the <font color=\"clred\">heel</font>");
    notes->SubItems().Add("Crack <i>length</i> <hi>0.25</hi> of the <u>base</u>");
    notes->SubItems().Add("See <a href=\"joint:1\">joint 1</a> &#128512;</b>");
    notes->SubItems().Add("<img src=\"SSYS:report.pdf\"><b>Joint report</b>");
    notes->SubItems().Add("{\\rtf1{\\fonttbl{\\f0 Tahoma;}}{\\colortbl ;\\red192\\green0\\blue0;}\\f0\\fs16 "
                          "Sliding: {\\b safety factor} {\\cf1 1.52}}");
    notes->SetState(lssExpanded);

    form.Show();
    TestProcess();
    const std::filesystem::path dir(DORVANE_SCREENSHOT_DIR);
    std::filesystem::create_directories(dir);
    TestGrabToPng(&form, String((dir / "lists-sections.png").string().c_str()));

    // Over a wallpaper nothing fills the rows: the wallpaper shows on section rows, sub-item rows
    // and below the last row alike.  Without one, a selected sub-item is filled in the highlight.
    const Integer x = 200;
    const TColor paper = wallpaper.Canvas().Pixel(x + 2, 0);
    EXPECT_EQ(TestPixel(analysis, x, analysis->ItemRect(0).Top + 3), paper);
    EXPECT_EQ(TestPixel(analysis, x, analysis->ItemRect(2).Top + 3), paper);
    EXPECT_EQ(TestPixel(analysis, x, analysis->ClientHeight() - 4), paper);
    // The rich-text row shows its red number.
    const TRect rich = options->ItemRect(options->Items().Count() - 1);
    Integer red = 0;
    for (Integer y = rich.Top; y < rich.Bottom; ++y)
        for (Integer px = rich.Left; px < rich.Right; ++px) {
            const TColor c = TestPixel(options, px, y);
            red += (c & 0xFF) > 150 && ((c >> 8) & 0xFF) < 90 && ((c >> 16) & 0xFF) < 90;
        }
    EXPECT_GT(red, 5);
    options->SetItemIndex(2);
    options->SetFocus();
    TestProcess();
    TestGrabToPng(&form, String((dir / "lists-sections-focused.png").string().c_str()));
    EXPECT_EQ(TestPixel(options, 230, options->ItemRect(2).Top + 3), ColorToRGB(clHighlight));
    EXPECT_EQ(TestPixel(options, 230, options->ItemRect(0).Top + 3), ColorToRGB(clBtnFace));
}

}  // namespace
