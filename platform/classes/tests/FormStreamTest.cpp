#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <typeinfo>

#include "TestComponents.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

using namespace testcomponents;

namespace {

// A description as a designer may leave it: defaults written out, a property in
// other letter case, a reference to a component that comes later.
const char* const DesignedForm = R"(object Form1: TTestForm
  Title = 'Stability'
  object Gadget1: TGadget
    Left = 10
    caption = 'It''s'#13#10'two lines'
    Visible = False
    Shape = shCircle
    Anchors = [akLeft, akRight]
    Ratio = 0.1
    Big = 5000000000
    Tag = 0
    Pen.Color = clRed
    Pen.Width = 3
    Items = <
      item
        Caption = 'first'
        Weight = 2.5
        Key = 'Z'
      end
      item
        Caption = 'second'
        Weight = 0
        Key = 'A'
      end
    >
    Lines = (
      'alpha'
      'beta'
    )
    Buddy = Gadget2
    Count = 4
    OnClick = GadgetClick
    Data = {
      00FF10
    }
    Extra = (
      1
      2
    )
    object Gadget2: TGadget
      Left = 5
      Visible = True
      Shape = shRect
      Pen.Color = clBlack
    end
  end
end
)";

// The same written back: defaults left out, every collection written.
const char* const WrittenForm = R"(object Form1: TTestForm
  Title = 'Stability'
  object Gadget1: TGadget
    Left = 10
    Caption = 'It''s'#13#10'two lines'
    Visible = False
    Shape = shCircle
    Anchors = [akLeft, akRight]
    Ratio = 0.1
    Big = 5000000000
    Pen.Color = clRed
    Pen.Width = 3
    Items = <
      item
        Caption = 'first'
        Weight = 2.5
        Key = 'Z'
      end
      item
        Caption = 'second'
      end
    >
    Lines = (
      'alpha'
      'beta'
    )
    Buddy = Gadget2
    Count = 4
    OnClick = GadgetClick
    Data = {
      00FF10
    }
    Extra = (
      1
      2
    )
    object Gadget2: TGadget
      Left = 5
      Items = <>
    end
  end
end
)";

class FormStream : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterTestClasses();
        Log().clear();
    }
};

bool AnyLoading(TComponent* root)
{
    bool loading = root->ComponentState().Contains(csLoading) || root->ComponentState().Contains(csReading);
    for (int i = 0; i < root->ComponentCount(); ++i) loading = loading || AnyLoading(root->Components(i));
    return loading;
}

}  // namespace

TEST_F(FormStream, ReadsTheTreeThroughTheSettersAndWritesItBackWithoutDefaults)
{
    std::unique_ptr<TComponent> root(ReadComponentText(DesignedForm));
    auto* form = dynamic_cast<TTestForm*>(root.get());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Name(), "Form1");
    EXPECT_EQ(form->Title, "Stability");
    ASSERT_NE(form->Gadget1, nullptr);
    ASSERT_NE(form->Gadget2, nullptr);
    TGadget& g1 = *form->Gadget1;
    EXPECT_EQ(form->FindComponent("Gadget1"), &g1);
    EXPECT_EQ(g1.Caption(), "It's\r\ntwo lines");
    EXPECT_FALSE(g1.Visible());
    EXPECT_EQ(g1.Anchors(), (TAnchors3{TAnchor3::akLeft, TAnchor3::akRight}));
    EXPECT_EQ(g1.Ratio(), 0.1);
    EXPECT_EQ(g1.Big(), 5000000000);
    EXPECT_EQ(g1.Pen()->Color(), 255);
    EXPECT_EQ(g1.Pen()->Width(), 3);
    ASSERT_EQ(g1.Items()->Count(), 2);
    EXPECT_EQ(dynamic_cast<TItem3*>(g1.Items()->Items(0))->Weight, 2.5);
    EXPECT_EQ(dynamic_cast<TItem3*>(g1.Items()->Items(0))->Key, 'Z');
    EXPECT_EQ(dynamic_cast<TItem3*>(g1.Items()->Items(1))->Caption, "second");
    EXPECT_EQ(g1.Lines()->Text(), "alpha\r\nbeta\r\n");
    EXPECT_EQ(g1.Buddy(), form->Gadget2);
    EXPECT_EQ(g1.Count(), 4);
    EXPECT_EQ(g1.Data, (std::vector<Byte>{0x00, 0xFF, 0x10}));
    EXPECT_EQ(g1.Extra, (std::vector<Integer>{1, 2}));
    EXPECT_EQ(form->Gadget2->GetParentComponent(), &g1);

    g1.OnClick(&g1);
    ASSERT_EQ(form->Clicks.size(), 1u);
    EXPECT_EQ(form->Clicks[0], &g1);

    // Setters run while loading; the reference is set once the whole tree is
    // read (Gadget2 has its Left already); Loaded comes once for each, root first.
    std::vector<std::string> expected = {"Caption of Gadget1 while loading", "Buddy of Gadget1 is Gadget2 at 5",
                                         "Loaded Form1", "Loaded Gadget1", "Loaded Gadget2"};
    EXPECT_EQ(Log(), expected);
    EXPECT_FALSE(AnyLoading(form));

    EXPECT_EQ(WriteComponentText(form), WrittenForm);
    EXPECT_FALSE(form->ComponentState().Contains(csWriting));

    // Through a stream, as a copy of the whole tree.
    TMemoryStream stream;
    WriteComponent(stream, form);
    stream.SetPosition(0);
    std::unique_ptr<TComponent> copy(ReadComponent(stream));
    EXPECT_EQ(WriteComponentText(copy.get()), WrittenForm);
}

