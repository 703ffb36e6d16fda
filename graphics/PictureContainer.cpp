// Pictures of mini-HTML text: raster or SVG pictures with their GIF frames, the cache by address
// and the container of named pictures.
#include "graphics/PictureContainer.h"

#include "graphics/GxGDIP.h"
#include "graphics/GxUtils.h"
#include "platform/controls/Controls.h"
#include "platform/rtl/Exceptions.h"

using GxGDIP::ifBMP;
using GxGDIP::TGPGraphics;
using GxGDIP::TGPImage;

namespace {

Int64 SizeOf(const TMemoryStream& data) { return const_cast<TMemoryStream&>(data).Size(); }

Byte At(const TMemoryStream& data, Int64 p) { return static_cast<const Byte*>(const_cast<TMemoryStream&>(data).Memory())[p]; }

Integer WordAt(const TMemoryStream& data, Int64 p) { return At(data, p) | At(data, p + 1) << 8; }

// A GDI+ image over a copy of the raster data; null when GDI+ cannot read it.
std::unique_ptr<TGPImage> ImageOf(const TMemoryStream& data)
{
    TMemoryStream copy;
    copy.CopyFrom(const_cast<TMemoryStream&>(data), 0);
    copy.SetPosition(0);
    auto image = std::make_unique<TGPImage>(&copy);
    return image->LastResult() == Ok && image->Native() ? std::move(image) : nullptr;
}

}  // namespace

// ---------------------------------------------------------------- the picture

IMPLEMENT_CLASS(THTMLPicture, TGxSVGBitmap, NewObject<THTMLPicture>)

THTMLPicture::THTMLPicture() { SetTransparent(true); }

THTMLPicture::~THTMLPicture()
{
    if (FThread) FThread->WaitFor();
}

bool THTMLPicture::IsRaster(TStream& AStream) const { return !TGxUtils::GetImageType(&AStream, true).IsEmpty(); }

void THTMLPicture::LoadRaster(TStream& AStream)
{
    Clear();
    FDatastream.Clear();
    FDatastream.CopyFrom(AStream, 0);
    FDatastream.SetPosition(0);
}

void THTMLPicture::LoadFromStream(TStream& Stream)
{
    ReadData(Stream);
    if (OnChange) OnChange(this);
}

void THTMLPicture::ReadData(TStream& Stream)
{
    Stream.SetPosition(0);
    if (IsRaster(Stream)) LoadRaster(Stream);
    else {
        FDatastream.Clear();
        TGxSVGBitmap::LoadFromStream(Stream);
    }
    FIsEmpty = false;
    LoadPicture();
}

void THTMLPicture::LoadFromFile(const String& FileName)
{
    try {
        TMemoryStream file;
        file.LoadFromFile(FileName);
        file.SetPosition(0);
        if (IsRaster(file)) LoadRaster(file);
        else {
            FDatastream.Clear();
            TGxSVGBitmap::LoadFromFile(FileName);
        }
        FIsEmpty = false;
        LoadPicture();
        if (OnChange) OnChange(this);
    } catch (const Exception&) {
        FIsEmpty = true;
    }
}

void THTMLPicture::SaveToStream(TStream& Stream)
{
    if (HasSVG()) TGxSVGBitmap::SaveToStream(Stream);
    else if (FDatastream.Size() > 0) Stream.WriteBuffer(FDatastream.Memory(), static_cast<Integer>(FDatastream.Size()));
}

void THTMLPicture::WriteData(TStream& Stream)
{
    if (HasSVG()) TGxSVGBitmap::WriteData(Stream);
    else SaveToStream(Stream);
}

void THTMLPicture::LoadFromResourceName(HINSTANCE, const String& ResName)
{
    if (!ResourceExists(ResName, RT_RCDATA)) return;
    TResourceStream resource(ResName, RT_RCDATA);
    LoadFromStream(resource);
}

