// The styled edit's companions on a shown form: the bound label it places beside itself, the
// validator that checks each change, and the form descriptions that create the edit and its
// auto-completion by name.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StyComboBox.h"
#include "styledcontrols/StyCustomEdit.h"
#include "styledcontrols/StyEditRegistry.h"
#include "styledcontrols/StyFaceController.h"

namespace {

// A 120 x 21 edit at (60, 50) of a form.
struct StyEditCompanions : ::testing::Test {
    TForm* Form = nullptr;
    TStyCustomEdit* Edit = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 300, 160);
        Edit = new TStyCustomEdit(Form);
        Edit->SetName("Crest");
        Edit->SetBounds(60, 50, 120, 21);
        Edit->SetParent(Form);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
};

// Finds a text without digits invalid (level 2) and tells the edit; notes what it was given.
class TDigitsValidator : public TStyValidationEntity {
public:
    using TStyValidationEntity::TStyValidationEntity;
    std::vector<std::string> Seen;
    Integer Validate(IStyValidatedControl* Sender, bool) override
    {
        const String text = Sender->GetValidationText();
        Seen.push_back(text.ToUtf8());
        const bool digits = std::any_of(text.u16().begin(), text.u16().end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
        Sender->RespondToError(digits ? 0 : 2);
        return digits ? 0 : 2;
    }
    String GetMessage(IStyValidatedControl*, Integer) override { return "A height is a number"; }
};

// Knows "dam" and "crest", offers "height" for "hieght", and notes the marks it is asked to draw.
class TTwoWordChecker : public TStySpellBase {
public:
    TTwoWordChecker() : TStySpellBase(nullptr) {}
    std::vector<std::pair<Integer, Integer>> Drawn;
    TPoint At;
    bool IsActive() override { return true; }
    void GetWordSeparators(String& S) override { S = String(); }
    bool CheckWord(const char16_t* AWord) override
    {
        const std::u16string w(AWord);
        return w == u"dam" || w == u"crest";
    }
    void DrawErrors(HDC, Integer X, Integer Y, const TRect*, TStySpellAreas& AAreas) override
    {
        At = {X, Y};
        Integer x1 = 0, x2 = 0;
        while (AAreas.Next(x1, x2)) Drawn.push_back({x1, x2});
    }
    void GetSuggestions(const char16_t* AWord, TStrings& AResult) override
    {
        if (std::u16string(AWord) == u"hieght") AResult.Add("height");
    }
};

// The lines of a binary value holding Text, 32 bytes a line, indented by six.
std::string HexLines(const std::string& text)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string lines;
    for (size_t i = 0; i < text.size(); i += 32) {
        lines += "      ";
        for (size_t j = i; j < std::min(text.size(), i + 32); ++j) {
            lines += digits[static_cast<unsigned char>(text[j]) >> 4];
            lines += digits[static_cast<unsigned char>(text[j]) & 15];
        }
        lines += '\n';
    }
    return lines;
}

class TErrorLog : public TObject {
public:
    std::vector<Integer> Levels;
    void Note(TObject*, Integer level) { Levels.push_back(level); }
};

}  // namespace

TEST_F(StyEditCompanions, TheBoundLabelStandsBesideTheEditorAndFollowsIt)
{
    Edit->SetupEditLabel();
    TStyBoundLabel* label = Edit->EditLabel();
    ASSERT_NE(label, nullptr);
    Edit->SetupEditLabel();   // once only
    EXPECT_EQ(Edit->EditLabel(), label);
    EXPECT_EQ(label->Owner(), Edit);
    EXPECT_EQ(label->Parent(), Form);
    EXPECT_EQ(label->FocusControl(), Edit);
    EXPECT_EQ(label->Caption(), "Crest");
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 40, 13);

    struct Case {
        TLabelPosition Position;
        bool Sync;
        TRect Bounds;
    };
    const Case cases[] = {
        {lpAbove, false, Bounds(60, 50 - 13 - 3, 40, 13)},  {lpBelow, false, Bounds(60, 50 + 21 + 3, 40, 13)},
        {lpLeft, false, Bounds(60 - 40 - 3, 50, 40, 13)},   {lpRight, false, Bounds(60 + 120 + 3, 50, 40, 13)},
        {lpAbove, true, Bounds(60, 50 - 13 - 3, 120, 13)},  {lpRight, true, Bounds(60 + 120 + 3, 50, 120, 21)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Position) * 2 + c.Sync);
        label->SetBounds(0, 0, 40, 13);
        Edit->SetLabelPosition(c.Position);
        Edit->SetLabelSync(c.Sync);
        EXPECT_EQ(label->BoundsRect(), c.Bounds);
    }
    Edit->SetLabelSync(false);
    Edit->SetLabelPosition(lpAbove);
    Edit->SetLabelSpacing(6);
    Edit->SetBounds(80, 90, 120, 21);   // the label moves with the editor
    EXPECT_EQ(label->BoundsRect().TopLeft(), (TPoint{80, 90 - label->Height() - 6}));
    Edit->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    Edit->SetVisible(true);
    EXPECT_TRUE(label->Visible());
    Edit->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    delete label;   // the editor forgets a freed label
    EXPECT_EQ(Edit->EditLabel(), nullptr);
    Edit->SetBounds(60, 50, 120, 21);
}

