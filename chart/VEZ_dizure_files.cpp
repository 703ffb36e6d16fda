// Chart data and annotation files: a header record marking the kind, the 104-byte item
// records as they lie in memory, then the long texts as lines; and the readable listing
// of the data list.
#include <cmath>
#include <cstring>
#include <vector>

#include "chart/VEZ_dizure.h"
#include "numerics/VEZ_math1.h"
#include "numerics/VEZ_streams.h"
#include "numerics/VEZ_stringl.h"
#include "platform/rtl/FileIO.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysFormat.h"

namespace {

const char* const DataMarker = "[DATAFORMAT]";
const char* const AnnoMarker = "[ANNOFORMAT]";

TrcChartItem FileHeader(bool annotations, Integer items, Integer texts)
{
    TrcChartItem h;
    h.FillColor = 16777215;
    h.ShadowColor = 8421504;
    h.HiLightColor = 16777215;
    h.LWid = -2;
    h.Layer = 1;
    h.Text = annotations ? AnnoMarker : DataMarker;
    h.Param1 = items;
    h.Param2 = texts;
    return h;
}

bool IsTextKind(TrcItem kind) { return kind == tkText || kind == tkTextOfs; }

// A record read from a file holds what a record in memory can hold: a text length within its
// field and a transparency flag that is 0 or 1.
bool SoundRecord(const TrcChartItem& item)
{
    Byte transparent;
    std::memcpy(&transparent, &item.Transp, 1);
    return item.Text.Len <= item.Text.MaxLength() && transparent <= 1;
}

}  // namespace

void TCustomDIzure::SaveList(const String& FName, bool annotations)
{
    const TRcItemContainer& list = annotations ? FAnnoContainer : FDataContainer;
    const Integer n = annotations ? FNumAnnoItems : FNumChartItems;
    const Integer m = annotations ? FNumLongTextsAnno : FNumLongTextsData;
    const auto& texts = annotations ? FLongTextsAnno : FLongTextsData;
    TFileStream stream(FName, fmCreate);
    const TrcChartItem header = FileHeader(annotations, n, m);
    stream.WriteBuffer(&header, sizeof header);
    for (Integer i = 0; i < n; ++i) stream.WriteBuffer(&list[i], sizeof(TrcChartItem));
    for (Integer i = 1; i <= m; ++i) WriteLineToStream(stream, texts[i]);
}

void TCustomDIzure::SaveData(const String& FName) { SaveList(FName, false); }
void TCustomDIzure::SaveAnno(const String& FName) { SaveList(FName, true); }

Integer TCustomDIzure::LoadList(const String& FName, bool AppendIt, bool annotations)
{
    TRcItemContainer& list = annotations ? FAnnoContainer : FDataContainer;
    Integer& count = annotations ? FNumAnnoItems : FNumChartItems;
    Integer& alloc = annotations ? FNumAllocAnno : FNumAllocData;
    Integer& numTexts = annotations ? FNumLongTextsAnno : FNumLongTextsData;
    auto& texts = annotations ? FLongTextsAnno : FLongTextsData;
    try {
        TFileStream stream(FName, fmOpenRead);
        TrcChartItem header;
        if (stream.Read(&header, sizeof header) != sizeof header) return -1;
        if (!SoundRecord(header)) return -2;
        if (header.Text.ToString() != String(annotations ? AnnoMarker : DataMarker) || header.LWid >= 0) return -2;
        const Integer n = header.Param1, m = header.Param2;
        // A count that the file cannot hold is a damaged file, not a request for memory.
        if (n < 0 || m < 0 || Int64(n) * Int64(sizeof(TrcChartItem)) > stream.Size() - stream.Position()) return -1;
        std::vector<TrcChartItem> items(n);
        for (TrcChartItem& item : items) {
            stream.ReadBuffer(&item, sizeof item);
            if (!SoundRecord(item)) return -1;
        }
        if (!AppendIt) {
            if (annotations) {
                ClearAnnotations();
            } else {
                EmptyDataList();
                FNumLongTextsData = 0;
                FLongTextsData.fill(String());
            }
        }
        const Integer base = numTexts;
        list.SetLength(count + n);
        alloc = count + n;
        for (Integer i = 0; i < n; ++i) {
            TrcChartItem item = items[i];
            if (IsTextKind(item.ItemKind) && item.LWid != 0 && numTexts < 50)
                item.LWid = ++numTexts;
            else if (IsTextKind(item.ItemKind))
                item.LWid = 0;
            list[count + i] = item;
            if (!annotations && item.ItemKind < NumItemKinds) ++FItemCount[item.ItemKind];
        }
        count += n;
        for (Integer i = 1; i <= m; ++i) {
            bool ended = false;
            String line;
            ReadLineFromStream(stream, ended, 4, line);
            if (ended) break;
            if (base + i <= 50) texts[base + i] = line;
        }
        if (!annotations) PropagateSharedData();
        RepaintRule();
        return n;
    } catch (const Exception&) {
        return -1;
    }
}

Integer TCustomDIzure::LoadData(const String& FName, bool AppendIt) { return LoadList(FName, AppendIt, false); }
Integer TCustomDIzure::LoadAnno(const String& FName, bool AppendIt) { return LoadList(FName, AppendIt, true); }

