// Chart exports: the clipboard (bitmap and enhanced metafile), caller's bitmaps, bitmap and
// metafile files, and printing as a job of its own or into the caller's open job.  Every
// export may draw black on white; none draws the mouse trace.
#include <functional>

#include "chart/VEZ_dizure.h"
#include "platform/graphics/Clipbrd.h"
#include "platform/graphics/GdiApi.h"
#include "platform/graphics/Printers.h"
#include "platform/graphics/Regions.h"
#include "platform/rtl/FileSys.h"
#include "platform/rtl/RtlMath.h"

namespace {

// Painting is held off for the export (the field itself, so nothing repaints meanwhile).
class TExportFrame {
public:
    TExportFrame(bool& suppress, std::function<void(bool)> blackWhite, bool BlkWhite)
        : FSuppress(suppress), FSaved(suppress), FBlackWhite(std::move(blackWhite)), FOn(BlkWhite)
    {
        FSuppress = true;
        if (FOn) FBlackWhite(true);
    }
    ~TExportFrame()
    {
        if (FOn) FBlackWhite(false);
        FSuppress = FSaved;
    }

private:
    bool& FSuppress;
    bool FSaved;
    std::function<void(bool)> FBlackWhite;
    bool FOn;
};

// The folder and the name of FName up to its first dot, with the extension.
String ExportFileName(const String& FName, const String& ext)
{
    const String name = ExtractFileName(FName);
    const Integer dot = Pos(".", name);
    return ExtractFilePath(FName) + (dot > 0 ? Copy(name, 1, dot - 1) : name) + ext;
}

void NewBitmap(TBitmap& bmp, Integer width, Integer height)
{
    bmp.SetPixelFormat(TPixelFormat::pf32bit);
    bmp.SetSize(width, height);
}

}  // namespace

void TCustomDIzure::AxesDrawOn(TCanvas& canvas)
{
    for (Integer L = 1; L <= 16; ++L) {
        FScaleX[L]->UseForeignCanvas(&canvas, 0, 0);
        FScaleY[L]->UseForeignCanvas(&canvas, 0, 0);
    }
}

void TCustomDIzure::SetBlackAndWhite(bool on)
{
    if (on) {
        ColBak.Window = FWindColor;
        ColBak.Frame = FChartFrameColor;
        ColBak.Chart = FChartColor;
        ColBak.Font = Font().Color();
        ColBak.Shadow = FShadowColor;
        ColBak.ShadowBgnd = RcShadowBakCol;
        for (Integer L = 1; L <= 16; ++L) {
            ColBak.ScalesX[L] = FScalePropsX[L]->FColorScale;
            ColBak.ScalesY[L] = FScalePropsY[L]->FColorScale;
            ColBak.SclFontX[L] = FScalePropsX[L]->FFont->Color();
            ColBak.SclFontY[L] = FScalePropsY[L]->FFont->Color();
        }
    }
    FWindColor = on ? clWhite : ColBak.Window;
    FChartColor = on ? clWhite : ColBak.Chart;
    FChartFrameColor = on ? clBlack : ColBak.Frame;
    Font().SetColor(on ? clBlack : ColBak.Font);
    FShadowColor = on ? TColor(12632256) : ColBak.Shadow;
    RcShadowBakCol = on ? clWhite : ColBak.ShadowBgnd;
    for (Integer L = 1; L <= 16; ++L) {
        TScaleProps& px = *FScalePropsX[L];
        TScaleProps& py = *FScalePropsY[L];
        const auto fx = px.FFont->OnChange, fy = py.FFont->OnChange;
        px.FFont->OnChange = nullptr;
        py.FFont->OnChange = nullptr;
        px.FColorScale = on ? clBlack : ColBak.ScalesX[L];
        py.FColorScale = on ? clBlack : ColBak.ScalesY[L];
        px.FFont->SetColor(on ? clBlack : ColBak.SclFontX[L]);
        py.FFont->SetColor(on ? clBlack : ColBak.SclFontY[L]);
        px.FFont->OnChange = fx;
        py.FFont->OnChange = fy;
        SyncScaleWithProps(L);
    }
}

void TCustomDIzure::RenderDataAreaOnly(TBitmap& bmp, bool BlkWhite, bool IncludeCrossHairs)
{
    ResizeGrafBmp();
    NewBitmap(bmp, FGrafBmp.Width(), FGrafBmp.Height());
    PaintChartBackground(bmp.Canvas(), 0, bmp.Height(), bmp.Width(), 0);
    RenderItemsToBitmap(bmp, 0, 0, BlkWhite, 0);
    if (IncludeCrossHairs) DrawCrossHairs(RcLRim, RcTRim, bmp);
}

