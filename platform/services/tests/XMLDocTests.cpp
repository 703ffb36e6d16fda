#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/rtl/tests/TempFolder.h"
#include "platform/services/XMLDoc.h"

namespace {

// A small drawing: a comment, a titled group with a circle and a linked image, white space
// between the elements.
const char* const Drawing =
    "<?xml version=\"1.0\"?>\n"
    "<!-- dam outline -->\n"
    "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"120\">\n"
    "  <g id=\"body\" style=\"fill:red\">\n"
    "    <title>Crest &amp; heel</title>\n"
    "    <circle cx=\"5\" cy=\"6\" r=\"2\"/>\n"
    "    <image xlink:href=\"data:x\"/>\n"
    "  </g>\n"
    "  <text>A<tspan>B</tspan></text>\n"
    "</svg>\n";

TEST(XMLDocument, TextBecomesATreeOfNodes)
{
    TXMLDocument doc;
    doc.LoadFromXML(Drawing);
    EXPECT_EQ(doc.Version(), "1.0");
    EXPECT_EQ(doc.ChildNodes().Count(), 2);   // the comment and the root
    EXPECT_EQ(doc.ChildNodes()[0].NodeType(), ntComment);
    EXPECT_EQ(doc.ChildNodes()[0].NodeValue(), " dam outline ");

    TXMLNode svg = doc.DocumentElement();
    ASSERT_TRUE(svg);
    EXPECT_EQ(svg.NodeName(), "svg");
    EXPECT_EQ(svg.NodeType(), ntElement);
    EXPECT_EQ(svg.Attribute("width"), "120");
    EXPECT_FALSE(svg.HasAttribute("height"));
    EXPECT_EQ(svg.Attribute("height"), "");
    EXPECT_EQ(svg.ChildNodes().Count(), 2);   // white space between elements is no node

    TXMLNode g = svg.ChildNodes().FindNode("g");
    ASSERT_TRUE(g);
    EXPECT_EQ(g.ParentNode(), svg);
    TXMLNodeList attributes = g.AttributeNodes();
    ASSERT_EQ(attributes.Count(), 2);
    EXPECT_EQ(attributes[0].NodeName(), "id");
    EXPECT_EQ(attributes[1].NodeName(), "style");
    EXPECT_EQ(attributes[1].NodeValue(), "fill:red");
    EXPECT_EQ(attributes[1].NodeType(), ntAttribute);

    TXMLNodeList children = g.ChildNodes();
    ASSERT_EQ(children.Count(), 3);
    EXPECT_EQ(children.IndexOf("circle"), 1);
    EXPECT_EQ(children.IndexOf("rect"), -1);
    EXPECT_FALSE(children.FindNode("rect"));
    TXMLNode title = children[0];
    EXPECT_TRUE(title.IsTextElement());
    EXPECT_EQ(title.NodeValue(), "Crest & heel");
    EXPECT_EQ(title.ChildNodes()[0].NodeName(), "#text");
    EXPECT_EQ(title.ChildNodes()[0].NodeType(), ntText);
    EXPECT_EQ(children[1].Attribute("r"), "2");
    EXPECT_FALSE(children[1].HasChildNodes());
    EXPECT_EQ(children[2].Attribute("xlink:href"), "data:x");   // by its written name
    EXPECT_EQ(children[2].AttributeNodes()[0].NodeName(), "xlink:href");

    TXMLNode text = svg.ChildNodes()[1];
    EXPECT_FALSE(text.IsTextElement());
    EXPECT_EQ(text.NodeValue(), "");
    EXPECT_EQ(text.Text(), "AB");
    EXPECT_THROW(text.ChildNodes()[2], EListError);
}

TEST(XMLDocument, ABuiltDocumentIsWrittenIndented)
{
    TXMLDocument doc;
    EXPECT_FALSE(doc.DocumentElement());
    TXMLNode root = doc.AddChild("Settings");
    EXPECT_EQ(doc.DocumentElement(), root);
    TXMLNode section = doc.AddChild("Main");   // under the document element
    section.AddChild("Width").SetNodeValue("640");
    section.AddChild("Title").SetText("Barrage <Sud> & \"Nord\" é");
    section.SetAttribute("kind", "a<b");
    EXPECT_EQ(doc.XML(), "<?xml version=\"1.0\"?>\n"
                         "<Settings>\n"
                         "  <Main kind=\"a&lt;b\">\n"
                         "    <Width>640</Width>\n"
                         "    <Title>Barrage &lt;Sud&gt; &amp; \"Nord\" é</Title>\n"
                         "  </Main>\n"
                         "</Settings>\n");
    doc.SetIndent(false);
    EXPECT_EQ(doc.XML(), "<?xml version=\"1.0\"?>\n<Settings><Main kind=\"a&lt;b\"><Width>640</Width>"
                         "<Title>Barrage &lt;Sud&gt; &amp; \"Nord\" é</Title></Main></Settings>\n");

    TXMLDocument back;
    back.LoadFromXML(doc.XML());
    TXMLNode main = back.DocumentElement().ChildNodes().FindNode("Main");
    EXPECT_EQ(main.Attribute("kind"), "a<b");
    EXPECT_EQ(main.ChildNodes().FindNode("Title").NodeValue(), "Barrage <Sud> & \"Nord\" é");
}

TEST(XMLDocument, ChangedAndRemovedNodes)
{
    TXMLDocument doc;
    doc.SetIndent(false);
    doc.LoadFromXML("<a><b>1</b><c>2</c><d><e/></d></a>");
    TXMLNode a = doc.DocumentElement();
    TXMLNode b = a.ChildNodes()[0], d = a.ChildNodes()[2], e = d.ChildNodes()[0];
    a.RemoveChild(b);
    d.SetNodeValue("x");   // its element child goes
    EXPECT_EQ(doc.XML(), "<?xml version=\"1.0\"?>\n<a><c>2</c><d>x</d></a>\n");
    // handles on nodes taken out stay usable
    EXPECT_EQ(b.NodeValue(), "1");
    EXPECT_EQ(e.NodeName(), "e");
    EXPECT_FALSE(b.ParentNode());
    a.RemoveChild(e);   // not a child of a: nothing happens
    EXPECT_EQ(a.ChildNodes().Count(), 2);
    a.ChildNodes()[0].SetAttribute("n", "3");
    a.ChildNodes()[0].SetAttribute("n", "4");
    EXPECT_EQ(a.ChildNodes()[0].Attribute("n"), "4");
    EXPECT_EQ(a.ChildNodes()[0].AttributeNodes().Count(), 1);
}

TEST(XMLDocument, MalformedTextIsAParseErrorAndLeavesTheDocumentEmpty)
{
    TXMLDocument doc;
    doc.LoadFromXML("<a/>");
    try {
        doc.LoadFromXML("<a>\n<b></a>");
        FAIL();
    } catch (const EDOMParseError& e) {
        EXPECT_FALSE(e.Reason().IsEmpty());
        EXPECT_EQ(e.Line(), 2);
    }
    EXPECT_FALSE(doc.DocumentElement());
    EXPECT_THROW(doc.LoadFromXML(""), EDOMParseError);
}

TEST(XMLDocument, NothingOutsideTheTextIsEverRead)
{
    TempFolder folder;
    const std::string secret = folder.Make("secret.txt", "TOP-SECRET");
    const std::string dtd = folder.Make("defs.dtd", "<!ENTITY outside \"FROM-DTD\">");
    const std::string texts[] = {
        "<!DOCTYPE a [<!ENTITY s SYSTEM \"file://" + secret + "\">]><a>&s;</a>",
        "<!DOCTYPE a [<!ENTITY s SYSTEM \"" + secret + "\">]><a>&s;</a>",
        "<!DOCTYPE a SYSTEM \"file://" + dtd + "\"><a>&outside;</a>",
        "<!DOCTYPE a [<!ENTITY % p SYSTEM \"file://" + dtd + "\"> %p;]><a>&outside;</a>",
        "<!DOCTYPE a [<!ENTITY s SYSTEM \"http://localhost:9/x\">]><a>&s;</a>",
    };
    for (const std::string& t : texts) {
        TXMLDocument doc;
        try {
            doc.LoadFromXML(t);
        } catch (const EDOMParseError&) {
            // refusing the document is fine; reading the file is not
        }
        const std::string xml = doc.XML().ToUtf8();
        EXPECT_EQ(xml.find("TOP-SECRET"), std::string::npos) << t;
        EXPECT_EQ(xml.find("FROM-DTD"), std::string::npos) << t;
        EXPECT_EQ(doc.DocumentElement().Text().ToUtf8().find("SECRET"), std::string::npos) << t;
    }
}

TEST(XMLDocument, EntitiesOfTheTextExpandWithinBounds)
{
    TXMLDocument doc;
    doc.LoadFromXML("<!DOCTYPE svg [<!ENTITY ns \"http://x\">]><svg a=\"&ns;\">&ns;/y</svg>");
    EXPECT_EQ(doc.DocumentElement().Attribute("a"), "http://x");
    EXPECT_EQ(doc.DocumentElement().Text(), "http://x/y");

    // nested entities multiplying a short text a hundred million times
    std::ostringstream laughs;
    laughs << "<!DOCTYPE l [<!ENTITY e0 \"laugh\">";
    for (int i = 1; i <= 8; ++i) {
        laughs << "<!ENTITY e" << i << " \"";
        for (int k = 0; k < 10; ++k) laughs << "&e" << i - 1 << ";";
        laughs << "\">";
    }
    laughs << "]><l>&e8;</l>";
    EXPECT_THROW(doc.LoadFromXML(laughs.str()), EDOMParseError);
    // one long entity used many times
    std::ostringstream wide;
    wide << "<!DOCTYPE l [<!ENTITY w \"" << std::string(50000, 'x') << "\">]><l>";
    for (int i = 0; i < 20000; ++i) wide << "&w;";
    wide << "</l>";
    EXPECT_THROW(doc.LoadFromXML(wide.str()), EDOMParseError);
}

TEST(XMLDocument, FilesKeepTheirDeclaredEncoding)
{
    TempFolder folder;
    const String file = String(folder.Path()) + "/settings.xml";
    TXMLDocument doc;
    doc.SetEncoding("ISO-8859-1");
    doc.AddChild("r").SetNodeValue("é");
    doc.SaveToFile(file);
    std::ifstream in(file.ToUtf8(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<r>\xE9</r>\n");

    TXMLDocument back;
    back.LoadFromFile(file);
    EXPECT_EQ(back.Encoding(), "ISO-8859-1");
    EXPECT_EQ(back.DocumentElement().NodeValue(), "é");

    // text handed over as a string is read as such, whatever encoding it declares
    back.LoadFromXML("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>\u00e9t\u00e9</r>");
    EXPECT_EQ(back.Encoding(), "ISO-8859-1");
    EXPECT_EQ(back.DocumentElement().NodeValue(), "été");
}

TEST(XMLDocument, SettingsSurviveAFileRoundTrip)
{
    TempFolder folder;
    const String file(folder / "settings.xml");
    {
        TXMLDocument doc;
        doc.SetEncoding("UTF-8");
        TXMLNode window = doc.AddChild("root").AddChild("Window");
        window.AddChild("Left").SetText("12");
        window.AddChild("Caption").SetText("Dam <A> & \"B\" \u00E9");
        doc.AddChild("Empty");
        // a name no reader accepts would make the whole file unreadable
        for (const char* name : {"Recent Files", "", "1st", "a<b"})
            EXPECT_THROW(window.AddChild(name), EXMLDocError) << name;
        EXPECT_THROW(TXMLDocument().AddChild("Recent Files"), EXMLDocError);
        EXPECT_EQ(window.ChildNodes().Count(), 2);
        doc.SaveToFile(file);
    }
    std::ifstream in(file.ToUtf8(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<root>\n"
                     "  <Window>\n"
                     "    <Left>12</Left>\n"
                     "    <Caption>Dam &lt;A&gt; &amp; \"B\" \xC3\xA9</Caption>\n"
                     "  </Window>\n"
                     "  <Empty/>\n"
                     "</root>\n");

    TXMLDocument doc;
    doc.LoadFromFile(file);
    TXMLNode root = doc.DocumentElement();
    EXPECT_EQ(root.NodeName(), "root");
    ASSERT_EQ(root.ChildNodes().Count(), 2);
    TXMLNode window = root.ChildNodes().FindNode("Window");
    EXPECT_EQ(window.ChildNodes().FindNode("Caption").Text(), "Dam <A> & \"B\" \u00E9");
    EXPECT_EQ(window.ChildNodes().FindNode("Left").Text(), "12");
    EXPECT_FALSE(window.ChildNodes().FindNode("left"));   // names are exact
    EXPECT_EQ(root.ChildNodes().FindNode("Empty").Text(), "");
    window.SetText("");   // empties the element
    EXPECT_FALSE(window.HasChildNodes());
    EXPECT_FALSE(TXMLNode().ChildNodes().FindNode("x"));
}

TEST(XMLDocument, AFileNeverReadsOtherFiles)
{
    TempFolder folder;
    const std::string secret = folder.Make("secret.txt", "the dam's secret");
    const std::string hostile = folder.Make("hostile.xml", "<?xml version=\"1.0\"?>\n<!DOCTYPE root [<!ENTITY leak SYSTEM \"file://" +
                                                              secret + "\">]>\n<root><Key>&leak;</Key></root>\n");
    TXMLDocument doc;
    try {
        doc.LoadFromFile(String(hostile));
    } catch (const EDOMParseError&) {
        // refusing the file is fine; reading the other one is not
    }
    EXPECT_EQ(doc.XML().ToUtf8().find("dam's secret"), std::string::npos);   // the file's name may stand there

    const std::string broken = folder.Make("broken.xml", "<root><a></root>");
    EXPECT_THROW(doc.LoadFromFile(String(broken)), EDOMParseError);
}

}  // namespace
