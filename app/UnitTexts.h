#pragma once
// The unit texts of the input dialogs' labels: one table, metric and imperial, by quantity.
#include "engine/Unites.h"
#include "platform/rtl/UString.h"

enum TUnitQuantity {
    uqLength,          // lengths and elevations
    uqForce,
    uqCableForce,      // the post-tensioning cables' force, written "kips" in feet
    uqForcePerLength,
    uqUnitWeight,
    uqStress,          // stresses, strengths, cohesions
    uqMass,
    uqVolumetricMass,
    uqGravity,         // the acceleration of gravity
    uqModulus,         // Young's moduli of the pseudo-dynamic method
    uqVelocity         // the pressure wave's velocity
};

// The text of a quantity's unit in the model's unit system ("m" or "ft", "kPa" or "ksf" ...).
String UnitText(TUnites u, TUnitQuantity q);
