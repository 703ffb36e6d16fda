#include "platform/forms/MonitorsBackend.h"

#include "platform/rtl/Exceptions.h"

namespace {
TMonitorsBackend* Registered = nullptr;
}

TMonitorsBackend& MonitorsBackend()
{
    if (!Registered) throw EInvalidOperation("No monitors back end");
    return *Registered;
}

void RegisterMonitorsBackend(TMonitorsBackend* backend) { Registered = backend; }
