#pragma once
// A record of named text fields as a data source, noting what the connectors ask of it.
#include <map>
#include <string>
#include <vector>

#include "editcontrols/EcDataSourceIntf.h"
#include "platform/rtl/Exceptions.h"

class TTestRecordSource : public IEcDataSource, public IEcDataConnectorHandler {
public:
    std::map<std::string, std::string> Values;   // field name -> text
    std::vector<std::string> ReadOnlyFields;
    std::vector<TEcDataConnector*> Connectors;
    bool KeepsConnectors = true;
    int Edits = 0;

    IEcDataConnectorHandler* ConnectorHandler() override { return KeepsConnectors ? this : nullptr; }
    void RegisterConnector(TEcDataConnector* c) override { Connectors.push_back(c); }
    void UnregisterConnector(TEcDataConnector* c) override { std::erase(Connectors, c); }
    bool HasDataSet() override { return true; }
    Integer FieldCount() override { return static_cast<Integer>(Values.size()); }
    TEcSourceField Field(Integer index) override
    {
        auto it = Values.begin();
        std::advance(it, index);
        return &it->first;
    }
    TEcSourceField FieldByName(const String& name) override
    {
        TEcSourceField f = FindField(name);
        if (!f) throw Exception("Field '" + name + "' not found");
        return f;
    }
    TEcSourceField FindField(const String& name) override
    {
        auto it = Values.find(name.ToUtf8());
        return it == Values.end() ? nullptr : &it->first;
    }
    String FieldName(TEcSourceField f) override { return String(Name(f).c_str()); }
    void Edit() override { ++Edits; }
    void Clear(TEcSourceField f) override { Values[Name(f)].clear(); }
    bool CanModify(TEcSourceField f) override
    {
        return std::find(ReadOnlyFields.begin(), ReadOnlyFields.end(), Name(f)) == ReadOnlyFields.end();
    }
    bool IsNull(TEcSourceField f) override { return Values[Name(f)].empty(); }
    String AsString(TEcSourceField f) override { return String(Values[Name(f)].c_str()); }
    void SetAsString(TEcSourceField f, const String& v) override { Values[Name(f)] = Trim(v).ToUtf8(); }

private:
    static const std::string& Name(TEcSourceField f) { return *static_cast<const std::string*>(f); }
};
