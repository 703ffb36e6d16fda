#include "chart/VEZ_vezbase_chart.h"

#include "platform/graphics/Printers.h"

IMPLEMENT_CLASS(TCrossHair, TPersistent, NewObject<TCrossHair>)
IMPLEMENT_CLASS(TDTLabel, TPersistent, NewObject<TDTLabel>)
IMPLEMENT_CLASS(TCustomTextLabel, TPersistent, NewObject<TCustomTextLabel>)
IMPLEMENT_CLASS(TTextLabel, TCustomTextLabel, NewObject<TTextLabel>)

// ---------------------------------------------------------------- TCrossHair

void TCrossHair::Changed()
{
    OnChange(this);
}

void TCrossHair::SetPosX(double value) { FPosX = value; Changed(); }
void TCrossHair::SetPosY(double value) { FPosY = value; Changed(); }
void TCrossHair::SetColor(TColor value) { FColor = value; Changed(); }
void TCrossHair::SetMode(TCrossHMode value) { FMode = value; Changed(); }
void TCrossHair::SetLineType(TPenStyle value) { FLineType = value; Changed(); }
void TCrossHair::SetLineWid(Integer value) { FLineWid = value; Changed(); }

void TCrossHair::SetLayer(Integer value)
{
    FLayer = value < 1 ? 1 : value > 16 ? 16 : value;
    Changed();
}

void TCrossHair::SetPos(double xpos, double ypos)
{
    if (xpos == FPosX && ypos == FPosY) return;
    FPosX = xpos;
    FPosY = ypos;
    Changed();
}

void TCrossHair::Assign(TPersistent* Source)
{
    if (auto* src = dynamic_cast<TCrossHair*>(Source)) {
        FPosX = src->FPosX;
        FPosY = src->FPosY;
        FColor = src->FColor;
        FMode = src->FMode;
        FLineType = src->FLineType;
        FLineWid = src->FLineWid;
        FLayer = src->FLayer;
        OnChange = src->OnChange;
        return;
    }
    inherited::Assign(Source);
}

void TCrossHair::AssignTo(TPersistent* Dest)
{
    if (auto* dst = dynamic_cast<TCrossHair*>(Dest)) dst->Assign(this);
    else inherited::AssignTo(Dest);
}

// ---------------------------------------------------------------- TDTLabel

void TDTLabel::Changed()
{
    OnChange(this);
}

void TDTLabel::SetTimeFormat(TTimeFormat value) { FTimeFormat = value; Changed(); }
void TDTLabel::SetDateOrder(TDateOrder value) { FDateOrder = value; Changed(); }
void TDTLabel::SetDateSeparator(char16_t value) { SetIfChanged(FDateSeparator, value); }
void TDTLabel::SetTimeSeparator(char16_t value) { SetIfChanged(FTimeSeparator, value); }
void TDTLabel::SetYearLength(TYearLength value) { SetIfChanged(FYearLength, value); }
void TDTLabel::SetMonthName(bool value) { SetIfChanged(FMonthName, value); }
void TDTLabel::SetDateForTime(TDateForTime value) { SetIfChanged(FDateForTime, value); }

void TDTLabel::Assign(TPersistent* Source)
{
    if (auto* src = dynamic_cast<TDTLabel*>(Source)) {
        FTimeFormat = src->FTimeFormat;
        FDateSeparator = src->FDateSeparator;
        FTimeSeparator = src->FTimeSeparator;
        FYearLength = src->FYearLength;
        FMonthName = src->FMonthName;
        FDateOrder = src->FDateOrder;
        FDateForTime = src->FDateForTime;
        OnChange = src->OnChange;
        return;
    }
    inherited::Assign(Source);
}

void TDTLabel::AssignTo(TPersistent* Dest)
{
    if (auto* dst = dynamic_cast<TDTLabel*>(Dest)) dst->Assign(this);
    else inherited::AssignTo(Dest);
}

