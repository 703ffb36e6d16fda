#pragma once
// The caret of an own-drawn editor: its shape (a line, a block, an underline or overline, or a
// picture), built on the editor's window, shown while the editor has the focus and moved in
// pixels of its client area.  The blink rate is the editor's own: nothing outside the program
// changes when the caret shows.
#include <memory>

#include "styledcontrols/StyCustomControl.h"

enum TStyCaretStyles { csDefault, csBlock, csUnder, csOver, csBitmap, csUnderBlock };
enum TStyCaretBitmap { cbBmpSize, cbTile, cbStretch };
const TEnumTypeInfo& TypeInfoOf(TStyCaretStyles);
const TEnumTypeInfo& TypeInfoOf(TStyCaretBitmap);

class TStyCaret : public TStyObject {
    DECLARE_CLASS(TStyCaret, TStyObject)
public:
    // Width 2, height 10, the blink rate the system has now.
    explicit TStyCaret(TStyCustomControl* Owner);
    ~TStyCaret() override;
    // Blink rate, width, height and style; never the picture, list or position.
    void Assign(TPersistent* Source) override;

    // Shows the caret (built the first time); nothing at design time or without CanEnable.
    void Enable();
    void Disable();
    // Moves the caret, only while the editor has the focus.
    void SetCaretPos(Integer X, Integer Y);
    // The caret of the current style on the editor's window.
    void BuildCaret();
    void DestroyCaret();
    // The image list changed: the picture is taken from it again.
    void GetIMLChange(TObject* Sender);

    Word BlinkRate() const { return FBlinkRate; }
    void SetBlinkRate(Word Value) { FBlinkRate = Value; }
    TStyCaretStyles Style() const { return FStyle; }
    void SetStyle(TStyCaretStyles Value) { FStyle = Value; }
    Word Width() const { return FWidth; }
    void SetWidth(Word Value) { FWidth = Value; }
    Word Height() const { return FHeight; }
    void SetHeight(Word Value) { FHeight = Value; }
    TComponent* ImageList() const { return FImageList; }
    void SetImageList(TComponent* Value);
    Word ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Word Value) { FImageIndex = Value; }
    Word ListIndex() const { return FListIndex; }
    void SetListIndex(Word Value) { FListIndex = Value; }
    TStyCaretBitmap CaretBmpMode() const { return FCaretBmp; }
    void SetCaretBmpMode(TStyCaretBitmap Value) { FCaretBmp = Value; }
    TBitmap* Bitmap() { return FBitmap.get(); }
    void SetBitmap(TBitmap* Value);
    bool CanEnable() const { return FCanEnable; }
    void SetCanEnable(bool Value) { FCanEnable = Value; }
    Integer Row() const { return FPos.Y; }
    void SetRow(Integer Value) { FPos.Y = Value; }
    Integer Col() const { return FPos.X; }
    void SetCol(Integer Value) { FPos.X = Value; }
    void SetFontHeight(Word Value) { FFontHeight = Value; }
    bool Enabled() const { return FEnabled; }
    // The size of the caret BuildCaret made last.
    TSize CaretSize() const { return FCaretSize; }

private:
    TPoint FPos;
    std::unique_ptr<TBitmap> FHBmp;
    std::unique_ptr<TBitmap> FBitmap;
    TComponent* FImageList = nullptr;
    Word FFontHeight = 0;
    Word FWidth = 2, FHeight = 10;
    Word FImageIndex = 0, FListIndex = 0;
    Word FBlinkRate;
    TStyCaretStyles FStyle = csDefault;
    TStyCustomControl* FOwner;
    bool FCanEnable = true;
    bool FCreated = false;
    bool FEnabled = false;
    TStyCaretBitmap FCaretBmp = cbBmpSize;
    TSize FCaretSize;
    TStyImageListLink FLink;
};
