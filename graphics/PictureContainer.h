#pragma once
// The pictures that mini-HTML text refers to: a graphic holding raster data (measured and drawn
// through GDI+) or an SVG document, stepping through the frames of an animated GIF; a cache of
// such pictures by address; and a component of named pictures, looked up without regard to case.
#include <cstdint>
#include <functional>
#include <memory>

#include "graphics/GxTypes.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/rtl/Lists.h"
#include "platform/rtl/Threads.h"

class TControl;
class THTMLPicture;

using TDownloadProgressEvent = std::function<void(TObject* Sender, Cardinal dwSize, Cardinal dwTotSize)>;
using TDownloadCancelEvent = std::function<void(TObject* Sender, bool& Cancel)>;
using TDownloadCompleteEvent = std::function<void(TObject* Sender)>;
using TDownloadErrorEvent = std::function<void(TObject* Sender, const String& err)>;

// The worker an asynchronous address load starts.  Pictures are not downloaded: its work is empty.
class TDownLoadThread : public TThread {
public:
    explicit TDownLoadThread(THTMLPicture* APicture) : HTMLPicture(APicture) {}
    THTMLPicture* HTMLPicture;

protected:
    void Execute() override {}
};

class THTMLPicture : public TGxSVGBitmap {
    DECLARE_CLASS(THTMLPicture, TGxSVGBitmap)
public:
    THTMLPicture();
    ~THTMLPicture() override;

    void Assign(TPersistent* Source) override;
    void DrawOn(TCanvas& ACanvas, const TRect& Rect) override;
    virtual void DrawSVG(TCanvas& ACanvas, float X, float Y, float W, float H);
    bool Empty() const override { return FIsEmpty; }
    Integer Width() const override;
    Integer Height() const override;
    void SetSize(Integer, Integer) override {}
    void LoadFromFile(const String& FileName);
    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) override;
    void ReadData(TStream& Stream) override;
    void WriteData(TStream& Stream) override;
    // Only when the program has a raw-data resource of that name.
    void LoadFromResourceName(HINSTANCE Instance, const String& ResName);
    // EResNotFound when there is no such resource.
    void LoadFromResourceID(HINSTANCE Instance, Integer ResID);
    // "RES://name" and "FILE://path" load; other addresses are only remembered.
    void LoadFromURL(const String& url);

    bool IsGIF() const;
    // Frames of an animated GIF, counted once; -1 for other data.
    Integer FrameCount();
    // The delay of frame i (from 1) in hundredths of a second; -1 when there is no such frame.
    Integer GetFrameTime(Integer i) const;
    Integer Frame() const { return FFrame; }
    void SetFrame(Integer Value);
    void FrameNext();
    void FramePrev();
    // One animation tick of a tenth of a second; true when the frame changed.
    bool Step();
    Word FrameXPos() const { return FFrameXPos; }
    Word FrameYPos() const { return FFrameYPos; }
    Integer MaxWidth() const { return Width(); }
    Integer MaxHeight() const { return Height(); }

    bool Stretch() const { return FStretched; }
    void SetStretch(bool Value) { FStretched = Value; }
    const String& ID() const { return FID; }
    void SetID(const String& Value) { FID = Value; }
    bool IsDB() const { return FIsDB; }
    void SetIsDB(bool Value) { FIsDB = Value; }
    bool Asynch() const { return FAsynch; }
    void SetAsynch(bool Value) { FAsynch = Value; }
    bool Busy() const { return FThreadBusy; }
    const String& URL() const { return FURL; }

    TNotifyEvent OnFrameChange;
    TNotifyEvent OnChange;
    TDownloadProgressEvent OnDownLoadProgress;
    TDownloadCancelEvent OnDownLoadCancel;
    TDownloadCompleteEvent OnDownLoadComplete;
    TDownloadErrorEvent OnDownLoadError;

private:
    bool IsRaster(TStream& AStream) const;
    void LoadRaster(TStream& AStream);
    void LoadPicture();
    // Calls f(position) for each frame marker, in order, until f returns false.
    template <typename F>
    void ForEachFrameMarker(F f) const;

    TMemoryStream FDatastream;
    bool FIsEmpty = true;
    bool FStretched = false;
    String FURL, FID;
    Integer FHeight = 0, FWidth = 0;
    bool FIsDB = false;
    bool FAsynch = true;
    bool FThreadBusy = false;
    Integer FFrame = 1;
    Integer FFrameCount = -1;
    Word FFrameXPos = 0, FFrameYPos = 0;
    Integer FNextCount = -1;
    Integer FTimerCount = -1;
    std::unique_ptr<TDownLoadThread> FThread;
};

// Pictures found by the address they were loaded from; the cache owns them.
class THTMLPictureCache : public TList {
public:
    THTMLPictureCache() = default;
    ~THTMLPictureCache() override;
    THTMLPicture* Pictures(Integer Index) const { return static_cast<THTMLPicture*>(Items(Index)); }
    THTMLPicture* AddPicture();
    // The first picture of exactly that address; null when none.
    TGraphic* FindPicture(const String& ID) const;
    void ClearPictures();
    bool Animate();
};

class TPictureContainer;

class TPictureItem : public TCollectionItem {
    DECLARE_CLASS(TPictureItem, TCollectionItem)
public:
    explicit TPictureItem(TCollection* Collection);
    ~TPictureItem() override;
    // EInvalidCast unless the source is a picture item.
    void Assign(TPersistent* Source) override;
    virtual TGraphic* CreatePicture();
    TGraphic* Picture() const { return FPicture.get(); }
    void SetPicture(TGraphic* Value);
    const String& Name() const { return FName; }
    void SetName(const String& Value) { FName = Value; }
    std::intptr_t Tag() const { return FTag; }
    void SetTag(std::intptr_t Value) { FTag = Value; }
    // A copy of the picture, owned by the container until its next copy.
    TPicture* Bitmap();
    TPictureContainer* Container() const;

private:
    std::unique_ptr<TGraphic> FPicture;
    std::intptr_t FTag = 0;
    String FName;
};

class TPictureCollection : public TOwnedCollection {
    DECLARE_CLASS(TPictureCollection, TOwnedCollection)
public:
    explicit TPictureCollection(TComponent* AOwner);
    TPictureItem* Add() { return static_cast<TPictureItem*>(TCollection::Add()); }
    TPictureItem* Insert(int Index) { return static_cast<TPictureItem*>(TCollection::Insert(Index)); }
    TPictureItem* Items(int Index) const { return static_cast<TPictureItem*>(TCollection::Items(Index)); }
    bool Animate();
};

class TPictureContainer : public TComponent {
    DECLARE_CLASS(TPictureContainer, TComponent)
public:
    explicit TPictureContainer(TComponent* AOwner);
    ~TPictureContainer() override;

    // The picture of the first item of that name, letter case ignored; owned by the item.
    virtual TGraphic* FindPicture(const String& s);
    // A copy of that picture, kept until the next call; null when none.
    virtual TPicture* FindBitmap(const String& s);
    void RegisterControl(TControl* AControl);
    virtual void Changed();
    virtual Integer GetVersionNr();
    String Version();
    void SetVersion(const String&) {}
    TPictureCollection* Items() const { return FItems.get(); }
    void SetItems(TPictureCollection* Value) { FItems->Assign(Value); }
    TNotifyEvent OnChange;

protected:
    virtual std::unique_ptr<TPictureCollection> CreateItems();
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TPictureItem;
    TList FControls;
    std::unique_ptr<TPicture> FPicture;
    std::unique_ptr<TPictureCollection> FItems;
};