// ---------------------------------------------------------------- TCustomTextLabel

TCustomTextLabel::TCustomTextLabel() = default;

void TCustomTextLabel::Changed()
{
    OnChange(this);
}

void TCustomTextLabel::SetLayer(Integer value)
{
    if (value < 1 || value > 16) return;
    FLayer = value;
    Changed();
}

void TCustomTextLabel::SetFont(const TFont& value)
{
    FFont.Assign(value);
    Changed();
}

void TCustomTextLabel::SetCaption(const String& value)
{
    String text = value;
    for (int i = 1; i <= text.Length(); ++i)
        if (text[i] < 32 && text[i] != 10) text[i] = u' ';
    FCaption = text;
    Changed();
}

void TCustomTextLabel::Assign(TPersistent* Source)
{
    if (auto* src = dynamic_cast<TCustomTextLabel*>(Source)) {
        FPosX = src->FPosX;
        FPosY = src->FPosY;
        FLayer = src->FLayer;
        FXShadow = src->FXShadow;
        FYShadow = src->FYShadow;
        FColorShadow = src->FColorShadow;
        FAlignment = src->FAlignment;
        FVertAlign = src->FVertAlign;
        FAttachDat = src->FAttachDat;
        FColorBkg = src->FColorBkg;
        FColorBrd = src->FColorBrd;
        FTransPar = src->FTransPar;
        FFont.Assign(src->FFont);
        FCaption = src->FCaption;
        FMode = src->FMode;
        FVisible = src->FVisible;
        OnChange = src->OnChange;
        return;
    }
    inherited::Assign(Source);
}

void TCustomTextLabel::AssignTo(TPersistent* Dest)
{
    if (auto* dst = dynamic_cast<TCustomTextLabel*>(Dest)) dst->Assign(this);
    else inherited::AssignTo(Dest);
}

// ---------------------------------------------------------------- frames

void Draw3DFrame(TCanvas& Canvas, Byte Style, Integer Left, Integer Top, Integer Right, Integer Bottom,
                 TColor HiLight, TColor Light, TColor Shadow, TColor DarkShadow, TColor SimpleColor)
{
    const Integer L = Left, T = Top, R = Right, B = Bottom;
    TColor c[4];
    switch (Style & 0x7F) {
        case fsSimple:
            Canvas.Pen().SetColor(SimpleColor);
            Canvas.MoveTo(L, T);
            Canvas.LineTo(L, B);
            Canvas.LineTo(R, B);
            Canvas.LineTo(R, T);
            Canvas.LineTo(L, T);
            return;
        case fsLowered: c[0] = Shadow; c[1] = HiLight; c[2] = DarkShadow; c[3] = Light; break;
        case fsRaised: c[0] = HiLight; c[1] = DarkShadow; c[2] = Light; c[3] = Shadow; break;
        case fsEmbossed: c[0] = HiLight; c[1] = Shadow; c[2] = Shadow; c[3] = HiLight; break;
        case fsEngraved: c[0] = Shadow; c[1] = HiLight; c[2] = HiLight; c[3] = Shadow; break;
        default: return;   // fsNone and values above 5
    }
    Canvas.Pen().SetColor(c[0]);
    Canvas.MoveTo(L, B);
    Canvas.LineTo(L, T);
    Canvas.LineTo(R + 1, T);
    Canvas.MoveTo(R, T + 1);
    Canvas.Pen().SetColor(c[1]);
    Canvas.LineTo(R, B);
    Canvas.LineTo(L - 1, B);
    Canvas.Pen().SetColor(c[2]);
    Canvas.MoveTo(L + 1, B - 1);
    Canvas.LineTo(L + 1, T + 1);
    Canvas.LineTo(R, T + 1);
    Canvas.MoveTo(R - 1, T + 2);
    Canvas.Pen().SetColor(c[3]);
    Canvas.LineTo(R - 1, B - 1);
    Canvas.LineTo(L, B - 1);
}

