#pragma once
// What the tests of the analysis and result windows share: the toolkit started once, the test
// models, and a watcher that acts in the middle of a run, when the run lets pending events be
// handled.
#include <functional>
#include <string>

#include "engine/Unites.h"
#include "listcontrols/slstbox.h"
#include "platform/forms/Forms.h"
#include "platform/testing/Driver.h"

// A model of tests/data, read as the program reads it.
TParametres ReadTestModel(const std::string& name);
// The sample model analysed with its Monte-Carlo and incremental-load runs, writing no files.
const TParametres& StudiedSample();

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
