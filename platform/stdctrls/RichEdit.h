#pragma once
// The rich edit: a multi-line edit whose characters each carry a format (face, size, styles and
// colour).  It reads and writes RTF of the usual subset -- groups, font and colour tables, bold,
// italic, underline, strike-out, size, colour, paragraphs, tabs, \'xx and \u characters; other
// destinations are skipped -- and lays a range of its characters out on a canvas as the native
// control's EM_FORMATRANGE does.  Paragraphs end in one CR in the rich text; the edit's own
// text (Text, Lines) shows them as line breaks.
#include <vector>

#include "platform/graphics/Canvas.h"
#include "platform/rtl/Streams.h"
#include "platform/stdctrls/Edits.h"

struct TRichFormat {
    String Name;               // face
    Integer HalfPoints = 20;   // size in half points, as RTF counts it
    TFontStyles Style;
    TColor Color = clWindowText;   // clWindowText is RTF's automatic colour
    friend bool operator==(const TRichFormat&, const TRichFormat&) = default;
};

class TRichEdit : public TCustomMemo {
    DECLARE_CLASS(TRichEdit, TCustomMemo)
public:
    explicit TRichEdit(TComponent* AOwner);

    // The stream's bytes from its position on, read as RTF; a text that is not RTF is taken as
    // plain Windows-1252 text in the default format.  The document replaces the edit's.
    void LoadFromStream(TStream& stream);
    // The document as RTF in Windows-1252 (other characters as \u), paragraphs as \par.
    void SaveToStream(TStream& stream) const;
    void Clear();

    // The characters (paragraphs ending in CR) and the format of each.
    const std::u16string& RichText() const { return FText; }
    TRichFormat CharFormat(Integer index) const;
    // The default format: the control's font, automatic colour.
    TRichFormat DefaultFormat() const;
    // The colour of the characters [start, start + length), as SelAttributes.Color does.
    void SetCharColor(Integer start, Integer length, TColor color);
    // EM_SETBKGNDCOLOR: the colour FormatRange fills the rectangle with before rendering.
    TColor BackgroundColor() const { return FBackground; }
    void SetBackgroundColor(TColor color) { FBackground = color; }

    // EM_FORMATRANGE: lays characters first .. last - 1 (last -1: to the end) out in the
    // rectangle given in twips (1440 per inch of the canvas's resolution), wrapping words at the
    // right edge, tabs every half inch; lines that do not fit below are left out.  With render
    // the background is filled and the text drawn.  Answers the index of the first character
    // left out (the character count when all fit).
    Integer FormatRange(TCanvas& canvas, const TRect& twips, Integer first, Integer last, bool render);

private:
    void ShowText();
    std::u16string FText;
    std::vector<TRichFormat> FFormats;
    TColor FBackground = clWindow;
};
