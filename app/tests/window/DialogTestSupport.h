#pragma once
// Driving an input dialog opened from the document window's menu: its controls by name, a click
// on a button, a field typed into and left, and its picture.
#include <gtest/gtest.h>

#include "app/tests/window/AppTestSupport.h"

// The dialog's control of that name; fails the test when the form has none of that class.
template <class T>
T* DialogControl(TCustomForm* form, const char* name)
{
    T* control = dynamic_cast<T*>(form->FindComponent(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

// A click in the middle of the button, as the user gives it.
void ClickButton(TCustomForm* form, const char* name);
// Focuses the field, replaces its text by typing and leaves it with Tab (its OnExit runs).
void EnterText(TCustomEdit* edit, const String& text);
// Shows the tab sheet of that name in the dialog's "PageControl1".
void ShowPage(TCustomForm* form, const char* page);
// build/screenshots/dialog-<name>.png
void DialogScreenshot(TCustomForm* form, const char* name);
