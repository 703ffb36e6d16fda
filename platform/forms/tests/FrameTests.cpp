// Frames on a form: they own what is placed on them, nest, and show the form's colour.
#include <gtest/gtest.h>

#include "platform/forms/Frames.h"
#include "platform/stdctrls/StdCtrls.h"
#include "platform/testing/Driver.h"

namespace {

TEST(Frames, AFrameOwnsItsControlsAndShowsTheFormsColour)
{
    TestInitialize();
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    form.SetColor(clYellow);
    auto* frame = new TFrame(&form);
    frame->SetBounds(10, 10, 200, 150);
    frame->SetParent(&form);
    auto* inner = new TFrame(frame);   // a frame on the frame
    inner->SetBounds(10, 10, 100, 80);
    inner->SetParent(frame);
    auto* label = new TLabel(inner);
    label->SetParent(inner);
    EXPECT_EQ(form.ComponentCount(), 1);
    EXPECT_EQ(frame->ComponentCount(), 1);
    EXPECT_EQ(inner->Components(0), label);
    EXPECT_TRUE(inner->ControlStyle().Contains(csAcceptsControls));
    form.Show();
    TestProcess();
    EXPECT_EQ(frame->Color(), TColor(clYellow));
    EXPECT_EQ(TestPixel(inner, 90, 70), TColor(clYellow));
}

}  // namespace
