#include "platform/services/HtmlHelp.h"

#include "platform/rtl/FileSys.h"
#include "platform/services/ServicesBackend.h"

namespace {

String HelpPage(const String& helpFile, const String& name)
{
    String folder = IncludeTrailingPathDelimiter(ChangeFileExt(NativePath(helpFile), ""));
    String page = NativePath(folder + name);
    return FileExists(page) ? page : String();
}

}  // namespace

String HelpContextPage(const String& helpFile, Cardinal context)
{
    String page = HelpPage(helpFile, IntToStr(Int64(context)) + ".html");
    return page.IsEmpty() ? HelpPage(helpFile, "index.html") : page;
}

bool HtmlHelp(TWindowHandle*, const String& helpFile, Cardinal command, UInt64 data)
{
    String page;
    switch (command) {
    case HH_CLOSE_ALL:
        ServicesBackend().CloseHelp();
        return true;
    case HH_DISPLAY_TOPIC:
        page = HelpPage(helpFile, "index.html");
        break;
    case HH_HELP_CONTEXT:
        page = HelpContextPage(helpFile, Cardinal(data));
        break;
    default:
        return false;
    }
    if (page.IsEmpty()) return false;
    ServicesBackend().ShowHelpPage(page);
    return true;
}
