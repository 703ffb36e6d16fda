// The alpha blend of a fill over a bitmap, with the fill's bitmap taken from an image list.
#include "styledcontrols/StyAlphaObject.h"

#include <cmath>

#include "foundation/StyBmp.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/rtl/SysFormat.h"

namespace {
bool IsDefaultStrength(const TStyAlphaObject& o) { return std::lround(o.Strength() * 1e6) == 600000; }
}  // namespace

TClass TStyAlphaObject::StaticClass()
{
    static const TMetaClass meta("TStyAlphaObject", TStyObject::StaticClass(), nullptr, [](TMetaClass& m) {
        TPublished<TStyAlphaObject>(&m)
            .Property("ImageList", &TStyAlphaObject::ImageList, &TStyAlphaObject::SetImageList)
            .Stored([](TObject* o) {
                auto* self = static_cast<TStyAlphaObject*>(o);
                return self->ImageList() && !IsGlobalImageList(self->ImageList());
            })
            .Property("Strength", &TStyAlphaObject::Strength, &TStyAlphaObject::SetStrength)
            .Stored([](TObject* o) { return !IsDefaultStrength(*static_cast<TStyAlphaObject*>(o)); })
            .Property("ImageIndex", &TStyAlphaObject::ImageIndex, &TStyAlphaObject::SetImageIndex).Default(0)
            .Property("ListIndex", &TStyAlphaObject::ListIndex, &TStyAlphaObject::SetListIndex).Default(0)
            .Property("FillObject", &TStyAlphaObject::FillObject, &TStyAlphaObject::SetFillObject);
    });
    return &meta;
}

TStyAlphaObject::TStyAlphaObject(TPersistent* AOwner) : TStyObject(AOwner)
{
    FFillObject.OnChange = TNotifyEvent(this, &TStyAlphaObject::GetChange);
    FChangeLink.OnChange = TNotifyEvent(this, &TStyAlphaObject::RefreshListBitmap);
}

TStyAlphaObject::~TStyAlphaObject()
{
    FChangeLink.Link(nullptr);
    FFillObject.OnChange = TNotifyEvent();
}

void TStyAlphaObject::Assign(TPersistent* Source)
{
    if (Source == this) return;
    auto* s = dynamic_cast<TStyAlphaObject*>(Source);
    if (!s) {
        TStyObject::Assign(Source);
        return;
    }
    FFillObject.Assign(&s->FFillObject);
    FTransparent = s->FTransparent;
    FStrength = s->FStrength;
    FImageIndex = s->FImageIndex;
    FListIndex = s->FListIndex;
    FImageList = s->FImageList;   // the reference only: the link stays with the list it had
    Change();
}

String TStyAlphaObject::GetSetStr() const
{
    const TStyFillStyle style = FFillObject.Style();
    if (style == sfNone) return "(Disabled)";
    String kind;
    if (style == sfBrush) kind = "Brush";
    else if (style == sfBitmap || style == sfBitmapList) kind = "Bmp";
    else if (style == sfGradient) kind = "Grad";
    return "(" + kind + ", Strength: " + FloatToStrF(FStrength, ffFixed, 5, 3) + ")";
}

bool TStyAlphaObject::Enabled() const { return FFillObject.Style() != sfNone && FStrength != 1.0f; }

void TStyAlphaObject::SetImageList(TComponent* Value)
{
    FImageList = Value;
    FChangeLink.Link(Value);
    RefreshListBitmap();
}

void TStyAlphaObject::SetStrength(float Value)
{
    if (FStrength == Value) return;
    FStrength = Value;
    Change();
}

void TStyAlphaObject::SetIndex(Integer Index, Integer Value)
{
    (Index == 0 ? FImageIndex : FListIndex) = Value;
    RefreshListBitmap();
}

void TStyAlphaObject::RefreshListBitmap(TObject*)
{
    if (!FImageList || !ImageListValidItem(FImageList, FListIndex, FImageIndex)) {
        TBitmap empty;
        FFillObject.SetListBitmap(&empty);
    } else {
        TBitmap image;
        GetImageListBitmap(FImageList, FListIndex, FImageIndex, clNone, &image);
        FFillObject.SetListBitmap(&image);
    }
    GetChange(&FFillObject);
}

void TStyAlphaObject::AlphaBlend(TBitmap& Target)
{
    if (FFillObject.Style() == sfNone) return;
    TBitmap fill(Target.Width(), Target.Height());
    FFillObject.FillCanvas(fill.Canvas(), fill.Canvas().ClipRect(), clWhite);
    fill.SetTransparentColor(FFillObject.Bitmap()->TransparentColor());
    Target.SetPixelFormat(TPixelFormat::pf24bit);
    fill.SetPixelFormat(TPixelFormat::pf24bit);
    const TRect all = Rect(0, 0, Target.Width(), Target.Height());
    BitmapBlendCopy(Target, fill, all, Point(0, 0), Target, FStrength, Point(0, 0));
}

void TStyAlphaObject::ControlBlend(TBitmap& OriginalBack, const TRect& ControlsRect, const TRect& DestinationRect,
                                   TCanvas& Target, const TRect& Src)
{
    TBitmap part(ControlsRect.Width(), ControlsRect.Height());
    part.Canvas().CopyRect(Rect(0, 0, part.Width(), part.Height()), OriginalBack.Canvas(), ControlsRect);
    AlphaBlend(part);
    Target.CopyRect(DestinationRect, part.Canvas(), Src);
}

void TStyAlphaObject::DefineProperties(TFiler* Filer)
{
    TStyObject::DefineProperties(Filer);
    // A list of the global container is stored as its reference in that container.
    Filer->DefineProperty(
        "Internal", [this](TReader* r) { SetImageList(dynamic_cast<TComponent*>(ReadGlobalListRef(*r))); },
        [this](TWriter* w) { WriteGlobalListRef(*w, FImageList); }, IsGlobalImageList(FImageList));
}
