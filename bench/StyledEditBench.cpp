// Typing characters (up to 10 000) into a focused styled edit on a shown form, each one a character
// message with its text replacement, undo record, measuring, scrolling and painting; then undoing
// them one by one.
#include <benchmark/benchmark.h>

#include "platform/testing/Driver.h"
#include "styledcontrols/StyCustomEdit.h"

namespace {

void TypeAndUndoCharactersInTheStyledEdit(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    TestInitialize();
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 80);
    auto* edit = new TStyCustomEdit(&form);
    edit->SetBounds(10, 10, 260, 21);
    edit->SetParent(&form);
    form.Show();
    edit->SetFocus();
    TestProcess();
    const std::u16string keys = u"Crest 156.00 m ";
    for (auto _ : state) {
        for (int key = 0; key < count; ++key) edit->Perform(WM_CHAR, keys[static_cast<size_t>(key) % keys.size()]);
        for (int step = 0; step < count; ++step) edit->Undo();
        if (!edit->Text().IsEmpty()) state.SkipWithError("the undo left text behind");
        edit->ClearUndo();
    }
}
// 10 000 characters is the goal; the shorter runs show how the cost of a key grows with the text.
BENCHMARK(TypeAndUndoCharactersInTheStyledEdit)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
