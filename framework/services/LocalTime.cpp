#include "framework/services/LocalTime.h"

#include <platform/kernel.h>

void GetLocalTimeOfDay(int& hour, int& minute, int& second)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    hour = now.wHour;
    minute = now.wMinute;
    second = now.wSecond;
}
