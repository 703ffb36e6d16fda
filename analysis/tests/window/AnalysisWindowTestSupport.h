#pragma once
// What the tests of the analysis and result windows share: the toolkit started once, the test
// models, and a watcher that acts in the middle of a run, when the run lets pending events be
// handled.
#include <functional>
#include <string>
#include <vector>

#include "editcontrols/EcBaseEdits.h"
#include "engine/Unites.h"
#include "listcontrols/slstbox.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/ComboBox.h"
#include "platform/testing/Driver.h"

// A model of tests/data, read as the program reads it.
TParametres ReadTestModel(const std::string& name);
// The sample model analysed with its Monte-Carlo and incremental-load runs, writing no files.
const TParametres& StudiedSample();

// Shows an input window of class `T` on `model`, runs `act` inside its showing and closes it when
// `act` left it open; answers the modal result it closed with and hands the window's model back in
// `after`.
template <class T>
TModalResult WithModalInputWindow(const TParametres& model, const std::function<void(T*)>& act, TParametres* after)
{
    auto* window = CreateForm<T>(Application);
    window->param = model;
    TestAnswerNextModal([&](TCustomForm*) {
        TestProcess();
        act(window);
        TestProcess();
        if (window->ModalResult() == mrNone) window->Close();
    });
    const TModalResult result = window->ShowModal();
    if (after) *after = window->param;
    delete window;
    TestProcess();
    return result;
}

// The entries of a drop-down list.
std::vector<String> Items(TCustomComboBox* box);
// The user chooses entry `index` of a drop-down list with the keyboard.
void Choose(TCustomComboBox* box, Integer index);
// The user drops a drop-down list down by its button and clicks, in the dropped list, the first
// entry on view other than the chosen one; answers that entry, -1 when the list did not drop down.
Integer ChooseAnotherWithMouse(TCustomComboBox* box);
// The user replaces the text of a numeric edit.
void TypeValue(TEcCalcEdit* edit, const String& text);

// Clicks the row of entry `subitem` (-1: the section's own row) of section `section` of a
// section list, scrolled into view.
void ClickListEntry(TSectionListBox* list, Integer section, Integer subitem);

// Calls `check` each time pending events are handled (once per handling, as a posted message)
// until it returns true.
class TPendingEventsWatcher : public TWinControl {
public:
    explicit TPendingEventsWatcher(std::function<bool()> check);
    ~TPendingEventsWatcher() override;

protected:
    void WndProc(TMessage& message) override;

private:
    std::function<bool()> FCheck;
};
