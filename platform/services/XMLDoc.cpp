#include "platform/services/XMLDoc.h"
#include "platform/rtl/RtlConsts.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>

#include <mutex>
#include <vector>

struct TXMLDocumentData {
    xmlDocPtr Doc = nullptr;
    std::vector<xmlNodePtr> Removed;   // taken out of the tree; freed with the document
    bool Indent = true;

    ~TXMLDocumentData()
    {
        for (xmlNodePtr n : Removed) xmlFreeNode(n);
        if (Doc) xmlFreeDoc(Doc);
    }
};

namespace {

const xmlChar* X(const std::string& s) { return reinterpret_cast<const xmlChar*>(s.c_str()); }
String FromXml(const xmlChar* s) { return s ? String(reinterpret_cast<const char*>(s)) : String(); }
String TakeXml(xmlChar* s)
{
    String r = FromXml(s);
    xmlFree(s);
    return r;
}
xmlNodePtr N(void* node) { return static_cast<xmlNodePtr>(node); }

// Nothing outside the text is ever read: every external entity, DTD or schema is refused.
xmlParserInputPtr RefuseExternal(const char*, const char*, xmlParserCtxtPtr) { return nullptr; }

void PrepareReader()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetExternalEntityLoader(RefuseExternal);
    });
}

// The name as written: with its namespace prefix.
String QualifiedName(xmlNodePtr n)
{
    std::string name = n->name ? reinterpret_cast<const char*>(n->name) : "";
    if (n->ns && n->ns->prefix && (n->type == XML_ELEMENT_NODE || n->type == XML_ATTRIBUTE_NODE))
        name = std::string(reinterpret_cast<const char*>(n->ns->prefix)) + ":" + name;
    return String(name);
}

xmlAttrPtr FindAttribute(xmlNodePtr n, const String& name)
{
    if (!n || n->type != XML_ELEMENT_NODE) return nullptr;
    for (xmlAttrPtr a = n->properties; a; a = a->next)
        if (QualifiedName(reinterpret_cast<xmlNodePtr>(a)) == name) return a;
    return nullptr;
}

xmlNodePtr OnlyTextChild(xmlNodePtr n)
{
    if (!n || n->type != XML_ELEMENT_NODE || !n->children || n->children != n->last) return nullptr;
    return n->children->type == XML_TEXT_NODE || n->children->type == XML_CDATA_SECTION_NODE ? n->children : nullptr;
}

// A new element of the document; its name must be one a reader accepts.
xmlNodePtr NewElement(xmlDocPtr doc, const String& name)
{
    const std::string utf8 = name.ToUtf8();
    if (utf8.empty() || xmlValidateName(X(utf8), 0) != 0)
        throw EXMLDocError("'" + name + "' is not a valid XML element name");
    return xmlNewDocNode(doc, nullptr, X(utf8), nullptr);
}

std::shared_ptr<TXMLDocumentData> EmptyDocument(bool indent)
{
    auto data = std::make_shared<TXMLDocumentData>();
    data->Doc = xmlNewDoc(X("1.0"));
    data->Indent = indent;
    return data;
}

}  // namespace

// ---------------------------------------------------------------- nodes

String TXMLNode::NodeName() const
{
    xmlNodePtr n = N(FNode);
    if (!n) return String();
    switch (n->type) {
    case XML_ELEMENT_NODE:
    case XML_ATTRIBUTE_NODE:
    case XML_PI_NODE:
    case XML_ENTITY_REF_NODE: return QualifiedName(n);
    case XML_TEXT_NODE: return "#text";
    case XML_CDATA_SECTION_NODE: return "#cdata-section";
    case XML_COMMENT_NODE: return "#comment";
    case XML_DOCUMENT_NODE: return "#document";
    default: return QualifiedName(n);
    }
}

TNodeType TXMLNode::NodeType() const
{
    xmlNodePtr n = N(FNode);
    if (!n) return ntReserved;
    if (n->type == XML_DTD_NODE) return ntDocType;
    const int t = static_cast<int>(n->type);
    return t >= ntElement && t <= ntNotation ? static_cast<TNodeType>(t) : ntReserved;
}

String TXMLNode::NodeValue() const
{
    xmlNodePtr n = N(FNode);
    if (!n) return String();
    switch (n->type) {
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
    case XML_COMMENT_NODE:
    case XML_PI_NODE: return FromXml(n->content);
    case XML_ATTRIBUTE_NODE: return TakeXml(xmlNodeListGetString(n->doc, n->children, 1));
    case XML_ELEMENT_NODE: {
        xmlNodePtr text = OnlyTextChild(n);
        return text ? FromXml(text->content) : String();
    }
    default: return String();
    }
}

