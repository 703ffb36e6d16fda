// The SVG document read into elements: the XML walk, the attributes of each kind of element,
// style declarations and class rules, embedded pictures, the references resolved after reading
// and the view box.
#include "graphics/GxGraphicsSVGEngine.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>

#include "graphics/GxUtils.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/UString.h"

namespace {

constexpr float EmptyMarker = 2147483648.0f;
const TRectF EmptyViewRect{EmptyMarker, EmptyMarker, -EmptyMarker, -EmptyMarker};

std::string TrimText(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return std::string(s);
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

bool ReadPlainNumber(const std::string& s, float& value)
{
    double v = 0;
    if (!TGxUtils::TryStrToFloatDot(s, v)) return false;
    value = static_cast<float>(v);
    return true;
}

// The parts of a text between blanks (and other control characters), empty parts dropped.
std::vector<std::string> Words(const std::string& text)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : text + " ")
        if (static_cast<unsigned char>(c) <= ' ') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else word += c;
    return words;
}

TGxGraphicsSVGElementType TypeOfName(const String& name)
{
    static const std::pair<const char*, TGxGraphicsSVGElementType> kinds[] = {
        {"g", etContainer}, {"switch", etSwitch}, {"defs", etDefs}, {"use", etUse}, {"rect", etRect},
        {"line", etLine}, {"polyline", etPolyline}, {"polygon", etPolygon}, {"circle", etCircle},
        {"ellipse", etEllipse}, {"path", etPath}, {"image", etImage}, {"text", etText}, {"tspan", etTextSpan},
        {"#text", etTextSpanChild}, {"textPath", etTextPath}, {"clipPath", etClipPath},
        {"linearGradient", etLinearGradient}, {"radialGradient", etRadialGradient}, {"style", etStyle},
        {"stop", etStop}, {"pattern", etPattern}};
    const std::string n = name.ToUtf8();
    for (const auto& [tag, kind] : kinds)
        if (n == tag) return kind;
    return etUnknown;
}

bool IsTransformingAncestor(TGxGraphicsSVGElementType t)
{
    return t == etContainer || t == etText || t == etTextSpan || t == etTextPath;
}

bool IsPaintServer(TGxGraphicsSVGElementType t)
{
    return t == etLinearGradient || t == etRadialGradient || t == etPattern;
}

// A colour value that paints: none of "none", "transparent" and "default".
bool Paints(const String& value) { return value != "none" && value != "transparent" && value != "default"; }

// "#rgb" or "#rrggbb", an rgb() value or a colour name; rgb() with alpha 0 turns the value
// into "none".
TColor ReadColor(String& value)
{
    const std::string v = value.ToUtf8();
    if (StartsWith(v, "#")) return TGxGraphics::HTMLToColor(value);
    if (StartsWith(v, "rgb")) {
        Integer alpha = -1;
        const TColor color = SVGRGBColor(value, alpha);
        if (alpha == 0) value = "none";
        return color;
    }
    return TGxGraphics::TextToColor(value);
}

}  // namespace

// ---------------------------------------------------------------- elements

TGxGraphicsSVGElement::~TGxGraphicsSVGElement() = default;

TGxBitmap* TGxGraphicsSVGElement::Bitmap()
{
    if (!FBitmap) FBitmap = std::make_unique<TGxBitmap>();
    return FBitmap.get();
}

TGxGraphicsSVGElementPathList& TGxGraphicsSVGElement::Paths()
{
    if (!FPaths) FPaths = std::make_unique<TGxGraphicsSVGElementPathList>();
    return *FPaths;
}

TGxGraphicsSVGElementList& TGxGraphicsSVGElement::Elements()
{
    if (!FElements) FElements = std::make_unique<TGxGraphicsSVGElementList>();
    return *FElements;
}

TGxGraphicsPath* TGxGraphicsSVGElement::CombinedPath()
{
    if (!FCombinedPath) {
        FCombinedPath = std::make_unique<TGxGraphicsPath>();
        for (const auto& path : Paths()) FCombinedPath->AddPath(*path);
    }
    return FCombinedPath.get();
}

