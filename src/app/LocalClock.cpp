#include "app/LocalClock.h"

#include <wx/datetime.h>

SkyDate LocalClockSkyDate() {
    const wxDateTime now = wxDateTime::Now();
    SkyDate date;
    date.year = now.GetYear();
    date.month = static_cast<int>(now.GetMonth()) + 1; // wxDateTime counts months from 0
    date.day = now.GetDay();
    date.hour = now.GetHour();
    date.minute = now.GetMinute();
    date.second = now.GetSecond();
    return date;
}
