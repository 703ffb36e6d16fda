#pragma once
// TMat3D: a box of doubles addressed by (column, row, layer), each counted from
// 1.  A read outside the box gives 0 and a write outside is ignored.
#include <vector>

#include "numerics/VEZ_matrix.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/Streams.h"

class TMat3D : public TComponent {
    DECLARE_CLASS(TMat3D, TComponent)
public:
    // 1 x 1 x 1 holding 0, empty DataID.
    explicit TMat3D(TComponent* AOwner);
    ~TMat3D() override;

    Integer NrOfColumns() const { return FNumX; }
    void SetNrOfColumns(Integer Value) { Resize(Max<Integer>(Value, 1), FNumY, FNumZ); }
    Integer NrOfRows() const { return FNumY; }
    void SetNrOfRows(Integer Value) { Resize(FNumX, Max<Integer>(Value, 1), FNumZ); }
    Integer NrOfLayers() const { return FNumZ; }
    void SetNrOfLayers(Integer Value) { Resize(FNumX, FNumY, Max<Integer>(Value, 1)); }
    const String& DataID() const { return FDataID; }
    void SetDataID(const String& Value) { FDataID = Value; }
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TNotifyEvent& Value) { FOnChange = Value; }
    const TOnPercentDoneEvent& OnPercentDone() const { return FOnPercentDone; }
    void SetOnPercentDone(const TOnPercentDoneEvent& Value) { FOnPercentDone = Value; }

    double GetVal(Integer Nx, Integer Ny, Integer Nz) const;
    void SetVal(Integer Nx, Integer Ny, Integer Nz, double Value);  // no event
    // True and nothing changed for equal sizes or a size <= 0; otherwise keeps the
    // overlapping values, new cells 0, fires OnChange.
    bool Resize(Integer Nc, Integer Nr, Integer Nl);
    bool ResizeAndClear(Integer Nc, Integer Nr, Integer Nl);
    void MakeValidColRange(Integer& Low, Integer& High) const;
    void MakeValidRowRange(Integer& Low, Integer& High) const;
    void MakeValidLayerRange(Integer& Low, Integer& High) const;
    void Changed();

    void Fill(double value);  // no event
    void FillDiag(double value);
    void FillRandomUniform(double RangeLow, double RangeHigh);
    void FillRandomGauss(double Mean, double StdDev);
    void Clone(TMat3D* MatSource);
    void CopyLayerToMatrix(TMatrix* DestMat, Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow,
                           Integer Layer) const;
    void CopyMatrixToLayer(TMatrix* SrcMat, Integer SrcLowCol, Integer SrcHighCol, Integer SrcLowRow,
                           Integer SrcHighRow, Integer Layer, Integer LayLowCol, Integer LayLowRow);

    void Find(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Integer LowLayer, Integer HighLayer,
              double Value, Integer& ColIx, Integer& RowIx, Integer& LayerIx) const;
    void MinMax(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Integer LowLayer,
                Integer HighLayer, double& Minimum, double& Maximum) const;
    void MeanVar(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Integer LowLayer,
                 Integer HighLayer, double& Mean, double& Variance) const;
    double Percentile(double prob, Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow,
                      Integer LowLayer, Integer HighLayer) const;
    double Percentile(double prob, Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow,
                      Integer LowLayer, Integer HighLayer, Integer SampleSize) const;
    String CRCofData() const;

    // Block file (format 1, values layer by layer, row by row, column by column).
    void SaveBinary(const String& FName);
    bool ReadBinaryHeader(const String& FName, Integer& NrColumns, Integer& NrRows, Integer& NrLayers,
                          Integer& NrTimeSlots, String& DataID, Integer& Format) const;
    // 0 success; -1 format not 1; -2 time slots not 0 or no layers; -3 the values
    // are not all in the file; -5 no such file.
    Integer LoadBinary(const String& FName);
    void WriteToXMLStream(TStream* OutStream, bool CreateHeader, const String& DataID) const;
    void WriteToOpenXMLFile(TextFile& OutFile, bool CreateHeader, const String& DataID) const;
    void SaveAsXMLFile(const String& FName, const String& DataID) const;
    bool ReadFromXMLStream(TStream* InStream, const String& DataID);
    bool ReadFromOpenXMLFile(TextFile& InFile, const String& DataID);
    bool LoadFromXMLFile(const String& FName, const String& DataID);

private:
    [[noreturn]] void Fail(const String& tail) const;
    bool Inside(Integer x, Integer y, Integer z) const
    {
        return x >= 1 && x <= FNumX && y >= 1 && y <= FNumY && z >= 1 && z <= FNumZ;
    }
    // Calls fn(x, y, z) over the normalised sub-box, columns outermost, then rows,
    // then layers; counts a progress step every (columns x rows) div 100 + 1 pairs
    // when countProgress is set.
    template <class Fn>
    void ForBox(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Integer LowLayer,
                Integer HighLayer, bool countProgress, Fn fn) const;
    std::vector<String> XMLLines(bool CreateHeader, const String& DataID) const;
    bool ReadXML(const TXMLInput& input, const String& DataID);
    TDoubleArray BoxValues(Integer LowCol, Integer HighCol, Integer LowRow, Integer HighRow, Integer LowLayer,
                           Integer HighLayer) const;

    Integer FNumX = 1;
    Integer FNumY = 1;
    Integer FNumZ = 1;
    String FDataID;
    TDouble3DArray Mat;  // Mat[x-1][y-1][z-1]
    TNotifyEvent FOnChange;
    TOnPercentDoneEvent FOnPercentDone;
    bool FirstCell = false;
};
