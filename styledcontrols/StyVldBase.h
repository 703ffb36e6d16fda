#pragma once
// The validator a program may add to its editors: it checks a validated control's value and
// tells the message of a failure.  No validator exists in this program.
#include "foundation/StyCustomComponent.h"
#include "platform/classes/Interfaces.h"

class TBrush;
class TControl;
class TFont;
class TStyValidationEntity;

// What a validated control offers its validator.
struct IStyValidatedControl : public virtual IInterface {
    static constexpr TGUID IID = TGUID::Parse("{ED0CAB4C-DBF2-4078-8C06-000841566690}");
    virtual void SetValidationMsgString(const String& Value) = 0;
    virtual const String& ValidationMsgString() const = 0;
    virtual TControl* GetControl() = 0;
    // The control's background brush and font, for a validator that marks the control itself.
    virtual TBrush* ControlBackBrush() = 0;
    virtual TFont* ControlFont() = 0;
    virtual String GetValidationText() = 0;
    virtual bool SupportsDefaultIndication() = 0;
    // The validator's verdict: 0 for a valid value, above 0 for the level of the failure.
    virtual void RespondToError(Integer ErrorLevel) = 0;
    virtual TStyValidationEntity* GetValidator() = 0;
    virtual void SetValidator(TStyValidationEntity* Value) = 0;
};

class TStyValidationEntity : public TStyCustomComponent {
    DECLARE_CLASS(TStyValidationEntity, TStyCustomComponent)
public:
    explicit TStyValidationEntity(TComponent* AOwner) : TStyCustomComponent(AOwner) {}
    // The error level of the value, 0 when valid; with doIndication the control shows it.
    virtual Integer Validate(IStyValidatedControl* Sender, bool doIndication) = 0;
    virtual String GetMessage(IStyValidatedControl* Sender, Integer errorLevel) = 0;
    Integer Validate(IStyValidatedControl* Sender) { return Validate(Sender, true); }
    Integer ErrorLevel() const { return FErrorLevel; }
    void SetErrorLevel(Integer Value) { FErrorLevel = Value; }
    bool Active() const { return FActive; }
    void SetActive(bool Value) { FActive = Value; }

private:
    Integer FErrorLevel = 1;
    bool FActive = true;
};
