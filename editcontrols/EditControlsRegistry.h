#pragma once
// The range-limited edit, the numeric and file-name edits, the shape control and the slider in the
// class registry, so that form descriptions create them by name.  Registers the standard controls
// first; calling it again does nothing.
void RegisterEditControlClasses();
