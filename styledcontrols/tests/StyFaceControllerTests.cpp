// The face controller: state matching, appearance queries with their fall-backs, styling on
// state changes, linking controls, and its file.
#include <gtest/gtest.h>

#include <filesystem>

#include "styledcontrols/StyFaceController.h"

namespace {

// A control answering the controller's questions from plain flags.
class TFaceProbe : public TCustomControl, public IStyFaceController, public IStyFaceControllerEditable {
    DECLARE_CLASS(TFaceProbe, TCustomControl)
public:
    explicit TFaceProbe(TComponent* AOwner) : TCustomControl(AOwner) {}
    ~TFaceProbe() override
    {
        if (Controller) Controller->UnregisterControl(this);
    }
    bool Focus = false, Hot = false, Modified = false, ReadOnly = false, Error = false, On = true, Transparent = false;
    TStyFaceController* Controller = nullptr;

    bool FCFocused() override { return Focus; }
    bool FCMouseAbove() override { return Hot; }
    bool FCTransparent() override { return Transparent; }
    bool FCCtlXP() override { return true; }
    bool FCCtl3D() override { return true; }
    bool FCEnabled() override { return On; }
    TColor FCColor() override { return Color(); }
    void SetFaceController(TStyFaceController* Value) override
    {
        if (Controller) Controller->UnregisterControl(this);
        Controller = Value;
        if (Controller) {
            Controller->RegisterControl(this);
            Controller->FreeNotification(this);
        }
    }
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TCustomControl::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == Controller) Controller = nullptr;
    }
    bool GetModifiedState() override { return Modified; }
    bool GetReadOnlyState() override { return ReadOnly; }
    bool GetErrorIndication() override { return Error; }
    bool GetInterface(const TGUID& iid, void** obj) override
    {
        if (iid == IStyFaceController::IID) return ProvideInterface<IStyFaceController>(this, obj);
        if (iid == IStyFaceControllerEditable::IID) return ProvideInterface<IStyFaceControllerEditable>(this, obj);
        return TCustomControl::GetInterface(iid, obj);
    }
};
IMPLEMENT_CLASS(TFaceProbe, TCustomControl, nullptr)

const TStyStateList& Pattern(const char* name)
{
    for (Integer i = 0; i < StateRegistryCount(); ++i)
        if (StateRegistryEntry(i).name == String(name)) return StateRegistryEntry(i).sl;
    return NormalStateList();
}

}  // namespace

TEST(StyFaceController, TheMatchingStateSuppliesTheAppearance)
{
    TStyFaceController fc(nullptr);
    const Integer bevelAt = fc.AddSettingObject(cfcBevel);
    const Integer colourAt = fc.AddSettingObject(cfcColor);
    static_cast<TStyColorObject*>(fc.Settings()->GetItem(colourAt))->SetColor(clYellow);
    TStyCFCStateObject* error = fc.States()->Add();
    error->setKind(Pattern("Error"));
    error->Add(fc.Settings()->GetItem(bevelAt), false);
    error->Add(fc.Settings()->GetItem(colourAt), false);

    TFaceProbe probe(nullptr);
    probe.SetColor(clRed);
    probe.Focus = true;
    probe.Error = true;   // focused with an error: the Error state
    EXPECT_EQ(fc.findState(&probe), error);
    EXPECT_EQ(fc.GetBevel(&probe), fc.Settings()->GetItem(bevelAt));
    EXPECT_EQ(fc.GetBackColor(&probe), clYellow);
    EXPECT_EQ(fc.GetFont(&probe), nullptr);

    probe.Error = false;   // Focused: no such state, everything falls back to the control
    EXPECT_EQ(fc.findState(&probe), nullptr);
    EXPECT_EQ(fc.GetBevel(&probe), nullptr);
    EXPECT_EQ(fc.GetBackColor(&probe), clRed);
    EXPECT_FALSE(fc.GetTransparent(&probe));
    EXPECT_TRUE(fc.GetBorderCtlXP(&probe));
    EXPECT_FALSE(fc.Paint(&probe));

    TCustomControl plain(nullptr);   // no interface at all
    EXPECT_EQ(fc.GetBackColor(&plain), clBackground);
    EXPECT_FALSE(fc.GetBorderCtl3D(&plain));
}

TEST(StyFaceController, RemovingASettingObjectDropsItFromEveryState)
{
    TStyFaceController fc(nullptr);
    const Integer at = fc.AddSettingObject(cfcFillObject);
    TPersistent* fill = fc.Settings()->GetItem(at);
    for (const char* name : {"Hot", "Disabled"}) {
        TStyCFCStateObject* state = fc.States()->Add();
        state->setKind(Pattern(name));
        state->Add(fill, false);
    }
    fc.RemoveSettingObject(fill);
    for (Integer i = 0; i < fc.States()->Count(); ++i) EXPECT_EQ(fc.States()->GetItem(i)->Settings()->Count(), 0);
}