void THTMLPicture::LoadFromResourceID(HINSTANCE, Integer ResID)
{
    TResourceStream resource(ResID, RT_RCDATA);
    LoadFromStream(resource);
}

void THTMLPicture::LoadFromURL(const String& url)
{
    const String u = UpperCase(url);
    if (Copy(u, 1, 6) == "RES://") {
        FID = url;
        if (const String rest = Copy(url, 7, url.Length()); !rest.IsEmpty()) LoadFromResourceName(HInstance, rest);
    } else if (Copy(u, 1, 7) == "FILE://") {
        FID = url;
        if (const String rest = Copy(url, 8, url.Length()); !rest.IsEmpty()) LoadFromFile(rest);
    } else if (!FAsynch) {
        FURL = url;
        FID = url;
    } else if (!FThreadBusy) {
        // nothing is fetched from a network: the worker ends at once and the picture stays busy
        FURL = url;
        FThreadBusy = true;
        FThread = std::make_unique<TDownLoadThread>(this);
        FThread->Start();
    }
}

Integer THTMLPicture::Width() const { return HasSVG() ? TGxSVGBitmap::Width() : FWidth; }
Integer THTMLPicture::Height() const { return HasSVG() ? TGxSVGBitmap::Height() : FHeight; }

// ---------------------------------------------------------------- GIF frames

bool THTMLPicture::IsGIF() const
{
    return SizeOf(FDatastream) > 4 && At(FDatastream, 0) == 'G' && At(FDatastream, 1) == 'I' &&
           At(FDatastream, 2) == 'F' && At(FDatastream, 3) == '8';
}

// A frame marker: a graphic control extension ($21 $F9 $04) whose image descriptor ($2C) follows
// at p + 8.
template <typename F>
void THTMLPicture::ForEachFrameMarker(F f) const
{
    const Int64 size = SizeOf(FDatastream);
    for (Int64 p = 0; p + 9 < size; ++p)
        if (At(FDatastream, p) == 0x21 && At(FDatastream, p + 1) == 0xF9 && At(FDatastream, p + 2) == 0x04 &&
            At(FDatastream, p + 8) == 0x2C && !f(p))
            return;
}

Integer THTMLPicture::FrameCount()
{
    if (!IsGIF()) return -1;
    if (FFrameCount == -1) {
        Integer n = 0;
        ForEachFrameMarker([&](Int64) { return ++n, true; });
        FFrameCount = n;
    }
    return FFrameCount;
}

Integer THTMLPicture::GetFrameTime(Integer i) const
{
    if (!IsGIF()) return -1;
    Integer n = 0, delay = -1;
    ForEachFrameMarker([&](Int64 p) {
        if (++n < i) return true;
        delay = WordAt(FDatastream, p + 4);
        return false;
    });
    return delay;
}

void THTMLPicture::SetFrame(Integer Value)
{
    FFrame = Value;
    if (FDatastream.Size() > 0) {
        LoadPicture();
        if (OnFrameChange) OnFrameChange(this);
    }
}

void THTMLPicture::FrameNext() { FFrame = FFrame >= FFrameCount ? 1 : FFrame + 1; }
void THTMLPicture::FramePrev() { FFrame = FFrame <= 1 ? FFrameCount : FFrame - 1; }

bool THTMLPicture::Step()
{
    if (FFrameCount < 2 || FIsEmpty) return false;
    if (FNextCount == -1) FNextCount = GetFrameTime(FFrame);
    const bool due = FTimerCount * 10 >= FNextCount;
    ++FTimerCount;
    if (!due) return false;
    FrameNext();
    LoadPicture();
    FNextCount += GetFrameTime(FFrame);
    return true;
}

