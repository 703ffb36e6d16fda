#pragma once
// The scene the drawing-object tests draw through both back ends: on a 200 x 140 white area a red
// rectangle outlined in black at (10, 10)-(70, 50), a green ellipse in (90, 10)-(150, 60), a blue
// triangle (10, 120) (40, 60) (70, 120) outlined in navy, a black-to-white gradient across
// (90, 70)-(190, 100), the text "Dam" in (90, 105)-(190, 135), an 8 x 8 picture, yellow with a
// magenta top-left quarter, stretched into (160, 10)-(192, 42), and the same picture as the tiled
// texture of (155, 46)-(185, 66): whole tiles from (155, 46) to (187, 70).
#include "graphics/GxGraphics.h"

inline void DrawDrawingObjectScene(TGxGraphics& g)
{
    g.BeginScene();
    g.Stroke()->SetKind(gskNone);
    g.SetFillColor(clWhite);
    g.DrawRectangle(TRectF{0, 0, 200, 140});
    g.Stroke()->BeginUpdate();
    g.Stroke()->SetKind(gskSolid);
    g.Stroke()->SetColor(clBlack);
    g.Stroke()->SetWidth(1);
    g.Stroke()->EndUpdate();
    g.SetFillColor(0x0000FF);
    g.DrawRectangle(TRectF{10, 10, 70, 50});
    g.SetFillColor(0x00A000);
    g.DrawEllipse(TRectF{90, 10, 150, 60});
    g.SetFillColor(0xFF0000);
    g.SetStrokeColor(0x800000);
    g.DrawPolygon({{10, 120}, {40, 60}, {70, 120}});
    g.Stroke()->SetKind(gskNone);
    g.Fill()->BeginUpdate();
    g.Fill()->SetKind(gfkGradient);
    g.Fill()->SetColor(clBlack);
    g.Fill()->SetColorTo(clWhite);
    g.Fill()->SetGradientOrientation(gfoHorizontal);
    g.Fill()->EndUpdate();
    g.DrawRectangle(TRectF{90, 70, 190, 100});
    g.Font()->BeginUpdate();
    g.Font()->SetName("Tahoma");
    g.Font()->SetSize(14);
    g.Font()->SetStyle({TFontStyle::fsBold});
    g.Font()->SetColor(0x800000);
    g.Font()->EndUpdate();
    g.DrawText(TRectF{90, 105, 190, 135}, "Dam", false, gtaCenter, gtaCenter);
    TBitmap picture;
    picture.SetPixelFormat(TPixelFormat::pf32bit);
    picture.SetSize(8, 8);
    picture.Canvas().Brush().SetColor(clYellow);
    picture.Canvas().FillRect(Rect(0, 0, 8, 8));
    picture.Canvas().Brush().SetColor(clFuchsia);
    picture.Canvas().FillRect(Rect(0, 0, 4, 4));
    g.DrawBitmap(&picture, TRectF{160, 10, 192, 42});
    TGxBitmap texture;
    texture.SetGraphic(&picture);
    g.Fill()->BeginUpdate();
    g.Fill()->SetKind(gfkTexture);
    g.Fill()->SetTexture(&texture);
    g.Fill()->SetTextureMode(gtmTile);
    g.Fill()->EndUpdate();
    g.DrawRectangle(TRectF{155, 46, 185, 66});
    g.EndScene();
}
