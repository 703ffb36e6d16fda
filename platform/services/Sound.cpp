#include "platform/services/Sound.h"

Cardinal waveOutGetNumDevs() { return 0; }

bool sndPlaySound(const void* sound, Cardinal) { return sound == nullptr; }
