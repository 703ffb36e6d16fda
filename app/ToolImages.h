#pragma once
// The pictures of the tool buttons and menu items, drawn here: the main window's file commands
// (new, open, save, calculator) and the document's commands (inputs, analysis, results), and the
// program's own picture.
#include "platform/stdctrls/ImgList.h"

void AddFileToolImages(TCustomImageList& list);
void AddDocumentToolImages(TCustomImageList& list);

// The program's picture, `size` pixels square on white: a gravity dam's section holding back its
// reservoir, on its foundation.
void DrawProgramPicture(TBitmap& into, Integer size);
