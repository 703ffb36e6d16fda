#include "platform/services/DocumentViewer.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileSys.h"

namespace {
TDocumentViewer* Registered = nullptr;
}

TDocumentViewer& DocumentViewer()
{
    if (!Registered) throw EInvalidOperation("No document viewer");
    return *Registered;
}

void RegisterDocumentViewer(TDocumentViewer* viewer) { Registered = viewer; }

bool ShowDocumentPage(const String& file, Integer page)
{
    const String name = NativePath(file);
    return FileExists(name) && DocumentViewer().ShowDocument(ExpandFileName(name), page);
}
