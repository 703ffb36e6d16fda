#pragma once
// Enhanced metafiles: TMetafileCanvas records canvas operations (with the mapping, clipping and
// drawing tools in force) as EMF records; TMetafile holds the EMF image, saves and loads it as a
// ".emf" file and replays it on any canvas, scaled into the destination rectangle.  Windows
// metafiles (".wmf", placeable or plain) are read by playing their records on a metafile canvas.
#include <string>
#include <string_view>

#include "platform/graphics/Bitmaps.h"

class TMetafile : public TGraphic {
    DECLARE_CLASS(TMetafile, TGraphic)
public:
    TMetafile();
    void Assign(TPersistent* source) override;
    bool Empty() const override { return FData.empty(); }
    // The picture's size in pixels of the reference device (96 per inch).
    Integer Width() const override { return FWidth; }
    Integer Height() const override { return FHeight; }
    void SetSize(Integer width, Integer height) override;
    // The size in hundredths of a millimetre.
    Integer MMWidth() const;
    Integer MMHeight() const;
    bool Enhanced() const { return true; }
    void Clear();

    // The EMF image; SetData checks it (EInvalidGraphic "Metafile is not valid").
    const std::string& Data() const { return FData; }
    void SetData(const std::string& bytes);

    // An enhanced metafile, or a Windows metafile (placeable or plain) taken into enhanced records.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    void DrawOn(TCanvas& canvas, const TRect& dest) override;

private:
    friend class TMetafileCanvas;
    void ReadWindowsMetafile(const std::string& bytes);   // Metafile_wmf.cpp
    std::string FData;
    Integer FWidth = 0, FHeight = 0;
    TPoint FOrigin;   // the picture's top-left corner in the recording's device units
};

// A Windows metafile begins with the placeable key or with a metafile header (its first bytes suffice).
bool IsWindowsMetafile(std::string_view head);

class TMetafileCanvas : public TCanvas {
public:
    // The reference device gives the resolution (the screen's when none is given).
    explicit TMetafileCanvas(TMetafile& metafile, HDC referenceDevice = nullptr);
    ~TMetafileCanvas() override;   // closes the recording into the metafile

private:
    friend class TMetafile;
    // The picture's frame in device units, instead of the bounds of what was drawn.
    void SetFrame(const TRect& frame);
    class TRecorder;
    std::unique_ptr<TRecorder> FRecorder;
    TMetafile& FMetafile;
};
