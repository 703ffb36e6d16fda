// The test driver's own promises: the test clock fires due timers in order and drives the tick
// count, the next modal form and message box are answered and recorded, input reaches controls in
// their own coordinates, pixels are read as the window shows them, and canvases' drawings are
// recorded with their pens and brushes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/controls/WindowSystem.h"
#include "platform/stdctrls/ComboBox.h"
#include "platform/stdctrls/Menus.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"
#include "platform/testing/CanvasRecording.h"
#include "platform/testing/Driver.h"

namespace {

TEST(CanvasRecording, KeepsEveryDrawingInOrderWithItsPenAndBrush)
{
    TestInitialize();
    TBitmap bitmap;
    bitmap.SetSize(40, 30);
    TCanvas& c = bitmap.Canvas();
    c.Pen().SetColor(clRed);
    c.Pen().SetWidth(2);
    c.MoveTo(1, 2);
    c.LineTo(10, 12);   // before the recording: not kept
    std::vector<TRecordedDrawing> kept;
    {
        TCanvasRecording recording;
        c.LineTo(20, 5);
        c.Brush().SetColor(clBlue);
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Pen().SetWidth(1);
        c.Polygon({{0, 0}, {5, 0}, {5, 5}});
        c.Brush().SetStyle(TBrushStyle::bsClear);
        c.Pen().SetStyle(TPenStyle::psDot);
        c.Font().SetName("Arial");
        c.Font().SetSize(12);
        c.Font().SetStyle(TFontStyles{TFontStyle::fsBold, TFontStyle::fsItalic});
        c.Font().SetColor(clMaroon);
        c.TextOut(3, 4, "F");
        kept = recording.Drawings();
    }
    c.LineTo(0, 0);   // after it: not kept either
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[0].Op.Kind, TCanvasOp::opLine);
    EXPECT_EQ(kept[0].Op.Points, (std::vector<TPoint>{{10, 12}, {20, 5}}));
    EXPECT_EQ(kept[0].PenColor, clRed);
    EXPECT_EQ(kept[0].PenWidth, 2);
    EXPECT_EQ(kept[1].Op.Kind, TCanvasOp::opPolygon);
    EXPECT_EQ(kept[1].Op.Points, (std::vector<TPoint>{{0, 0}, {5, 0}, {5, 5}}));
    EXPECT_EQ(kept[1].PenWidth, 1);
    EXPECT_EQ(kept[1].BrushColor, clBlue);
    EXPECT_EQ(kept[1].BrushStyle, TBrushStyle::bsSolid);
    EXPECT_EQ(kept[2].Op.Kind, TCanvasOp::opText);
    EXPECT_EQ(kept[2].Op.Text, String("F"));
    EXPECT_EQ(kept[2].Op.Points.front(), (TPoint{3, 4}));
    EXPECT_EQ(kept[2].PenStyle, TPenStyle::psDot);
    EXPECT_EQ(kept[1].PenStyle, TPenStyle::psSolid);
    EXPECT_EQ(kept[2].FontName, String("Arial"));
    EXPECT_EQ(kept[2].FontSize, 12);
    EXPECT_EQ(kept[2].FontStyle, (TFontStyles{TFontStyle::fsBold, TFontStyle::fsItalic}));
    EXPECT_EQ(kept[2].FontColor, clMaroon);
    EXPECT_EQ(kept[2].BrushStyle, TBrushStyle::bsClear);
}

TEST(TestClock, FiresTheDueTimersInOrderOfTheirDueTimes)
{
    TestInitialize();
    std::string log;
    int a = 0, b = 0;
    {
        TTestClock clock;
        StartLayerTimer(&a, 30, [&] { log += "a" + std::to_string(clock.Now()) + " "; });
        StartLayerTimer(&b, 50, [&] { log += "b" + std::to_string(clock.Now()) + " "; });
        clock.Advance(29);
        EXPECT_EQ(log, "");
        clock.Advance(71);
        EXPECT_EQ(log, "a30 b50 a60 a90 b100 ");
        EXPECT_EQ(GetTickCount(), 100u);
        StopLayerTimer(&a);
        clock.Advance(100);
        EXPECT_EQ(log, "a30 b50 a60 a90 b100 b150 b200 ");
        StopLayerTimer(&b);
    }
}

