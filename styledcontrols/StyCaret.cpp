// The editor's caret: its shapes and when it shows.
#include "styledcontrols/StyCaret.h"

#include "foundation/StyGraph.h"

const TEnumTypeInfo& TypeInfoOf(TStyCaretStyles)
{
    static const TEnumTypeInfo info("TStyCaretStyles", {"csDefault", "csBlock", "csUnder", "csOver", "csBitmap",
                                                        "csUnderBlock"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyCaretBitmap)
{
    static const TEnumTypeInfo info("TStyCaretBitmap", {"cbBmpSize", "cbTile", "cbStretch"});
    return info;
}

TClass TStyCaret::StaticClass()
{
    static const TMetaClass meta("TStyCaret", TStyObject::StaticClass(), nullptr, [](TMetaClass& m) {
        TPublished<TStyCaret>(&m)
            .Property("BlinkRate", &TStyCaret::BlinkRate, &TStyCaret::SetBlinkRate)
            .NoDefault()
            .Property("Style", &TStyCaret::Style, &TStyCaret::SetStyle)
            .Default(csDefault)
            .Property("Width", &TStyCaret::Width, &TStyCaret::SetWidth)
            .Default(2)
            .Property("Height", &TStyCaret::Height, &TStyCaret::SetHeight)
            .Default(10)
            .Property("ImageList", &TStyCaret::ImageList, &TStyCaret::SetImageList)
            .Property("ImageIndex", &TStyCaret::ImageIndex, &TStyCaret::SetImageIndex)
            .Default(0)
            .Property("ListIndex", &TStyCaret::ListIndex, &TStyCaret::SetListIndex)
            .Default(0)
            .Property("CaretBmpMode", &TStyCaret::CaretBmpMode, &TStyCaret::SetCaretBmpMode)
            .Default(cbBmpSize)
            .Property("Bitmap", &TStyCaret::Bitmap, &TStyCaret::SetBitmap)
            .Property("CanEnable", &TStyCaret::CanEnable, &TStyCaret::SetCanEnable)
            .Default(true);
    });
    return &meta;
}

TStyCaret::TStyCaret(TStyCustomControl* Owner)
    : TStyObject(nullptr), FBitmap(std::make_unique<TBitmap>()),
      FBlinkRate(static_cast<Word>(GetCaretBlinkTime())), FOwner(Owner)
{
    FLink.OnChange = TNotifyEvent(this, &TStyCaret::GetIMLChange);
}

TStyCaret::~TStyCaret()
{
    DestroyCaret();
    FLink.Link(nullptr);
}

void TStyCaret::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TStyCaret*>(Source);
    if (!s || s == this) return;
    FBlinkRate = s->FBlinkRate;
    FWidth = s->FWidth;
    FHeight = s->FHeight;
    FStyle = s->FStyle;
}

void TStyCaret::SetBitmap(TBitmap* Value)
{
    if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
    if (Value) FBitmap->Assign(Value);
}

void TStyCaret::SetImageList(TComponent* Value)
{
    FImageList = Value;
    FLink.Link(Value);
}

void TStyCaret::GetIMLChange(TObject*)
{
    if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
    GetImageListBitmap(FImageList, FListIndex, FImageIndex, clNone, FBitmap.get());
}

namespace {
bool OwnerDesigning(const TStyCustomControl* owner) { return owner && owner->ComponentState().Contains(csDesigning); }
}  // namespace

void TStyCaret::Enable()
{
    if (!FOwner || OwnerDesigning(FOwner) || !FCanEnable) return;
    FEnabled = true;
    if (!FCreated) {
        FCreated = true;
        BuildCaret();
    }
    SetCaretBlinkRate(FOwner, FBlinkRate);
    ShowCaret(FOwner);
}

void TStyCaret::Disable()
{
    FEnabled = false;
    if (FOwner) HideCaret(FOwner);
}

void TStyCaret::SetCaretPos(Integer X, Integer Y)
{
    if (FOwner && FOwner->Focused()) ::SetCaretPos(X, Y);
}

void TStyCaret::BuildCaret()
{
    if (!FOwner) return;
    TSize size{FWidth, FHeight};
    switch (FStyle) {
    case csDefault: size = {1, FFontHeight}; break;
    case csUnder:
    case csOver: size = {FWidth, 1}; break;
    case csBitmap:
        if (FCaretBmp == cbBmpSize) {
            size = {FBitmap->Width(), FBitmap->Height()};
        } else {
            // the picture tiled or stretched over a caret of Width x Height
            ::DestroyCaret();
            FHBmp = std::make_unique<TBitmap>(FWidth, FHeight);
            TRect drawn;
            DrawBitmapInRect(FHBmp->Canvas(), Rect(0, 0, FWidth, FHeight), *FBitmap,
                             FCaretBmp == cbTile ? dbTile : dbStretch, 0, drawn);
        }
        break;
    default: break;
    }
    // carets here are inverted rectangles: a picture caret takes the picture's size
    CreateCaret(FOwner, size.cx, size.cy);
    SetCaretBlinkRate(FOwner, FBlinkRate);
    FCaretSize = size;
}

void TStyCaret::DestroyCaret()
{
    if (FCreated && FOwner && FOwner->HandleAllocated()) ::DestroyCaret();
}