void TXMLNode::SetNodeValue(const String& value)
{
    xmlNodePtr n = N(FNode);
    if (!n) return;
    const std::string v = value.ToUtf8();
    switch (n->type) {
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
    case XML_COMMENT_NODE:
    case XML_PI_NODE: xmlNodeSetContent(n, X(v)); return;   // raw text in these kinds
    case XML_ATTRIBUTE_NODE:
        if (n->parent) xmlSetProp(n->parent, n->name, X(v));
        return;
    case XML_ELEMENT_NODE:
        while (n->children) {
            xmlNodePtr child = n->children;
            xmlUnlinkNode(child);
            FDoc->Removed.push_back(child);
        }
        if (!v.empty()) xmlAddChild(n, xmlNewDocText(n->doc, X(v)));
        return;
    default: return;
    }
}

String TXMLNode::Text() const
{
    xmlNodePtr n = N(FNode);
    return n ? TakeXml(xmlNodeGetContent(n)) : String();
}

bool TXMLNode::IsTextElement() const { return OnlyTextChild(N(FNode)) != nullptr; }

bool TXMLNode::HasAttribute(const String& name) const { return FindAttribute(N(FNode), name) != nullptr; }

String TXMLNode::Attribute(const String& name) const
{
    xmlAttrPtr a = FindAttribute(N(FNode), name);
    return a ? TakeXml(xmlNodeListGetString(a->doc, a->children, 1)) : String();
}

void TXMLNode::SetAttribute(const String& name, const String& value)
{
    xmlNodePtr n = N(FNode);
    if (!n || n->type != XML_ELEMENT_NODE) return;
    if (xmlAttrPtr a = FindAttribute(n, name)) xmlSetNsProp(n, a->ns, a->name, X(value.ToUtf8()));
    else xmlSetProp(n, X(name.ToUtf8()), X(value.ToUtf8()));
}

TXMLNodeList TXMLNode::AttributeNodes() const
{
    TXMLNodeList list;
    list.FDoc = FDoc;
    xmlNodePtr n = N(FNode);
    if (n && n->type == XML_ELEMENT_NODE)
        for (xmlAttrPtr a = n->properties; a; a = a->next) list.FNodes.push_back(a);
    return list;
}

bool TXMLNode::HasChildNodes() const
{
    xmlNodePtr n = N(FNode);
    return n && n->type != XML_ATTRIBUTE_NODE && n->children;
}

TXMLNodeList TXMLNode::ChildNodes() const
{
    TXMLNodeList list;
    list.FDoc = FDoc;
    if (HasChildNodes())
        for (xmlNodePtr c = N(FNode)->children; c; c = c->next) list.FNodes.push_back(c);
    return list;
}

TXMLNode TXMLNode::ParentNode() const
{
    xmlNodePtr n = N(FNode);
    return n && n->parent ? TXMLNode(FDoc, n->parent) : TXMLNode();
}

TXMLNode TXMLNode::AddChild(const String& name)
{
    xmlNodePtr n = N(FNode);
    if (!n || n->type != XML_ELEMENT_NODE) return TXMLNode();
    xmlNodePtr child = NewElement(n->doc, name);
    xmlAddChild(n, child);
    return TXMLNode(FDoc, child);
}

void TXMLNode::RemoveChild(const TXMLNode& child)
{
    xmlNodePtr c = N(child.FNode);
    if (!c || c->parent != N(FNode) || c->type == XML_ATTRIBUTE_NODE) return;
    xmlUnlinkNode(c);
    FDoc->Removed.push_back(c);
}

TXMLNode TXMLNodeList::Nodes(Integer index) const
{
    if (index < 0 || index >= Count()) throw EListError(ListIndexErrorMessage(index));
    return TXMLNode(FDoc, FNodes[static_cast<size_t>(index)]);
}

TXMLNode TXMLNodeList::FindNode(const String& name) const
{
    const Integer i = IndexOf(name);
    return i < 0 ? TXMLNode() : Nodes(i);
}

Integer TXMLNodeList::IndexOf(const String& name) const
{
    for (size_t i = 0; i < FNodes.size(); ++i)
        if (TXMLNode(FDoc, FNodes[i]).NodeName() == name) return static_cast<Integer>(i);
    return -1;
}

// ---------------------------------------------------------------- the document

TXMLDocument::TXMLDocument() : FData(EmptyDocument(true)) {}
TXMLDocument::~TXMLDocument() = default;

