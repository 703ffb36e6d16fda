#include "platform/services/Sound.h"

#include "platform/services/ServicesBackend.h"

Cardinal waveOutGetNumDevs() { return 0; }

bool sndPlaySound(const void* sound, Cardinal) { return sound == nullptr; }

bool MessageBeep(Cardinal)
{
    if (ServicesBackendRegistered()) ServicesBackend().Beep();
    return true;
}
