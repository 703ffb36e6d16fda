// XML documents on libxml2.
#include "platform/rtl/XmlDoc.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

namespace {

const xmlChar* X(const std::string& text)
{
    return reinterpret_cast<const xmlChar*>(text.c_str());
}

String FromXml(const xmlChar* text)
{
    return text ? String(reinterpret_cast<const char*>(text)) : String();
}

bool IsElement(const xmlNode* node)
{
    return node && node->type == XML_ELEMENT_NODE;
}

}  // namespace

bool IsXmlName(const String& name)
{
    const std::string utf8 = name.ToUtf8();
    return !utf8.empty() && xmlValidateName(X(utf8), 0) == 0;
}

String TXmlNode::NodeName() const
{
    return FNode ? FromXml(FNode->name) : String();
}

String TXmlNode::Text() const
{
    if (!FNode) return String();
    xmlChar* content = xmlNodeGetContent(FNode);
    String text = FromXml(content);
    xmlFree(content);
    return text;
}

void TXmlNode::SetText(const String& value)
{
    if (!FNode) return;
    xmlNodeSetContent(FNode, nullptr);
    const std::string utf8 = value.ToUtf8();
    if (!utf8.empty()) xmlAddChild(FNode, xmlNewText(X(utf8)));   // stored as text, escaped on output
}

std::vector<TXmlNode> TXmlNode::ChildNodes() const
{
    std::vector<TXmlNode> nodes;
    if (!FNode) return nodes;
    for (xmlNode* child = FNode->children; child; child = child->next)
        if (IsElement(child)) nodes.emplace_back(child);
    return nodes;
}

TXmlNode TXmlNode::ChildNode(const String& name) const
{
    if (!FNode) return TXmlNode();
    const std::string utf8 = name.ToUtf8();
    for (xmlNode* child = FNode->children; child; child = child->next)
        if (IsElement(child) && xmlStrEqual(child->name, X(utf8))) return TXmlNode(child);
    return TXmlNode();
}

TXmlNode TXmlNode::AddChild(const String& name)
{
    if (!FNode) return TXmlNode();
    if (!IsXmlName(name)) throw EXMLDocError("'" + name + "' is not a valid XML element name");
    return TXmlNode(xmlNewChild(FNode, nullptr, X(name.ToUtf8()), nullptr));
}

void TXmlNode::RemoveChild(TXmlNode child)
{
    if (!child.FNode || child.FNode->parent != FNode) return;
    xmlUnlinkNode(child.FNode);
    xmlFreeNode(child.FNode);
}

void TXmlNode::ClearChildNodes()
{
    if (FNode) xmlNodeSetContent(FNode, nullptr);
}

TXmlDocument::TXmlDocument() : FDoc(xmlNewDoc(X("1.0"))) {}

TXmlDocument::~TXmlDocument()
{
    xmlFreeDoc(FDoc);
}

void TXmlDocument::LoadFromFile(const String& fileName)
{
    xmlDoc* doc = xmlReadFile(fileName.ToUtf8().c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOBLANKS |
                                                                     XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!doc) throw EXMLDocError(fileName + ": not a well-formed XML document");
    xmlFreeDoc(FDoc);
    FDoc = doc;
}

void TXmlDocument::SaveToFile(const String& fileName) const
{
    if (xmlSaveFormatFileEnc(fileName.ToUtf8().c_str(), FDoc, "UTF-8", 1) < 0)
        throw EXMLDocError("Cannot write " + fileName);
}

String TXmlDocument::XML() const
{
    xmlChar* text = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(FDoc, &text, &size, "UTF-8", 1);
    String result = FromXml(text);
    xmlFree(text);
    return result;
}

TXmlNode TXmlDocument::DocumentElement() const
{
    return TXmlNode(xmlDocGetRootElement(FDoc));
}

TXmlNode TXmlDocument::CreateDocumentElement(const String& name)
{
    if (!IsXmlName(name)) throw EXMLDocError("'" + name + "' is not a valid XML element name");
    xmlNode* root = xmlNewDocNode(FDoc, nullptr, X(name.ToUtf8()), nullptr);
    xmlNode* old = xmlDocSetRootElement(FDoc, root);
    if (old) xmlFreeNode(old);
    return TXmlNode(root);
}
