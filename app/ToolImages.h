#pragma once
// The pictures of the tool buttons and menu items, drawn here: the main window's file commands
// (new, open, save, calculator) and the document's commands (inputs, analysis, results), and the
// program's own picture.
#include "platform/stdctrls/ImgList.h"

// The pictures in their colours, or in greys for the buttons while they are disabled.
enum TToolImageLook { tlColoured, tlGrey };

void AddFileToolImages(TCustomImageList& list, TToolImageLook look = tlColoured);
void AddDocumentToolImages(TCustomImageList& list);

// The program's picture, `size` pixels square on white: a gravity dam's section holding back its
// reservoir, on its foundation.
void DrawProgramPicture(TBitmap& into, Integer size);
