#include "cards/CardLine.h"

#include <algorithm>

namespace {

bool hasVisible(const QChar* begin, const QChar* end)
{
    return std::any_of(begin, end, [](QChar c) { return c.unicode() > 0x20; });
}

// Whether a side keeps any text once its bracket groups and its comment are cut, as sideOf
// decides, without building the strings: dictionaries of a million lines are filtered with it.
// The side is read once from the left. Text before the first bracket stays whatever follows,
// so most sides are decided by their first characters; a group, the first "[" with the first
// "]" after it, is skipped, and cutting it leaves no bracket before the next one.
bool sideHasText(QStringView raw)
{
    bool cutting = true;
    // The last character kept was a "/": a second one starts the comment.
    bool slash = false;
    qsizetype i = 0;
    while (i < raw.size()) {
        const QChar c = raw[i];
        if (cutting && c == u'[') {
            const qsizetype close = raw.indexOf(u']', i + 1);
            if (close >= 0) {
                // An empty group is cut too, but it ends the cutting.
                cutting = hasVisible(raw.data() + i + 1, raw.data() + close);
                i = close + 1;
                continue;
            }
            cutting = false;
        } else if (c == u']') {
            // A "]" before any "[" blocks every cut.
            cutting = false;
        }
        if (c == u'/') {
            if (slash)
                return false;
            slash = true;
        } else if (slash || c.unicode() > 0x20) {
            return true;
        }
        ++i;
    }
    return slash;
}

// Writes the trimmed text s with tabs made spaces and runs of spaces made one to out, which may
// be s's own memory; returns the length written.
qsizetype normalizeTo(QStringView s, QChar* out)
{
    qsizetype n = 0;
    bool lastWasSpace = false;
    for (const QChar c : s) {
        const bool space = c == u' ' || c == u'\t';
        if (space && lastWasSpace)
            continue;
        out[n++] = space ? QChar(u' ') : c;
        lastWasSpace = space;
    }
    return n;
}

QString sideOf(QString S)
{
    QString groups;
    CutAllBrackets(S, groups);
    const qsizetype comment = S.indexOf(QLatin1String("//"));
    if (comment >= 0)
        return NormalizeSpaces(QStringView(S).first(comment));
    return S;
}

} // namespace

QStringView TrimControls(QStringView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && s[end - 1].unicode() <= 0x20)
        --end;
    return s.sliced(begin, end - begin);
}

QString NormalizeSpaces(QStringView s)
{
    s = TrimControls(s);
    QString result(s.size(), Qt::Uninitialized);
    result.truncate(normalizeTo(s, result.data()));
    return result;
}

void NormalizeSpacesInPlace(QString& s)
{
    QChar* out = s.data();
    s.truncate(normalizeTo(TrimControls(s), out));
}

void CutFirstBrackets(QString& S, QString& Inside)
{
    Inside.clear();
    const qsizetype i = S.indexOf(u'[');
    const qsizetype j = S.indexOf(u']');
    if (i < 0 || j < 0 || j < i)
        return;
    Inside = NormalizeSpaces(QStringView(S).sliced(i + 1, j - i - 1));
    S.remove(i, j - i + 1);
    S = NormalizeSpaces(S);
}

// The same as cutting the first group until one comes back empty, in one pass: each cut leaves
// no "[" or "]" before the next one, so the groups are found left to right in the text as it
// is, and the text kept between them is normalised once at the end.
void CutAllBrackets(QString& S, QString& Joined)
{
    Joined.clear();
    QString kept;
    qsizetype from = 0;
    bool cut = false;
    for (;;) {
        const qsizetype i = S.indexOf(u'[', from);
        if (i < 0)
            break;
        const qsizetype j = S.indexOf(u']', from);
        if (j < i)
            break;
        const QString inside = NormalizeSpaces(QStringView(S).sliced(i + 1, j - i - 1));
        kept += QStringView(S).sliced(from, i - from);
        from = j + 1;
        cut = true;
        if (inside.isEmpty())
            break;
        if (!Joined.isEmpty())
            Joined += QLatin1String(", ");
        Joined += u'[' + inside + u']';
    }
    if (!cut)
        return;
    kept += QStringView(S).sliced(from);
    S = NormalizeSpaces(kept);
}

QString PhoneticOf(const QString& Line)
{
    QString copy = Line;
    QString joined;
    CutAllBrackets(copy, joined);
    return joined;
}

QString QuestionPart(const QString& Line)
{
    const qsizetype eq = Line.indexOf(u'=');
    return eq < 0 ? QString() : NormalizeSpaces(QStringView(Line).first(eq));
}

QString QuestionOf(const QString& Line)
{
    return sideOf(QuestionPart(Line));
}

QString AnswerPart(const QString& Line)
{
    const qsizetype eq = Line.indexOf(u'=');
    return eq < 0 ? QString() : NormalizeSpaces(QStringView(Line).sliced(eq + 1));
}

QString AnswerOf(const QString& Line)
{
    return sideOf(AnswerPart(Line));
}

TVocabula LineToVocabula(const QString& Line)
{
    TVocabula card;
    card.OriginalStr = Line;
    card.Q = QuestionOf(Line);
    card.A = AnswerOf(Line);
    card.T = PhoneticOf(Line);
    return card;
}

bool IsVocabula(QStringView Line)
{
    const qsizetype eq = Line.indexOf(u'=');
    return eq >= 0 && sideHasText(Line.first(eq)) && sideHasText(Line.sliced(eq + 1));
}

QString KeyOf(const QString& Line)
{
    const qsizetype eq = Line.indexOf(u'=');
    return eq < 0 ? QString() : TrimControls(QStringView(Line).first(eq)).toString();
}

QString ValueOf(const QString& Line)
{
    if (KeyOf(Line).isEmpty())
        return {};
    return TrimControls(QStringView(Line).sliced(Line.indexOf(u'=') + 1)).toString();
}

QStringList KeysOf(const QStringList& Lines)
{
    QStringList keys;
    keys.reserve(Lines.size());
    for (const QString& line : Lines)
        keys.append(KeyOf(line));
    return keys;
}