bool TGxGraphicsSVGElement::HasFillColor() const { return Paints(FFillColorValue); }
bool TGxGraphicsSVGElement::HasStrokeColor() const { return Paints(FStrokeColorValue); }
bool TGxGraphicsSVGElement::HasStopColor() const { return Paints(FStopColorValue); }

// ---------------------------------------------------------------- the document

TClass TGxGraphicsSVGImport::StaticClass()
{
    static const TMetaClass meta("TGxGraphicsSVGImport", TGxSVGImport::StaticClass(),
                                 NewObject<TGxGraphicsSVGImport>);
    return &meta;
}

void InitializeGxGraphicsSVGEngine()
{
    if (!GetClass("TGxGraphicsSVGImport")) RegisterClass(TGxGraphicsSVGImport::StaticClass());
}

namespace {
const bool SVGEngineRegistered = (InitializeGxGraphicsSVGEngine(), true);
}

TGxGraphicsSVGImport::TGxGraphicsSVGImport() { Clear(); }

TGxGraphicsSVGImport::~TGxGraphicsSVGImport() = default;

void TGxGraphicsSVGImport::Clear()
{
    FElementClassList.clear();
    FElementPatternList.clear();
    FElementClipPathList.clear();
    FElementList.clear();
    FDefsList.clear();
    FXML.reset();
    FMatrix = MatrixIdentity();
    FTextMatrix = MatrixIdentity();
    ViewRect = EmptyViewRect;
}

void TGxGraphicsSVGImport::LoadFromText(const String& AText)
{
    Clear();
    FXML = NewXMLDocument();
    try {
        FXML->LoadFromXML(AText);
    } catch (...) {
        FXML.reset();
        throw;
    }
    const TXMLNode root = FXML->DocumentElement();
    if (!root || root.NodeName() != "svg") return;

    TRectF viewBox = EmptyViewRect;
    if (root.HasAttribute("viewBox")) {
        std::vector<float> parts;
        for (const std::string& word : Words(root.Attribute("viewBox").ToUtf8())) {
            float v = 0;
            parts.push_back(ReadPlainNumber(word, v) ? v : 0);
        }
        if (parts.size() == 4) viewBox = {parts[0], parts[1], parts[0] + parts[2], parts[1] + parts[3]};
    } else if (root.HasAttribute("width") && root.HasAttribute("height")) {
        viewBox = {0, 0, SVGLength(root.Attribute("width")), SVGLength(root.Attribute("height"))};
    }

    ParseNodes(root, FElementList, nullptr, true);
    ResolveReferences();

    if (viewBox.Left != EmptyMarker && viewBox.Top != EmptyMarker && viewBox.Right != -EmptyMarker &&
        viewBox.Bottom != -EmptyMarker)
        ViewRect = viewBox;
    else if (ViewRect.Left == EmptyMarker && ViewRect.Top == EmptyMarker && ViewRect.Right == -EmptyMarker &&
             ViewRect.Bottom == -EmptyMarker)
        ViewRect = TRectF{0, 0, 0, 0};
}

void TGxGraphicsSVGImport::LoadFromStream(TStream& AStream)
{
    AStream.SetPosition(0);
    std::string bytes(static_cast<size_t>(std::max<Int64>(AStream.Size(), 0)), '\0');
    if (!bytes.empty()) AStream.ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    if (StartsWith(bytes, "\xEF\xBB\xBF")) bytes.erase(0, 3);
    LoadFromText(String(bytes));
}

void TGxGraphicsSVGImport::LoadFromFile(const String& AFile)
{
    TMemoryStream stream;
    stream.LoadFromFile(AFile);
    LoadFromStream(stream);
}

void TGxGraphicsSVGImport::SaveToStream(TStream& AStream)
{
    if (FXML) FXML->SaveToStream(AStream);
}

void TGxGraphicsSVGImport::SaveToFile(const String& AFile)
{
    TMemoryStream stream;
    SaveToStream(stream);
    stream.SaveToFile(AFile);
}

// ---------------------------------------------------------------- the node walk

