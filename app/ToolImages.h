#pragma once
// The pictures of the tool buttons and menu items, drawn here: the main window's file commands
// (new, open, save, calculator) and the document's commands (inputs, analysis, results).
#include "platform/stdctrls/ImgList.h"

void AddFileToolImages(TCustomImageList& list);
void AddDocumentToolImages(TCustomImageList& list);
