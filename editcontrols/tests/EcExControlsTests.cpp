#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "editcontrols/EcExControls.h"
#include "editcontrols/EcExExtCtrls.h"
#include "editcontrols/EcExMask.h"
#include "editcontrols/EcThemes.h"
#include "platform/graphics/Bitmaps.h"

namespace {

std::string Log;

// A parent that notes the notifications its children pass up.
class TLoggingParent : public TWinControl {
public:
    using TWinControl::TWinControl;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == CM_MOUSEENTER) Log += "parent hears enter;";
        if (m.Msg == CM_MOUSELEAVE) Log += "parent hears leave;";
        TWinControl::WndProc(m);
    }
};

class TProbe : public TEcExCustomControl {
public:
    using TEcExCustomControl::TEcExCustomControl;
    TDialogCodes Add, Remove;
    bool Erases = false;
    void SetHintLook(TColor color, THintWindowClass windowClass)
    {
        FHintColor = color;
        FHintWindowClass = windowClass;
    }
    void Entered(TObject*) { Log += MouseOver() ? "enter over;" : "enter not over;"; }
    void Left(TObject*) { Log += MouseOver() ? "leave over;" : "leave not over;"; }

protected:
    void GetDlgCode(TDialogCodes& codes) override
    {
        for (TDialogCode c : {dcWantAllKeys, dcWantArrows, dcWantChars, dcButton, dcHasSetSel, dcWantTab, dcNative}) {
            if (Add.Contains(c)) codes.Include(c);
            if (Remove.Contains(c)) codes.Exclude(c);
        }
    }
};

class TGraphicProbe : public TEcExGraphicControl {
public:
    using TEcExGraphicControl::TEcExGraphicControl;
    void SetHintLook(TColor color, THintWindowClass windowClass)
    {
        FHintColor = color;
        FHintWindowClass = windowClass;
    }
};

class TMaskEditProbe : public TEcExCustomMaskEdit {
public:
    using TEcExCustomMaskEdit::TEcExCustomMaskEdit;
    void SetHintLook(TColor color, THintWindowClass windowClass)
    {
        FHintColor = color;
        FHintWindowClass = windowClass;
    }
};

class TOtherHintWindow : public THintWindow {
    DECLARE_CLASS(TOtherHintWindow, THintWindow)
public:
    using THintWindow::THintWindow;
};
IMPLEMENT_CLASS(TOtherHintWindow, THintWindow, NewComponent<TOtherHintWindow>)

// Paints its own background in red and says it erased.
class TRedBackground : public TEcExCustomControl {
public:
    using TEcExCustomControl::TEcExCustomControl;

protected:
    bool PaintBackground(TCanvas& canvas, std::intptr_t) override
    {
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(Rect(0, 0, 4, 4));
        return true;
    }
};

TEST(EcExControls, MouseEnterAndLeaveAroundTheBaseClass)
{
    TLoggingParent parent(nullptr);
    TProbe probe(nullptr);
    probe.SetParent(&parent);
    probe.OnMouseEnter = TNotifyEvent(&probe, &TProbe::Entered);
    probe.OnMouseLeave = TNotifyEvent(&probe, &TProbe::Left);
    Log.clear();
    probe.Perform(CM_MOUSEENTER);
    EXPECT_TRUE(probe.MouseOver());
    probe.Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(probe.MouseOver());
    EXPECT_EQ(Log, "enter over;parent hears enter;parent hears leave;leave not over;");
    probe.SetParent(nullptr);
}

// What a control's events see of MouseOver.
struct TOverLog : TObject {
    std::function<bool()> Over;
    void Entered(TObject*) { Log += Over() ? "enter over;" : "enter not over;"; }
    void Left(TObject*) { Log += Over() ? "leave over;" : "leave not over;"; }
};

template <class C>
std::string MouseEnterAndLeaveOf()
{
    TLoggingParent parent(nullptr);
    C probe(nullptr);
    probe.SetParent(&parent);
    TOverLog log;
    log.Over = [&probe] { return probe.MouseOver(); };
    probe.OnMouseEnter = TNotifyEvent(&log, &TOverLog::Entered);
    probe.OnMouseLeave = TNotifyEvent(&log, &TOverLog::Left);
    Log.clear();
    probe.Perform(CM_MOUSEENTER);
    probe.Perform(CM_MOUSELEAVE);
    probe.SetParent(nullptr);
    return Log;
}

TEST(EcExControls, ThePanelAndTheWindowlessControlTellMouseEnterAndLeaveAlike)
{
    const std::string expected = "enter over;parent hears enter;parent hears leave;leave not over;";
    EXPECT_EQ(MouseEnterAndLeaveOf<TEcExPanel>(), expected);
    EXPECT_EQ(MouseEnterAndLeaveOf<TEcExGraphicControl>(), expected);
}