void THTMLPicture::LoadPicture()
{
    if (HasSVG() || FDatastream.Size() == 0) return;
    FWidth = FHeight = 0;
    FFrameXPos = FFrameYPos = 0;
    if (IsGIF() && FrameCount() > 0) {
        Integer n = 0;
        ForEachFrameMarker([&](Int64 p) {
            if (++n < FFrame) return true;
            if (p + 12 >= SizeOf(FDatastream)) return false;   // a descriptor cut short
            FFrameXPos = static_cast<Word>(WordAt(FDatastream, p + 9));
            FFrameYPos = static_cast<Word>(WordAt(FDatastream, p + 11));
            return false;
        });
    }
    if (auto image = ImageOf(FDatastream)) {
        FWidth = static_cast<Integer>(image->GetWidth());
        FHeight = static_cast<Integer>(image->GetHeight());
    }
}

// ---------------------------------------------------------------- drawing and copying

void THTMLPicture::DrawOn(TCanvas& ACanvas, const TRect& Rect)
{
    if (HasSVG()) {
        TGxSVGBitmap::DrawOn(ACanvas, Rect);
        return;
    }
    if (FIsEmpty || FDatastream.Size() == 0) return;
    auto image = ImageOf(FDatastream);
    if (!image) return;
    if (image->GetFormat() == ifBMP) {
        TBitmap bitmap;
        TMemoryStream copy;
        copy.CopyFrom(FDatastream, 0);
        copy.SetPosition(0);
        bitmap.LoadFromStream(copy);
        bitmap.SetTransparentMode(TTransparentMode::tmAuto);
        bitmap.SetTransparent(Transparent());
        ACanvas.StretchDraw(Rect, bitmap);
    } else {
        TGPGraphics surface(ACanvas.Handle());
        surface.DrawImageRect(image.get(), static_cast<float>(Rect.Left), static_cast<float>(Rect.Top),
                              static_cast<float>(Rect.Right - Rect.Left), static_cast<float>(Rect.Bottom - Rect.Top));
    }
}

void THTMLPicture::DrawSVG(TCanvas& ACanvas, float X, float Y, float W, float H)
{
    if (HasSVG()) SVG()->Draw(ACanvas, TRectF{X, Y, X + W, Y + H}, true);
}

void THTMLPicture::Assign(TPersistent* Source)
{
    FIsEmpty = true;
    FFrameCount = FNextCount = FTimerCount = -1;
    SetFrame(1);
    if (!Source) {
        FDatastream.Clear();
        return;
    }
    if (auto* picture = dynamic_cast<THTMLPicture*>(Source)) {
        FStretched = picture->FStretched;
        FFrame = picture->FFrame;
        FID = picture->FID;
        if (picture->HasSVG()) {
            FDatastream.Clear();
            TGxSVGBitmap::Assign(picture);
        } else {
            Clear();
            FDatastream.Clear();
            FDatastream.CopyFrom(picture->FDatastream, 0);
        }
        FIsEmpty = false;
        LoadPicture();
        if (OnChange) OnChange(this);
        return;
    }
    TMemoryStream saved;
    if (auto* platformPicture = dynamic_cast<TPicture*>(Source)) {
        if (!platformPicture->Graphic()) return;
        platformPicture->Graphic()->SaveToStream(saved);
    } else if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
        graphic->SaveToStream(saved);
    } else {
        TGxSVGBitmap::Assign(Source);
        return;
    }
    saved.SetPosition(0);
    LoadFromStream(saved);
}

// ---------------------------------------------------------------- the cache

THTMLPictureCache::~THTMLPictureCache() { ClearPictures(); }

THTMLPicture* THTMLPictureCache::AddPicture()
{
    auto* picture = new THTMLPicture();
    Add(picture);
    return picture;
}

TGraphic* THTMLPictureCache::FindPicture(const String& ID) const
{
    for (Integer i = 0; i < Count(); ++i)
        if (Pictures(i)->ID() == ID) return Pictures(i);
    return nullptr;
}

void THTMLPictureCache::ClearPictures()
{
    for (Integer i = 0; i < Count(); ++i) delete Pictures(i);
    Clear();
}