void TGxGraphicsSVGImport::ParseNodes(const TXMLNode& ANode, TGxGraphicsSVGElementList& ATarget,
                                      TGxGraphicsSVGElement* AParent, bool ABounds)
{
    const TXMLNodeList children = ANode.ChildNodes();
    for (Integer i = 0; i < children.Count(); ++i) {
        const TXMLNode node = children[i];
        const TGxGraphicsSVGElementType kind = TypeOfName(node.NodeName());
        if (kind == etUnknown) continue;
        if (kind == etTextSpanChild && TrimText(node.NodeValue().ToUtf8()).empty()) continue;
        switch (kind) {
        case etDefs: ParseNodes(node, FDefsList, nullptr, false); continue;
        case etStyle: ParseStyleRules(node.Text()); continue;
        case etSwitch:
        case etUse: continue;
        default: break;
        }
        ATarget.push_back(std::make_unique<TGxGraphicsSVGElement>());
        TGxGraphicsSVGElement& e = *ATarget.back();
        e.FType = kind;
        e.FParent = AParent;
        ParseElement(node, e, ABounds);
    }
}

void TGxGraphicsSVGImport::ParseElement(const TXMLNode& ANode, TGxGraphicsSVGElement& E, bool ABounds)
{
    auto length = [&](const char* name) { return SVGLength(ANode.Attribute(name)); };
    if (ANode.HasAttribute("transform")) E.FMatrix = SVGTransform(ANode.Attribute("transform"));
    if (ANode.HasAttribute("gradientTransform")) E.FGradientMatrix = SVGTransform(ANode.Attribute("gradientTransform"));
    switch (E.FType) {
    case etCircle:
        E.FXV = length("cx"), E.FYV = length("cy");
        E.FRx = E.FRy = length("r");
        break;
    case etEllipse: E.FXV = length("cx"), E.FYV = length("cy"), E.FRx = length("rx"), E.FRy = length("ry"); break;
    case etLine:
    case etLinearGradient:
        E.FXV = length("x1"), E.FYV = length("y1"), E.FWidth = length("x2"), E.FHeight = length("y2");
        break;
    case etRadialGradient:
        E.FHasCX = ANode.HasAttribute("cx"), E.FHasCY = ANode.HasAttribute("cy");
        E.FCX = length("cx"), E.FCY = length("cy");
        break;
    default:
        E.FXV = length("x"), E.FYV = length("y"), E.FWidth = length("width"), E.FHeight = length("height");
        E.FRx = length("rx"), E.FRy = length("ry");
        break;
    }

    // the style attribute first, then every attribute, so that an attribute wins over the style
    String declarations = ANode.Attribute("style");
    if (!declarations.IsEmpty()) declarations += ";";
    const TXMLNodeList attributes = ANode.AttributeNodes();
    for (Integer i = 0; i < attributes.Count(); ++i)
        declarations += (i > 0 ? ";" : "") + attributes[i].NodeName() + ":" + attributes[i].NodeValue();
    ApplyDeclarations(E, declarations);

    switch (E.FType) {
    case etContainer:
    case etClipPath:
    case etLinearGradient:
    case etRadialGradient:
    case etPattern:
        ParseNodes(ANode, E.Elements(), &E, ABounds && E.FType == etContainer);
        if (IsPaintServer(E.FType)) FElementPatternList.push_back(&E);
        if (E.FType == etClipPath) FElementClipPathList.push_back(&E);
        break;
    case etImage: {
        const std::string href = ANode.Attribute("xlink:href").ToUtf8();
        if (const size_t data = href.find("data:"); data != std::string::npos) {
            const std::string rest = href.substr(5);
            const size_t semicolon = rest.find(';');
            if (semicolon != std::string::npos && rest.compare(semicolon, 8, ";base64,") == 0) {
                const TBytes bytes = TGxUtils::Decode64ToBytes(rest.substr(semicolon + 8), false);
                TMemoryStream stream;
                if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
                stream.SetPosition(0);
                E.Bitmap()->LoadFromStream(stream);
            }
        }
        // pictures are taken only from the document itself: a file name is never opened, so a
        // document handed to the program cannot make it read other files
        [[fallthrough]];
    }
    case etRect:
        if (ABounds) ExtendBounds(E, {E.FXV, E.FYV, E.FXV + E.FWidth, E.FYV + E.FHeight});
        break;
    case etLine:
        if (ABounds)
            ExtendBounds(E, {std::min(E.FXV, E.FWidth), std::min(E.FYV, E.FHeight), std::max(E.FXV, E.FWidth),
                             std::max(E.FYV, E.FHeight)});
        break;
    case etCircle:
    case etEllipse:
        if (ABounds) ExtendBounds(E, {E.FXV - E.FRx, E.FYV - E.FRy, E.FXV + E.FRx, E.FYV + E.FRy});
        break;
    case etPolyline:
    case etPolygon: {
        std::string points = ANode.Attribute("points").ToUtf8();
        std::string spaced;
        for (char c : points) {
            if (c == ',') spaced += ' ';
            else if (c == '-') spaced += " -";
            else spaced += c;
        }
        std::vector<float> values;
        for (const std::string& word : Words(spaced)) {
            float v = 0;
            values.push_back(ReadPlainNumber(word, v) ? v : 0);
        }
        if (values.size() % 2 != 0) break;
        E.Paths().push_back(std::make_unique<TGxGraphicsPath>());
        TGxGraphicsPath& path = *E.Paths().back();
        for (size_t i = 2; i < values.size(); i += 2)
            path.AddLine({values[i - 2], values[i - 1]}, {values[i], values[i + 1]});
        if (E.FType == etPolygon && path.Count() > 0) path.ClosePath();
        if (ABounds && path.Count() > 0) ExtendBounds(E, path.GetBounds());
        break;
    }
    case etPath:
        SVGPathData(ANode.Attribute("d"), E.Paths());
        if (ABounds)
            for (const auto& path : E.Paths())
                if (path->Count() > 0) ExtendBounds(E, path->GetBounds());
        break;
    case etText:
    case etTextSpan:
    case etTextSpanChild:
    case etTextPath: {
        const TXMLNodeList children = ANode.ChildNodes();
        if (E.FType == etTextSpanChild) E.FText = ANode.NodeValue();
        else if (E.FType == etText && children.Count() == 1 && children[0].NodeType() == ntText)
            E.FText = children[0].NodeValue();
        else ParseNodes(ANode, E.Elements(), &E, true);
        break;
    }
    default: break;
    }
}

