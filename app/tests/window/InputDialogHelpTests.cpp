// Every input dialog opened from the document window's menu on the sample model: its caption,
// its Help button asking the application's help for the dialog's help context, and its close box
// ending it with nothing handed back.
#include <gtest/gtest.h>

#include "app/tests/window/DialogTestSupport.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

struct THelpRequests : TObject {
    std::vector<std::intptr_t> Contexts;
    void Help(Word, std::intptr_t data, bool& callHelp)
    {
        Contexts.push_back(data);
        callHelp = false;
    }
};
}  // namespace

TEST(InputDialogHelp, EachDialogHasItsCaptionHelpContextAndCloseBox)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = program.Active();
    struct Case {
        TMenuItem* item;
        const char* caption;
        std::intptr_t context;
    };
    const Case cases[] = {
        {d->GeneralInformation1, "General Informations", 500},
        {d->SectionGeometry1, "Section geometry & Basic data:", 420},
        {d->Masses1, "Added Mass(es)", 610},
        {d->LiftJointsMaterials1, "Material Properties", 450},
        {d->LiftJoints1, "Lift joints", 430},
    };
    THelpRequests requests;
    Application->OnHelp = THelpEvent(&requests, &THelpRequests::Help);
    for (const Case& c : cases) {
        requests.Contexts.clear();
        TestAnswerNextModal([&](TCustomForm* form) {
            EXPECT_EQ(form->Caption(), String(c.caption));
            ClickButton(form, "HelpButton");
            EXPECT_TRUE(TestClickCloseBox(form)) << c.caption;
        });
        c.item->Click();
        EXPECT_EQ(requests.Contexts, std::vector<std::intptr_t>{c.context}) << c.caption;
    }
    Application->OnHelp = nullptr;
    EXPECT_FALSE(d->Param.Donnees.Contains(daChanged));
}
