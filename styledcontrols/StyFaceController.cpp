// The face controller: state matching, appearance queries, styling on state changes and its
// file.
#include "styledcontrols/StyFaceController.h"

#include "foundation/intfStyBase.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"

namespace {

template <class I>
I* Query(TControl* control)
{
    void* obj = nullptr;
    return StySupports(control, I::IID, &obj) ? static_cast<I*>(obj) : nullptr;
}

// The pool and the states of a controller written as one component description: the file of
// SaveToFile and LoadFromFile.
class TStyFaceControllerFile : public TComponent {
    DECLARE_CLASS(TStyFaceControllerFile, TComponent)
public:
    explicit TStyFaceControllerFile(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
    TStyFaceController* Controller = nullptr;
    TStyCFCStateObjects* States() { return Controller->States(); }
    void SetStates(TStyCFCStateObjects* Value) { Controller->SetStates(Value); }
    void DefineProperties(TFiler* Filer) override
    {
        Filer->DefineProperty(
            "Settings", [this](TReader* r) { Controller->Settings()->ReadSettings(*r); },
            [this](TWriter* w) { Controller->Settings()->WriteSettings(*w); }, true);
    }
};

TClass TStyFaceControllerFile::StaticClass()
{
    static const TMetaClass meta("TStyFaceControllerFile", TComponent::StaticClass(), nullptr, [](TMetaClass& m) {
        TPublished<TStyFaceControllerFile>(&m).Property("States", &TStyFaceControllerFile::States,
                                                        &TStyFaceControllerFile::SetStates);
    });
    return &meta;
}

}  // namespace

TClass TStyFaceController::StaticClass()
{
    static const TMetaClass meta("TStyFaceController", TStyCustomComponent::StaticClass(),
                                 NewComponent<TStyFaceController>, [](TMetaClass& m) {
        TPublished<TStyFaceController>(&m)
            .Property("About", &TStyFaceController::About, &TStyFaceController::SetAbout)
            .Stored(false)
            .Property("States", &TStyFaceController::States, &TStyFaceController::SetStates)
            .Property("StyleManager", &TStyFaceController::StyleManager, &TStyFaceController::SetStyleManager)
            .Property("StyleName", &TStyFaceController::StyleName, &TStyFaceController::SetStyleName)
            .Property("OnSetFaceController", &TStyFaceController::OnSetFaceController);
    });
    return &meta;
}

TStyFaceController::TStyFaceController(TComponent* aComponent)
    : TStyCustomComponent(aComponent), FSettingObjects(new TStyCFCSettingObjects(this)),
      FDefinedStates(this, FSettingObjects)
{
    FStyleMgrLink.OnChange = TNotifyEvent(this, &TStyFaceController::StyleManagerChanged);
}

TStyFaceController::~TStyFaceController()
{
    Destroying();
    if (FStyleManager) FStyleManager->UnRegisterChanges(&FStyleMgrLink);
    FDefinedStates.Clear();
}

void TStyFaceController::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TStyFaceController*>(Source);
    if (!s) {
        TStyCustomComponent::Assign(Source);
        return;
    }
    if (s == this) return;
    FSettingObjects->Assign(s->FSettingObjects);
    FDefinedStates.SetSettingsObjects(FSettingObjects);
    FDefinedStates.Assign(&s->FDefinedStates);
}

Integer TStyFaceController::AddSettingObject(TPersistent* aSettingObject)
{
    return FSettingObjects->Add(aSettingObject, String());
}

Integer TStyFaceController::AddSettingObject(TStyCFCSettingObjectKind aKind) { return FSettingObjects->Add(aKind); }

void TStyFaceController::RemoveSettingObject(TPersistent* aSettingObject)
{
    FSettingObjects->Remove(aSettingObject);
    FDefinedStates.Synchronize();
}

void TStyFaceController::RegisterControl(TControl* aControl)
{
    if (!aControl || FControls.IndexOf(aControl) >= 0) return;
    FControls.Add(aControl);
    aControl->FreeNotification(this);   // a control freed first leaves the list
}

void TStyFaceController::UnregisterControl(TControl* aControl)
{
    if (ComponentState().Contains(csDestroying)) return;
    FControls.Remove(aControl);
}

