#include "cards/RandomSource.h"

#include <QDateTime>

RandomSource& programRandom()
{
    static SeededRandom source{quint32(QDateTime::currentMSecsSinceEpoch())};
    return source;
}
