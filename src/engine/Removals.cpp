#include "engine/Removals.h"

#include "cards/StringList.h"
#include "engine/DictionaryLines.h"

void Removals::record(Removal removal)
{
    m_removals.append(std::move(removal));
    if (m_removals.size() > Kept)
        m_removals.removeFirst();
}

void putBack(const Removal& removal, StringList& dictionary)
{
    dictionary.BeginUpdate();
    if (!removal.replacement.isEmpty()) {
        const qsizetype replacement =
            DictionaryLines::indexOfExactLine(dictionary, removal.replacement);
        if (replacement >= 0)
            dictionary.removeAt(replacement);
    }
    if (removal.index >= 0)
        dictionary.insert(qMin(removal.index, dictionary.count()), removal.line);
    dictionary.EndUpdate();
}
