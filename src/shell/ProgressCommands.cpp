#include "shell/ProgressCommands.h"

#include "cards/ProgressSummary.h"
#include "engine/LearningTally.h"
#include "progress/ProgressView.h"
#include "shell/WindowParts.h"

void ProgressCommands::Progress0Execute()
{
    const DictionaryStore& store = *m_parts.store;
    const QString dictionary = store.openFileName();
    m_parts.progress->showProgress(summarise(m_parts.history, dictionary, m_parts.tally->today()),
                                   dictionary, store.LearntNumber, store.MyDictSL.count());
    m_parts.showPanel(m_parts.progress);
}
