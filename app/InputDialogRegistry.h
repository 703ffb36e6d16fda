#pragma once
// The input dialogs in the class registry, so that the document window's commands create them by
// name and their form descriptions find their controls.  Calling it again does nothing.
void RegisterInputDialogs();
