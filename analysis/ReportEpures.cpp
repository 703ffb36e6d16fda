#include "analysis/ReportEpures.h"

#include "analysis/Metafile.h"
#include "listcontrols/GxCombo.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/Clipbrd.h"
#include "platform/graphics/Printers.h"
#include "platform/rtl/FileSys.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"

const char* const CombinationStressCaptions[7] = {
    "Usual Combination [Stress analysis]",
    "Flood Combination [Stress analysis]",
    "Seismic 1 Combination - Peak Accelerations [Stress Analysis]",
    "Seismic 1 Combination - Sustained Accelerations [Stress Analysis]",
    "Seismic 2 Combination [Stress analysis]",
    "Seismic 2 Combination - Sustained Accelerations [Stress Analysis]",
    "Post-Seismic Combination [Stress analysis]"};

const char* const CombinationStabilityCaptions[7] = {
    "Usual Combination [Stability analysis]",
    "Flood Combination [Stability analysis]",
    "Seismic 1 Combination - Peak Accelerations [Stability Analysis]",
    "Seismic 1 Combination - Sustained Accelerations [Stability Analysis]",
    "Seismic 2 Combination [Stability analysis]",
    "Seismic 2 Combination - Sustained Accelerations [Stability Analysis]",
    "Post-Seismic Combination [Stability analysis]"};

Integer CombinationNumber(const String& Caption)
{
    for (Integer c = 0; c < 7; ++c)
        if (Caption == CombinationStressCaptions[c] || Caption == CombinationStabilityCaptions[c]) return c + 1;
    return 1;
}

TClass TReportEpures::StaticClass()
{
    static const TMetaClass meta("TReportEpures", TForm::StaticClass(), NewComponent<TReportEpures>, [](TMetaClass& m) {
        using C = TReportEpures;
        TPublished<C>(&m)
            .Method("FormShow", &C::FormShow)
            .Method("FormActivate", &C::FormActivate)
            .Method("ComboBoxCombinaisonChange", &C::ComboBoxCombinaisonChange)
            .Method("ButtonCopyClick", &C::ButtonCopyClick)
            .Method("ButtonSaveClick", &C::ButtonSaveClick)
            .Method("ButtonPrintClick", &C::ButtonPrintClick)
            .Method("ButtonCloseClick", &C::ButtonCloseClick)
            .Field("Panel1", &C::Panel1)
            .Field("LabelCombinaison", &C::LabelCombinaison)
            .Field("ComboBoxCombinaison", &C::ComboBoxCombinaison)
            .Field("LabelFont", &C::LabelFont)
            .Field("Panel2", &C::Panel2)
            .Field("Panel3", &C::Panel3)
            .Field("Image1", &C::Image1)
            .Field("SaveDialog", &C::SaveDialog);
        PublishStyledControls(m);
    });
    return &meta;
}

void RegisterReportEpuresClasses()
{
    RegisterStdControlClasses();
    RegisterGxComboClasses();
    TReportEpures::RegisterStyledControls();
    RegisterClasses({TReportEpures::StaticClass()});
}

void TReportEpures::FormShow(TObject*)
{
    // Filling the list draws nothing; the drawing follows once, for the first item.
    ComboBoxCombinaison->OnChange = TNotifyEvent();
    SetCaption("Stability drawings");
    LabelCombinaison->SetCaption("Combination :");
    SetButtonCaptions();
    LabelFont->SetCaption("Font size:");
    const TCombinations& c = param.Combination;
    // Each selected combination adds its cases, first to last, a stress item and its stability
    // item each.
    const struct {
        bool selected;
        Integer first, last;
    } combinations[] = {{c.Usual.Selected, 1, 1},
                        {c.Flood.Selected, 2, 2},
                        {c.Seismic1.Selected, 3, 4},
                        {c.Seismic2.Selected, 5, 6},
                        {c.PostSeismic.Selected, 7, 7}};
    TStrings& items = ComboBoxCombinaison->Items();
    for (const auto& combination : combinations)
        if (combination.selected)
            for (Integer k = combination.first; k <= combination.last; ++k) {
                items.Add(CombinationStressCaptions[k - 1]);
                items.Add(CombinationStabilityCaptions[k - 1]);
            }
    ComboBoxCombinaison->SetItemIndex(0);
    ComboBoxCombinaison->OnChange = TNotifyEvent(this, &TReportEpures::ComboBoxCombinaisonChange);
    Application->ProcessMessages();
    FShown = true;
    ComboBoxCombinaisonChange(this);
}

void TReportEpures::FormActivate(TObject*) { SetWindowState(wsMaximized); }

// Even items are stress views, odd items (and no item at all) stability views.
std::unique_ptr<TMetafile> TReportEpures::BuildDrawing()
{
    const bool stressView = ComboBoxCombinaison->ItemIndex() % 2 == 0;
    const Integer loadCase = CombinationNumber(ComboBoxCombinaison->Text());
    return BuildStabilityDrawing(param, loadCase, Image1->Width(), Image1->Height(), FontSize(),
                                 !stressView, stressView, stressView, stressView);
}

void TReportEpures::ComboBoxCombinaisonChange(TObject*)
{
    if (!FShown) return;   // resized before the model is given
    std::unique_ptr<TMetafile> drawing = BuildDrawing();
    Image1->Picture().Assign(drawing.get());
}

std::unique_ptr<TBitmap> TReportEpures::DrawingBitmap()
{
    std::unique_ptr<TMetafile> drawing = BuildDrawing();
    auto bitmap = std::make_unique<TBitmap>(drawing->Width(), drawing->Height());
    bitmap->Canvas().Draw(0, 0, *drawing);
    return bitmap;
}

void TReportEpures::ButtonCopyClick(TObject*) { Clipboard().Assign(DrawingBitmap().get()); }

// The file written is always a bitmap: the extension is forced to ".bmp" before a file that
// would be replaced is confirmed.
void TReportEpures::ButtonSaveClick(TObject*)
{
    SaveDialog->SetTitle("Save image to file:");
    if (!SaveDialog->Execute()) return;
    const String chosen = SaveDialog->FileName();
    const String fileName = ChangeFileExt(chosen, ".bmp");
    if (fileName != chosen && FileExists(fileName) &&
        MessageDlg(fileName + " already exists.\nDo you want to replace it?", mtConfirmation, {mbYes, mbNo}, 0) !=
            mrYes)
        return;
    DrawingBitmap()->SaveToFile(fileName);
}

// A failed job is abandoned, so the printer is free for the next one.
void TReportEpures::ButtonPrintClick(TObject*)
{
    TPrinter& printer = Printer();
    try {
        printer.SetOrientation(TPrinterOrientation::poLandscape);
        printer.SetTitle("Image Dorvane");
        printer.BeginDoc();
        if (TGraphic* picture = Image1->Picture().Graphic())
            printer.Canvas().StretchDraw(TRect(1, 1, printer.PageWidth(), printer.PageHeight()), *picture);
        printer.EndDoc();
    } catch (const Exception&) {
        if (printer.Printing()) printer.Abort();
        MessageDlg("Printing Error.  Check printer availability.", mtError, {mbOK}, 0);
    }
}

void TReportEpures::ButtonCloseClick(TObject*) { Close(); }
