// Interface queries on the library's components.
#include "foundation/intfStyBase.h"

bool StySupports(TComponent* Component, const TGUID& IID, void** Obj)
{
    *Obj = nullptr;
    if (!Component) return false;
    void* unknown = nullptr;
    if (Component->GetInterface(IInterface::IID, &unknown) && unknown) {
        void* found = nullptr;
        if (Supports(static_cast<IInterface*>(unknown), IID, &found)) {
            *Obj = found;   // components are not reference-counted
            return true;
        }
    }
    return Component->GetInterface(IID, Obj);
}
