#include "app/startup.h"

#include "app/settings.h"

bool Main()
{
    LoadSettings();
    return true;
}
