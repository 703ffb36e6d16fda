// Files dropped from a file manager on a window that accepts them arrive as WM_DROPFILES.
#include <gtest/gtest.h>

#include "platform/services/ShellApi.h"
#include "platform/testing/Driver.h"

namespace {

// A form that keeps the names and the point of every drop it is sent.
class TDropForm : public TForm {
    DECLARE_CLASS(TDropForm, TForm)
public:
    explicit TDropForm(TComponent* AOwner) : TForm(AOwner) {}
    std::vector<std::vector<String>> Drops;
    TPoint LastPoint;
    void WMDropFiles(TMessage& message)
    {
        auto drop = reinterpret_cast<HDROP>(message.WParam);
        std::vector<String> names;
        const Cardinal count = DragQueryFile(drop, 0xFFFFFFFF, nullptr, 0);
        for (Cardinal i = 0; i < count; ++i) {
            std::u16string name(DragQueryFile(drop, i, nullptr, 0) + 1, u'\0');
            DragQueryFile(drop, i, name.data(), static_cast<Cardinal>(name.size()));
            name.pop_back();
            names.push_back(String(name));
        }
        DragQueryPoint(drop, LastPoint);
        DragFinish(drop);
        Drops.push_back(names);
    }
};

TClass TDropForm::StaticClass()
{
    static const TMetaClass meta("TDropForm", TForm::StaticClass(), NewComponent<TDropForm>,
                                 [](TMetaClass& m) { m.OnMessage(WM_DROPFILES, &TDropForm::WMDropFiles); });
    return &meta;
}

struct TEnvironment : ::testing::Environment {
    void SetUp() override { TestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

}  // namespace

TEST(DroppedFiles, AcceptingWindowGetsWholeNamesInOrderAndTheDropPoint)
{
    TDropForm form(nullptr);
    form.SetBounds(20, 20, 300, 200);
    form.Show();
    TestProcess();
    TestDropFiles(&form, {"/tmp/a.dam"});
    EXPECT_TRUE(form.Drops.empty());   // not accepting yet

    DragAcceptFiles(form.WindowHandle(), true);
    const String longName = "/tmp/" + String(std::u16string(300, u'd')) + ".dam";   // past 255 characters
    TestDropFiles(&form, {"/home/eng/dam one.dam", longName}, TPoint{40, 30});
    ASSERT_EQ(form.Drops.size(), 1u);
    EXPECT_EQ(form.Drops[0], (std::vector<String>{"/home/eng/dam one.dam", longName}));
    EXPECT_EQ(form.LastPoint, (TPoint{40, 30}));

    DragAcceptFiles(form.WindowHandle(), false);
    TestDropFiles(&form, {"/tmp/b.dam"});
    EXPECT_EQ(form.Drops.size(), 1u);
}
