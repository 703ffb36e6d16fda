#pragma once
// TStyButton: the library's push button with its properties published for form descriptions.
#include "foundation/StyCustomButton.h"

class TStyButton : public TStyCustomButton {
    DECLARE_CLASS(TStyButton, TStyCustomButton)
public:
    explicit TStyButton(TComponent* AOwner) : TStyCustomButton(AOwner) {}
};