// ---------------------------------------------------------------- marks

bool IsPrinterCanvas(const TCanvas& Canvas)
{
    return &Canvas == &Printer().Canvas();
}

void SetCanvasFontSize(TCanvas& Canvas, Integer Points)
{
    if (!IsPrinterCanvas(Canvas)) {
        Canvas.Font().SetSize(Points);
        return;
    }
    Canvas.Font().SetPixelsPerInch(96);
    Canvas.Font().SetSize(Points);
    Canvas.Font().SetPixelsPerInch(Canvas.GetDeviceCaps(LOGPIXELSY));
}

void AssignCanvasFont(TCanvas& Canvas, const TFont& Font)
{
    Canvas.Font().Assign(Font);
    if (IsPrinterCanvas(Canvas)) SetCanvasFontSize(Canvas, Font.Size());
}

namespace {

// Rows y-3..y+3 of the seven pixel patterns; bit 6 is x-3, bit 0 is x+3.
struct TPattern {
    Byte Mark;
    Byte Rows[7];
};
constexpr TPattern Patterns[] = {
    {1, {0x00, 0x00, 0x08, 0x1C, 0x08, 0x00, 0x00}}, {2, {0x00, 0x08, 0x08, 0x3E, 0x08, 0x08, 0x00}},
    {3, {0x08, 0x08, 0x08, 0x7F, 0x08, 0x08, 0x08}}, {4, {0x00, 0x00, 0x14, 0x08, 0x14, 0x00, 0x00}},
    {5, {0x00, 0x22, 0x14, 0x08, 0x14, 0x22, 0x00}}, {6, {0x41, 0x22, 0x14, 0x08, 0x14, 0x22, 0x41}},
    {18, {0x55, 0x2A, 0x55, 0x2A, 0x55, 0x2A, 0x55}},
};

void DrawPattern(TCanvas& cv, Byte mark, Integer x, Integer y)
{
    const TColor ink = cv.Pen().Color();
    for (const TPattern& p : Patterns) {
        if (p.Mark != mark) continue;
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 7; ++col)
                if (p.Rows[row] & (0x40 >> col)) cv.SetPixel(x - 3 + col, y - 3 + row, ink);
    }
}

void Line(TCanvas& cv, Integer x, Integer y, Integer x1, Integer y1, Integer x2, Integer y2)
{
    cv.MoveTo(x + x1, y + y1);
    cv.LineTo(x + x2, y + y2);
}

void Outline(TCanvas& cv, Integer x, Integer y, std::initializer_list<TPoint> pts)
{
    bool first = true;
    for (TPoint p : pts) {
        if (first) cv.MoveTo(x + p.X, y + p.Y);
        else cv.LineTo(x + p.X, y + p.Y);
        first = false;
    }
}

enum class TFill { Filled, Hollow };

// Filled shapes take the pen colour as brush colour; hollow ones a clear brush, then solid.
template <class Draw>
void Shape(TCanvas& cv, TFill fill, Draw draw)
{
    if (fill == TFill::Filled) {
        cv.Brush().SetColor(cv.Pen().Color());
        draw();
    } else {
        cv.Brush().SetStyle(TBrushStyle::bsClear);
        draw();
        cv.Brush().SetStyle(TBrushStyle::bsSolid);
    }
}

void Poly(TCanvas& cv, TFill fill, Integer x, Integer y, std::initializer_list<TPoint> pts)
{
    std::vector<TPoint> points;
    for (TPoint p : pts) points.push_back({x + p.X, y + p.Y});
    Shape(cv, fill, [&] { cv.Polygon(points); });
}

void Ell(TCanvas& cv, TFill fill, Integer x, Integer y, Integer x1, Integer y1, Integer x2, Integer y2)
{
    Shape(cv, fill, [&] { cv.Ellipse(x + x1, y + y1, x + x2, y + y2); });
}

