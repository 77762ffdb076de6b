#pragma once

#include <QString>
#include <QStringList>

// One card, read from its line "question = answer // comment [phonetic]", with the counters
// the learning engine keeps for it.
struct TVocabula
{
    QString Q;
    QString A;
    QString T;
    QString OriginalStr;
    qint32 ShownQ = 0;
    qint32 ShownA = 0;
    qint32 ShownQA = 0;
    qint32 YesQ = 0;
    qint32 YesA = 0;
    bool DoneQ = false;
    bool DoneA = false;

    bool operator==(const TVocabula&) const = default;
};

// Tabs become spaces, runs of spaces become one, and characters up to U+0020 are trimmed from
// both ends.
QString NormalizeSpaces(QStringView s);
// The same, done in the string itself.
void NormalizeSpacesInPlace(QString& s);
// Trims characters up to U+0020 from both ends, leaving the inside as it is.
QStringView TrimControls(QStringView s);

// Cuts the first bracket group out of S; Inside gets its normalised content.
void CutFirstBrackets(QString& S, QString& Inside);
// Cuts bracket groups out of S until one comes back empty; Joined gets "[a], [b]".
void CutAllBrackets(QString& S, QString& Joined);

QString PhoneticOf(const QString& Line);
QString QuestionPart(const QString& Line);
QString QuestionOf(const QString& Line);
QString AnswerPart(const QString& Line);
QString AnswerOf(const QString& Line);
TVocabula LineToVocabula(const QString& Line);
// The one test of whether a line is a card: both sides are non-empty.
bool IsVocabula(QStringView Line);

// The raw text before the first "=", trimmed; empty without "=".
QString KeyOf(const QString& Line);
// The raw text after the first "=", trimmed; empty when the key is empty.
QString ValueOf(const QString& Line);
QStringList KeysOf(const QStringList& Lines);
