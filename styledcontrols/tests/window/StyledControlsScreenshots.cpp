// Bevels, panels and labels in several styles: build/screenshots/styledcontrols-panels-labels.png
// (also kept as styled-bases.png).
#include <gtest/gtest.h>

#include "platform/testing/Driver.h"
#include "styledcontrols/StyCustomPanel.h"
#include "styledcontrols/StyCustomSimpleLabel.h"

namespace {

TStyCustomSimpleLabel* Caption(TWinControl* parent, const char* text, Integer x, Integer y)
{
    auto* l = new TStyCustomSimpleLabel(parent->Owner());
    l->SetLeft(x);
    l->SetTop(y);
    l->SetCaption(text);
    l->SetParent(parent);
    return l;
}

}  // namespace

TEST(StyledControlsScreenshots, BevelsPanelsAndLabels)
{
    TestInitialize();
    TForm form(nullptr);
    form.SetBounds(0, 0, 470, 330);
    form.SetCaption("Styled controls");

    // ---- bevels of a windowless control, one per mode
    struct BevelRow {
        const char* name;
        void (*setup)(TStyBevel&);
    };
    const BevelRow bevels[] = {
        {"Raised", [](TStyBevel& b) { b.SetStyleOuter(bvRaised); b.SetWidthOuter(2); }},
        {"Lowered", [](TStyBevel& b) { b.SetStyleOuter(bvLowered); b.SetBorderWidth(2); b.SetStyleInner(bvRaised); }},
        {"Frame", [](TStyBevel& b) { b.SetStyleOuter(bvFrameLowered); }},
        {"Shadow", [](TStyBevel& b) { b.SetStyleInner(bvShadow); b.SetWidthOuter(4); b.SetLightColor(clBlack); }},
        {"Standard", [](TStyBevel& b) { b.SetMode(bmStandard); b.SetStandardStyle(lsDoubleRaised); }},
        {"Etched", [](TStyBevel& b) { b.SetMode(bmEdge); }},
        {"Windows", [](TStyBevel& b) { b.SetMode(bmWindows); }},
    };
    Integer x = 10;
    for (const BevelRow& row : bevels) {
        auto* g = new TStyGraphicControl(&form);
        g->SetBounds(x, 10, 56, 36);
        row.setup(*g->Bevel());
        g->SetParent(&form);
        Caption(&form, row.name, x, 50);
        x += 64;
    }

    // ---- bevel panels
    auto* grip = new TStyCustomBevelPanel(&form);
    grip->SetBounds(10, 80, 140, 90);
    grip->Bevel()->SetStyleOuter(bvRaised);
    grip->Bevel()->SetBorderWidth(3);
    grip->Bevel()->SetStyleInner(bvLowered);
    grip->SetShowGrip(true);
    grip->SetParent(&form);
    Caption(grip, "Bevel with size grip", 10, 10);

    auto* edge = new TStyCustomBevelPanel(&form);
    edge->SetBounds(160, 80, 140, 90);
    edge->Bevel()->SetMode(bmWindows);
    edge->SetColor(clWindow);
    edge->SetParent(&form);
    Caption(edge, "Client edge", 8, 8);

    auto* sides = new TStyCustomBevelPanel(&form);
    sides->SetBounds(310, 80, 140, 90);
    sides->Bevel()->SetMode(bmEdge);
    sides->Bevel()->SetEdgeStyle(etBump);
    sides->Bevel()->SetBorderSides({fsTop, fsBottom});
    sides->SetParent(&form);
    Caption(sides, "Bump, top and bottom", 8, 8);

    // ---- labels
    auto* plain = Caption(&form, "&Upstream water level", 10, 185);
    (void)plain;
    auto* raised = Caption(&form, "Raised 3D caption", 10, 205);
    raised->Font().SetStyle({TFontStyle::fsBold});
    raised->Font3D()->SetStyle(tdRaised);
    auto* sunken = Caption(&form, "Sunken shadow", 10, 228);
    sunken->Font().SetHeight(-15);
    sunken->Font3D()->SetStyle(tdSunkenShadow);
    auto* jump = Caption(&form, "www.dorvane.example", 10, 255);
    jump->SetJumpMode(jmInternet);
    jump->ResetCounter();
    auto* disabled = Caption(&form, "Disabled label", 10, 275);
    disabled->SetEnabled(false);
    auto* opaque = Caption(&form, "Opaque, info colour", 200, 185);
    opaque->SetTransparent(false);
    opaque->SetColor(clInfoBk);
    auto* multi = Caption(&form, "Two lines,\r\ncentred", 200, 210);
    multi->SetMultiLine(true);
    multi->SetAutoSize(false);
    multi->SetBounds(200, 210, 150, 40);
    multi->SetAlignment(agCenter);
    multi->SetTransparent(false);
    multi->SetColor(clWhite);
    auto* literal = Caption(&form, "Rock & concrete, no accelerator", 200, 260);
    literal->SetShowAccelChar(false);
    literal->CorrectBounds();
    auto* outlined = Caption(&form, "Outlined", 200, 280);
    outlined->Font().SetHeight(-22);
    outlined->Font().SetStyle({TFontStyle::fsBold});
    outlined->Font3D()->SetStyle(tdOutline);
    outlined->Font3D()->SetShadowDepth(1);

    form.Show();
    TestProcess();
    TBitmap shot;
    TestScreenshot(&form, "styledcontrols-panels-labels", shot);
    TestScreenshot(&form, "styled-bases", shot);
    EXPECT_EQ(shot.Width(), form.Width());
    // the raised bevel's top-left highlight and the shadow bevel's shadow colour
    EXPECT_EQ(TestPixel(form.Controls(0), 0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(TestPixel(form.Controls(6), 55, 35), ColorToRGB(clBtnShadow));
}
