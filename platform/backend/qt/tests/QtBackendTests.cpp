// The Qt back end's own translations: keys between virtual-key codes and the toolkit's, toolkit
// mouse events into client-coordinate messages past a window's frame, the layer's cursors into
// the toolkit's shapes, the surface of an owner-drawn window shown pixel for pixel, a form's
// frame into the toolkit window's flags, and the pointer entering and leaving tool buttons.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QGuiApplication>
#include <QStyleHints>

#include "platform/backend/qt/QtWindowSystem.h"
#include "platform/graphics/DesktopSettings.h"
#include "platform/stdctrls/ToolBar.h"
#include "platform/testing/Driver.h"

using namespace qtbackend;

namespace {

// The toolkit's style hints follow the desktop; its flash time is a whole blink, lit and dark.
TEST(QtBackend, TheDesktopsSettingsAreTheToolkitsStyleHints)
{
    TestInitialize();
    RegisterQtDesktopSettings();
    const QStyleHints* hints = QGuiApplication::styleHints();
    const TDesktopSettings settings = DesktopSettings();
    EXPECT_EQ(settings.DoubleClickTime, static_cast<Cardinal>(hints->mouseDoubleClickInterval()));
    EXPECT_EQ(settings.CaretBlinkTime * 2, static_cast<Cardinal>(hints->cursorFlashTime()));
    EXPECT_EQ(settings.KeyboardSpeed, KeyboardSpeedStep(hints->keyboardAutoRepeatRate()));
    EXPECT_EQ(settings.WheelScrollLines, hints->wheelScrollLines());
    EXPECT_EQ(settings.KeyboardDelay, TDesktopSettings().KeyboardDelay);
    RegisterDesktopSettings(nullptr);
}

TEST(QtBackend, KeysTranslateBothWays)
{
    struct Case {
        Word vk;
        int qt;
    } cases[] = {
        {'A', Qt::Key_A},          {'Z', Qt::Key_Z},           {'0', Qt::Key_0},         {'9', Qt::Key_9},
        {VK_RETURN, Qt::Key_Return}, {VK_ESCAPE, Qt::Key_Escape}, {VK_TAB, Qt::Key_Tab},  {VK_BACK, Qt::Key_Backspace},
        {VK_DELETE, Qt::Key_Delete}, {VK_INSERT, Qt::Key_Insert}, {VK_HOME, Qt::Key_Home}, {VK_END, Qt::Key_End},
        {VK_PRIOR, Qt::Key_PageUp}, {VK_NEXT, Qt::Key_PageDown}, {VK_LEFT, Qt::Key_Left}, {VK_RIGHT, Qt::Key_Right},
        {VK_UP, Qt::Key_Up},       {VK_DOWN, Qt::Key_Down},    {VK_F1, Qt::Key_F1},      {VK_F12, Qt::Key_F12},
        {VK_SPACE, Qt::Key_Space},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QtFromVk(c.vk), c.qt) << c.vk;
        EXPECT_EQ(VkFromQt(c.qt), c.vk) << c.vk;
    }
}

// A window with a sunken frame of two pixels that notes its presses and paints a pattern.
class TFramed : public TCustomControl {
public:
    explicit TFramed(TComponent* o) : TCustomControl(o) {}
    std::string Log;

protected:
    void CreateParams(TCreateParams& params) override
    {
        TCustomControl::CreateParams(params);
        params.ExStyle |= WS_EX_CLIENTEDGE;
    }
    void MouseDown(TMouseButton, TShiftState shift, Integer x, Integer y) override
    {
        Log += std::to_string(x) + "," + std::to_string(y) + (shift.Contains(ssShift) ? " shift;" : ";");
    }
    // a blue cell at (3, 2) on white
    void Paint() override
    {
        Canvas().Brush().SetColor(clWhite);
        Canvas().FillRect(ClientRect());
        Canvas().SetPixel(3, 2, clBlue);
    }
};

