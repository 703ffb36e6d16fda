#include "platform/services/ServicesBackend.h"

#include "platform/rtl/Exceptions.h"

namespace {
TServicesBackend* Registered = nullptr;
}

TServicesBackend& ServicesBackend()
{
    if (!Registered) throw EInvalidOperation("No services back end");
    return *Registered;
}

void RegisterServicesBackend(TServicesBackend* backend) { Registered = backend; }

bool ServicesBackendRegistered() { return Registered != nullptr; }