// Notes the mouse presses it gets, in its own coordinates, and paints itself red.
class TMarker : public TGraphicControl {
public:
    explicit TMarker(TComponent* o) : TGraphicControl(o) {}
    std::string Log;

protected:
    void MouseDown(TMouseButton, TShiftState shift, Integer x, Integer y) override
    {
        Log += std::to_string(x) + "," + std::to_string(y) + (shift.Contains(ssShift) ? " shift;" : ";");
    }
    void Paint() override
    {
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(ClientRect());
    }
};

struct DriverForm : ::testing::Test {
    TForm* Form = nullptr;
    TMarker* Marker = nullptr;
    TEdit* Edit = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 240, 160);
        Marker = new TMarker(Form);
        Marker->SetBounds(40, 30, 20, 10);
        Marker->SetParent(Form);
        Edit = new TEdit(Form);
        Edit->SetBounds(10, 100, 100, 21);
        Edit->SetParent(Form);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
};

TEST_F(DriverForm, InputReachesControlsInTheirOwnCoordinates)
{
    TestClick(Marker, 3, 4);
    TestClick(Marker, 19, 9, mbLeft, {ssShift});
    EXPECT_EQ(Marker->Log, "3,4;19,9 shift;");
    Edit->SetFocus();
    TestTypeText(Edit, "Dam 1.5");
    EXPECT_EQ(Edit->Text(), String("Dam 1.5"));
}

// Notes the wheel turns its window hears of.
struct TWheelLog : TObject {
    std::vector<Integer> Turns;
    void Wheel(TObject*, TShiftState, Integer delta, TPoint, bool& handled)
    {
        Turns.push_back(delta);
        handled = true;
    }
};

TEST_F(DriverForm, TheWheelReachesTheWindowUnderThePointerWithItsDirection)
{
    TWheelLog log;
    Edit->OnMouseWheel = TMouseWheelEvent(&log, &TWheelLog::Wheel);
    TestMouseWheel(Edit, 5, 5, 1);
    TestMouseWheel(Edit, 5, 5, -2);
    EXPECT_EQ(log.Turns, (std::vector<Integer>{120, -240}));
}

TEST_F(DriverForm, PixelsAreReadAsTheWindowShowsThem)
{
    // the windowless marker through its form, in its own coordinates and in the form's
    EXPECT_EQ(ColorToRGB(TestPixel(Marker, 0, 0)), ColorToRGB(clRed));
    EXPECT_EQ(ColorToRGB(TestPixel(Marker, 19, 9)), ColorToRGB(clRed));
    EXPECT_EQ(ColorToRGB(TestPixel(Form, 60, 40)), ColorToRGB(Form->Color()));
    EXPECT_EQ(ColorToRGB(TestPixel(Form, 59, 39)), ColorToRGB(clRed));
    TBitmap shot;
    TestGrab(Edit, shot);
    EXPECT_EQ(shot.Width(), 100);
    EXPECT_EQ(shot.Height(), 21);
}