struct QtBackendForm : ::testing::Test {
    TForm* Form = nullptr;
    TFramed* Framed = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 200, 120);
        Framed = new TFramed(Form);
        Framed->SetBounds(20, 20, 60, 40);
        Framed->SetParent(Form);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    QWidget* Widget(TWinControl* c) { return c->WindowHandle()->W; }
};

TEST_F(QtBackendForm, ToolkitMousePressesArriveInClientCoordinatesPastTheFrame)
{
    ASSERT_EQ(Framed->BorderWidthNC(), 2);
    QWidget* w = Widget(Framed);
    const QPoint local(7, 5);   // the frame is two pixels: client (5, 3)
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(local), QPointF(w->mapToGlobal(local)), Qt::LeftButton,
                      Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(local), QPointF(w->mapToGlobal(local)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
    EXPECT_EQ(Framed->Log, "5,3 shift;");
}

TEST_F(QtBackendForm, CursorsBecomeTheToolkitsShapes)
{
    QWidget* w = Widget(Framed);
    struct Case {
        TCursor cursor;
        Qt::CursorShape shape;
    } cases[] = {
        {crHandPoint, Qt::PointingHandCursor}, {crIBeam, Qt::IBeamCursor},  {crSizeWE, Qt::SizeHorCursor},
        {crSizeAll, Qt::SizeAllCursor},        {crHourGlass, Qt::WaitCursor}, {crCross, Qt::CrossCursor},
    };
    for (const Case& c : cases) {
        Framed->SetCursor(c.cursor);
        TestMouseMove(Framed, 10, 10);
        EXPECT_TRUE(w->testAttribute(Qt::WA_SetCursor)) << c.cursor;
        EXPECT_EQ(w->cursor().shape(), c.shape) << c.cursor;
    }
    // no cursor of its own: the toolkit's default
    Framed->SetCursor(crDefault);
    TestMouseMove(Framed, 10, 10);
    EXPECT_FALSE(w->testAttribute(Qt::WA_SetCursor));
}

TEST_F(QtBackendForm, TheSurfaceIsShownPixelForPixel)
{
    const QImage shown = Widget(Framed)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.width(), 60);
    ASSERT_EQ(shown.height(), 40);
    // the blue cell at client (3, 2) sits past the two-pixel frame
    EXPECT_EQ(QColor(shown.pixel(5, 4)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(shown.pixel(4, 4)), QColor(255, 255, 255));
    EXPECT_EQ(QColor(shown.pixel(0, 0)), QC(clBtnShadow));   // the frame's outer dark line
}

// The pointer entering a tool button shows its long hint as the application's hint; leaving
// it, for another button or for nothing, takes the hint back.
TEST_F(QtBackendForm, ToolButtonHintsLastWhileThePointerIsOnTheButton)
{
    auto* bar = new TToolBar(Form);
    bar->SetParent(Form);
    for (const char* hint : {"Open|Opens a dam model", "Save|Saves the model"}) {
        auto* button = new TToolButton(Form);
        button->SetCaption(Copy(hint, 1, 4));
        button->SetHint(hint);
        button->SetToolBar(bar);
    }
    TestProcess();
    std::vector<QToolButton*> buttons;   // the bar's own extension button has no action
    for (QToolButton* b : Widget(bar)->findChildren<QToolButton*>())
        if (b->defaultAction()) buttons.push_back(b);
    ASSERT_EQ(buttons.size(), 2u);
    const auto enter = [](QWidget* w) {
        QEnterEvent e(QPointF(2, 2), QPointF(2, 2), QPointF(w->mapToGlobal(QPoint(2, 2))));
        QApplication::sendEvent(w, &e);
    };
    const auto leave = [](QWidget* w) {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    };
    enter(buttons[0]);
    EXPECT_EQ(Application->Hint(), "Opens a dam model");
    leave(buttons[0]);
    EXPECT_EQ(Application->Hint(), "");
    enter(buttons[1]);
    EXPECT_EQ(Application->Hint(), "Saves the model");
    leave(buttons[1]);
    enter(buttons[0]);
    EXPECT_EQ(Application->Hint(), "Opens a dam model");
    leave(buttons[0]);
    EXPECT_EQ(Application->Hint(), "");
}

// A form's border style, border icons and stay-on-top style become the flags of its toolkit window:
// the boxes need the system menu, dialogs and tool windows carry no minimize or maximize box and
// show the help box in their place.
TEST(QtBackend, BorderIconsAndStayOnTopReachTheToolkitWindow)
{
    TestInitialize();
    struct Case {
        TFormBorderStyle Style;
        TBorderIcons Icons;
        TFormStyle FormStyle;
        Qt::WindowFlags Shown;      // each of these flags set
        Qt::WindowFlags NotShown;   // none of these
    };
    const Qt::WindowFlags close = Qt::WindowCloseButtonHint, min = Qt::WindowMinimizeButtonHint,
                          max = Qt::WindowMaximizeButtonHint, help = Qt::WindowContextHelpButtonHint,
                          top = Qt::WindowStaysOnTopHint;
    const Case cases[] = {
        {bsSizeable, {biSystemMenu, biMinimize, biMaximize}, fsNormal, close | min | max, help | top},
        {bsSizeable, {biSystemMenu, biMinimize}, fsNormal, close | min, max | help | top},
        {bsSizeable, {biMinimize, biMaximize}, fsNormal, {}, close | min | max | help},
        {bsSingle, {biSystemMenu, biMaximize, biHelp}, fsNormal, close | max, min | help},
        {bsDialog, {biSystemMenu, biMinimize, biMaximize, biHelp}, fsNormal, close | help, min | max | top},
        {bsDialog, {}, fsStayOnTop, top, close | min | max | help},
        {bsToolWindow, {biSystemMenu}, fsStayOnTop, close | top, min | max},
    };
    for (const Case& c : cases) {
        TForm form(nullptr);
        form.SetBorderStyle(c.Style);
        form.SetBorderIcons(c.Icons);
        form.SetFormStyle(c.FormStyle);
        form.Show();
        TestProcess();
        const Qt::WindowFlags flags = form.WindowHandle()->Main->windowFlags();
        const auto row = static_cast<int>(&c - cases);
        EXPECT_EQ(flags & c.Shown, c.Shown) << "row " << row;
        EXPECT_EQ(flags & c.NotShown, Qt::WindowFlags()) << "row " << row;
    }
}

// Window managers maximise only a window whose frame allows it, which the toolkit tells them by
// the maximise box: a form the program maximises gets the box and fills the screen's work area,
// whatever its border icons.
TEST(QtBackend, AFormMaximisedByTheProgramIsOneTheWindowManagerMaximises)
{
    TestInitialize();
    const struct {
        TFormBorderStyle Style;
        TBorderIcons Icons;
    } cases[] = {{bsSizeable, {biSystemMenu}}, {bsSingle, {biSystemMenu, biMinimize}},
                 {bsSizeable, {biSystemMenu, biMinimize, biMaximize}}};
    for (const auto& c : cases) {
        TForm form(nullptr);
        form.SetBorderStyle(c.Style);
        form.SetBorderIcons(c.Icons);
        form.SetBounds(10, 10, 300, 200);
        form.Show();
        TestProcess();
        form.SetWindowState(wsMaximized);
        TestProcess();
        const auto row = static_cast<int>(&c - cases);
        QMainWindow* frame = form.WindowHandle()->Main;
        EXPECT_TRUE(frame->windowFlags() & Qt::WindowMaximizeButtonHint) << "row " << row;
        EXPECT_TRUE(frame->windowState() & Qt::WindowMaximized) << "row " << row;
        EXPECT_TRUE(frame->isVisible()) << "row " << row;
        EXPECT_EQ(frame->frameGeometry(), frame->screen()->availableGeometry()) << "row " << row;
    }
}

}  // namespace
