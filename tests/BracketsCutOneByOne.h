#pragma once

#include "cards/CardLine.h"

// Cuts the first bracket group again and again until one comes back empty: the plain reading
// of cutting every group, slow on long lines, that CutAllBrackets must agree with.
inline void cutBracketsOneByOne(QString& S, QString& Joined)
{
    Joined.clear();
    for (QString inside;;) {
        CutFirstBrackets(S, inside);
        if (inside.isEmpty())
            return;
        if (!Joined.isEmpty())
            Joined += QLatin1String(", ");
        Joined += u'[' + inside + u']';
    }
}

// Whether CutAllBrackets leaves the same text and joins the same groups as the plain reading.
inline bool cutsAgree(const QString& line)
{
    QString rest = line;
    QString joined;
    CutAllBrackets(rest, joined);
    QString expectedRest = line;
    QString expectedJoined;
    cutBracketsOneByOne(expectedRest, expectedJoined);
    return rest == expectedRest && joined == expectedJoined;
}
