#include "chart/VEZ_vezbase.h"

String ComponentMessage(const String& componentName, const String& tail)
{
    return String("Component \"") + componentName + "\"" + tail;
}

double ProgressCounter = 0;
TProgressHook ProgressHook = nullptr;
bool ProgressAbort = false;

void CountProgressStep()
{
    ProgressCounter += 1;
    if (ProgressHook) ProgressHook(ProgressCounter);
}
