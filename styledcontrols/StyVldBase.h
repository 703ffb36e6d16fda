#pragma once
// The validator a program may add to its editors: it checks a validated control's value and
// tells the message of a failure.  No validator exists in this program.
#include "foundation/StyCustomComponent.h"
#include "platform/classes/Interfaces.h"

// What a validated control offers its validator.
struct IStyValidatedControl : public virtual IInterface {
    static constexpr TGUID IID = TGUID::Parse("{6A3C2E55-9D4B-4C1F-8E27-51B0C3D9A711}");
    virtual String GetValidatedText() = 0;
    // The validator's verdict: 0 for a valid value, above 0 for the level of the failure.
    virtual void RespondToError(Integer ErrorLevel) = 0;
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