TEST_F(DriverForm, TheNextMessageBoxAndModalFormAreAnsweredAndRecorded)
{
    TestClearMessageBoxes();
    TestAnswerNextMessageBox(mrNo);
    EXPECT_EQ(MessageDlg("Save the dam?", mtConfirmation, mbYesNo, 0), mrNo);
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, String("Save the dam?"));
    EXPECT_EQ(TestMessageBoxes()[0].Caption, String("Confirm"));

    auto* dialog = new TForm(nullptr);
    bool shown = false;
    TestAnswerNextModal([&](TCustomForm* f) {
        shown = f == dialog && f->Visible();
        f->SetModalResult(mrOk);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(shown);
    delete dialog;
}

// The window with its File menu open and, beside the "Recent" row, the recent files: each menu
// drawn as the toolkit draws it open, where the user sees it.
TEST_F(DriverForm, MenusOpenOneInTheOtherUnderTheirBarEntry)
{
    auto* menu = new TMainMenu(Form);
    auto add = [&](TMenuItem* parent, const char* caption) {
        auto* item = new TMenuItem(Form);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    };
    TMenuItem* file = add(menu->Items(), "&File");
    add(file, "&Open");
    TMenuItem* recent = add(file, "&Recent");
    for (const char* name : {"first.dam", "second.dam", "third.dam"}) add(recent, name);
    Form->SetMenu(menu);
    TestProcess();
    TBitmap fileMenu, recentMenu, shot;
    WindowSystem().GrabOpenMenu(file, fileMenu);
    WindowSystem().GrabOpenMenu(recent, recentMenu);
    const TRect open = WindowSystem().MenuItemRect(nullptr, file->Items(0));
    const TRect row = WindowSystem().MenuItemRect(nullptr, recent);
    ASSERT_GT(open.Height(), 0);
    EXPECT_GE(row.Top, open.Bottom);
    EXPECT_GE(fileMenu.Height(), 2 * open.Height());
    EXPECT_GE(recentMenu.Height(), 3 * open.Height());

    TestScreenshotMenus(Form, {file, recent}, "driver-menus", shot);
    const TRect entry = WindowSystem().MenuItemRect(Form->WindowHandle(), file);
    ASSERT_GT(entry.Bottom, 0);
    TBitmap window;
    TestGrab(Form, window);
    EXPECT_EQ(shot.Height(), std::max({window.Height(), entry.Bottom + row.Top + recentMenu.Height(),
                                       entry.Bottom + fileMenu.Height()}));
    EXPECT_EQ(shot.Width(), std::max(window.Width(), entry.Left + fileMenu.Width() + recentMenu.Width()));
    auto same = [&](TBitmap& part, TPoint at) {
        for (const TPoint p : {TPoint{2, 2}, TPoint{part.Width() / 2, part.Height() / 2}, TPoint{part.Width() - 3, part.Height() - 3}})
            if (shot.Canvas().Pixel(at.X + p.X, at.Y + p.Y) != part.Canvas().Pixel(p.X, p.Y)) return false;
        return true;
    };
    EXPECT_TRUE(same(fileMenu, {entry.Left, entry.Bottom}));
    EXPECT_TRUE(same(recentMenu, {entry.Left + fileMenu.Width(), entry.Bottom + row.Top}));
}

TEST_F(DriverForm, AnswersNothingTookAreCountedAndDropped)
{
    TestClearMessageBoxes();
    TestAnswerNextModal([](TCustomForm* f) { f->SetModalResult(mrOk); });
    TestAnswerNextMessageBox(mrYes);
    TestAnswerNextMessageBox(mrNo);
    TestAnswerNextFileDialog({});
    TestAnswerNextPopup("Open");
    EXPECT_EQ(MessageDlg("Save the dam?", mtConfirmation, mbYesNo, 0), mrYes);
    EXPECT_TRUE((TestDropUnusedAnswers() == TUnusedAnswers{1, 1, 1, 1}));
    EXPECT_TRUE((TestDropUnusedAnswers() == TUnusedAnswers{}));
    // The dropped No does not answer the next box.
    TestAnswerNextMessageBox(mrCancel);
    EXPECT_EQ(MessageDlg("Save the dam?", mtConfirmation, mbYesNoCancel, 0), mrCancel);
}

// Counts the theme changes a window hears of, then lets the window handle the message.
struct TThemeChangeCount : TObject {
    int Heard = 0;
    TWndMethod Inner;
    void Proc(TMessage& m)
    {
        if (m.Msg == WM_THEMECHANGED) ++Heard;
        if (Inner) Inner(m);
    }
};

TEST_F(DriverForm, AThemeChangeReachesTheTopLevelAndHiddenWindowsOnce)
{
    TThemeChangeCount form, edit, hidden;
    form.Inner = Form->WindowProc;
    Form->WindowProc = TWndMethod(&form, &TThemeChangeCount::Proc);
    edit.Inner = Edit->WindowProc;
    Edit->WindowProc = TWndMethod(&edit, &TThemeChangeCount::Proc);
    HWND window = AllocateHWnd(TWndMethod(&hidden, &TThemeChangeCount::Proc));
    TestSystemThemeChange();
    EXPECT_EQ(form.Heard, 1);
    EXPECT_EQ(hidden.Heard, 1);
    EXPECT_EQ(edit.Heard, 0);   // a child hears of it from its form, if the form tells it
    DeallocateHWnd(window);
    Form->WindowProc = form.Inner;
    Edit->WindowProc = edit.Inner;
}

// A click goes the way of the user's: a modal form holds back the clicks on the window under it,
// but the drop-down list of its own combo box takes them.
TEST_F(DriverForm, AModalFormHoldsBackClicksElsewhereButNotOnItsDroppedList)
{
    auto* dialog = new TForm(nullptr);
    dialog->SetBounds(300, 0, 200, 120);
    auto* combo = new TComboBox(dialog);
    combo->SetParent(dialog);
    combo->SetBounds(10, 10, 120, 21);
    combo->SetStyle(csDropDownList);
    for (const char* item : {"Usual", "Flood", "Seismic"}) combo->Items().Add(item);
    combo->SetItemIndex(0);
    bool dropped = false;
    TestAnswerNextModal([&](TCustomForm* f) {
        TestClick(Marker, 3, 4);
        TestClick(combo, combo->ClientWidth() - 5, 8);
        dropped = combo->DroppedDown();
        if (auto* list = dynamic_cast<TCustomListBox*>(combo->ListWindow())) {
            const TRect row = list->ItemRect(2);
            TestClick(list, row.Left + 5, row.Top + 3);
        }
        f->SetModalResult(mrOk);
    });
    dialog->ShowModal();
    EXPECT_EQ(Marker->Log, "");
    EXPECT_TRUE(dropped);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), String("Seismic"));
    delete dialog;
}

}  // namespace

