#include "platform/controls/ComCtrls.h"

#include <algorithm>

IMPLEMENT_CLASS(TToolBar, TWinControl, NewComponent<TToolBar>)

TToolBar::TToolBar(TComponent* AOwner) : TWinControl(AOwner)
{
    FHeight = 29;
    SetAlign(alTop);
}

TToolBar::~TToolBar()
{
    for (TMenuItem* item : FItems) item->RemoveFreeNotification(this);
}

void TToolBar::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.Kind = TWindowKind::wkToolBar;
}

void TToolBar::InitializeWindow()
{
    TWinControl::InitializeWindow();
    for (TMenuItem* item : FItems) WindowSystem().AddToolButton(FHandle, item);
}

void TToolBar::AddButton(TMenuItem* item)
{
    FItems.push_back(item);
    item->FreeNotification(this);
    if (FHandle) WindowSystem().AddToolButton(FHandle, item);
}

TRect TToolBar::ButtonRect(Integer index)
{
    HandleNeeded();
    return WindowSystem().ToolButtonRect(FHandle, FItems.at(index));
}

bool TToolBar::ButtonEnabled(Integer index)
{
    HandleNeeded();
    return WindowSystem().ToolButtonEnabled(FHandle, FItems.at(index));
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove)
        FItems.erase(std::remove(FItems.begin(), FItems.end(), AComponent), FItems.end());
}
