#pragma once
// A form with a section list box on it, for the list controls' tests.
#include <memory>

#include "listcontrols/slstbox.h"
#include "platform/testing/Driver.h"

struct TSectionListFixture {
    std::unique_ptr<TForm> Form;
    TSectionListBox* List = nullptr;

    // A 300 x 400 form with a 200 x 300 list at (10, 10), its sub-item rows 13 pixels high.
    TSectionListFixture();
    // Appends a section with the given sub-items; it stays contracted.
    TListSection* AddSection(const String& caption, std::initializer_list<const char*> items);
    // The rows as "S:caption" or "  text" lines.
    std::vector<String> Rows();
};
