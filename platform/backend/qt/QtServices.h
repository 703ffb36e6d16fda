#pragma once
// Start-up of the Qt back end of the services (this header is Qt-free): makes sure the toolkit
// runs (InitQtGraphics) and registers the help window, the screen facts and the document window.  Calling it again
// does nothing.
void InitQtServices();
