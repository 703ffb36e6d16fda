#pragma once
// The program's own window for its PDF documents (the user manual), which opens a document at
// the page the program names: the desktop's viewers cannot be told a page.  The Qt back end
// registers the window at start-up (platform/backend/qt/QtServices.h); this header is
// toolkit-free.
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

class TDocumentViewer {
public:
    virtual ~TDocumentViewer() = default;
    // Shows the document (an absolute file name) at `page`, counted from 1 and kept within the
    // document, opening the window when it is closed and raising it otherwise; false, with the
    // window left as it was, for a file that is no document the window can read.
    virtual bool ShowDocument(const String& file, Integer page) = 0;
    virtual void CloseDocument() = 0;
    // The document on view and its page (from 1); empty and 0 when the window is closed.
    virtual String Document() = 0;
    virtual Integer DocumentPage() = 0;
};

// The registered window; EInvalidOperation "No document viewer" when none is.
TDocumentViewer& DocumentViewer();
void RegisterDocumentViewer(TDocumentViewer* viewer);

// Opens a document of the program's data (a stored name with "\" is converted and looked up
// without regard to letter case) in the document window at `page`; false when there is no such
// file or the window cannot read it.
bool ShowDocumentPage(const String& file, Integer page);
