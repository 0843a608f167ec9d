#ifndef SEEDEDRANDOM_H
#define SEEDEDRANDOM_H

#include <QColor>
#include <QString>

#include <cstdint>

// A small deterministic number source, seeded from a name, so that every
// build draws the same pictures on every machine.
class SeededRandom
{
public:
    explicit SeededRandom(const QString &name);

    // A whole number from 0 to bound - 1.
    int below(int bound);
    // A number from low to high.
    qreal between(qreal low, qreal high);
    QColor hue(int saturation, int value);

private:
    std::uint32_t next();

    std::uint32_t m_state;
};

#endif // SEEDEDRANDOM_H
