#include "cards/CardLine.h"

#include <QVarLengthArray>

#include <algorithm>

namespace {

bool hasVisible(const QChar* begin, const QChar* end)
{
    return std::any_of(begin, end, [](QChar c) { return c.unicode() > 0x20; });
}

// Whether a side keeps any text once its bracket groups and its comment are cut, as sideOf
// decides, without building the strings: dictionaries of a million lines are filtered with it.
bool sideHasText(QStringView raw)
{
    QVarLengthArray<QChar, 256> s(raw.begin(), raw.end());
    for (;;) {
        const auto open = std::find(s.begin(), s.end(), u'[');
        const auto close = std::find(s.begin(), s.end(), u']');
        if (open == s.end() || close == s.end() || close < open)
            break;
        const bool emptyGroup = !hasVisible(open + 1, close);
        s.erase(open, close + 1);
        if (emptyGroup)
            break;
    }
    const QStringView text(s.data(), s.size());
    const qsizetype comment = text.indexOf(QLatin1String("//"));
    const QStringView kept = comment < 0 ? text : text.first(comment);
    return hasVisible(kept.begin(), kept.end());
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
    QChar* out = result.data();
    qsizetype n = 0;
    bool lastWasSpace = false;
    for (const QChar c : s) {
        const bool space = c == u' ' || c == u'\t';
        if (space && lastWasSpace)
            continue;
        out[n++] = space ? QChar(u' ') : c;
        lastWasSpace = space;
    }
    result.truncate(n);
    return result;
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

void CutAllBrackets(QString& S, QString& Joined)
{
    Joined.clear();
    QString inside;
    for (;;) {
        CutFirstBrackets(S, inside);
        if (inside.isEmpty())
            break;
        if (!Joined.isEmpty())
            Joined += QLatin1String(", ");
        Joined += u'[' + inside + u']';
    }
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

bool IsVocabula(const QString& Line)
{
    const qsizetype eq = Line.indexOf(u'=');
    return eq >= 0 && sideHasText(QStringView(Line).first(eq)) &&
           sideHasText(QStringView(Line).sliced(eq + 1));
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