bool THTMLPictureCache::Animate()
{
    bool changed = false;
    for (Integer i = 0; i < Count(); ++i) changed = Pictures(i)->Step() || changed;
    return changed;
}

// ---------------------------------------------------------------- named pictures

IMPLEMENT_CLASS(TPictureItem, TCollectionItem, NewCollectionItem<TPictureItem>)

TPictureItem::TPictureItem(TCollection* Collection) : TCollectionItem(Collection) { FPicture.reset(CreatePicture()); }

TPictureItem::~TPictureItem() = default;

TGraphic* TPictureItem::CreatePicture() { return new THTMLPicture(); }

void TPictureItem::Assign(TPersistent* Source)
{
    auto* item = dynamic_cast<TPictureItem*>(Source);
    if (!item) throw EInvalidCast("Invalid class typecast");
    FName = item->FName;
    FTag = item->FTag;
    SetPicture(item->FPicture.get());
}

void TPictureItem::SetPicture(TGraphic* Value) { FPicture->Assign(Value); }

TPictureContainer* TPictureItem::Container() const
{
    return Collection() ? dynamic_cast<TPictureContainer*>(Collection()->GetOwner()) : nullptr;
}

TPicture* TPictureItem::Bitmap()
{
    TPictureContainer* container = Container();
    if (!container) return nullptr;
    container->FPicture = std::make_unique<TPicture>();
    container->FPicture->SetGraphic(FPicture.get());
    return container->FPicture.get();
}

IMPLEMENT_CLASS(TPictureCollection, TOwnedCollection, nullptr)

TPictureCollection::TPictureCollection(TComponent* AOwner) : TOwnedCollection(AOwner, TPictureItem::StaticClass()) {}

bool TPictureCollection::Animate()
{
    bool changed = false;
    for (int i = 0; i < Count(); ++i)
        if (auto* picture = dynamic_cast<THTMLPicture*>(Items(i)->Picture())) changed = picture->Step() || changed;
    return changed;
}

IMPLEMENT_CLASS(TPictureContainer, TComponent, NewComponent<TPictureContainer>)

TPictureContainer::TPictureContainer(TComponent* AOwner) : TComponent(AOwner), FItems(CreateItems()) {}

TPictureContainer::~TPictureContainer() = default;

std::unique_ptr<TPictureCollection> TPictureContainer::CreateItems()
{
    return std::make_unique<TPictureCollection>(this);
}

TGraphic* TPictureContainer::FindPicture(const String& s)
{
    const String name = UpperCase(s);
    for (int i = 0; i < FItems->Count(); ++i)
        if (UpperCase(FItems->Items(i)->Name()) == name) return FItems->Items(i)->Picture();
    return nullptr;
}

TPicture* TPictureContainer::FindBitmap(const String& s)
{
    FPicture.reset();
    const String name = UpperCase(s);
    for (int i = 0; i < FItems->Count(); ++i)
        if (UpperCase(FItems->Items(i)->Name()) == name) return FItems->Items(i)->Bitmap();
    return nullptr;
}

void TPictureContainer::RegisterControl(TControl* AControl) { FControls.Add(AControl); }

void TPictureContainer::Changed()
{
    for (Integer i = 0; i < FControls.Count(); ++i) static_cast<TControl*>(FControls.Items(i))->Invalidate();
    if (OnChange) OnChange(this);
}

void TPictureContainer::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove)
        while (FControls.Remove(AComponent) >= 0) {
        }
}

// MakeLong(MakeWord(0, 1), MakeWord(1, 2))
Integer TPictureContainer::GetVersionNr() { return 0x02010100; }

String TPictureContainer::Version()
{
    const Cardinal v = static_cast<Cardinal>(GetVersionNr());
    return IntToStr(v >> 24) + "." + IntToStr(v >> 16 & 0xFF) + "." + IntToStr(v >> 8 & 0xFF) + "." + IntToStr(v & 0xFF);
}
