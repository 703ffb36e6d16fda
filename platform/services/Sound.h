#pragma once
// Sound output.  There is no wave-output device: the count of devices is 0, so the callers take
// their "no device" path, and playing a sound does nothing and reports failure.
#include "platform/rtl/Types.h"

enum : Cardinal {
    SND_SYNC = 0x0000, SND_ASYNC = 0x0001, SND_NODEFAULT = 0x0002, SND_MEMORY = 0x0004,
    SND_LOOP = 0x0008, SND_NOSTOP = 0x0010
};

Cardinal waveOutGetNumDevs();
// False: nothing is played.  Stopping (no sound) succeeds, as there is nothing to stop.
bool sndPlaySound(const void* sound, Cardinal flags);

// The short warning sound of rejected input or a message: the desktop's bell, whatever the kind
// asked for (a message box icon value, or 0xFFFFFFFF for the simple beep).  Silent without a back
// end; always true.
bool MessageBeep(Cardinal type);
