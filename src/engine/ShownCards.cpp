#include "engine/ShownCards.h"

TVocabula* ShownCards::find(const QString& line)
{
    const auto found = m_entries.find(line);
    return found == m_entries.end() ? nullptr : &found.value();
}

const TVocabula* ShownCards::find(const QString& line) const
{
    const auto found = m_entries.constFind(line);
    return found == m_entries.cend() ? nullptr : &found.value();
}

TVocabula& ShownCards::findOrAdd(const QString& line)
{
    auto found = m_entries.find(line);
    if (found == m_entries.end())
        found = m_entries.insert(line, LineToVocabula(line));
    return found.value();
}

TVocabula ShownCards::MyVocabula(const QString& line) const
{
    const TVocabula* entry = find(line);
    return entry ? *entry : LineToVocabula(QString());
}

void ShownCards::remove(const QString& line)
{
    m_entries.remove(line);
}
