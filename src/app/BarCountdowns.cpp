#include "BarCountdowns.h"

bool BarCountdowns::meteoTick(bool online, int periodSeconds)
{
    --m_meteo;
    if (m_meteo >= 1 || !online)
        return false;
    m_meteo = periodSeconds;
    return true;
}

bool BarCountdowns::mailTick(bool online, bool roundUnderWay, int periodSeconds)
{
    --m_mail;
    if ((m_mail >= 1 && !roundUnderWay) || !online)
        return false;
    m_mail = periodSeconds;
    return true;
}