void TStyFaceController::FillControlList()
{
    TComponent* owner = Owner();
    if (!owner) return;
    for (Integer i = 0; i < owner->ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(owner->Components(i));
        auto* fc = control ? Query<IStyFaceController>(control) : nullptr;
        if (!fc) continue;
        bool can = true;
        if (OnSetFaceController) OnSetFaceController(this, control, can);
        if (can) fc->SetFaceController(this);
    }
}

const TStyStateEntry& TStyFaceController::StateEntry(TControl* aControl)
{
    auto code = [](bool b) { return static_cast<Byte>(b ? 1 : 2); };
    TStyStateList conditions{2, 2, 2, 2, 2, 2, 2};
    if (auto* fc = Query<IStyFaceController>(aControl)) {
        conditions[0] = code(fc->FCFocused());
        conditions[1] = code(fc->FCMouseAbove());
        conditions[6] = code(!fc->FCEnabled());
    }
    if (auto* pressed = Query<IStyFaceControllerPressed>(aControl)) conditions[2] = code(pressed->FCPressed());
    if (auto* editable = Query<IStyFaceControllerEditable>(aControl)) {
        conditions[3] = code(editable->GetModifiedState());
        conditions[4] = code(editable->GetReadOnlyState());
        conditions[5] = code(editable->GetErrorIndication());
    }
    return MatchStateConditions(conditions);
}

TStyCFCStateObject* TStyFaceController::findState(TControl* aControl)
{
    const Integer index = FDefinedStates.ItemByKind(StateEntry(aControl).sl);
    return index >= 0 ? FDefinedStates.GetItem(index) : nullptr;
}

TPersistent* TStyFaceController::FindSetting(TControl* aControl, TClass Class)
{
    TStyCFCStateObject* state = findState(aControl);
    if (!state) return nullptr;
    TStringList& settings = *state->Settings();
    for (Integer i = 0; i < settings.Count(); ++i)
        if (TObject* o = settings.Objects(i); o && o->ClassType()->InheritsFrom(Class)) return static_cast<TPersistent*>(o);
    return nullptr;
}

TFont* TStyFaceController::GetFont(TControl* aControl)
{
    return static_cast<TFont*>(FindSetting(aControl, TFont::StaticClass()));
}

TSty3DCaption* TStyFaceController::GetFont3D(TControl* aControl)
{
    return static_cast<TSty3DCaption*>(FindSetting(aControl, TSty3DCaption::StaticClass()));
}

TStyFillObject* TStyFaceController::GetFillObject(TControl* aControl)
{
    return static_cast<TStyFillObject*>(FindSetting(aControl, TStyFillObject::StaticClass()));
}

TStyBitmapEffectObject* TStyFaceController::GetBackFX(TControl* aControl)
{
    return static_cast<TStyBitmapEffectObject*>(FindSetting(aControl, TStyBitmapEffectObject::StaticClass()));
}

TStyBevel* TStyFaceController::GetBevel(TControl* aControl)
{
    return static_cast<TStyBevel*>(FindSetting(aControl, TStyBevel::StaticClass()));
}

bool TStyFaceController::GetTransparent(TControl* aControl)
{
    if (auto* s = static_cast<TStyCtlSettings*>(FindSetting(aControl, TStyCtlSettings::StaticClass())))
        return s->Transparent();
    auto* fc = Query<IStyFaceController>(aControl);
    return fc && fc->FCTransparent();
}

bool TStyFaceController::GetBorderCtlXP(TControl* aControl)
{
    if (auto* s = static_cast<TStyCtlSettings*>(FindSetting(aControl, TStyCtlSettings::StaticClass()))) return s->CtlXP();
    return GetBackCtlXP(aControl);
}

bool TStyFaceController::GetBackCtlXP(TControl* aControl)
{
    auto* fc = Query<IStyFaceController>(aControl);
    return fc && fc->FCCtlXP();
}

bool TStyFaceController::GetBorderCtl3D(TControl* aControl)
{
    auto* fc = Query<IStyFaceController>(aControl);
    return fc && fc->FCCtl3D();
}

TColor TStyFaceController::GetBackColor(TControl* aControl)
{
    if (auto* c = static_cast<TStyColorObject*>(FindSetting(aControl, TStyColorObject::StaticClass()))) return c->Color();
    auto* fc = Query<IStyFaceController>(aControl);
    return fc ? fc->FCColor() : clBackground;
}