TEST_F(FormStream, ReadsIntoTheProgramsOwnRootUnderAFreeName)
{
    TComponent application(nullptr);
    TTestForm first(&application);
    first.SetName("Form1");
    auto* second = new TTestForm(&application);
    EXPECT_EQ(ReadComponentText("object Form1: TTestForm\n  object Gadget1: TGadget\n  end\nend\n", second), second);
    EXPECT_EQ(second->Name(), "Form1_1");
    EXPECT_EQ(second->Gadget1, second->FindComponent("Gadget1"));
    EXPECT_EQ(second->Gadget2, nullptr);
}

TEST_F(FormStream, ARepublishedDefaultDecidesWhatIsWritten)
{
    TTestForm form(nullptr);
    form.SetName("Form1");
    auto* quiet = new TQuietGadget(&form);
    quiet->SetName("Quiet");
    const char* hidden = "object Form1: TTestForm\n  object Quiet: TQuietGadget\n    Left = 0\n    Items = <>\n  end\nend\n";
    EXPECT_EQ(WriteComponentText(&form), hidden);
    quiet->SetVisible(true);
    EXPECT_EQ(WriteComponentText(&form),
              "object Form1: TTestForm\n  object Quiet: TQuietGadget\n    Left = 0\n    Visible = True\n"
              "    Items = <>\n  end\nend\n");
}

TEST_F(FormStream, OnlyAPublishedMethodOfTheRootIsWrittenAsAHandler)
{
    TTestForm form(nullptr), otherForm(nullptr);
    form.SetName("Form1");
    auto* gadget = new TGadget(&form);
    const char* unbound = "object Form1: TTestForm\n  object TGadget\n    Left = 0\n    Items = <>\n  end\nend\n";
    gadget->OnClick = TNotifyEvent(&form, &TTestForm::Unpublished);
    EXPECT_EQ(WriteComponentText(&form), unbound);
    gadget->OnClick = TNotifyEvent(&otherForm, &TTestForm::GadgetClick);
    EXPECT_EQ(WriteComponentText(&form), unbound);
    gadget->OnClick = TNotifyEvent(&form, &TTestForm::GadgetClick);
    EXPECT_EQ(WriteComponentText(&form), "object Form1: TTestForm\n  object TGadget\n    Left = 0\n    Items = <>\n"
                                         "    OnClick = GadgetClick\n  end\nend\n");
    // An unnamed component reads back unnamed.
    TTestForm back(nullptr);
    ReadComponentText(WriteComponentText(&form), &back);
    ASSERT_EQ(back.ComponentCount(), 1);
    EXPECT_EQ(back.Components(0)->Name(), "");
}