void RectShape(TCanvas& cv, TFill fill, Integer x, Integer y, Integer x1, Integer y1, Integer x2, Integer y2)
{
    Shape(cv, fill, [&] { cv.Rectangle(x + x1, y + y1, x + x2, y + y2); });
}

void DrawCharacterMark(TCanvas& cv, Byte mark, Integer x, Integer y)
{
    const char16_t code = mark >= 200 && mark <= 209 ? char16_t(mark - 152) : char16_t(mark);
    const String text = String::FromChar(code);
    const TSize size = cv.TextExtent(text);
    cv.Font().SetColor(cv.Pen().Color());
    cv.Brush().SetStyle(TBrushStyle::bsClear);
    cv.TextOut(x - size.cx / 2, y - size.cy / 2, text);
}

void DrawGlyph(TCanvas& cv, Byte mark, Integer x, Integer y, bool printer)
{
    using F = TFill;
    switch (mark) {
        case 0: cv.SetPixel(x, y, cv.Pen().Color()); break;
        case 1: case 2: case 3: {
            if (!printer) { DrawPattern(cv, mark, x, y); break; }
            const Integer a = mark + 1;
            Line(cv, x, y, -a, 0, a, 0);
            Line(cv, x, y, 0, -a, 0, a);
            break;
        }
        case 4: case 5: case 6: {
            if (!printer) { DrawPattern(cv, mark, x, y); break; }
            const Integer a = mark - 2;
            Line(cv, x, y, -a, -a, a, a);
            Line(cv, x, y, -a, a, a, -a);
            break;
        }
        case 7: case 8: case 9: { const Integer a = mark - 6; RectShape(cv, F::Filled, x, y, -a, -a, a + 1, a + 1); break; }
        case 10: case 11: case 12: {
            const Integer a = mark - 9;
            Outline(cv, x, y, {{-a, -a}, {-a, a}, {a, a}, {a, -a}, {-a, -a}});
            break;
        }
        case 13: case 19:
            Outline(cv, x, y, {{-3, 0}, {0, 3}, {3, 0}, {0, -3}, {-3, 0}});
            if (mark == 13) cv.SetPixel(x, y, cv.Pen().Color());
            break;
        case 14: case 15: { const Integer a = mark - 12; Poly(cv, F::Filled, x, y, {{-a, 0}, {0, a}, {a, 0}, {0, -a}}); break; }
        case 16: case 17: { const Integer a = mark - 14; Ell(cv, F::Hollow, x, y, -a, -a, a + 1, a + 1); break; }
        case 18:
            if (!printer) { DrawPattern(cv, mark, x, y); break; }
            for (Integer dy = -3; dy <= 3; ++dy)
                for (Integer dx = -3; dx <= 3; ++dx)
                    if ((dx + dy) % 2 == 0) Line(cv, x, y, dx, dy, dx, dy);
            break;
        case 20: case 21: { const Integer a = mark - 17; Line(cv, x, y, 0, 0, -a, a); Line(cv, x, y, 0, 0, a, a); break; }
        case 22: case 23: { const Integer a = mark - 19; Line(cv, x, y, 0, 0, -a, -a); Line(cv, x, y, 0, 0, a, -a); break; }
        case 24: Ell(cv, F::Filled, x, y, -3, -3, 4, 4); break;
        case 25: {
            const Integer e = printer ? 1 : 0;   // the printer's lines end one pixel shorter
            Line(cv, x, y, -3, -3, 4 - e, 4 - e);
            Line(cv, x, y, -3, -2, 3 - e, 4 - e);
            Line(cv, x, y, -2, -3, 4 - e, 3 - e);
            Line(cv, x, y, -3, 3, 4 - e, -4 + e);
            Line(cv, x, y, -3, 2, 3 - e, -4 + e);
            Line(cv, x, y, -2, 3, 4 - e, -3 + e);
            break;
        }
        case 26: Ell(cv, F::Filled, x, y, -2, -2, 3, 3); break;
        case 27: Ell(cv, F::Hollow, x, y, -2, -2, 2, 2); break;
        case 28: Ell(cv, F::Filled, x, y, -2, -2, 2, 2); break;
        case 29: case 30: { const Integer a = mark - 27; Poly(cv, F::Filled, x, y, {{-a, 0}, {0, a}, {a, 0}}); break; }
        case 31: case 32: { const Integer a = mark - 29; Poly(cv, F::Hollow, x, y, {{-a, 0}, {0, a}, {a, 0}}); break; }
        case 33: case 34: Poly(cv, mark == 33 ? F::Hollow : F::Filled, x, y, {{-4, -3}, {0, 4}, {4, -3}}); break;
        case 35: case 36: Poly(cv, mark == 35 ? F::Hollow : F::Filled, x, y, {{-4, 3}, {0, -4}, {4, 3}}); break;
        case 37: Line(cv, x, y, -3, 0, 4, 0); Line(cv, x, y, 0, 0, 0, -8); break;
        case 38: Line(cv, x, y, -3, -2, 4, -2); Line(cv, x, y, -3, 2, 4, 2); Line(cv, x, y, 0, -2, 0, 2); break;
        case 39: Ell(cv, F::Hollow, x, y, -3, -3, 4, 4); Line(cv, x, y, -3, 0, 4, 0); Line(cv, x, y, 0, -3, 0, 4); break;
        case 40: case 41: Poly(cv, mark == 40 ? F::Hollow : F::Filled, x, y, {{3, -2}, {-2, 0}, {3, 2}}); break;
        case 42: case 43: Poly(cv, mark == 42 ? F::Hollow : F::Filled, x, y, {{4, -3}, {-3, 0}, {4, 3}}); break;
        case 44: case 45: Poly(cv, mark == 44 ? F::Hollow : F::Filled, x, y, {{-3, -2}, {2, 0}, {-3, 2}}); break;
        case 46: case 47: Poly(cv, mark == 46 ? F::Hollow : F::Filled, x, y, {{-4, -3}, {3, 0}, {-4, 3}}); break;
        case 48: RectShape(cv, F::Hollow, x, y, -3, -3, 4, 4); Line(cv, x, y, -3, 0, 4, 0); Line(cv, x, y, 0, -3, 0, 4); break;
        case 49: RectShape(cv, F::Hollow, x, y, -2, -2, 3, 3); Line(cv, x, y, -4, 0, 5, 0); Line(cv, x, y, 0, -4, 0, 5); break;
        case 50:
            cv.Brush().SetStyle(TBrushStyle::bsSolid);
            Line(cv, x, y, -4, 0, 5, 0);
            Line(cv, x, y, 0, -4, 0, 5);
            Line(cv, x, y, -3, -3, 4, 4);
            Line(cv, x, y, -3, 3, 4, -4);
            break;
        case 51:
            cv.Brush().SetStyle(TBrushStyle::bsSolid);
            Line(cv, x, y, -4, 0, 5, 0);
            Line(cv, x, y, 0, -4, 0, 5);
            Line(cv, x, y, -1, -3, 2, -3);
            Line(cv, x, y, -1, 3, 2, 3);
            Line(cv, x, y, -3, -1, -3, 2);
            Line(cv, x, y, 3, -1, 3, 2);
            break;
        default: break;
    }
}

}  // namespace

void DrawMark(TCanvas& Canvas, Byte Mark, Integer X, Integer Y)
{
    if (Mark > 51) {
        DrawCharacterMark(Canvas, Mark, X, Y);
        return;
    }
    const TColor brush = Canvas.Brush().Color();
    DrawGlyph(Canvas, Mark, X, Y, IsPrinterCanvas(Canvas));
    Canvas.Brush().SetColor(brush);
}