TEST(StyFaceController, StateChangesApplyTheStateStyleOnlyWhereAStateNamesOne)
{
    TStyStyleManager manager(nullptr);
    manager.WritePropValue("Calm", "Color", "TColor", Integer(clWhite));
    manager.WritePropValue("Calm|Alarm", "Color", "TColor", Integer(clRed));
    TStyFaceController fc(nullptr);
    fc.SetStyleManager(&manager);
    fc.SetStyleName("Calm");
    const Integer styleAt = fc.AddSettingObject(cfcStyle);
    static_cast<TStyStyleObject*>(fc.Settings()->GetItem(styleAt))->SetStyleName("Alarm");
    TStyCFCStateObject* error = fc.States()->Add();
    error->setKind(Pattern("Error"));
    error->Add(fc.Settings()->GetItem(styleAt), false);
    fc.States()->Add()->setKind(Pattern("Hot"));   // a state without a style object

    TFaceProbe probe(nullptr);
    probe.SetFaceController(&fc);
    fc.StateChanged(&probe);   // normal
    EXPECT_EQ(probe.Color(), clWhite);
    probe.Error = true;
    fc.StateChanged(&probe);
    EXPECT_EQ(probe.Color(), clRed);
    probe.Error = false;
    probe.SetColor(clGreen);
    probe.Hot = true;
    fc.StateChanged(&probe);   // Hot names no style: the look stays
    EXPECT_EQ(probe.Color(), clGreen);
    probe.Hot = false;
    fc.StateChanged(&probe);
    EXPECT_EQ(probe.Color(), clWhite);

    // a change of the styles re-styles the registered controls
    manager.WritePropValue("Calm", "Color", "TColor", Integer(clAqua));
    EXPECT_EQ(probe.Color(), clAqua);
    probe.SetFaceController(nullptr);
}

TEST(StyFaceController, FillControlListHonoursTheVetoAndAFreedManagerIsForgotten)
{
    struct TVeto : TObject {
        TControl* Refused = nullptr;
        void Decide(TObject*, TControl* c, bool& can) { can = c != Refused; }
    } veto;
    TComponent form(nullptr);
    auto* fc = new TStyFaceController(&form);
    auto* a = new TFaceProbe(&form);
    auto* b = new TFaceProbe(&form);
    veto.Refused = b;
    fc->OnSetFaceController = TStySetFaceControllerEvent(&veto, &TVeto::Decide);
    fc->FillControlList();
    EXPECT_EQ(a->Controller, fc);
    EXPECT_EQ(b->Controller, nullptr);
    EXPECT_EQ(fc->ControlCount(), 1);

    auto* manager = new TStyStyleManager(&form);
    fc->SetStyleManager(manager);
    delete manager;
    EXPECT_EQ(fc->StyleManager(), nullptr);
}

TEST(StyFaceController, AFileKeepsThePoolAndTheStates)
{
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "dorvane-face-controller.txt";
    {
        TStyFaceController fc(nullptr);
        const Integer bevelAt = fc.AddSettingObject(cfcBevel);
        static_cast<TStyBevel*>(fc.Settings()->GetItem(bevelAt))->SetMode(bmEdge);
        const Integer ctlAt = fc.AddSettingObject(cfcCtlSettings);
        static_cast<TStyCtlSettings*>(fc.Settings()->GetItem(ctlAt))->SetTransparent(true);
        TStyCFCStateObject* hot = fc.States()->Add();
        hot->setKind(Pattern("Hot"));
        hot->Add(fc.Settings()->GetItem(bevelAt), false);
        TStyCFCStateObject* readOnly = fc.States()->Add();
        readOnly->setKind(Pattern("ReadOnly"));
        readOnly->Add(fc.Settings()->GetItem(ctlAt), false);
        fc.SaveToFile(String(file.string()));
    }
    TStyFaceController back(nullptr);
    back.LoadFromFile(String(file.string()));
    std::filesystem::remove(file);
    ASSERT_EQ(back.Settings()->Count(), 2);
    ASSERT_EQ(back.States()->Count(), 2);
    EXPECT_EQ(back.States()->GetItem(0)->getKind(), Pattern("Hot"));
    EXPECT_EQ(back.States()->GetItem(1)->getKind(), Pattern("ReadOnly"));
    TFaceProbe probe(nullptr);
    probe.Hot = true;
    ASSERT_NE(back.GetBevel(&probe), nullptr);
    EXPECT_EQ(back.GetBevel(&probe)->Mode(), bmEdge);
    probe.Hot = false;
    probe.ReadOnly = true;
    EXPECT_TRUE(back.GetTransparent(&probe));
}
