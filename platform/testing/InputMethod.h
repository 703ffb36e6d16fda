#pragma once
// Test driver: text from an input method, through the same toolkit event path a user's takes.
#include "platform/controls/Controls.h"

// The input method commits a finished text (a composed word, say) to the control's window.
void TestCommitInputMethodText(TWinControl* control, const String& text);
