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