TEST_F(StyEditCompanions, TheValidatorChecksEveryChangeAndAFailureIsReported)
{
    auto* validator = new TDigitsValidator(Form);
    TErrorLog errors;
    Edit->OnValidationError = TStyValidationErrorEvent(&errors, &TErrorLog::Note);
    Edit->SetValidator(validator);
    Edit->SetFocus();
    TestTypeText(Edit, "h1");
    EXPECT_EQ(validator->Seen, (std::vector<std::string>{"h", "h1"}));
    EXPECT_FALSE(Edit->ErrorIndication());
    EXPECT_EQ(errors.Levels, std::vector<Integer>{2});   // "h" had no digit
    TestPressKey(Edit, VK_BACK);
    EXPECT_TRUE(Edit->ErrorIndication());
    EXPECT_EQ(errors.Levels, (std::vector<Integer>{2, 2}));
    delete validator;   // a freed validator is unlinked
    EXPECT_EQ(Edit->Validator(), nullptr);
    TestTypeText(Edit, "x");
    EXPECT_EQ(Edit->Text(), "hx");
}

TEST_F(StyEditCompanions, TheSpellLinkMarksMisspeltWordsAndItsSuggestionsReplaceThem)
{
    EXPECT_EQ(Edit->Perform(UM_GETSPELLLINK), reinterpret_cast<std::intptr_t>(Edit->SpellLink()));
    TTwoWordChecker checker;
    Edit->SpellLink()->SetSpellChecker(&checker);
    Edit->SetText("dam hieght crest");
    Edit->SetFocus();
    Edit->Invalidate();
    TestProcess();
    TBitmap bmp(1, 1);
    bmp.Canvas().Font().Assign(Edit->Font());
    auto width = [&](const char* s) { return bmp.Canvas().TextWidth(s); };
    ASSERT_FALSE(checker.Drawn.empty());
    // from the left edge of "hieght" to the last pixel of its last letter, from the text's left edge
    EXPECT_EQ(checker.Drawn.back(), (std::pair<Integer, Integer>{width("dam ") + 1, width("dam hieght")}));
    const TRect r = Edit->TextRect();
    bmp.Canvas().Font().Assign(Edit->Font());
    EXPECT_EQ(checker.At, (TPoint{r.Left, r.Top + bmp.Canvas().TextHeight("Gg") - 2}));

    // the caret on the word: the context menu offers the suggestion, which replaces it
    const Integer onWord = r.Left + width("dam hi");
    TestClick(Edit, onWord, 8);
    TestAnswerNextPopup("height");
    TestClick(Edit, onWord, 8, mbRight);
    EXPECT_EQ(Edit->Text(), "dam height crest");
    Edit->SpellLink()->SetSpellChecker(nullptr);
}

