#include "engine/CardEdits.h"

#include "cards/CardLine.h"
#include "cards/StringList.h"
#include "engine/DictionaryLines.h"
#include "engine/LearningEngine.h"

#include <QRegularExpression>

namespace {

// Shows the first line of the dictionary, which is the line, as a card not seen before.
void showFirst(LearningEngine& engine, const QString& line)
{
    engine.setCurrentLine(line);
    engine.ClearAll();
    engine.MyNext(true);
}

} // namespace

namespace CardEdits {

QString EditedLine(const QString& text)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]+"));
    QString line = text;
    line.replace(lineBreaks, QStringLiteral(" "));
    return TrimControls(line).toString();
}

bool ReplaceCard(LearningEngine& engine, StringList& dictionary, const QString& text)
{
    const QString line = EditedLine(text);
    if (!IsVocabula(line))
        return false;
    const QString old = engine.CurrentLine();
    dictionary.BeginUpdate();
    const qsizetype index = DictionaryLines::indexOfExactLine(dictionary, old);
    if (index >= 0)
        DictionaryLines::removeLine(dictionary, index);
    dictionary.insert(0, line);
    dictionary.EndUpdate();
    engine.shownCards().remove(old);
    engine.recordRemoval(
        {Removal::Kind::Replaced, engine.dictionaryPath(), old, index, line, false});
    showFirst(engine, line);
    return true;
}

NewCard AddCard(LearningEngine& engine, StringList& dictionary, const QString& text)
{
    if (text.isEmpty())
        return NewCard::Empty;
    const QString line = EditedLine(text);
    if (!IsVocabula(line))
        return NewCard::NotACard;
    dictionary.insert(0, line);
    showFirst(engine, line);
    return NewCard::Added;
}

} // namespace CardEdits
