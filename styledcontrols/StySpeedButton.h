#pragma once
// The styled speed button as forms use it: the custom speed button with its properties published.
#include "styledcontrols/StyCustomSpeedButton.h"

class TStySpeedButton : public TStyCustomSpeedButton {
    DECLARE_CLASS(TStySpeedButton, TStyCustomSpeedButton)
public:
    explicit TStySpeedButton(TComponent* AOwner) : TStyCustomSpeedButton(AOwner) {}
};