void TGxGraphicsSVGImport::ExtendBounds(const TGxGraphicsSVGElement& E, const TRectF& ARect)
{
    TGxGraphicsPath corners;
    corners.AddPolygon({{ARect.Left, ARect.Top}, {ARect.Right, ARect.Top}, {ARect.Right, ARect.Bottom},
                        {ARect.Left, ARect.Bottom}});
    for (const TGxGraphicsSVGElement* a = E.FParent; a && IsTransformingAncestor(a->FType); a = a->FParent)
        if (!IsMatrixEmpty(a->FMatrix)) corners.ApplyMatrix(a->FMatrix);
    const TRectF b = corners.GetBounds();
    ViewRect.Left = std::min(ViewRect.Left, b.Left);
    ViewRect.Top = std::min(ViewRect.Top, b.Top);
    ViewRect.Right = std::max(ViewRect.Right, b.Right);
    ViewRect.Bottom = std::max(ViewRect.Bottom, b.Bottom);
}

// ---------------------------------------------------------------- declarations and class rules

void TGxGraphicsSVGImport::ApplyDeclarations(TGxGraphicsSVGElement& E, const String& AText)
{
    const std::string text = TrimText(AText.ToUtf8());
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(';', start);
        if (end == std::string::npos) end = text.size();
        const std::string piece = text.substr(start, end - start);
        start = end + 1;
        const size_t href = piece.find("xlink:href");
        const size_t colon = piece.find(':', href == std::string::npos ? 0 : href + 10);
        if (colon == std::string::npos) continue;
        const std::string name = TrimText(std::string_view(piece).substr(0, colon));
        String value = TrimText(std::string_view(piece).substr(colon + 1));
        const std::string v = value.ToUtf8();

        auto paint = [&](String& valueField, TColor& color) {
            valueField = value;
            if (!Paints(valueField)) {
                color = -1;
                return;
            }
            if (StartsWith(v, "url(#") || StartsWith(v, "url('#")) {
                const size_t hash = v.find('#');
                const size_t close = v.find(v[4] == '\'' ? "')" : ")", hash);
                E.FURLRefID = v.substr(hash + 1, close == std::string::npos ? std::string::npos : close - hash - 1);
            } else {
                color = ReadColor(valueField);
            }
        };
        if (name == "display") E.FDisplayValue = LowerCase(value);
        else if (name == "fill") paint(E.FFillColorValue, E.FFillColor);
        else if (name == "stroke") paint(E.FStrokeColorValue, E.FStrokeColor);
        else if (name == "stroke-width") {
            E.FStrokeWidthValue = value;
            if (E.HasStrokeWidth()) ReadPlainNumber(v, E.FStrokeWidth);
        } else if (name == "font-family") {
            TFontStyles style;
            E.FFontFamily = SVGFontFamily(value, style);
            if (E.FFontStyle.IsEmpty()) E.FFontStyle = style;
        } else if (name == "font-style") {
            if (v == "italic" && E.FFontStyle.IsEmpty()) E.FFontStyle.Include(TFontStyle::fsItalic);
        } else if (name == "font-size") {
            E.FFontSizeValue = value;
            if (E.HasFontSize()) E.FFontSize = SVGLength(value);
        } else if (name == "preserveAspectRatio") {
            E.FPreserveAspectRatioValue = value;
            if (E.HasPreserveAspectRatio()) E.FPreserveAspectRatio = v == "none" ? parNone : parOther;
        } else if (name == "offset") {
            E.FOffsetValue = value;
            if (E.HasOffset()) E.FOffset = SVGLength(value) / (SVGLengthUnit(value) == "%" ? 100 : 1);
        } else if (name == "stop-opacity") {
            E.FStopOpacityValue = value;
            if (E.HasStopOpacity()) E.FStopOpacity = SVGLength(value);
        } else if (name == "stop-color") {
            E.FStopColorValue = value;
            E.FStopColor = E.HasStopColor() ? ReadColor(E.FStopColorValue) : -1;
        } else if (name == "opacity") {
            E.FOpacityValue = value;
            if (E.HasOpacity()) ReadPlainNumber(v, E.FOpacity);
        } else if (name == "xlink:href" || name == "href") {
            const size_t hash = v.find('#');
            E.FHRefID = hash == std::string::npos ? v : v.substr(hash + 1);
        } else if (name == "class") {
            E.FClassRefID = value;
            // the declarations of one element come one after another: it is listed once
            if (!(E.FParent && IsPaintServer(E.FParent->FType)) &&
                (FElementClassList.empty() || FElementClassList.back() != &E))
                FElementClassList.push_back(&E);
        } else if (name == "id") E.FID = value;
        else if (name == "clip-path") {
            const size_t hash = v.find('#');
            if (hash != std::string::npos) {
                const size_t close = v.find(')', hash);
                E.FClipPathRefID = v.substr(hash + 1, close == std::string::npos ? std::string::npos : close - hash - 1);
            }
        }
    }
}

