#pragma once

// When the weather is fetched and a mail round starts, counted in the one-second ticks of
// timer_meteo and timer_emails. Plain arithmetic: the bar feeds it each tick.
class BarCountdowns {
public:
    // The first fetch comes on the third tick after the settings are applied.
    void startMeteo() { m_meteo = 3; }
    // True when the weather is to be fetched now; the next one is a period later.
    bool meteoTick(bool online, int periodSeconds);

    // The first round comes on the second tick after the settings are applied.
    void startMail() { m_mail = 2; }
    // A click on the mail title: the next tick starts a round.
    void mailNow() { m_mail = 0; }
    // True when the mail module is to check its next account now. Once a round is under way
    // (an account after the first is due) every tick checks the next one; a due tick while
    // offline keeps counting so the next tick tests again.
    bool mailTick(bool online, bool roundUnderWay, int periodSeconds);

    int meteo() const { return m_meteo; }
    int mail() const { return m_mail; }

private:
    int m_meteo = 0;
    int m_mail = 0;
};
