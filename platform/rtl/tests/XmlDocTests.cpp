// XML documents: the element tree, text, saving and loading, and files that try to reach
// other files through entities.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/rtl/XmlDoc.h"
#include "platform/rtl/tests/TempFolder.h"

TEST(XmlDocTests, ElementsAndTextSurviveSavingAndLoading)
{
    TempFolder folder;
    const String file(folder / "settings.xml");
    {
        TXmlDocument doc;
        TXmlNode root = doc.CreateDocumentElement("root");
        TXmlNode window = root.AddChild("Window");
        window.AddChild("Left").SetText("12");
        window.AddChild("Caption").SetText("Dam <A> & \"B\" \u00E9");
        root.AddChild("Empty");
        EXPECT_THROW(root.AddChild("Recent Files"), EXMLDocError);
        doc.SaveToFile(file);
        EXPECT_NE(Pos("\n  <Window>", doc.XML()), 0);   // indented
    }
    TXmlDocument doc;
    doc.LoadFromFile(file);
    TXmlNode root = doc.DocumentElement();
    EXPECT_EQ(root.NodeName(), "root");
    ASSERT_EQ(root.ChildNodes().size(), 2u);
    TXmlNode window = root.ChildNode("Window");
    EXPECT_EQ(window.ChildNode("Caption").Text(), "Dam <A> & \"B\" \u00E9");
    EXPECT_EQ(window.ChildNode("Left").Text(), "12");
    EXPECT_FALSE(window.ChildNode("left"));   // names are exact
    EXPECT_EQ(root.ChildNode("Empty").Text(), "");

    window.RemoveChild(window.ChildNode("Left"));
    EXPECT_EQ(window.ChildNodes().size(), 1u);
    window.ClearChildNodes();
    EXPECT_TRUE(window.ChildNodes().empty());
    EXPECT_FALSE(TXmlNode().ChildNode("x"));
}

TEST(XmlDocTests, ExternalEntitiesAreNeverLoaded)
{
    TempFolder folder;
    const std::string secret = folder.Make("secret.txt", "the dam's secret");
    const std::string xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE root [<!ENTITY leak SYSTEM \"file://" + secret +
                            "\">]>\n<root><Key>&leak;</Key></root>\n";
    const std::string name = folder.Make("hostile.xml", xml);
    TXmlDocument doc;
    doc.LoadFromFile(String(name));
    EXPECT_EQ(Pos("secret", doc.DocumentElement().ChildNode("Key").Text()), 0);

    const std::string broken = folder.Make("broken.xml", "<root><a></root>");
    EXPECT_THROW(doc.LoadFromFile(String(broken)), EXMLDocError);
    EXPECT_EQ(doc.DocumentElement().NodeName(), "root");   // the former document stays
}