TEST_F(FormStream, ASubComponentIsStoredAsAPartOfItsHolder)
{
    const char* text = "object Holder: TLabelled\n  EditLabel.Left = 3\n  EditLabel.Caption = 'Name:'\n"
                       "  EditLabel.Items = <>\nend\n";
    std::unique_ptr<TComponent> root(ReadComponentText(text));
    auto* holder = dynamic_cast<TLabelled*>(root.get());
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(holder->EditLabel()->Left(), 3);
    EXPECT_EQ(holder->EditLabel()->Caption(), "Name:");
    EXPECT_EQ(holder->ComponentCount(), 1);
    EXPECT_EQ(WriteComponentText(holder), String(text));
}

namespace {

// The lines of a binary value holding Text, as the writer lays them out.
std::string HexLines(const std::string& text, int indent)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string lines;
    for (size_t i = 0; i < text.size(); i += 32) {
        lines += std::string(indent, ' ');
        for (size_t j = i; j < std::min(text.size(), i + 32); ++j) {
            lines += digits[static_cast<unsigned char>(text[j]) >> 4];
            lines += digits[static_cast<unsigned char>(text[j]) & 15];
        }
        lines += '\n';
    }
    return lines;
}

std::string HolderForm(const std::string& label)
{
    return "object Form1: TTestForm\n  object Gadget1: TGadget\n    Left = 0\n    Items = <>\n  end\n"
           "  object Holder1: TBinaryLabelled\n    SubLabel = {\n" +
           HexLines(label, 6) + "    }\n  end\nend\n";
}

}  // namespace

TEST_F(FormStream, ASubComponentKeptAsItsOwnDescriptionIsReadInPlaceAndWrittenBack)
{
    const std::string label = "object SubLabel: TGadget\n  Left = 0\n  Caption = 'Name:'\n  Items = <>\n  Buddy = Gadget1\n"
                              "  OnClick = GadgetClick\nend\n";
    const std::string text = HolderForm(label);
    std::unique_ptr<TComponent> root(ReadComponentText(String(text)));
    auto* form = dynamic_cast<TTestForm*>(root.get());
    auto* holder = dynamic_cast<TBinaryLabelled*>(form->FindComponent("Holder1"));
    ASSERT_NE(holder, nullptr);
    TGadget* sub = holder->EditLabel();
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->Owner(), holder);
    EXPECT_EQ(holder->ComponentCount(), 1);
    EXPECT_EQ(sub->Name(), "SubLabel");
    EXPECT_EQ(sub->Caption(), "Name:");
    EXPECT_EQ(sub->Buddy(), form->Gadget1);
    sub->OnClick(sub);
    EXPECT_EQ(form->Clicks, std::vector<TObject*>{sub});
    EXPECT_FALSE(AnyLoading(form));
    EXPECT_EQ(std::count(Log().begin(), Log().end(), "Loaded SubLabel"), 1);
    EXPECT_EQ(WriteComponentText(form).ToUtf8(), text);

    TBinaryLabelled bare(nullptr);
    EXPECT_EQ(WriteComponentText(&bare), "object TBinaryLabelled\nend\n");
}

