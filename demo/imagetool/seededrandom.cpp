#include "seededrandom.h"

SeededRandom::SeededRandom(const QString &name) : m_state(2166136261u)
{
    // FNV-1a over the UTF-16 units: stable across Qt versions, unlike qHash.
    for (const QChar c : name) {
        m_state ^= c.unicode();
        m_state *= 16777619u;
    }
    if (m_state == 0)
        m_state = 1;
}

std::uint32_t SeededRandom::next()
{
    // xorshift32
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

int SeededRandom::below(int bound)
{
    return bound > 0 ? int(next() % std::uint32_t(bound)) : 0;
}

qreal SeededRandom::between(qreal low, qreal high)
{
    return low + (high - low) * (next() % 10001u) / 10000.0;
}

QColor SeededRandom::hue(int saturation, int value)
{
    return QColor::fromHsv(below(360), saturation, value);
}
