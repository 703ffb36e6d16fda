#include "app/InputDialog.h"

#include <algorithm>

#include "app/Main.h"
#include "platform/classes/TypInfo.h"
#include "platform/forms/Dialogs.h"

TClass TInputDialog::StaticClass()
{
    static const TMetaClass meta("TInputDialog", TForm::StaticClass(), NewComponent<TInputDialog>,
                                 [](TMetaClass& m) {
                                     TPublished<TInputDialog>(&m).Method("HelpButtonClick",
                                                                         &TInputDialog::HelpButtonClick);
                                 });
    return &meta;
}

TInputDialog::TInputDialog(TComponent* AOwner) : TForm(AOwner) {}

void TInputDialog::SetEnterAsTab()
{
    FEnterAsTab = true;
    SetKeyPreview(true);
}

void TInputDialog::SetEnterOrder(std::vector<TWinControl*> order)
{
    FEnterOrders.clear();
    AddEnterOrder(std::move(order));
}

void TInputDialog::AddEnterOrder(std::vector<TWinControl*> order)
{
    FEnterOrders.push_back(std::move(order));
    SetKeyPreview(true);
}

void TInputDialog::KeyDown(Word& Key, TShiftState Shift)
{
    TForm::KeyDown(Key, Shift);
    if (Key != VK_RETURN) return;
    // The field Enter was pressed in: the focused control, or the control holding it (the text
    // box of a combo box).
    for (TWinControl* c = FocusedControl(); c && c != this; c = c->Parent())
        for (const std::vector<TWinControl*>& order : FEnterOrders) {
            auto listed = std::find(order.begin(), order.end(), c);
            if (listed == order.end()) continue;
            // A field that cannot take the focus now (disabled) is passed over.
            auto next = std::find_if(listed + 1, order.end(), [](TWinControl* w) { return w->CanFocus(); });
            if (next == order.end()) break;
            (*next)->SetFocus();
            Key = 0;
            return;
        }
    if (FEnterAsTab) {
        // The key data of a Tab without shift keys, with the Tab key's scan code.
        constexpr std::intptr_t tabScanCode = 0x0F;
        if (HWND target = GetFocus()) PostMessage(target, WM_KEYDOWN, VK_TAB, ShiftStateToKeyData({}) | (tabScanCode << 16));
    }
}

void TInputDialog::Refuse(const String& message)
{
    Warn(message);
    SetModalResult(mrNone);
}

void TInputDialog::Warn(const String& message) { MessageDlg(message, mtWarning, {mbOK}, 0); }

void TInputDialog::ShowUnits(TUnites u, std::initializer_list<std::pair<TLabel*, TUnitQuantity>> labels)
{
    for (const auto& [label, quantity] : labels) label->SetCaption(UnitText(u, quantity));
}

void TInputDialog::ShowUnitLabels(TUnites u)
{
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* label = dynamic_cast<TLabel*>(Components(i)); label && label->Tag() >= 1 && label->Tag() <= uqVelocity + 1)
            label->SetCaption(UnitText(u, static_cast<TUnitQuantity>(label->Tag() - 1)));
}

void TInputDialog::PlaceSymbol(TLabel* label, TLabel* symbol, const String& before)
{
    TCanvas& c = label->Canvas();
    c.Font().Assign(&label->Font());
    const String caption = label->Caption();
    Integer gapEnd = before.Length();
    while (gapEnd < caption.Length() && caption[gapEnd + 1] == u' ') ++gapEnd;   // the blanks after `before`
    const Integer textLeft = label->Alignment() == taRightJustify ? label->Width() - c.TextWidth(caption) : 0;
    const Integer gapLeft = textLeft + c.TextWidth(before);
    const Integer gapWidth = c.TextWidth(Copy(caption, before.Length() + 1, gapEnd - before.Length()));
    TCanvas& s = symbol->Canvas();
    s.Font().Assign(&symbol->Font());
    symbol->SetLeft(label->Left() + gapLeft + (gapWidth - s.TextWidth(symbol->Caption())) / 2);
}

void TInputDialog::ShowPicture(TImage* image, const String& fileName)
{
    try {
        image->Picture().LoadFromFile(TMainForm::ProgramDir + "images/" + fileName);
    } catch (const Exception&) {
        image->Picture().Assign(nullptr);
    }
}

void TInputDialog::HelpButtonClick(TObject*) { Application->HelpContext(HelpContext()); }
