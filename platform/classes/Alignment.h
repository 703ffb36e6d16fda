#pragma once
// Horizontal alignment of a text inside its place, shared by the controls and the components.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
