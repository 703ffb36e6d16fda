#pragma once
// The face controller: controls registered with it take their font, 3D font, fill, bitmap
// effect, bevel, colour and flags from the state that matches their conditions (normal,
// focused, hot, pressed, modified, read-only, error, disabled); with a style manager it applies
// a style, and a state's style, whenever a control's state changes.
#include "foundation/StyBaseController.h"
#include "foundation/StyGraphUtils.h"
#include "platform/controls/Controls.h"
#include "styledcontrols/StyBevel.h"
#include "styledcontrols/StyBitmapEffectObject.h"
#include "styledcontrols/StyCFCStateObject.h"
#include "styledcontrols/StyStyleMan.h"

class TStyFaceController;

// What a face controller asks of a control.
struct IStyFaceController : public virtual IInterface {
    static constexpr TGUID IID = TGUID::Parse("{6A3C2E51-9D4B-4C1F-8E27-51B0C3D9A711}");
    virtual bool FCFocused() = 0;
    virtual bool FCMouseAbove() = 0;
    virtual bool FCTransparent() = 0;
    virtual bool FCCtlXP() = 0;
    virtual bool FCCtl3D() = 0;
    virtual bool FCEnabled() = 0;
    virtual TColor FCColor() = 0;
    virtual void SetFaceController(TStyFaceController* Value) = 0;
};

// What it asks of an editor.
struct IStyFaceControllerEditable : public virtual IInterface {
    static constexpr TGUID IID = TGUID::Parse("{4CF92C4B-8694-477D-8E1E-2F6A2EAAE960}");
    virtual bool GetModifiedState() = 0;
    virtual bool GetReadOnlyState() = 0;
    virtual bool GetErrorIndication() = 0;
};

// Asked for "pressed"; no control here answers it.
struct IStyFaceControllerPressed : public virtual IInterface {
    static constexpr TGUID IID = TGUID::Parse("{6A3C2E53-9D4B-4C1F-8E27-51B0C3D9A711}");
    virtual bool FCPressed() = 0;
};

using TStySetFaceControllerEvent = TEvent<TObject*, TControl*, bool&>;   // Sender, AControl, ACanSetController

class TStyFaceController : public TStyCustomComponent {
    DECLARE_CLASS(TStyFaceController, TStyCustomComponent)
public:
    explicit TStyFaceController(TComponent* aComponent);
    ~TStyFaceController() override;
    void Assign(TPersistent* Source) override;

    Integer AddSettingObject(TPersistent* aSettingObject);
    Integer AddSettingObject(TStyCFCSettingObjectKind aKind);
    // Frees it and drops it from every state.
    void RemoveSettingObject(TPersistent* aSettingObject);
    void RegisterControl(TControl* aControl);
    void UnregisterControl(TControl* aControl);
    Integer ControlCount() const { return FControls.Count(); }
    // Links every control of the owner that takes a face controller, unless the event vetoes.
    void FillControlList();

    // The state matching the control's conditions; nil when States has none of that kind.
    TStyCFCStateObject* findState(TControl* aControl);
    TFont* GetFont(TControl* aControl);
    TSty3DCaption* GetFont3D(TControl* aControl);
    TStyFillObject* GetFillObject(TControl* aControl);
    TStyBitmapEffectObject* GetBackFX(TControl* aControl);
    TStyBevel* GetBevel(TControl* aControl);
    bool GetTransparent(TControl* aControl);
    bool GetBorderCtlXP(TControl* aControl);
    bool GetBackCtlXP(TControl* aControl);
    bool GetBorderCtl3D(TControl* aControl);
    TColor GetBackColor(TControl* aControl);
    // The state's Paint; false for a control without a state.
    bool Paint(TControl* aControl);

    // A control's condition changed: with a style manager, it is styled for its new state.
    void StateChanged(TControl* aControl);
    void UpdateStyle();
    void UpdateControls();

    // The pool, then the states, as a component description.
    void SaveToFile(const String& aFilename);
    void LoadFromFile(const String& aFilename);

    TStyCFCStateObjects* States() { return &FDefinedStates; }
    void SetStates(TStyCFCStateObjects* Value) { FDefinedStates.Assign(Value); }
    TStyCFCSettingObjects* Settings() { return FSettingObjects; }
    void SetSettings(TStyCFCSettingObjects* Value) { FSettingObjects->Assign(Value); }
    TStyStyleManager* StyleManager() const { return FStyleManager; }
    void SetStyleManager(TStyStyleManager* Value);
    const String& StyleName() const { return FStyleName; }
    void SetStyleName(const String& Value);
    TStySetFaceControllerEvent OnSetFaceController;

    void DefineProperties(TFiler* Filer) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

private:
    // The registry entry matching the control's conditions.
    const TStyStateEntry& StateEntry(TControl* aControl);
    TPersistent* FindSetting(TControl* aControl, TClass Class);
    void StyleManagerChanged(TObject* Sender);
    bool CanStyle(TControl* aControl) const;

    TStyChangeLink FStyleMgrLink;
    TStyStyleManager* FStyleManager = nullptr;
    String FStyleName;
    bool FUpdatingStyle = false;
    TStyCFCSettingObjects* FSettingObjects;   // owned through the component tree
    TList FControls;
    TStyCFCStateObjects FDefinedStates;
};
