#pragma once
// Reading form descriptions: the text of a component tree
//
//   object MainForm: TMainForm
//     Caption = 'Dam stability'
//     Font.Name = 'Tahoma'                 a property of a sub-object
//     Anchors = [akLeft, akTop]
//     Lines = (                            a string list (or a defined list value)
//       'first'
//       'second'
//     )
//     Columns = <                          a collection
//       item
//         Width = 40
//       end
//     >
//     Data = {                             binary data of a defined property
//       0A1B2C
//     }
//     OnClick = ButtonClick                a published method of the root
//     PopupMenu = PopupMenu1               a component of the root, by name
//     object Button1: TButton              a component read inside this one
//       ...
//     end
//   end
//
// Reading runs the setters as streaming does.  Every component read gets
// csLoading and csReading as soon as it is made; csReading goes when its own
// "end" is reached.  Components are made through the class registry with the
// root as owner, named, stored in the root's published field of that name,
// and given the enclosing component's GetChildParent as parent component.  An
// event is bound to the root's published method of that name at once;
// component references are resolved once the whole tree is read; then Loaded
// is called for the root and every component read, in the order read.
//
// Errors are EReadError (EClassNotFound for a class not registered) with the
// line: "Line 12: Error reading Button1.Captoin: Property Captoin does not
// exist".  An exception raised by a setter keeps its class and gets the same
// prefix.  After an error the components read so far are left without
// csLoading and csReading, and are not given Loaded; a root made by the read is
// freed.
#include <vector>

#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/FormParser.h"
#include "platform/classes/Persistent.h"
#include "platform/classes/TypInfo.h"

class TStream;

class TFormReader : public TReader {
    DECLARE_CLASS(TFormReader, TReader)
public:
    // The text is split into tokens here (EReadError for a malformed text).
    explicit TFormReader(const String& Text);

    // Reads the description into Root; a null Root is made first, of the
    // registered class the description names, without owner.  A root that has an
    // owner takes the described name, or that name followed by "_1", "_2" ...
    // when another component of the owner has it.  Returns the root.
    TComponent* ReadRootComponent(TComponent* Root);

    // Reads the description of a sub-component into Instance itself, which keeps
    // its name; the description must name Instance's class.  Components and
    // events are looked up in LookupRoot, the form its owner belongs to, and
    // Instance is given Loaded at the end.
    void ReadSubComponent(TComponent* Instance, TComponent* LookupRoot);

    // TFiler: while ReadProperty looks for a name that no published property
    // has, the instance's DefineProperties is asked for it.
    void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
    void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                              bool HasData) override;

    // TReader
    bool ReadBoolean() override;
    Integer ReadInteger() override;
    Int64 ReadInt64() override;
    Extended ReadFloat() override;
    String ReadString() override;
    String ReadIdent() override;
    void ReadListBegin() override;
    void ReadListEnd() override;
    bool EndOfList() override;
    void ReadProperty(TPersistent* Instance) override;

private:
    struct TFixup {
        TPersistent* Instance;
        const TPropInfo* Prop;
        String Name;
        String Path;
        int Line;
    };

    const TFormToken& Peek(size_t ahead = 0) const;
    const TFormToken& Next();
    bool AtSymbol(const char* symbol, size_t ahead = 0) const;
    bool AtKeyword(const char* keyword) const;
    void Expect(const char* symbol);
    void ExpectKeyword(const char* keyword);
    [[noreturn]] void Error(const String& what) const;
    [[noreturn]] void PropError(const String& what) const;

    void ReadHeader(String& name, String& className, int& line);
    template <class F>
    void ReadTree(TComponent* top, const String& path, int line, F prepare);
    void ReadComponentBody(TComponent* component);
    void ReadChild(TComponent* parent);
    void ReadPropValue(TPersistent* instance, const TPropInfo* prop);
    void ReadClassValue(TPersistent* instance, const TPropInfo* prop);
    void ReadCollection(TCollection* collection);
    void ReadStrings(TStrings* strings);
    Int64 ReadOrdinal(const TPropInfo* prop);
    Extended ReadFloatOf(TFloatType type);
    void ResolveFixups();
    void NameRoot(const String& name);
    void BindField(TComponent* component, int line);
    TComponent* CreateComponent(const String& className, int line);
    template <class F>
    void Guard(F action);

    std::vector<TFormToken> FTokens;
    size_t FPos = 0;
    std::vector<TComponent*> FLoaded;
    std::vector<TFixup> FFixups;
    String FPath;            // the object whose properties are read, for messages
    String FPropPath;        // the property being read, for messages
    int FPropLine = 0;
    String FDefinedName;     // the defined property sought
    bool FDefinedFound = false;
    bool FErrorPlaced = false;  // the exception on its way out already names its line
};

// A whole description as text or as UTF-8 bytes from the stream's position.
TComponent* ReadComponentText(const String& Text, TComponent* Root = nullptr);
TComponent* ReadComponent(TStream& Stream, TComponent* Root = nullptr);

// A sub-component kept as its own description inside a binary value of its
// owner's description: read from the stream's position into Instance.
void ReadSubComponent(TStream& Stream, TComponent* Instance, TComponent* LookupRoot);

// Resources: a form description is the RCDATA resource named after the form's
// class.  ReadComponentRes reads the resource ResName into Instance (EResNotFound
// when there is none).  InitInheritedComponent reads the resource of the
// instance's class, or else of its nearest ancestor below RootAncestor that has
// one, and tells whether one was found.  Both are called on a fully built
// instance: inside a base-class constructor the object is not yet of its final
// class, and the derived class's constructor would reset the fields just bound.
void ReadComponentRes(const String& ResName, TComponent* Instance);
bool InitInheritedComponent(TComponent* Instance, TClass RootAncestor);