TEST(EcExControls, DialogCodesAsASet)
{
    EXPECT_EQ(ShiftToKeyData({ssAlt, ssShift}), 0x28000000);
    EXPECT_EQ(DlgcToDialogCodes(DLGC_WANTARROWS | DLGC_WANTTAB), (TDialogCodes{dcWantArrows, dcWantTab}));
    EXPECT_EQ(DialogCodesToDlgc({dcWantAllKeys, dcButton, dcNative}), DLGC_WANTALLKEYS | DLGC_BUTTON);

    TProbe probe(nullptr);
    const std::intptr_t native = probe.Perform(WM_GETDLGCODE);
    probe.Add = {dcWantArrows};   // the native bit stays: the window's answer is kept
    EXPECT_EQ(probe.Perform(WM_GETDLGCODE), native);
    probe.Remove = {dcNative};
    EXPECT_EQ(probe.Perform(WM_GETDLGCODE), static_cast<std::intptr_t>(native | DLGC_WANTARROWS));
}

TEST(EcExControls, EraseThroughPaintBackgroundOnlyWhenOverridden)
{
    TBitmap bmp(4, 4);
    TRedBackground red(nullptr);
    EXPECT_EQ(red.Perform(WM_ERASEBKGND, reinterpret_cast<std::intptr_t>(&bmp.Canvas())), 1);
    EXPECT_EQ(bmp.Canvas().Pixel(2, 2), clRed);
    EXPECT_EQ(bmp.Canvas().Brush().Color(), clWhite);   // the erase left the canvas as it found it

    TProbe plain(nullptr);   // erases as its base does
    TBitmap other(4, 4);
    TEcExCustomControl base(nullptr);
    TBitmap reference(4, 4);
    EXPECT_EQ(plain.Perform(WM_ERASEBKGND, reinterpret_cast<std::intptr_t>(&other.Canvas())),
              base.Perform(WM_ERASEBKGND, reinterpret_cast<std::intptr_t>(&reference.Canvas())));
    EXPECT_EQ(other.Canvas().Pixel(2, 2), reference.Canvas().Pixel(2, 2));
}

// A control inside a panel inside a window: each asks its parent for the hint colour while its
// own is clDefault; the window, a plain control, leaves the colour the hint system proposed.
TEST(EcExControls, TheHintTakesTheControlsColourAndWindowClass)
{
    const TColor appColour = Application->HintColor();
    const TColor proposed = clLime;
    struct Case {
        const char* Name;
        TColor Own, Panel;
        bool Parented;
        TColor Shown;
    };
    const Case cases[] = {
        {"own colour", clRed, clYellow, true, clRed},
        {"application's colour", clNone, clYellow, true, appColour},
        {"the panel's colour", clDefault, clYellow, true, clYellow},
        {"the panel's application colour", clDefault, clNone, true, appColour},
        {"up to the window, which keeps it", clDefault, clDefault, true, proposed},
        {"no parent keeps it", clDefault, clYellow, false, proposed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TWinControl window(nullptr);
        TProbe panel(nullptr);
        panel.SetParent(&window);
        panel.SetHintLook(c.Panel, nullptr);
        TProbe windowed(nullptr);
        TGraphicProbe windowless(nullptr);
        TMaskEditProbe edit(nullptr);
        windowed.SetHintLook(c.Own, nullptr);
        windowless.SetHintLook(c.Own, nullptr);
        edit.SetHintLook(c.Own, nullptr);
        for (TControl* control : {static_cast<TControl*>(&windowed), static_cast<TControl*>(&windowless),
                                  static_cast<TControl*>(&edit)}) {
            if (c.Parented) control->SetParent(&panel);
            THintInfo info;
            info.HintColor = proposed;
            info.HintWindowClass = THintWindow::StaticClass();
            EXPECT_EQ(control->Perform(CM_HINTSHOW, 0, reinterpret_cast<std::intptr_t>(&info)), 0);
            EXPECT_EQ(info.HintColor, c.Shown);
            EXPECT_EQ(info.HintWindowClass, THintWindow::StaticClass());   // none of its own: unchanged
            control->SetParent(nullptr);
        }
        panel.SetParent(nullptr);
    }

    TProbe windowed(nullptr);
    TGraphicProbe windowless(nullptr);
    TMaskEditProbe edit(nullptr);
    windowed.SetHintLook(clRed, TOtherHintWindow::StaticClass());
    windowless.SetHintLook(clRed, TOtherHintWindow::StaticClass());
    edit.SetHintLook(clRed, TOtherHintWindow::StaticClass());
    for (TControl* control : {static_cast<TControl*>(&windowed), static_cast<TControl*>(&windowless),
                              static_cast<TControl*>(&edit)}) {
        THintInfo info;
        info.HintWindowClass = THintWindow::StaticClass();
        control->Perform(CM_HINTSHOW, 0, reinterpret_cast<std::intptr_t>(&info));
        EXPECT_EQ(info.HintWindowClass, TOtherHintWindow::StaticClass());
    }
}

}  // namespace

// Painting on glass is a passing state of the control, not a style it keeps.
TEST(EcThemes, AControlPaintsOnGlassWhileItsStateSaysSo)
{
    TControl control(nullptr);
    EXPECT_FALSE(InGlassPaint(&control));
    EXPECT_FALSE(InGlassPaint(nullptr));
    control.SetControlState(TControlState{csGlassPaint});
    EXPECT_TRUE(InGlassPaint(&control));
    EXPECT_TRUE(NeedsGlassPaint(&control));   // nothing double-buffered beneath it
    control.SetControlState(TControlState{});
    EXPECT_FALSE(NeedsGlassPaint(&control));
}