bool TStyFaceController::Paint(TControl* aControl)
{
    TStyCFCStateObject* state = findState(aControl);
    return state && state->Paint(aControl);
}

bool TStyFaceController::CanStyle(TControl* aControl) const
{
    return aControl && !aControl->ComponentState().Contains(csLoading) &&
           !aControl->ComponentState().Contains(csReading);
}

void TStyFaceController::StateChanged(TControl* aControl)
{
    if (!FStyleManager || FUpdatingStyle || !aControl) return;
    const TStyStateEntry& entry = StateEntry(aControl);
    const Integer index = FDefinedStates.ItemByKind(entry.sl);
    if (entry.name == String("Normal") || index < 0) {
        FStyleManager->ApplyStyle(aControl, FStyleName, true, String());
        return;
    }
    TStyCFCStateObject* state = FDefinedStates.GetItem(index);
    TStringList& settings = *state->Settings();
    for (Integer i = 0; i < settings.Count(); ++i)
        if (auto* style = dynamic_cast<TStyStyleObject*>(settings.Objects(i))) {
            FStyleManager->ApplyStyle(aControl, FStyleName, true, style->StyleName());
            return;
        }
}

void TStyFaceController::UpdateStyle()
{
    if (FControls.Count() == 0) return;
    FUpdatingStyle = true;
    try {
        if (FStyleManager)
            for (Integer i = 0; i < FControls.Count(); ++i) {
                auto* control = static_cast<TControl*>(FControls.Items(i));
                if (CanStyle(control)) FStyleManager->ApplyStyle(control, FStyleName, true, String());
            }
    } catch (...) {
        FUpdatingStyle = false;
        throw;
    }
    FUpdatingStyle = false;
}

void TStyFaceController::UpdateControls()
{
    for (Integer i = 0; i < FControls.Count(); ++i) static_cast<TControl*>(FControls.Items(i))->Invalidate();
}

void TStyFaceController::StyleManagerChanged(TObject*)
{
    if (!FStyleManager) return;
    for (Integer i = 0; i < FControls.Count(); ++i) {
        auto* control = static_cast<TControl*>(FControls.Items(i));
        if (!CanStyle(control)) continue;
        FStyleManager->ApplyStyle(control, FStyleName, true, String());
        control->Invalidate();
    }
}

void TStyFaceController::SetStyleName(const String& Value)
{
    if (FStyleName == Value) return;
    FStyleName = Value;
    UpdateStyle();
}

void TStyFaceController::SetStyleManager(TStyStyleManager* Value)
{
    if (FStyleManager == Value) return;
    if (FStyleManager) {
        FStyleManager->RemoveFreeNotification(this);
        FStyleManager->UnRegisterChanges(&FStyleMgrLink);
    }
    FStyleManager = Value;
    if (FStyleManager) {
        FStyleManager->FreeNotification(this);
        FStyleManager->RegisterChanges(&FStyleMgrLink);
    }
    UpdateStyle();
}

void TStyFaceController::Notification(TComponent* AComponent, TOperation Operation)
{
    TStyCustomComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FStyleManager) FStyleManager = nullptr;   // going: nothing to unregister from
    FControls.Remove(AComponent);
}

void TStyFaceController::Loaded()
{
    TStyCustomComponent::Loaded();
    FDefinedStates.Synchronize();
}

void TStyFaceController::DefineProperties(TFiler* Filer)
{
    TStyCustomComponent::DefineProperties(Filer);
    Filer->DefineProperty(
        "Settings", [this](TReader* r) { FSettingObjects->ReadSettings(*r); },
        [this](TWriter* w) { FSettingObjects->WriteSettings(*w); }, FSettingObjects->Count() > 0);
}

void TStyFaceController::SaveToFile(const String& aFilename)
{
    TStyFaceControllerFile file;
    file.Controller = this;
    file.SetName("FaceController");
    TFileStream stream(aFilename, fmCreate);
    WriteComponent(stream, &file);
}

void TStyFaceController::LoadFromFile(const String& aFilename)
{
    TStyFaceControllerFile file;
    file.Controller = this;
    TFileStream stream(aFilename, fmOpenRead);
    FDefinedStates.Clear();
    ReadComponent(stream, &file);
    FDefinedStates.Synchronize();
}
