// The data connector: attaching to a source, the notifications between source and edit, and the
// fields it wraps.
#include "editcontrols/EcDataSourceIntf.h"

// ---------------------------------------------------------------- TEcDataConnectorField
TEcDataConnectorField::TEcDataConnectorField(IEcDataSource* source, const String& fieldName)
    : FDataSource(source), FFieldName(fieldName)
{
    Bind(source);
}

void TEcDataConnectorField::Bind(IEcDataSource* source)
{
    FDataSource = source;
    FField = source && source->HasDataSet() && !FFieldName.IsEmpty() ? source->FindField(FFieldName) : nullptr;
}

void TEcDataConnectorField::SetFieldName(const String& value)
{
    if (value == FFieldName) return;
    FFieldName = value;
    Bind(FDataSource);
}

bool TEcDataConnectorField::IsValid()
{
    if (FDataSource && !FField) Bind(FDataSource);
    return FDataSource && FField;
}

void TEcDataConnectorField::Clear()
{
    if (IsValid()) FDataSource->Clear(FField);
}

void TEcDataConnectorField::SetAsString(const String& value)
{
    if (IsValid()) FDataSource->SetAsString(FField, value);
}

Int64 TEcDataConnectorField::AsInt64()
{
    Int64 value = 0;
    if (!TryStrToInt64(AsString(), value)) value = 0;
    return value;
}

// ---------------------------------------------------------------- TEcDataConnector
IMPLEMENT_CLASS(TEcDataConnector, TPersistent, nullptr)

TEcDataConnector::~TEcDataConnector()
{
    if (FDataSource && FDataSource->ConnectorHandler()) FDataSource->ConnectorHandler()->UnregisterConnector(this);
}

void TEcDataConnector::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TEcDataConnector*>(Source);
    if (!source) return TPersistent::Assign(Source);
    SetDataSource(source->FDataSource);
}

void TEcDataConnector::SetDataSource(IEcDataSource* value)
{
    if (value == FDataSource) return;
    if (FDataSource) {
        if (FDataSource->ConnectorHandler()) FDataSource->ConnectorHandler()->UnregisterConnector(this);
        FDataSource = nullptr;
        SourceDisconnected();
    }
    if (value && value->ConnectorHandler()) {
        FDataSource = value;
        FDataSource->ConnectorHandler()->RegisterConnector(this);
        SourceConnected();
    }
}

void TEcDataConnector::SourceConnected()
{
    FModified = false;
    FActive = true;
    SendNotification(dcnActiveChanged);
}

void TEcDataConnector::SourceDisconnected()
{
    SendNotification(dcnActiveChanged);
    FActive = false;
    FModified = false;
    FFields.clear();
}

TEcDataConnectorField* TEcDataConnector::Cached(TEcSourceField field)
{
    if (!field) return nullptr;
    for (const auto& f : FFields)
        if (f->SourceField() == field) return f.get();
    FFields.push_back(std::make_unique<TEcDataConnectorField>(FDataSource, FDataSource->FieldName(field)));
    return FFields.back().get();
}

TEcDataConnectorField* TEcDataConnector::FindField(const String& name)
{
    return FDataSource ? Cached(FDataSource->FindField(name)) : nullptr;
}

TEcDataConnectorField* TEcDataConnector::FieldByName(const String& name)
{
    return FDataSource ? Cached(FDataSource->FieldByName(name)) : nullptr;
}

TEcDataConnectorField* TEcDataConnector::GetField(Integer index)
{
    return FDataSource ? Cached(FDataSource->Field(index)) : nullptr;
}

void TEcDataConnector::SendNotification(Cardinal code)
{
    switch (code) {
    case dcnActiveChanged:
        if (FLockRecordChange == 0) {
            ActiveChanged();
            FModified = false;
        }
        break;
    case dcnRecordChanged:
        if (FLockRecordChange == 0) {
            ++FLockRecordChange;
            RecordChanged();
            --FLockRecordChange;
            FModified = false;
        }
        break;
    case dcnWriteRecord:
        if (FActive) {
            ++FLockRecordChange;
            WriteRecord();
            --FLockRecordChange;
            FModified = false;
        }
        break;
    case dcnLayoutChanged:
        FFields.clear();
        if (FLockRecordChange == 0) {
            FieldsChanged();
            FModified = false;
        }
        break;
    default: break;
    }
    if (Master) Master->SendNotification(code);
}

void TEcDataConnector::Modify()
{
    if (!FActive || FLockRecordChange != 0) return;
    Edit();
    FModified = true;
}

void TEcDataConnector::Edit()
{
    if (!MayEdit() || FLockRecordChange != 0) return;
    ++FLockRecordChange;
    FDataSource->Edit();
    --FLockRecordChange;
}

void TEcDataConnector::UpdateRecord()
{
    if (!DataSetConnected() || !FModified || !FActive) return;
    ++FLockRecordChange;
    WriteRecord();
    --FLockRecordChange;
    FModified = false;
}

void TEcDataConnector::Reset()
{
    if (!DataSetConnected() || !FActive) return;
    FActive = false;
    SendNotification(dcnRecordChanged);
    FActive = true;
    FModified = false;
}

// ---------------------------------------------------------------- TEcFieldDataConnector
IMPLEMENT_CLASS(TEcFieldDataConnector, TEcDataConnector, nullptr)

void TEcFieldDataConnector::Assign(TPersistent* Source)
{
    TEcDataConnector::Assign(Source);
    if (auto* source = dynamic_cast<TEcFieldDataConnector*>(Source)) SetDataField(source->DataField());
}

void TEcFieldDataConnector::SetDataField(const String& value)
{
    FField.SetFieldName(value);
    SendNotification(dcnRecordChanged);
}

void TEcFieldDataConnector::SourceConnected()
{
    RebindField();
    TEcDataConnector::SourceConnected();
}

void TEcFieldDataConnector::SourceDisconnected()
{
    RebindField();
    TEcDataConnector::SourceDisconnected();
}

void TEcFieldDataConnector::ActiveChanged()
{
    RebindField();
    TEcDataConnector::ActiveChanged();
}

void TEcFieldDataConnector::FieldsChanged()
{
    RebindField();
    TEcDataConnector::FieldsChanged();
}
