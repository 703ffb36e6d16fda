#include "analysis/Memo.h"

#include "platform/classes/TypInfo.h"
#include "platform/graphics/Clipbrd.h"

TClass TGraphicValue::StaticClass()
{
    static const TMetaClass meta("TGraphicValue", TForm::StaticClass(), NewComponent<TGraphicValue>, [](TMetaClass& m) {
        using C = TGraphicValue;
        TPublished<C>(&m)
            .Method("FormCreate", &C::FormCreate)
            .Method("FormShow", &C::FormShow)
            .Method("FormClose", &C::FormClose)
            .Method("Open1Click", &C::Open1Click)
            .Method("Save1Click", &C::Save1Click)
            .Method("Close1Click", &C::Close1Click)
            .Method("sbtnundoClick", &C::sbtnundoClick)
            .Method("sbtncutClick", &C::sbtncutClick)
            .Method("sbtncopyClick", &C::sbtncopyClick)
            .Method("sbtnpasteClick", &C::sbtnpasteClick)
            .Field("Memo1", &C::Memo1)
            .Field("StatusBar1", &C::StatusBar1)
            .Field("OpenDialog1", &C::OpenDialog1)
            .Field("SaveDialog1", &C::SaveDialog1)
            .Field("MainMenu1", &C::MainMenu1)
            .Field("Open1", &C::Open1)
            .Field("Save1", &C::Save1)
            .Field("Close1", &C::Close1)
            .Field("Undo1", &C::Undo1)
            .Field("Cut1", &C::Cut1)
            .Field("Copy1", &C::Copy1)
            .Field("Paste1", &C::Paste1);
    });
    return &meta;
}

void TGraphicValue::FormCreate(TObject*)
{
    ceCurrent = nullptr;
    Application->OnIdle = TIdleEvent(this, &TGraphicValue::UpdateEditCommands);
}

void TGraphicValue::FormShow(TObject*)
{
    TJointPlotValues values;
    values.Values = GValues;
    values.GlobalValues = GlobalValues;
    values.NUplifts = NUplifts;
    values.ShearCurve = ShearCurve;
    for (const String& line : JointReportLines(values, FormatSettings)) Memo1->Lines().Add(line);
}

void TGraphicValue::FormClose(TObject*, TCloseAction&) { Application->OnIdle = TIdleEvent(); }

void TGraphicValue::UpdateEditCommands(TObject*, bool&)
{
    auto* memo = dynamic_cast<TCustomMemo*>(ActiveControl());
    if (memo) ceCurrent = memo;
    const bool selection = memo && memo->SelLength() > 0;
    Cut1->SetEnabled(selection);
    Copy1->SetEnabled(selection);
    Paste1->SetEnabled(memo && Clipboard().HasFormat(CF_TEXT));
    Undo1->SetEnabled(memo && memo->CanUndo());
}

void TGraphicValue::Open1Click(TObject*)
{
    if (OpenDialog1->Execute()) Memo1->Lines().LoadFromFile(OpenDialog1->FileName());
}

void TGraphicValue::Save1Click(TObject*)
{
    if (SaveDialog1->Execute()) Memo1->Lines().SaveToFile(SaveDialog1->FileName());
}

void TGraphicValue::Close1Click(TObject*) { Close(); }

void TGraphicValue::sbtnundoClick(TObject*)
{
    if (ceCurrent) ceCurrent->Undo();
}

void TGraphicValue::sbtncutClick(TObject*)
{
    if (ceCurrent) ceCurrent->CutToClipboard();
}

void TGraphicValue::sbtncopyClick(TObject*)
{
    if (ceCurrent) ceCurrent->CopyToClipboard();
}

void TGraphicValue::sbtnpasteClick(TObject*)
{
    if (ceCurrent) ceCurrent->PasteFromClipboard();
}
