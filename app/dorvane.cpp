// The program: the toolkit started, then the main window until it closes.
#include "app/Main.h"
#include "platform/backend/qt/QtServices.h"
#include "platform/backend/qt/QtWindows.h"

#include <cstdio>

int main()
{
    try {
        InitQtWindows();
        InitQtServices();
        return ProgramMain();
    } catch (const Exception& e) {
        std::fprintf(stderr, "dorvane: %s\n", e.Message().ToUtf8().c_str());
        return 1;
    }
}
