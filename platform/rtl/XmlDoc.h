#pragma once
// XML documents over libxml2: load and save files, and the element tree as the settings stores
// use it (children by name, text content).  Files are read without the network, without loading
// external DTDs and without substituting entities, so a file cannot make the program read other
// files.  Output is indented.
#include <memory>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/UString.h"

DORVANE_EXCEPTION(EXMLDocError, Exception);

struct _xmlNode;
struct _xmlDoc;

// An element of a document; a null node answers empty.  The document owns the elements.
class TXmlNode {
public:
    TXmlNode() = default;
    explicit TXmlNode(_xmlNode* node) : FNode(node) {}
    explicit operator bool() const { return FNode != nullptr; }
    friend bool operator==(const TXmlNode&, const TXmlNode&) = default;

    String NodeName() const;
    String Text() const;           // the text content of the element and its descendants
    void SetText(const String& value);   // replaces the content by this text

    std::vector<TXmlNode> ChildNodes() const;          // the child elements, in order
    TXmlNode ChildNode(const String& name) const;      // the first child element of that name
    // Appends a child element; EXMLDocError for a name that is no XML name.
    TXmlNode AddChild(const String& name);
    void RemoveChild(TXmlNode child);                   // frees it
    void ClearChildNodes();

private:
    _xmlNode* FNode = nullptr;
};

class TXmlDocument {
public:
    // A new document, version "1.0", without document element.
    TXmlDocument();
    ~TXmlDocument();
    TXmlDocument(const TXmlDocument&) = delete;
    TXmlDocument& operator=(const TXmlDocument&) = delete;

    // Replaces the document by the file's; EXMLDocError "<file>: not a well-formed XML document"
    // when it cannot be read.
    void LoadFromFile(const String& fileName);
    void SaveToFile(const String& fileName) const;   // EXMLDocError when it cannot be written
    String XML() const;                               // the document as text

    TXmlNode DocumentElement() const;
    // Makes an element of that name the document element (the former one is freed).
    TXmlNode CreateDocumentElement(const String& name);

private:
    _xmlDoc* FDoc;
};

// Whether the text is a valid XML element name.
bool IsXmlName(const String& name);
