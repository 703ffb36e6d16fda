#pragma once
// TPersistent: objects that copy themselves with Assign and take part in form
// descriptions, and the filer interface through which they store values that are
// not published properties (DefineProperties).
#include <functional>

#include "platform/classes/Object.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

class TComponent;
class TFiler;
class TReader;
class TWriter;
class TStream;

class TPersistent : public TObject {
    DECLARE_CLASS(TPersistent, TObject)
public:
    // Copies Source into this object.  This base asks Source to copy itself into
    // this one (AssignTo); when no class knows how, EConvertError
    // "Cannot assign a <source class or nil> to a <this class>" is raised.
    virtual void Assign(TPersistent* Source);

    // Declares the values stored beside the published properties.
    virtual void DefineProperties(TFiler* Filer);

    // The object that owns this one for naming and streaming, or null.
    virtual TPersistent* GetOwner();

    // Class name, preceded by the owner's name path and "." when that is not empty.
    virtual String GetNamePath();

protected:
    // Copies this object into Dest; this base raises the conversion error.
    virtual void AssignTo(TPersistent* Dest);
    void AssignError(TPersistent* Source);
};

using TReaderProc = std::function<void(TReader*)>;
using TWriterProc = std::function<void(TWriter*)>;
using TStreamProc = std::function<void(TStream*)>;

// What DefineProperties sees of the form-description reader and writer.
class TFiler : public TObject {
    DECLARE_CLASS(TFiler, TObject)
public:
    // A value stored under Name: the reader calls ReadData when the description
    // holds it; the writer calls WriteData when HasData.
    virtual void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) = 0;
    // The same for a block of bytes handed over as a stream.
    virtual void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                                      bool HasData) = 0;

    // While writing an inherited form: the object of the ancestor that this one is
    // compared with (values equal to the ancestor's are not written); else null.
    TPersistent* Ancestor() const { return FAncestor; }
    void SetAncestor(TPersistent* Value) { FAncestor = Value; }

    // The root component of the description being read or written (the form).
    TComponent* Root() const { return FRoot; }
    void SetRoot(TComponent* Value) { FRoot = Value; }

private:
    TPersistent* FAncestor = nullptr;
    TComponent* FRoot = nullptr;
};

class TReader : public TFiler {
    DECLARE_CLASS(TReader, TFiler)
public:
    virtual bool ReadBoolean() = 0;
    virtual Integer ReadInteger() = 0;
    virtual Int64 ReadInt64() = 0;
    virtual Extended ReadFloat() = 0;  // integers are accepted
    virtual String ReadString() = 0;
    virtual String ReadIdent() = 0;
    // A list of values: ReadListBegin, values while not EndOfList, ReadListEnd.
    virtual void ReadListBegin() = 0;
    virtual void ReadListEnd() = 0;
    virtual bool EndOfList() = 0;
    // One "Name = value" of Instance (published or defined), as in a form description.
    virtual void ReadProperty(TPersistent* Instance) = 0;
};

class TWriter : public TFiler {
    DECLARE_CLASS(TWriter, TFiler)
public:
    virtual void WriteBoolean(bool Value) = 0;
    virtual void WriteInteger(Integer Value) = 0;
    virtual void WriteInt64(Int64 Value) = 0;
    virtual void WriteFloat(Extended Value) = 0;
    virtual void WriteString(const String& Value) = 0;
    virtual void WriteIdent(const String& Value) = 0;
    virtual void WriteListBegin() = 0;
    virtual void WriteListEnd() = 0;
    // The stored published and defined properties of Instance, as in a form description.
    virtual void WriteProperties(TPersistent* Instance) = 0;
};
