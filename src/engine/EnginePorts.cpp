#include "engine/EnginePorts.h"

QString messageLabelName(Message message)
{
    switch (message) {
    case Message::SelectDictionaryToLearn:
        return QStringLiteral("msSelectDictionaryToLearn");
    case Message::NoWordsInDictionary:
        return QStringLiteral("msNoWordsInDictionary");
    }
    return {};
}

SpeechLanguage speechLanguageOf(QStringView text)
{
    qsizetype cyrillic = 0;
    qsizetype latin = 0;
    for (const QChar c : text) {
        if (!c.isLetter())
            continue;
        if (c.script() == QChar::Script_Cyrillic)
            ++cyrillic;
        else if (c.script() == QChar::Script_Latin)
            ++latin;
    }
    if (cyrillic > latin)
        return SpeechLanguage::Russian;
    if (latin > 0)
        return SpeechLanguage::English;
    return SpeechLanguage::Other;
}