namespace {
// Reads XML bytes; `encoding` overrides the one the text declares.  Entities defined in the
// text are substituted, within the reader's limits on expansion; no network, no external file.
std::shared_ptr<TXMLDocumentData> Parse(const std::string& bytes, const char* encoding, bool indent)
{
    PrepareReader();
    xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
    if (!ctxt) throw EOutOfMemory("Out of memory");
    const int options = XML_PARSE_NONET | XML_PARSE_NOENT | XML_PARSE_NOBLANKS | XML_PARSE_NOERROR |
                        XML_PARSE_NOWARNING;
    xmlDocPtr doc = xmlCtxtReadMemory(ctxt, bytes.data(), static_cast<int>(bytes.size()), nullptr, encoding, options);
    if (!doc || !ctxt->wellFormed) {
        const xmlError* e = xmlCtxtGetLastError(ctxt);
        String reason = e && e->message ? String(e->message) : String("The document is not well-formed XML");
        reason = TrimRight(reason);
        const Integer line = e ? e->line : 0, column = e ? e->int2 : 0;
        if (doc) xmlFreeDoc(doc);
        xmlFreeParserCtxt(ctxt);
        throw EDOMParseError(reason, line, column);
    }
    if (encoding) {
        // the document keeps the encoding its text declares, not the one it was read in
        const xmlChar* declared = ctxt->input ? ctxt->input->encoding : nullptr;
        if (doc->encoding) xmlFree(const_cast<xmlChar*>(doc->encoding));
        doc->encoding = declared ? xmlStrdup(declared) : nullptr;
    }
    xmlFreeParserCtxt(ctxt);
    auto data = std::make_shared<TXMLDocumentData>();
    data->Doc = doc;
    data->Indent = indent;
    return data;
}
}  // namespace

void TXMLDocument::LoadFromXML(const String& text)
{
    const bool indent = FData->Indent;
    FData = EmptyDocument(indent);
    FData = Parse(text.ToUtf8(), "UTF-8", indent);
}

void TXMLDocument::LoadFromStream(TStream& stream)
{
    const Int64 size = stream.Size() - stream.Position();
    std::string bytes(static_cast<size_t>(std::max<Int64>(size, 0)), '\0');
    if (!bytes.empty()) stream.ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    const bool indent = FData->Indent;
    FData = EmptyDocument(indent);
    FData = Parse(bytes, nullptr, indent);
}

void TXMLDocument::LoadFromFile(const String& fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

namespace {
// The declaration, then the nodes in `encoding` (characters it cannot hold as references).
std::string Dump(xmlDocPtr doc, const char* encoding, bool indent)
{
    std::string out = "<?xml version=\"" + std::string(doc->version ? reinterpret_cast<const char*>(doc->version) : "1.0") + "\"";
    if (doc->encoding) out += " encoding=\"" + std::string(reinterpret_cast<const char*>(doc->encoding)) + "\"";
    out += "?>\n";
    xmlBufferPtr buffer = xmlBufferCreate();
    xmlSaveCtxtPtr save = xmlSaveToBuffer(buffer, encoding, XML_SAVE_NO_DECL | (indent ? XML_SAVE_FORMAT : 0));
    if (save) {
        xmlSaveDoc(save, doc);
        xmlSaveClose(save);
    }
    out.append(reinterpret_cast<const char*>(xmlBufferContent(buffer)), static_cast<size_t>(xmlBufferLength(buffer)));
    xmlBufferFree(buffer);
    return out;
}
}  // namespace

String TXMLDocument::XML() const
{
    return String(Dump(FData->Doc, "UTF-8", FData->Indent));
}

void TXMLDocument::SaveToStream(TStream& stream) const
{
    const char* encoding = FData->Doc->encoding ? reinterpret_cast<const char*>(FData->Doc->encoding) : "UTF-8";
    const std::string bytes = Dump(FData->Doc, encoding, FData->Indent);
    if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
}

void TXMLDocument::SaveToFile(const String& fileName) const
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

TXMLNode TXMLDocument::DocumentElement() const
{
    xmlNodePtr root = xmlDocGetRootElement(FData->Doc);
    return root ? TXMLNode(FData, root) : TXMLNode();
}

TXMLNode TXMLDocument::AddChild(const String& name)
{
    if (TXMLNode root = DocumentElement()) return root.AddChild(name);
    xmlNodePtr root = NewElement(FData->Doc, name);
    xmlDocSetRootElement(FData->Doc, root);
    return TXMLNode(FData, root);
}

TXMLNodeList TXMLDocument::ChildNodes() const
{
    TXMLNodeList list;
    list.FDoc = FData;
    for (xmlNodePtr c = FData->Doc->children; c; c = c->next) list.FNodes.push_back(c);
    return list;
}

String TXMLDocument::Version() const { return FromXml(FData->Doc->version); }

void TXMLDocument::SetVersion(const String& value)
{
    if (FData->Doc->version) xmlFree(const_cast<xmlChar*>(FData->Doc->version));
    FData->Doc->version = xmlStrdup(X(value.ToUtf8()));
}

String TXMLDocument::Encoding() const { return FromXml(FData->Doc->encoding); }

void TXMLDocument::SetEncoding(const String& value)
{
    if (FData->Doc->encoding) xmlFree(const_cast<xmlChar*>(FData->Doc->encoding));
    FData->Doc->encoding = value.IsEmpty() ? nullptr : xmlStrdup(X(value.ToUtf8()));
}

bool TXMLDocument::Indent() const { return FData->Indent; }
void TXMLDocument::SetIndent(bool value) { FData->Indent = value; }
