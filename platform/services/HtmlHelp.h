#pragma once
// Context help.  The program names its compiled help file ("help\dorvane.chm"); here its topics
// are plain HTML pages in the folder of the same name beside it ("help/dorvane/"), one page per
// help context ("10.html"), and "index.html" as the contents page and the page of any context
// that has none of its own.  The pages show in the help window of the toolkit back end.
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

struct TWindowHandle;

enum : Cardinal { HH_DISPLAY_TOPIC = 0x0000, HH_HELP_CONTEXT = 0x000F, HH_CLOSE_ALL = 0x0012 };

// The page file of a help context; empty when the help file has neither that page nor an index.
String HelpContextPage(const String& helpFile, Cardinal context);

// HH_DISPLAY_TOPIC shows the contents page, HH_HELP_CONTEXT the page of the context `data`,
// HH_CLOSE_ALL closes the help window.  True when a page is shown (or the window was closed);
// false for a missing page or another command.  The caller's window is not used.
bool HtmlHelp(TWindowHandle* caller, const String& helpFile, Cardinal command, UInt64 data);