TEST_F(FormStream, ASubComponentsDescriptionMustNameItsClassAndItsComponents)
{
    struct Case {
        std::string label;
        const char* message;
    } cases[] = {
        {"object SubLabel: TQuietGadget\nend\n", "Line 1: SubLabel is a TGadget, not a TQuietGadget"},
        {"object SubLabel: TGadget\n  Buddy = Ghost\nend\n",
         "Line 2: Error reading SubLabel.Buddy: Component Ghost not found"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TTestForm form(nullptr);
        try {
            ReadComponentText(String(HolderForm(c.label)), &form);
            ADD_FAILURE() << "no error";
        } catch (EReadError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_FALSE(AnyLoading(&form));
    }
}

TEST_F(FormStream, DefinedListsMayHoldThePropertiesOfObjects)
{
    const char* text =
        "object Bag1: TBag\n"
        "  Pens = (\n"
        "    (\n"
        "      Color = clRed\n"
        "      Width = 2\n"
        "    )\n"
        "    ()\n"
        "  )\n"
        "end\n";
    std::unique_ptr<TComponent> root(ReadComponentText(text));
    auto* bag = dynamic_cast<TBag*>(root.get());
    ASSERT_NE(bag, nullptr);
    ASSERT_EQ(bag->Pens.size(), 2u);
    EXPECT_EQ(bag->Pens[0]->Color(), 255);
    EXPECT_EQ(bag->Pens[0]->Width(), 2);
    EXPECT_EQ(bag->Pens[1]->Width(), 1);
    EXPECT_EQ(WriteComponentText(bag), String(text));

    // A published property comes before a defined one of the same name.
    TBag other(nullptr);
    ReadComponentText("object Bag2: TBag\n  Tag = 5\nend\n", &other);
    EXPECT_EQ(other.Tag(), 5);
    EXPECT_EQ(Log(), std::vector<std::string>());
}

TEST_F(FormStream, ErrorsNameTheLineAndLeaveNothingLoading)
{
    struct Case {
        const char* body;  // lines 3.. inside Gadget1
        const std::type_info& type;
        const char* message;
    } cases[] = {
        {"    object X: TNoSuch\n    end\n", typeid(EClassNotFound), "Line 3: Class TNoSuch not found"},
        {"    object X: TPen3\n    end\n", typeid(EReadError), "Line 3: TPen3 is not a component class"},
        {"    Captoin = 'x'\n", typeid(EReadError),
         "Line 3: Error reading Gadget1.Captoin: Property Captoin does not exist"},
        {"    Pen.Colour = 1\n", typeid(EReadError),
         "Line 3: Error reading Gadget1.Pen.Colour: Property Colour does not exist"},
        {"    Caption.Text = 1\n", typeid(EReadError), "Line 3: Error reading Gadget1.Caption.Text: Invalid property path"},
        {"    Shape = shOval\n", typeid(EReadError),
         "Line 3: Error reading Gadget1.Shape: Invalid enumeration name shOval"},
        {"    Left = 'ten'\n", typeid(EReadError), "Line 3: Error reading Gadget1.Left: Invalid property value"},
        {"    Left = 3000000000\n", typeid(EReadError),
         "Line 3: Error reading Gadget1.Left: Value 3000000000 out of range -2147483648..2147483647"},
        {"    Ratio = abc\n", typeid(EReadError),
         "Line 3: Error reading Gadget1.Ratio: Invalid floating point value abc"},
        {"    Area = 3\n", typeid(EReadError), "Line 3: Error reading Gadget1.Area: Property Area is read-only"},
        {"    OnClick = Nothing\n", typeid(EReadError),
         "Line 3: Error reading Gadget1.OnClick: Method Nothing not found in TTestForm"},
        {"    OnClick = WrongKind\n", typeid(EReadError),
         "Line 3: Error reading Gadget1.OnClick: Method WrongKind does not have the parameters of OnClick"},
        {"\n    Buddy = Ghost\n", typeid(EReadError), "Line 4: Error reading Gadget1.Buddy: Component Ghost not found"},
        {"    Count = -1\n", typeid(EConvertError), "Line 3: Error reading Gadget1.Count: Count must not be negative"},
        {"    Items = <\n      item\n        Wieght = 1\n      end\n    >\n", typeid(EReadError),
         "Line 5: Error reading Gadget1.Items[0].Wieght: Property Wieght does not exist"},
        {"    Data = {0F1}\n", typeid(EReadError), "Line 3: Invalid binary value"},
        {"    Caption = 'open\n", typeid(EReadError), "Line 3: Unterminated string"},
        {"    object Gadget1: TGadget\n    end\n", typeid(EComponentError),
         "Line 3: A component named Gadget1 already exists"},
        {"    Left = 1\n  end\n  end\n", typeid(EReadError), "Line 6: End of text expected"},
    };
    RegisterClass(TPen3::StaticClass());
    for (const Case& c : cases) {
        TTestForm form(nullptr);
        String text = String("object Form1: TTestForm\n  object Gadget1: TGadget\n") + c.body + "  end\nend\n";
        try {
            ReadComponentText(text, &form);
            ADD_FAILURE() << "read: " << c.body;
        } catch (const Exception& e) {
            EXPECT_EQ(typeid(e), c.type) << c.body;
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_FALSE(AnyLoading(&form)) << c.body;
    }
    UnRegisterClass(TPen3::StaticClass());
    Log().clear();
    TTestForm form(nullptr);
    EXPECT_THROW(ReadComponentText("object Form1: TTestForm\n  object Gadget1: TGadget\n    Left = 1\n", &form),
                 EReadError);
    EXPECT_EQ(Log(), std::vector<std::string>());  // no Loaded after a failed read

    // A root made by the read goes with the error.
    EXPECT_THROW(ReadComponentText("object Form1: TTestForm\n  Title = 1\nend\n"), EReadError);
}

TEST(FormText, StringsKeepEveryCharacterReadably)
{
    struct Case {
        String value;
        const char* text;
    } cases[] = {
        {"", "''"},
        {"It's", "'It''s'"},
        {"a\r\nb", "'a'#13#10'b'"},
        {"\t", "#9"},
        {"\xC3\xA9t\xC3\xA9", "'\xC3\xA9t\xC3\xA9'"},
        {String(std::u16string(u"x\xD800")), "'x'#55296"},
        {String(std::u16string(u"\xD83D\xDE00")), "'\xF0\x9F\x98\x80'"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormString(c.value), c.text);
        std::vector<TFormToken> tokens = TokenizeForm(c.text);
        ASSERT_EQ(tokens[0].Kind, TFormTokenKind::String);
        EXPECT_EQ(tokens[0].Text, c.value);
    }
}

TEST(FormText, FloatsAreShortAndReadBackExactly)
{
    struct Case {
        Extended value;
        TFloatType type;
        const char* text;
    } cases[] = {
        {0.1, ftDouble, "0.1"},
        {2, ftDouble, "2.0"},
        {-2.5, ftDouble, "-2.5"},
        {1e20, ftDouble, "1e+20"},
        {1.0 / 3, ftDouble, "0.3333333333333333"},
        {0.1f, ftSingle, "0.1"},
        {0.1L, ftExtended, "0.1"},
        {0.1, ftExtended, "0.1"},  // a double held in an Extended
    };
    for (const Case& c : cases) EXPECT_EQ(FormFloat(c.value, c.type), c.text);

    for (double value : {0.1, 1.0 / 3, 1e-300, 123456789.125, -7e22}) {
        TTestForm form(nullptr);
        auto* g = new TGadget(&form);
        g->SetRatio(value);
        String text = WriteComponentText(&form);
        TTestForm back(nullptr);
        ReadComponentText(text, &back);
        auto* read = dynamic_cast<TGadget*>(back.Components(0));
        EXPECT_EQ(read->Ratio(), value) << text;
    }
}

TEST(FormResources, CompiledFilesAreReadBackByNameAndType)
{
    const char* folder = std::getenv("DORVANE_TEST_DATA");
    ASSERT_NE(folder, nullptr);
    std::ifstream file(std::string(folder) + "/tests/resources/bitmaps/TestBytes.bmp", std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), 9u);

    TResourceStream stream("TestBytes", "BITMAP");
    ASSERT_EQ(stream.Size(), 9);
    std::vector<char> read(9);
    stream.ReadBuffer(read.data(), 9);
    EXPECT_EQ(read, bytes);
    EXPECT_TRUE(ResourceExists("TRESFORM", RT_RCDATA));
    EXPECT_FALSE(ResourceExists("TESTBYTES", RT_RCDATA));
}

TEST_F(FormStream, AFormReadsTheDescriptionOfItsClassOrOfItsNearestAncestor)
{
    TResForm form(nullptr);
    EXPECT_TRUE(InitInheritedComponent(&form, TTestForm::StaticClass()));
    EXPECT_EQ(form.Name(), "ResForm");
    EXPECT_EQ(form.Title, "From a resource");
    ASSERT_NE(form.Gadget1, nullptr);
    EXPECT_EQ(form.Gadget1->Left(), 7);

    TResFormChild child(nullptr);
    EXPECT_TRUE(InitInheritedComponent(&child, TTestForm::StaticClass()));
    EXPECT_EQ(child.Title, "From a resource");

    TTestForm plain(nullptr);
    EXPECT_FALSE(InitInheritedComponent(&plain, TComponent::StaticClass()));
    try {
        ReadComponentRes("NoSuchForm", &plain);
        ADD_FAILURE();
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), "Resource NoSuchForm not found");
    }
}
