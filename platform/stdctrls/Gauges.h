#pragma once
// The gauge: a windowless progress display, drawn by the layer as a bar (across or up), a plain
// percentage, a pie or a needle, with the percentage written over it.
#include "platform/controls/Controls.h"

enum TGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };

class TGauge : public TGraphicControl {
    DECLARE_CLASS(TGauge, TGraphicControl)
public:
    explicit TGauge(TComponent* AOwner);

    TGaugeKind Kind() const { return FKind; }
    void SetKind(TGaugeKind value);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TColor ForeColor() const { return FForeColor; }
    void SetForeColor(TColor value);
    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor value);
    // Progress stays within MinValue .. MaxValue; the range bounds keep MinValue below MaxValue.
    Int64 MinValue() const { return FMinValue; }
    void SetMinValue(Int64 value);
    Int64 MaxValue() const { return FMaxValue; }
    void SetMaxValue(Int64 value);
    Int64 Progress() const { return FProgress; }
    void SetProgress(Int64 value);
    void AddProgress(Int64 value) { SetProgress(FProgress + value); }
    // The whole percent of the range the progress has covered (0 for an empty range).
    Integer PercentDone() const;

protected:
    void Paint() override;

private:
    void PaintFace(TCanvas& canvas, const TRect& r, TColor face, TColor back);
    TGaugeKind FKind = gkHorizontalBar;
    bool FShowText = true;
    TBorderStyle FBorderStyle = bsSingle;
    TColor FForeColor = clBlack;
    TColor FBackColor = clWhite;
    Int64 FMinValue = 0, FMaxValue = 100, FProgress = 0;
};

// The gauge in the class registry, with its published properties.
void PublishGauge();
const TEnumTypeInfo& TypeInfoOf(TGaugeKind);