void TGxGraphicsSVGImport::ParseStyleRules(const String& AText)
{
    const std::string text = TrimText(AText.ToUtf8());
    // rules are taken one after another, each from its "." through its "}"
    for (size_t at = 0;;) {
        const size_t dot = text.find('.', at), open = text.find('{', at), close = text.find('}', at);
        if (dot == std::string::npos || open == std::string::npos || close == std::string::npos || close < dot) break;
        if (open > dot && close > open && open > dot + 1) {
            FDefsList.push_back(std::make_unique<TGxGraphicsSVGElement>());
            TGxGraphicsSVGElement& rule = *FDefsList.back();
            rule.FType = etStyle;
            rule.FClassRefID = text.substr(dot + 1, open - dot - 1);
            ApplyDeclarations(rule, text.substr(open + 1, close - open - 1));
        }
        at = close + 1;
    }
}

// ---------------------------------------------------------------- references

// The first element of the defs list that names E: by its class, or by E's identifier as the
// target of a url or clip path.  Looked up through indexes, so that a large document resolves in
// time proportional to its size.
struct TGxGraphicsSVGImport::TDefsIndex {
    std::unordered_map<std::u16string, size_t> ByClass, ByTarget;
    std::unordered_map<std::u16string, TGxGraphicsSVGElement*> ByID;   // the first of each identifier

