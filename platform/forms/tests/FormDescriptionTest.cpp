// A form read from its description through the class registry and written back.
#include <gtest/gtest.h>

#include "platform/classes/Collection.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/testing/Driver.h"

namespace {

class TSection : public TCollectionItem {
    DECLARE_CLASS(TSection, TCollectionItem)
public:
    using TCollectionItem::TCollectionItem;
    String Caption;
    Integer Width = 50;
};

// A drawn control with a collection of sections.
class TSectionPanel : public TCustomControl {
    DECLARE_CLASS(TSectionPanel, TCustomControl)
public:
    explicit TSectionPanel(TComponent* AOwner) : TCustomControl(AOwner) {}
    TCollection* Sections() const { return FSections.get(); }
    void SetSections(TCollection* value) { FSections->Assign(value); }

private:
    std::unique_ptr<TCollection> FSections = std::make_unique<TOwnedCollection>(this, TSection::StaticClass());
};

class TDescribedForm : public TForm {
    DECLARE_CLASS(TDescribedForm, TForm)
public:
    explicit TDescribedForm(TComponent* AOwner) : TForm(AOwner) {}
    TSectionPanel* Panel = nullptr;
    TButton* OkButton = nullptr;
    std::string Log;
    void PanelClick(TObject* sender) { Log += static_cast<TComponent*>(sender)->Name().ToUtf8() + " clicked;"; }
    void FormClose(TObject*, TCloseAction& action)
    {
        Log += "closed;";
        action = caHide;
    }
};

TClass TSection::StaticClass()
{
    static const TMetaClass meta("TSection", TCollectionItem::StaticClass(), NewCollectionItem<TSection>,
                                 [](TMetaClass& m) {
                                     TPublished<TSection>(&m)
                                         .Property("Caption", &TSection::Caption)
                                         .Property("Width", &TSection::Width).Default(50);
                                 });
    return &meta;
}

TClass TSectionPanel::StaticClass()
{
    static const TMetaClass meta("TSectionPanel", TCustomControl::StaticClass(), NewComponent<TSectionPanel>,
                                 [](TMetaClass& m) {
                                     TPublished<TSectionPanel>(&m).Property("Sections", &TSectionPanel::Sections,
                                                                            &TSectionPanel::SetSections);
                                 });
    return &meta;
}

TClass TDescribedForm::StaticClass()
{
    static const TMetaClass meta("TDescribedForm", TForm::StaticClass(), NewComponent<TDescribedForm>,
                                 [](TMetaClass& m) {
                                     TPublished<TDescribedForm>(&m)
                                         .Method("PanelClick", &TDescribedForm::PanelClick)
                                         .Method("FormClose", &TDescribedForm::FormClose)
                                         .Field("Panel", &TDescribedForm::Panel)
                                         .Field("OkButton", &TDescribedForm::OkButton);
                                 });
    return &meta;
}

struct TEnvironment : ::testing::Environment {
    void SetUp() override
    {
        TestInitialize();
        RegisterClasses({TSectionPanel::StaticClass(), TDescribedForm::StaticClass()});
    }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

const char* const Description =
    "object LoadsForm: TDescribedForm\n"
    "  Left = 100\n"
    "  Top = 80\n"
    "  Width = 320\n"
    "  Height = 200\n"
    "  Caption = 'Load combination'\n"
    "  Font.Charset = ANSI_CHARSET\n"
    "  Font.Color = clNavy\n"
    "  Font.Height = -13\n"
    "  Font.Name = 'Arial'\n"
    "  Font.Style = [fsBold]\n"
    "  KeyPreview = True\n"
    "  OnClose = FormClose\n"
    "  object Panel: TSectionPanel\n"
    "    Left = 8\n"
    "    Top = 8\n"
    "    Width = 200\n"
    "    Height = 60\n"
    "    Cursor = crHandPoint\n"
    "    OnClick = PanelClick\n"
    "    TabOrder = 0\n"
    "    Sections = <\n"
    "      item\n"
    "        Caption = 'Joint'\n"
    "      end\n"
    "      item\n"
    "        Caption = 'Factor'\n"
    "        Width = 120\n"
    "      end\n"
    "    >\n"
    "  end\n"
    "  object OkButton: TButton\n"
    "    Left = 8\n"
    "    Top = 120\n"
    "    Width = 75\n"
    "    Height = 25\n"
    "    Caption = 'OK'\n"
    "    TabOrder = 1\n"
    "    ModalResult = 1\n"
    "  end\n"
    "end\n";

TEST(FormDescription, ReadsSubObjectsCollectionsAndEventsAndWritesBackWithoutDefaults)
{
    auto* form = new TDescribedForm(nullptr);
    ReadComponentText(Description, form);
    EXPECT_EQ(form->Name(), "LoadsForm");
    EXPECT_EQ(form->Caption(), "Load combination");
    EXPECT_EQ(form->Font().Name(), "Arial");
    EXPECT_EQ(form->Font().Color(), clNavy);
    EXPECT_TRUE(form->KeyPreview());
    ASSERT_NE(form->Panel, nullptr);
    ASSERT_NE(form->OkButton, nullptr);
    EXPECT_EQ(form->Panel->Parent(), form);
    EXPECT_EQ(form->Panel->Font().Name(), "Arial");   // the parent's font, not stored for the panel
    EXPECT_EQ(form->Panel->Cursor(), crHandPoint);
    ASSERT_EQ(form->Panel->Sections()->Count(), 2);
    EXPECT_EQ(static_cast<TSection*>(form->Panel->Sections()->Items(0))->Width, 50);
    EXPECT_EQ(static_cast<TSection*>(form->Panel->Sections()->Items(1))->Width, 120);
    EXPECT_FALSE(form->ComponentState().Contains(csLoading));
    EXPECT_FALSE(form->Panel->ComponentState().Contains(csReading));
    // Written back: only what differs from the defaults (the panel's font is its parent's).
    EXPECT_EQ(WriteComponentText(form).ToUtf8(), Description);

    // The events are bound by name to the form's published methods.
    form->Show();
    TestProcess();
    TestClick(form->Panel, 10, 10);
    form->Close();
    EXPECT_EQ(form->Log, "Panel clicked;closed;");
    TestAnswerNextModalWithButton("OK");
    EXPECT_EQ(form->ShowModal(), mrOk);
    delete form;
}

TEST(FormDescription, FormsRescaleFromOneResolutionToAnother)
{
    auto* form = new TDescribedForm(nullptr);
    ReadComponentText(std::string(Description).insert(std::string(Description).find("  KeyPreview"),
                                                      "  PixelsPerInch = 120\n  Scaled = False\n"),
                      form);
    EXPECT_EQ(form->PixelsPerInch(), 120);
    EXPECT_FALSE(form->Scaled());
    EXPECT_EQ(form->CurrentPPI(), 96);

    // from 96 to 144 pixels per inch everything grows by half, halves rounded away from zero
    form->ScaleForPPI(144);
    EXPECT_EQ(form->CurrentPPI(), 144);
    EXPECT_EQ(form->BoundsRect(), Bounds(150, 120, 480, 300));
    EXPECT_EQ(form->Font().Height(), -20);
    EXPECT_EQ(form->Panel->BoundsRect(), Bounds(12, 12, 300, 90));
    EXPECT_EQ(form->OkButton->BoundsRect(), Bounds(12, 180, 113, 38));
    EXPECT_EQ(form->OkButton->Font().Height(), -20);   // it follows the form's font
    EXPECT_TRUE(form->OkButton->ParentFont());
    EXPECT_EQ(form->OkButton->CurrentPPI(), 144);
    form->ScaleForPPI(144);   // already there
    EXPECT_EQ(form->Width(), 480);
    form->ScaleForPPI(96);
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 80, 320, 200));
    EXPECT_EQ(form->Panel->BoundsRect(), Bounds(8, 8, 200, 60));
    EXPECT_EQ(form->Font().Height(), -13);
    delete form;
}

TEST(FormDescription, UnknownPropertyNamesItsLine)
{
    try {
        ReadComponentText("object F: TForm\n  Captoin = 'x'\nend\n");
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Line 2: Error reading F.Captoin: Property Captoin does not exist");
    }
}

}  // namespace