void TCustomDIzure::RenderWholeControl(bool BlkWhite, bool IncludeCrossHairs)
{
    DrawChartFrame(FChartBmp.Canvas());
    TBitmap area;
    RenderDataAreaOnly(area, BlkWhite, IncludeCrossHairs);
    FChartBmp.Canvas().Draw(RcLRim, RcTRim, area);
}

void TCustomDIzure::CopyToClipboard(bool BlkWhite, bool IncludeCrossHairs)
{
    TExportFrame frame(FSuppressPaint, [this](bool on) { SetBlackAndWhite(on); }, BlkWhite);
    RenderWholeControl(BlkWhite, IncludeCrossHairs);
    Clipboard().Assign(&FChartBmp);
}

void TCustomDIzure::CopyToClipboardDAOnly(bool BlkWhite, bool IncludeCrossHairs)
{
    TExportFrame frame(FSuppressPaint, [this](bool on) { SetBlackAndWhite(on); }, BlkWhite);
    TBitmap area;
    RenderDataAreaOnly(area, BlkWhite, IncludeCrossHairs);
    Clipboard().Assign(&area);
}

void TCustomDIzure::CopyToBitmap(TBitmap* ABitmap, bool BlkWhite, bool IncludeCrossHairs)
{
    if (!ABitmap) return;
    TExportFrame frame(FSuppressPaint, [this](bool on) { SetBlackAndWhite(on); }, BlkWhite);
    RenderWholeControl(BlkWhite, IncludeCrossHairs);
    NewBitmap(*ABitmap, FChartBmp.Width(), FChartBmp.Height());
    ABitmap->Canvas().Draw(0, 0, FChartBmp);
}

void TCustomDIzure::CopyToBitmapDAOnly(TBitmap* ABitmap, bool BlkWhite, bool IncludeCrossHairs)
{
    if (!ABitmap) return;
    TExportFrame frame(FSuppressPaint, [this](bool on) { SetBlackAndWhite(on); }, BlkWhite);
    RenderDataAreaOnly(*ABitmap, BlkWhite, IncludeCrossHairs);
}

void TCustomDIzure::CopyToBMP(const String& FName, bool BlkWhite)
{
    TExportFrame frame(FSuppressPaint, [this](bool on) { SetBlackAndWhite(on); }, BlkWhite);
    RenderWholeControl(BlkWhite, false);
    FChartBmp.SaveToFile(ExportFileName(FName, ".bmp"));
}

// The whole chart recorded into an enhanced metafile, one logical unit per screen pixel.
void TCustomDIzure::RenderMetafile(TMetafile& mf, bool BlkWhite, bool forClipboard)
{
    ResizeGrafBmp();
    {
        TMetafileCanvas cv(mf);
        const HDC dc = cv.Handle();
        const Integer X = GetDeviceCaps(dc, LOGPIXELSX), Y = GetDeviceCaps(dc, LOGPIXELSY);
        const Integer P = 96;
        SetMapMode(dc, MM_ISOTROPIC);
        SetWindowExtEx(dc, P, P, nullptr);
        SetViewportExtEx(dc, X, Y, nullptr);
        AxesDrawOn(cv);
        DrawChartFrame(cv);
        PaintChartBackground(cv, RcLRim, FGrafBmp.Height(), FGrafBmp.Width(), RcTRim);
        cv.Pen().SetColor(clBlack);
        cv.MoveTo(FWidth, FHeight);
        cv.LineTo(FWidth, FHeight);
        const Integer extra = forClipboard ? 0 : 1;
        const Integer right = FWidth - RcRRim - F3DRim - extra, bottom = FHeight - RcBRim - F3DRim - extra;
        const HRGN rgn = CreateRectRgn(Round(double(X) * RcLRim / P), Round(double(Y) * RcTRim / P),
                                       Round(double(X) * right / P), Round(double(Y) * bottom / P));
        SelectClipRgn(dc, rgn);
        RenderItems(cv, RcLRim, 0, BlkWhite, RcTRim);
        SelectClipRgn(dc, nullptr);
        DeleteObject(rgn);
    }
    AxesDrawOn(FChartBmp.Canvas());
}

void TCustomDIzure::CopyToWMF(const String& FName, bool BlkWhite)
{
    TExportFrame frame(FSuppressPaint, [this](bool on) { SetBlackAndWhite(on); }, BlkWhite);
    TMetafile mf;
    RenderMetafile(mf, BlkWhite, false);
    mf.SaveToFile(ExportFileName(FName, ".wmf"));
}

