#pragma once
// The data connector of the combo edits: how an edit could show and edit one field of a record of
// an outside data source.  The source is reached only through IEcDataSource; nothing in the
// program attaches one, so every edit's connector stays inactive and does nothing.
#include <memory>
#include <vector>

#include "platform/classes/Persistent.h"
#include "platform/rtl/UString.h"

class TEcDataConnector;

// A field of the source is an object only the source knows.
using TEcSourceField = const void*;

// Where a source keeps the connectors attached to it.
class IEcDataConnectorHandler {
public:
    virtual ~IEcDataConnectorHandler() = default;
    virtual void RegisterConnector(TEcDataConnector* connector) = 0;
    virtual void UnregisterConnector(TEcDataConnector* connector) = 0;
};

// What a connector asks of a source of records.
class IEcDataSource {
public:
    virtual ~IEcDataSource() = default;
    // Null when the source does not keep connectors (it is then not attached).
    virtual IEcDataConnectorHandler* ConnectorHandler() = 0;
    virtual bool HasDataSet() = 0;
    virtual Integer FieldCount() = 0;
    virtual TEcSourceField Field(Integer index) = 0;
    // FieldByName raises when there is no such field; FindField answers null.
    virtual TEcSourceField FieldByName(const String& name) = 0;
    virtual TEcSourceField FindField(const String& name) = 0;
    virtual String FieldName(TEcSourceField field) = 0;
    // Puts the current record in edit mode.
    virtual void Edit() = 0;
    virtual void Clear(TEcSourceField field) = 0;
    virtual bool CanModify(TEcSourceField field) = 0;
    virtual bool IsNull(TEcSourceField field) = 0;
    virtual String AsString(TEcSourceField field) = 0;
    virtual void SetAsString(TEcSourceField field, const String& value) = 0;
};

// One field of the source, found by its name.
class TEcDataConnectorField {
public:
    TEcDataConnectorField(IEcDataSource* source, const String& fieldName);
    const String& FieldName() const { return FFieldName; }
    void SetFieldName(const String& value);
    // Rebinds when the field was not found yet; true with a source and a field.
    bool IsValid();
    bool CanModify() { return IsValid() && FDataSource->CanModify(FField); }
    void Clear();
    bool IsNull() { return !IsValid() || FDataSource->IsNull(FField); }
    String AsString() { return IsValid() ? FDataSource->AsString(FField) : String(); }
    void SetAsString(const String& value);
    // Through the string form: 0 when it does not convert.
    Int64 AsInt64();
    void SetAsInt64(Int64 value) { SetAsString(IntToStr(value)); }
    void Bind(IEcDataSource* source);
    TEcSourceField SourceField() const { return FField; }

private:
    IEcDataSource* FDataSource;
    TEcSourceField FField = nullptr;
    String FFieldName;
};

// The notifications passed between a source and its connectors.
enum : Cardinal { dcnActiveChanged = 100, dcnRecordChanged = 101, dcnWriteRecord = 102, dcnLayoutChanged = 103 };

class TEcDataConnector : public TPersistent {
    DECLARE_CLASS(TEcDataConnector, TPersistent)
public:
    TEcDataConnector() = default;
    ~TEcDataConnector() override;
    void Assign(TPersistent* Source) override;

    IEcDataSource* DataSource() const { return FDataSource; }
    // Detaches from the old source and attaches to one that keeps connectors.
    void SetDataSource(IEcDataSource* value);
    bool Active() const { return FActive; }
    bool Modified() const { return FModified; }
    TEcDataConnector* Master = nullptr;   // notifications are passed on to it

    bool DataSetConnected() const { return FDataSource && FDataSource->HasDataSet(); }
    Integer FieldCount() const { return FDataSource ? FDataSource->FieldCount() : 0; }
    // The source's field wrapped (and kept); FindField answers null without a source or field.
    TEcDataConnectorField* FindField(const String& name);
    TEcDataConnectorField* FieldByName(const String& name);
    TEcDataConnectorField* GetField(Integer index);

    // A notification from the source (or sent by the connector itself).
    virtual void SendNotification(Cardinal code);
    // The edit's text changed / Esc / the edit is left.
    void Modify();
    void Edit();
    void Reset();
    void UpdateRecord();

protected:
    virtual void SourceConnected();
    virtual void SourceDisconnected();
    virtual void ActiveChanged() { SendNotification(dcnRecordChanged); }
    virtual void RecordChanged() {}
    virtual void WriteRecord() {}
    virtual void FieldsChanged() { SendNotification(dcnRecordChanged); }
    virtual bool MayEdit() { return FActive && FDataSource; }
    TEcDataConnectorField* Cached(TEcSourceField field);

    IEcDataSource* FDataSource = nullptr;
    Integer FLockRecordChange = 0;
    bool FModified = false;
    bool FActive = false;
    std::vector<std::unique_ptr<TEcDataConnectorField>> FFields;
};

// A connector bound to one field, named by DataField.
class TEcFieldDataConnector : public TEcDataConnector {
    DECLARE_CLASS(TEcFieldDataConnector, TEcDataConnector)
public:
    TEcFieldDataConnector() : FField(nullptr, String()) {}
    void Assign(TPersistent* Source) override;
    const String& DataField() const { return FField.FieldName(); }
    void SetDataField(const String& value);
    TEcDataConnectorField& Field() { return FField; }

protected:
    void SourceConnected() override;
    void SourceDisconnected() override;
    void ActiveChanged() override;
    void FieldsChanged() override;
    bool MayEdit() override { return TEcDataConnector::MayEdit() && FField.CanModify(); }
    virtual void RebindField() { FField.Bind(FDataSource); }

    TEcDataConnectorField FField;
};