TEST(StyEditForms, AFormDescriptionCreatesTheEditAndItsCompletionByName)
{
    TestInitialize();
    RegisterStyledEditClasses();
    std::unique_ptr<TComponent> root(ReadComponentText(R"(object Survey: TForm
  Left = 0
  Top = 0
  Width = 300
  Height = 100
  object Places: TStyStringList
  end
  object Completion: TStyEditAutoComplete
    CaseSensitive = False
    StringList = Places
    Mode = [amText, amPopup]
    AddUnknownOn = [aaControlReturn]
    IsExact = True
  end
  object Town: TStyCustomEdit
    Left = 8
    Top = 8
    Width = 140
    Height = 21
    CueBanner = 'Nearest town'
    MaxLength = 30
    Options = [eoAllowCopy]
  end
end)"));
    auto* town = dynamic_cast<TStyCustomEdit*>(root->FindComponent("Town"));
    ASSERT_NE(town, nullptr);
    EXPECT_EQ(town->CueBanner(), "Nearest town");
    EXPECT_EQ(town->MaxLength(), 30);
    EXPECT_EQ(town->Options(), TStyEditOptions{eoAllowCopy});
    EXPECT_EQ(town->BoundsRect(), Bounds(8, 8, 140, 21));
    auto* completion = dynamic_cast<TStyEditAutoComplete*>(root->FindComponent("Completion"));
    ASSERT_NE(completion, nullptr);
    EXPECT_FALSE(completion->CaseSensitive());
    EXPECT_EQ(completion->StringList(), root->FindComponent("Places"));
    EXPECT_EQ(completion->Mode(), (TStyAutoCompleteModes{amText, amPopup}));
    EXPECT_EQ(completion->AddUnknownOn(), TStyAutoCompleteAddOns{aaControlReturn});
    EXPECT_TRUE(completion->IsExact());
}

// A form with the editor of class Class at (8, 40, 140, 21) whose bound label, captioned in
// bold serif, has a size of Width x Height; the editor places it, so its position, and its
// focus control while that is the editor, are not written.
std::string BoundLabelForm(const std::string& cls, int width, int height)
{
    const std::string label = "object SubLabel: TStyBoundLabel\n"
                              "  Width = " + std::to_string(width) + "\n"
                              "  Height = " + std::to_string(height) + "\n"
                              "  Caption = 'Crest level'\n"
                              "  Font.Height = -13\n"
                              "  Font.Name = 'DejaVu Serif'\n"
                              "  Font.Style = [fsBold]\n"
                              "  ParentFont = False\n"
                              "end\n";
    return "object Survey: TForm\n"
           "  Left = 0\n"
           "  Top = 0\n"
           "  Width = 320\n"
           "  Height = 240\n"
           "  Font.Height = -11\n"
           "  Font.Name = 'Tahoma'\n"
           "  object Crest: " + cls + "\n"
           "    Left = 8\n"
           "    Top = 40\n"
           "    Width = 140\n"
           "    Height = 21\n"
           "    TabOrder = 0\n" +
           (cls == "TStyComboBox" ? "" : "    Caret.BlinkRate = 530\n") +   // the editor's caret
           "    SubLabel = {\n" + HexLines(label) +
           "    }\n"
           "  end\n"
           "end\n";
}

// The label takes the size of its caption in its own font and is placed above
// the editor, three pixels apart; everything else is written back as it was read.
// An editor without a label writes none.
TEST(StyEditForms, TheBoundLabelIsReadFromTheFormDescriptionAndWrittenBackTheSame)
{
    TestInitialize();
    RegisterStyledEditClasses();
    RegisterClasses({TStyComboBox::StaticClass()});
    for (const char* cls : {"TStyCustomEdit", "TStyComboBox"}) {
        SCOPED_TRACE(cls);
        std::unique_ptr<TComponent> root(ReadComponentText(String(BoundLabelForm(cls, 10, 10))));
        TComponent* crest = root->FindComponent("Crest");
        ASSERT_NE(crest, nullptr);
        auto* edit = dynamic_cast<TStyBaseEdit*>(crest);
        auto* combo = dynamic_cast<TStyComboBox*>(crest);
        TStyBoundLabel* sub = edit ? edit->EditLabel() : combo->EditLabel();
        ASSERT_NE(sub, nullptr);
        EXPECT_EQ(sub->Owner(), crest);
        EXPECT_EQ(sub->Name(), "SubLabel");
        EXPECT_EQ(root->ComponentCount(), 1);
        EXPECT_EQ(sub->Caption(), "Crest level");
        EXPECT_EQ(sub->Font().Name(), "DejaVu Serif");
        EXPECT_EQ(sub->Font().Height(), -13);
        EXPECT_EQ(sub->Font().Style(), TFontStyles{TFontStyle::fsBold});
        EXPECT_EQ(sub->FocusControl(), crest);
        EXPECT_EQ(sub->Parent(), root.get());
        const int width = sub->Width(), height = sub->Height();
        EXPECT_GT(width, 40);
        EXPECT_GT(height, 10);
        EXPECT_EQ(sub->BoundsRect(), Bounds(8, 40 - height - 3, width, height));
        const std::string placed = BoundLabelForm(cls, width, height);
        EXPECT_EQ(WriteComponentText(root.get()).ToUtf8(), placed);

        std::unique_ptr<TComponent> again(ReadComponentText(String(placed)));
        EXPECT_EQ(WriteComponentText(again.get()).ToUtf8(), placed);

        std::unique_ptr<TObject> bare(FindClass(cls)->Create(nullptr));
        EXPECT_EQ(Pos("SubLabel", WriteComponentText(dynamic_cast<TComponent*>(bare.get()))), 0);
    }
}

// A face controller sees the editor's error state.
TEST_F(StyEditCompanions, AFaceControllerSeesTheEditorsErrorState)
{
    const auto pattern = [](const char* name) {
        for (Integer i = 0; i < StateRegistryCount(); ++i)
            if (StateRegistryEntry(i).name == String(name)) return StateRegistryEntry(i).sl;
        return NormalStateList();
    };
    auto* fc = new TStyFaceController(Form);
    TStyCFCStateObject* error = fc->States()->Add();
    error->setKind(pattern("Error"));
    Edit->SetFaceController(fc);
    EXPECT_EQ(fc->findState(Edit), nullptr);
    Edit->RespondToError(2);
    EXPECT_EQ(fc->findState(Edit), error);
    Edit->SetFaceController(nullptr);
    delete fc;
}