namespace {

// A pop-up painted red all over.
class TRedPopup : public TCustomControl {
public:
    explicit TRedPopup(TComponent* o) : TCustomControl(o) {}

protected:
    void CreateParams(TCreateParams& params) override
    {
        TCustomControl::CreateParams(params);
        params.Style = WS_POPUP;
    }
    void Paint() override
    {
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(ClientRect());
    }
};

}  // namespace

TEST_F(DriverForm, AShapedPopUpShowsOnlyInsideItsRegion)
{
    auto* popup = new TRedPopup(Form);
    const TPoint at = Form->ClientToScreen({20, 20});
    popup->SetBounds(at.X, at.Y, 40, 40);
    popup->HandleNeeded();
    SetWindowRgn(popup, new TRegion(TRegion::Ellipse({0, 0, 40, 40})), true);
    ShowWindow(popup, SW_SHOWNOACTIVATE);
    popup->SetVisible(true);
    TestProcess();
    TBitmap shot;
    TestGrabWithPopups(Form, {popup}, shot);
    const Integer frameTop = shot.Height() - Form->ClientHeight();
    EXPECT_EQ(ColorToRGB(shot.Canvas().Pixel(40, frameTop + 40)), ColorToRGB(clRed)) << "the ellipse's centre";
    EXPECT_EQ(ColorToRGB(shot.Canvas().Pixel(21, frameTop + 21)), ColorToRGB(Form->Color())) << "outside, at a corner";
}
