#pragma once
// The XML document service: XML text read into a tree of nodes (elements, attributes, text,
// comments), walked and changed through node handles, and written back as text.  Reading never
// fetches anything from outside the text (no external entity, DTD or network access), and entity
// expansion is bounded, so a hostile file cannot make the program read other files or exhaust
// its memory.
#include <memory>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/UString.h"

// Text that is not well-formed XML; the message is the reader's own, with its line and column.
class EDOMParseError : public Exception {
public:
    EDOMParseError(const String& reason, Integer line, Integer linePos)
        : Exception(reason), FReason(reason), FLine(line), FLinePos(linePos) {}
    const String& Reason() const { return FReason; }
    Integer Line() const { return FLine; }
    Integer LinePos() const { return FLinePos; }

private:
    String FReason;
    Integer FLine, FLinePos;
};

// A node the document cannot hold, such as an element whose name is no XML name.
DORVANE_EXCEPTION(EXMLDocError, Exception);

// The kinds of node, numbered as the document object model numbers them.
enum TNodeType {
    ntReserved, ntElement, ntAttribute, ntText, ntCData, ntEntityRef, ntEntity, ntProcessingInstr, ntComment,
    ntDocument, ntDocType, ntDocFragment, ntNotation
};

class TXMLNodeList;
struct TXMLDocumentData;

// A handle on one node of a document; it keeps the document alive.  A null handle (a node not
// found) answers empty texts and no children.
class TXMLNode {
public:
    TXMLNode() = default;
    explicit operator bool() const { return FNode != nullptr; }
    friend bool operator==(const TXMLNode& a, const TXMLNode& b) { return a.FNode == b.FNode; }

    String NodeName() const;
    TNodeType NodeType() const;
    // Text, comment and attribute nodes: their text; an element: its text when it holds nothing
    // but text, else empty.  Setting an element's value replaces its children by that text.
    String NodeValue() const;
    void SetNodeValue(const String& value);
    // All the text inside the node, its descendants' text joined.
    String Text() const;
    void SetText(const String& value) { SetNodeValue(value); }
    // An element holding one text (or CDATA) node and nothing else.
    bool IsTextElement() const;

    bool HasAttribute(const String& name) const;
    String Attribute(const String& name) const;   // empty when absent
    void SetAttribute(const String& name, const String& value);
    TXMLNodeList AttributeNodes() const;

    bool HasChildNodes() const;
    TXMLNodeList ChildNodes() const;
    TXMLNode ParentNode() const;
    // A new element appended as the last child; EXMLDocError for a name that is no XML name
    // (the document could not be read back).
    TXMLNode AddChild(const String& name);
    // Takes the child out of this node; handles on it stay valid but detached.
    void RemoveChild(const TXMLNode& child);

private:
    friend class TXMLNodeList;
    friend class TXMLDocument;
    TXMLNode(std::shared_ptr<TXMLDocumentData> doc, void* node) : FDoc(std::move(doc)), FNode(node) {}
    std::shared_ptr<TXMLDocumentData> FDoc;
    void* FNode = nullptr;
};

// The children (or attributes) of a node, in document order.
class TXMLNodeList {
public:
    Integer Count() const { return static_cast<Integer>(FNodes.size()); }
    TXMLNode Nodes(Integer index) const;     // EListError for an index outside 0 .. Count - 1
    TXMLNode operator[](Integer index) const { return Nodes(index); }
    TXMLNode FindNode(const String& name) const;   // the first of that name; null when none
    Integer IndexOf(const String& name) const;     // -1 when none

private:
    friend class TXMLNode;
    friend class TXMLDocument;
    std::shared_ptr<TXMLDocumentData> FDoc;
    std::vector<void*> FNodes;
};

class TXMLDocument {
public:
    // An empty document of version "1.0", written indented.
    TXMLDocument();
    ~TXMLDocument();
    TXMLDocument(const TXMLDocument&) = delete;
    TXMLDocument& operator=(const TXMLDocument&) = delete;

    // Replace the document by the one the text holds; EDOMParseError when it is not well-formed
    // (the document is then empty).
    void LoadFromXML(const String& text);
    void LoadFromStream(TStream& stream);   // bytes in the encoding the text declares (UTF-8 by default)
    void LoadFromFile(const String& fileName);

    // The document as text: the declaration, then the nodes.
    String XML() const;
    void SaveToStream(TStream& stream) const;   // UTF-8 unless an encoding is set
    void SaveToFile(const String& fileName) const;

    // The root element; null when the document has none.
    TXMLNode DocumentElement() const;
    // The document element of that name when there is none yet, else a new child of it;
    // EXMLDocError for a name that is no XML name.
    TXMLNode AddChild(const String& name);
    // The document's top-level nodes (comments, processing instructions, the root element).
    TXMLNodeList ChildNodes() const;

    String Version() const;
    void SetVersion(const String& value);
    String Encoding() const;   // empty: none declared
    void SetEncoding(const String& value);
    bool Indent() const;       // written with one node per line, indented by nesting
    void SetIndent(bool value);

private:
    std::shared_ptr<TXMLDocumentData> FData;
};

using IXMLDocument = std::shared_ptr<TXMLDocument>;
inline IXMLDocument NewXMLDocument() { return std::make_shared<TXMLDocument>(); }