void TCustomDIzure::CopyToClipboardWMF(bool BlkWhite)
{
    TExportFrame frame(FSuppressPaint, [this](bool on) { SetBlackAndWhite(on); }, BlkWhite);
    TMetafile mf;
    RenderMetafile(mf, BlkWhite, true);
    Clipboard().Assign(&mf);
}

// The chart on a printer canvas at (originX, originY), one screen pixel = ScaleF / 96 inch.
void TCustomDIzure::PrintOnCanvas(TCanvas& canvas, Integer originX, Integer originY, double ScaleF, bool BlkWhite)
{
    const HDC dc = canvas.Handle();
    const Integer X = GetDeviceCaps(dc, LOGPIXELSX), Y = GetDeviceCaps(dc, LOGPIXELSY);
    const Integer P = 96;
    SetMapMode(dc, MM_ISOTROPIC);
    SetWindowExtEx(dc, P, P, nullptr);
    SetViewportExtEx(dc, Round(ScaleF * X), Round(ScaleF * Y), nullptr);
    SetViewportOrgEx(dc, originX, originY, nullptr);
    ResizeGrafBmp();
    AxesDrawOn(canvas);
    DrawChartFrame(canvas);
    PaintChartBackground(canvas, RcLRim, FGrafBmp.Height(), FGrafBmp.Width(), RcTRim);
    const HRGN rgn = CreateRectRgn(originX + Round(ScaleF * X * RcLRim / P), originY + Round(ScaleF * Y * RcTRim / P),
                                   originX + Round(ScaleF * X * (FWidth - RcRRim - F3DRim - 1) / P),
                                   originY + Round(ScaleF * Y * (FHeight - RcBRim - F3DRim - 1) / P));
    SelectClipRgn(dc, rgn);
    RenderItems(canvas, RcLRim, 0, BlkWhite, RcTRim);
    SelectClipRgn(dc, nullptr);
    DeleteObject(rgn);
}

void TCustomDIzure::PrintIt(double ScaleF, bool BlkWhite)
{
    TExportFrame frame(FSuppressPaint, [this](bool on) { SetBlackAndWhite(on); }, BlkWhite);
    TPrinter& prn = Printer();
    prn.SetTitle(FCaption.IsEmpty() ? Name() : FCaption);
    prn.BeginDoc();
    TCanvas& canvas = prn.Canvas();
    const HDC dc = canvas.Handle();
    const Integer X = GetDeviceCaps(dc, LOGPIXELSX), Y = GetDeviceCaps(dc, LOGPIXELSY);
    const Integer W = GetDeviceCaps(dc, PHYSICALWIDTH);
    const Integer m = Max(0, (W - static_cast<Integer>(Round(X * ScaleF * FWidth / 96))) / 2);
    try {
        PrintOnCanvas(canvas, m, Y / 2, ScaleF, BlkWhite);
    } catch (...) {
        prn.Abort();
        AxesDrawOn(FChartBmp.Canvas());
        throw;
    }
    prn.EndDoc();
    AxesDrawOn(FChartBmp.Canvas());
}

void TCustomDIzure::CopyToOpenPrinter(Integer& x, Integer& y, double ScaleF, bool BlkWhite)
{
    TExportFrame frame(FSuppressPaint, [this](bool on) { SetBlackAndWhite(on); }, BlkWhite);
    TCanvas& canvas = Printer().Canvas();
    const HDC dc = canvas.Handle();
    const TColor brush = canvas.Brush().Color(), pen = canvas.Pen().Color();
    TFont font;
    font.Assign(&canvas.Font());
    TPoint origin;
    GetViewportOrgEx(dc, &origin);
    PrintOnCanvas(canvas, x, y, ScaleF, BlkWhite);
    const Integer X = GetDeviceCaps(dc, LOGPIXELSX), Y = GetDeviceCaps(dc, LOGPIXELSY);
    SetWindowExtEx(dc, 96, 96, nullptr);
    SetViewportExtEx(dc, 96, 96, nullptr);
    SetViewportOrgEx(dc, origin.X, origin.Y, nullptr);
    canvas.Font().Assign(&font);
    canvas.Brush().SetColor(brush);
    canvas.Pen().SetColor(pen);
    AxesDrawOn(FChartBmp.Canvas());
    x += static_cast<Integer>(Round(X * ScaleF * FWidth / 96));
    y += static_cast<Integer>(Round(Y * ScaleF * FHeight / 96));
}
