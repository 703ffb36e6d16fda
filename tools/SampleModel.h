#pragma once
// The sample model the program ships: a 60 m concrete gravity dam in metric units with every
// kind of input filled in, as an engineer would have entered it through the dialogs.
#include "engine/Unites.h"

// Section (x from the upstream heel, elevations in m):
//   heel (0, 100), toe (47, 100), toe block top (47, 102), downstream slope 0.75 H : 1 V up to
//   (11, 150), vertical downstream crest face to (11, 160), crest 8 m wide from x = 3 to 11,
//   vertical upstream face from (3, 160) down to (3, 130), upstream batter 0.1 H : 1 V down to
//   the heel. Lift joints every 10 m, joint 1 at 150 down to joint 5 at 110.
TParametres SampleModel();
