// Published properties and class registration of the forms and dialogs.
#include "platform/forms/Dialogs.h"
#include "platform/forms/Forms.h"
#include "platform/forms/Frames.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"

const TEnumTypeInfo& TypeInfoOf(TFormStyle)
{
    static const TEnumTypeInfo info("TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TPosition)
{
    static const TEnumTypeInfo info("TPosition", {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                                  "poScreenCenter", "poDesktopCenter", "poMainFormCenter",
                                                  "poOwnerFormCenter"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TWindowState)
{
    static const TEnumTypeInfo info("TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TBorderIcon)
{
    static const TEnumTypeInfo info("TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}, "TBorderIcons");
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TCloseAction)
{
    static const TEnumTypeInfo info("TCloseAction", {"caNone", "caHide", "caFree", "caMinimize"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TFileEditStyle)
{
    static const TEnumTypeInfo info("TFileEditStyle", {"fsEdit", "fsComboBox"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TOpenOption)
{
    static const TEnumTypeInfo info(
        "TOpenOption",
        {"ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir", "ofShowHelp", "ofNoValidate",
         "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist", "ofFileMustExist", "ofCreatePrompt",
         "ofShareAware", "ofNoReadOnlyReturn", "ofNoTestFileCreate", "ofNoNetworkButton", "ofNoLongNames",
         "ofOldStyleDialog", "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing", "ofDontAddToRecent",
         "ofForceShowHidden"},
        "TOpenOptions");
    return info;
}

void RegisterFormClasses()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterStdControlClasses();
    TPublished<TCustomForm>(TCustomForm::StaticClass())
        .Property("Color").Default(clBtnFace)
        .Property("ParentColor").Default(false)
        .Property("ParentFont").Default(false)
        .Property("Visible").Default(false)
        .Property("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl)
        .Property("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
            .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize})
        .Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle).Default(bsSizeable)
        .Property("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle).Default(fsNormal)
        .Property("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch).Default(96)
        .Property("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled).Default(true)
        .Property("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(false)
        .Property("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu)
        .Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDesigned)
        .Property("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState).Default(wsNormal)
        .Property("OnActivate", &TCustomForm::OnActivate)
        .Property("OnClose", &TCustomForm::OnClose)
        .Property("OnCloseQuery", &TCustomForm::OnCloseQuery)
        .Property("OnCreate", &TCustomForm::OnCreate)
        .Property("OnDeactivate", &TCustomForm::OnDeactivate)
        .Property("OnDestroy", &TCustomForm::OnDestroy)
        .Property("OnHide", &TCustomForm::OnHide)
        .Property("OnPaint", &TCustomForm::OnPaint)
        .Property("OnShow", &TCustomForm::OnShow);

    TPublished<TOpenDialog>(TOpenDialog::StaticClass())
        .Property("DefaultExt", [](TOpenDialog* d) { return d->DefaultExt(); }, &TOpenDialog::SetDefaultExt)
        .Property("FileName", [](TOpenDialog* d) { return d->FileName(); }, &TOpenDialog::SetFileName)
        .Property("Filter", [](TOpenDialog* d) { return d->Filter(); }, &TOpenDialog::SetFilter)
        .Property("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1)
        .Property("InitialDir", [](TOpenDialog* d) { return d->InitialDir(); }, &TOpenDialog::SetInitialDir)
        .Property("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions)
            .Default(TOpenOptions{ofHideReadOnly, ofEnableSizing})
        .Property("Title", [](TOpenDialog* d) { return d->Title(); }, &TOpenDialog::SetTitle)
        .Property("OnClose", &TOpenDialog::OnClose)
        .Property("OnShow", &TOpenDialog::OnShow);

    TPublished<TPrintDialog>(TPrintDialog::StaticClass())
        .Property("Copies", &TPrintDialog::Copies, &TPrintDialog::SetCopies).Default(1);

    RegisterClasses({TCustomForm::StaticClass(), TForm::StaticClass(), THintWindow::StaticClass(),
                     TOpenDialog::StaticClass(), TSaveDialog::StaticClass(), TPrintDialog::StaticClass(),
                     TFrame::StaticClass()});
}
