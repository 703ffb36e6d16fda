#pragma once
// The label an edit or combo box owns as its "SubLabel" and places beside itself.
#include <functional>

#include "styledcontrols/StyCustomSimpleLabel.h"

// Sent to the owner's window: place the bound label by your LabelPosition.
constexpr Cardinal UM_PLACEBOUNDLABEL = 1516;

// Where a bound label stands beside its editor or combo box.
enum TLabelPosition : Byte { lpAbove, lpBelow, lpLeft, lpRight };
const TEnumTypeInfo& TypeInfoOf(TLabelPosition);

class TStyBoundLabel : public TStyCustomSimpleLabel {
    DECLARE_CLASS(TStyBoundLabel, TStyCustomSimpleLabel)
public:
    // Named "SubLabel", centred left, captioned with the owner's name.
    explicit TStyBoundLabel(TComponent* AOwner);
    void CorrectBounds() override;
    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

private:
    void AskOwnerToPlace();
    bool FSizing = false;
};

// Defines the owner's value "SubLabel": the description of its bound label,
// written when the owner has one.  Reading it gives the owner its label through
// Setup first and then reads the label's properties into that label.
void DefineBoundLabel(TFiler* Filer, TStyBoundLabel* Label, const std::function<TStyBoundLabel*()>& Setup);