    explicit TDefsIndex(const TGxGraphicsSVGElementList& defs)
    {
        for (size_t i = 0; i < defs.size(); ++i) {
            const TGxGraphicsSVGElement& d = *defs[i];
            if (!d.FClassRefID.IsEmpty()) ByClass.try_emplace(std::u16string(d.FClassRefID.u16()), i);
            if (!d.FURLRefID.IsEmpty()) ByTarget.try_emplace(std::u16string(d.FURLRefID.u16()), i);
            if (!d.FClipPathRefID.IsEmpty()) ByTarget.try_emplace(std::u16string(d.FClipPathRefID.u16()), i);
            ByID.try_emplace(std::u16string(d.FID.u16()), defs[i].get());
        }
    }
    static size_t Find(const std::unordered_map<std::u16string, size_t>& map, const String& key)
    {
        if (key.IsEmpty()) return SIZE_MAX;
        const auto it = map.find(std::u16string(key.u16()));
        return it == map.end() ? SIZE_MAX : it->second;
    }
    TGxGraphicsSVGElement* Element(const String& id) const
    {
        const auto it = ByID.find(std::u16string(id.u16()));
        return it == ByID.end() ? nullptr : it->second;
    }
};

void TGxGraphicsSVGImport::ResolveClasses(TGxGraphicsSVGElement& E, const TDefsIndex& AIndex)
{
    const size_t byClass = TDefsIndex::Find(AIndex.ByClass, E.FClassRefID);
    const size_t byTarget = TDefsIndex::Find(AIndex.ByTarget, E.FID);
    if (byClass == SIZE_MAX && byTarget == SIZE_MAX) return;
    if (byTarget < byClass) {
        if (E.HasElements())
            for (const auto& child : E.Elements()) ResolveClasses(*child, AIndex);
        return;
    }
    TGxGraphicsSVGElement* p = FDefsList[byClass].get();
    auto lastChild = [](TGxGraphicsSVGElement* e) {
        return e && e->HasElements() && !e->Elements().empty() ? e->Elements().back().get() : nullptr;
    };
    if (!p->FClipPathRefID.IsEmpty()) {
        if (TGxGraphicsSVGElement* clip = lastChild(AIndex.Element(p->FClipPathRefID))) {
            E.FClipPathRef = clip;
            E.FClassRef = clip->FClassRef;
        }
    } else if (!p->FURLRefID.IsEmpty()) {
        TGxGraphicsSVGElement* target = AIndex.Element(p->FURLRefID);
        if (target && IsPaintServer(target->FType)) E.FPatternRef = target;
        else if (TGxGraphicsSVGElement* child = lastChild(target)) E.FClassRef = child->FClassRef;
    } else {
        E.FClassRef = p;
    }
}

void TGxGraphicsSVGImport::ResolveReferences()
{
    const TDefsIndex index(FDefsList);
    for (auto* list : {&FElementPatternList, &FElementClipPathList, &FElementClassList})
        for (TGxGraphicsSVGElement* e : *list) ResolveClasses(*e, index);

    std::unordered_map<std::u16string, TGxGraphicsSVGElement*> patterns;   // the last of each identifier
    for (TGxGraphicsSVGElement* p : FElementPatternList) patterns[std::u16string(p->FID.u16())] = p;
    auto patternByID = [&](const String& id) -> TGxGraphicsSVGElement* {
        const auto it = patterns.find(std::u16string(id.u16()));
        return it == patterns.end() ? nullptr : it->second;
    };
    auto byURL = [&](auto&& self, const TGxGraphicsSVGElementList& list) -> void {
        for (const auto& e : list) {
            if (!e->FURLRefID.IsEmpty()) e->FPatternRef = patternByID(e->FURLRefID);
            if (e->HasElements()) self(self, e->Elements());
        }
    };
    byURL(byURL, FElementList);
    byURL(byURL, FDefsList);
    for (TGxGraphicsSVGElement* p : FElementPatternList)
        if (!p->FHRefID.IsEmpty()) p->FHRefRef = patternByID(p->FHRefID);
}
