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

namespace {

// The symbol's left edge: the centre of the blanks after `before` in a caption drawn in `font`
// from `textLeft`, measured on the symbol's canvas.
Integer SymbolLeft(const String& caption, TFont& font, Integer textLeft, TLabel* symbol, const String& before)
{
    TCanvas& c = symbol->Canvas();
    c.Font().Assign(&font);
    Integer gapEnd = before.Length();
    while (gapEnd < caption.Length() && caption[gapEnd + 1] == u' ') ++gapEnd;   // the blanks after `before`
    const Integer gapLeft = textLeft + c.TextWidth(before);
    const Integer gapWidth = c.TextWidth(Copy(caption, before.Length() + 1, gapEnd - before.Length()));
    c.Font().Assign(&symbol->Font());
    return gapLeft + (gapWidth - c.TextWidth(symbol->Caption())) / 2;
}

}  // namespace

void TInputDialog::PlaceSymbol(TLabel* label, TLabel* symbol, const String& before)
{
    const String caption = label->Caption();
    TCanvas& c = label->Canvas();
    c.Font().Assign(&label->Font());
    const Integer textLeft = label->Alignment() == taRightJustify ? label->Width() - c.TextWidth(caption) : 0;
    symbol->SetLeft(label->Left() + SymbolLeft(caption, label->Font(), textLeft, symbol, before));
}

void TInputDialog::PlaceSymbol(TGroupBox* group, TLabel* symbol, const String& before)
{
    // A group box draws its caption from 9 pixels in.
    constexpr Integer captionLeft = 9;
    symbol->SetLeft(SymbolLeft(group->Caption(), group->Font(), captionLeft, symbol, before));
    symbol->SetTop(0);
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
