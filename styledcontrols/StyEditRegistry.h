#pragma once
// The styled edit, its auto-completion and the string list that feeds it in the class registry,
// so that form descriptions create them by name.  Registers the forms first; calling
// it again does nothing.
void RegisterStyledEditClasses();