namespace {

String Num(double v) { return FormatSignificant(10, 5, true, v); }
String Hex(Int64 v, Integer digits) { return Copy(IntToHex(v & 0xFFFFFFFF, 8), 9 - digits, digits); }

String DescribeItem(const TrcChartItem& it)
{
    static const char* const kindNames[NumItemKinds] = {
        "", "tkMarkAt", "tkLine", "tkLineTo", "tkRect", "tkRectFrame", "tk3DBar", "tkText", "tkMoveTo",
        "tkEllipse", "", "", "tkMoveRelPix", "tkLineRelPix", "tkArrow", "tkDoubleArrow", "tkTextOfs",
        "tkRectRelPix", "tkMarkEBar", "tkLineOffs", "tkArc", "tkLineRelPixOrig", "tkCursorVert", "tkCursorHoriz"};
    const String nl = "\r\n";
    const String pt = "[" + Num(it.x) + "/" + Num(it.y) + "]";
    const String end2 = "[" + Num(it.x2) + "/" + Num(it.y2) + "]";
    const String lw = nl + "linewidth: " + IntToStr(it.LWid);
    const String fill = nl + "fillcolor: " + Hex(it.FillColor, 8);
    const String transp = nl + "  transp.: " + FormatBoolean(it.Transp, 0);
    const String halfaxes = nl + " halfaxes: " + Num(it.x2) + " " + Num(it.y2);
    String s = "elemtype: " + String(it.ItemKind < NumItemKinds ? kindNames[it.ItemKind] : "");
    const String screen = (it.CoordMode == 1 || it.CoordMode == 3) ? " (screen coords)" : "";
    if (it.ItemKind == tkCursorVert)
        s += nl + " position: [" + Num(it.x) + "]" + screen;
    else if (it.ItemKind == tkCursorHoriz)
        s += nl + " position: [" + Num(it.y) + "]" + screen;
    else if (it.ItemKind == tkEllipse)
        s += nl + "   center: " + pt + screen;
    else
        s += nl + " startpnt: " + pt + screen;
    s += nl + " endpoint: " + end2;
    s += nl + "      tag: " + Hex(it.Tag, 8);
    s += nl + "    color: " + Hex(it.Color, 8) + nl + " penstyle: " + Hex(it.PenStyle, 2);
    s += nl + " classnum: " + IntToStr(it.ItemClass);
    const String text = nl + "     text: \"" + ReplaceNonAlnum(it.Text.ToString()) + "\"" +
                        (it.LWid != 0 ? " (abbrev.)" : "") + nl + "     size: " + IntToStr(it.Param1) + nl +
                        "    align: " + IntToStr(it.Param3);
    static const char* const frameNames[] = {"rbLowered", "rbRaised", "rbEmbossed", "rbEngraved"};
    switch (it.ItemKind) {
    case tkMarkAt: s += nl + " marktype: " + IntToStr(it.Param3); break;
    case tkLine: s += lw + nl + " endpoint: " + end2; break;
    case tkRect: s += lw + nl + "   corner: " + end2 + fill + transp; break;
    case tkRectFrame:
        s += lw + nl + "   corner: " + end2 + fill;
        if (it.FrameStyle >= 2 && it.FrameStyle <= 5) s += nl + "frametype: " + String(frameNames[it.FrameStyle - 2]);
        s += nl + "shadowcol: " + Hex(it.ShadowColor, 8) + nl + "hilitecol: " + Hex(it.HiLightColor, 8);
        break;
    case tk3DBar:
        s += lw + nl + " endpoint: " + end2 + fill + nl + "    depth: " + IntToStr(it.Param2) + nl +
             "    angle: " + IntToStr(it.Param1);
        break;
    case tkText: s += text; break;
    case tkEllipse: s += lw + halfaxes + fill + transp; break;
    case tkArrow:
    case tkDoubleArrow:
        s += lw + nl + "    arrow: " + end2 + fill + transp + nl + " headsize: " + IntToStr(it.Param1);
        break;
    case tkTextOfs:
        s += text + nl + " offset x: '" + FormatSignificant(10, 0, true, it.x2) + "'" + nl + " offset y: '" +
             FormatSignificant(10, 0, true, it.y2) + "'";
        break;
    case tkRectRelPix:
        s += lw + nl + "    dx/dy: " + IntToStr(it.Param1) + "/" + IntToStr(it.Param2) + fill + transp;
        break;
    case tkMarkEBar:
        s += lw + nl + "   errors: " + end2 + nl + " marktype: " + IntToStr(it.Param3) + nl +
             "direction: " + IntToStr(it.Param1);
        break;
    case tkLineOffs:
        s += lw + nl + " endpoint: " + end2 + nl + "   offset: [" + IntToStr(it.Param1) + "/" + IntToStr(it.Param2) +
             "]";
        break;
    case tkArc:
        s += lw + halfaxes + nl + "   angles: " + FormatSignificant(10, 8, true, it.Param1 / 1e8) + " " +
             FormatSignificant(10, 8, true, it.Param2 / 1e8);
        break;
    case tkLineRelPixOrig:
        s += lw + nl + "    dx/dy: " + FormatSignificant(10, 0, true, it.x2) + "/" +
             FormatSignificant(10, 0, true, it.y2);
        break;
    default: break;
    }
    return s;
}

}  // namespace

void TCustomDIzure::SaveDataASC(const String& FName)
{
    try {
        TFileStream stream(FName, fmCreate);
        for (Integer i = 0; i < FNumChartItems; ++i) {
            WriteLineToStream(stream, "");
            WriteLineToStream(stream, "------ item " + IntToStr(i) + " ------");
            WriteLineToStream(stream, "  " + DescribeItem(FDataContainer[i]));
        }
    } catch (const Exception&) {
        // The listing is a convenience: what has been written stays.
    }
}
