// The data connector on a record of text fields.
#include <gtest/gtest.h>

#include "editcontrols/tests/EditControlsTestSource.h"

namespace {

// Counts the record changes it is told of.
struct CountingConnector : TEcFieldDataConnector {
    int RecordChanges = 0, Writes = 0;
    void RecordChanged() override { ++RecordChanges; }
    void WriteRecord() override { ++Writes; }
};

TEST(DataConnector, ASourceWithoutConnectorKeepingIsNotAttached)
{
    TTestRecordSource source;
    source.KeepsConnectors = false;
    CountingConnector c;
    c.SetDataSource(&source);
    EXPECT_EQ(c.DataSource(), nullptr);
    EXPECT_FALSE(c.Active());
    c.Modify();
    EXPECT_FALSE(c.Modified());
}

TEST(DataConnector, AttachingModifyingWritingAndResetting)
{
    TTestRecordSource source;
    source.Values = {{"Height", "120"}, {"Name", "Dam A"}};
    CountingConnector c;
    c.SetDataField("Height");
    c.SetDataSource(&source);
    ASSERT_EQ(source.Connectors.size(), 1u);
    EXPECT_TRUE(c.Active());
    EXPECT_EQ(c.RecordChanges, 2);   // the field named, then attached
    EXPECT_EQ(c.Field().AsString(), String("120"));
    EXPECT_EQ(c.Field().AsInt64(), 120);

    c.Modify();   // typing: the record goes into edit mode
    EXPECT_TRUE(c.Modified());
    EXPECT_EQ(source.Edits, 1);
    c.UpdateRecord();
    EXPECT_EQ(c.Writes, 1);
    EXPECT_FALSE(c.Modified());
    c.UpdateRecord();   // nothing modified: nothing written
    EXPECT_EQ(c.Writes, 1);

    c.Modify();
    c.Reset();   // Esc: reloaded, not written
    EXPECT_EQ(c.RecordChanges, 3);
    EXPECT_FALSE(c.Modified());
    EXPECT_TRUE(c.Active());

    source.ReadOnlyFields = {"Height"};
    c.Modify();
    EXPECT_EQ(source.Edits, 2);   // a field that cannot change puts nothing in edit mode

    EXPECT_EQ(c.FieldCount(), 2);
    TEcDataConnectorField* name = c.FindField("Name");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(c.FindField("Name"), name);   // kept
    EXPECT_EQ(c.FindField("Width"), nullptr);
    EXPECT_THROW(c.FieldByName("Width"), Exception);

    c.SetDataSource(nullptr);
    EXPECT_TRUE(source.Connectors.empty());
    EXPECT_FALSE(c.Active());
}

TEST(DataConnector, NotificationsReachTheMaster)
{
    TTestRecordSource source;
    source.Values = {{"Height", "120"}};
    CountingConnector master, c;
    c.Master = &master;
    c.SetDataSource(&source);
    c.SendNotification(dcnLayoutChanged);
    EXPECT_GE(master.RecordChanges, 1);
    const int before = master.RecordChanges;
    c.SendNotification(dcnRecordChanged);
    EXPECT_EQ(master.RecordChanges, before + 1);
}

}  // namespace
