// The registered wheel input.
#include "platform/controls/WheelInput.h"

namespace {
TWheelInput* gWheelInput = nullptr;
}

void RegisterWheelInput(TWheelInput* input) { gWheelInput = input; }
TWheelInput* WheelInput() { return gWheelInput; }
