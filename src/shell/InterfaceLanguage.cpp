#include "shell/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>

namespace {

struct Row
{
    const char* english;
    const char* russian;
};

// Every English text of the window that has a Russian text, in the order the table was drawn up.
// The Russian "ОК" is written in Cyrillic letters.
constexpr Row russianTable[] = {
    {"Times for Questions when automatically", "Вопросы"},
    {"Times for Answers when automatically", "Ответы"},
    {"Play", "Учим"},
    {"Settings", "Настройки"},
    {"Both", "Оба"},
    {"Simultaneously", "Одновременно"},
    {"Randomly", "Случайно"},
    {"Answers first", "Сначала ответы"},
    {"Number of cards", "Количество карточек"},
    {"Phonetic also from dictionary", "Транскрипция также из словаря"},
    {"Show phonetic", "Показывать транскрипцию"},
    {"Vibration", "Вибрация"},
    {"Answer to clipboard", "Ответы в буфер"},
    {"Questions and answers", "Вопросы и ответы"},
    {"Question to clipboard", "Вопросы в буфер"},
    {"Questions always", "Вопросы всегда"},
    {"Nothing", "Ничего"},
    {"Manually", "Вручную"},
    {"Maximum when simultanously", "Максимум когда вместе"},
    {"When remember Answers", "Когда помним Ответы"},
    {"Maximum for Answers", "Максимум для Ответов"},
    {"When remember Questions", "Когда помним Вопросы"},
    {"Maximum for Questions", "Максимум для Вопросов"},
    {"Delay of reminder", "Задержка напоминания"},
    {"Auto", "Авто"},
    {"Delay in mSeconds", "Задержка в миллисекундах"},
    {"When simultanously", "Когда одновременно"},
    {"Times for Answers", "Раз для Ответов"},
    {"Times for Questions", "Раз для Вопросов"},
    {"View", "Вид"},
    {"Top", "Верх"},
    {"Bottom", "Низ"},
    {"Dictionaries", "Словари"},
    {"Mix", "Перемешать"},
    {"Sort", "Сортировать"},
    {"Delete", "Удалить"},
    {"Learnt Today", "Выучено сегодня"},
    {"Learnt", "Выучено"},
    {"From file...", "Из файла..."},
    {"Copy", "Копировать"},
    {"...", "..."},
    {"Learning", "Заучивание"},
    {"Repeating", "Повторение"},
    {"Repeating2", "Повторение2"},
    {"?", "?"},
    {"OK", "ОК"},
    {"Cancel", "Отмена"},
    {"Next", "Следующий"},
    {"Remind", "Напомнить"},
    {"Side learnt", "Сторона выучена"},
    {"Full screen", "Полный экран"},
    {"Source", "Источник"},
    {"See", "Просмотр"},
    {"Look", "Просмотреть"},
    {"Edit", "Редактировать"},
    {"New", "Новое слово"},
    {"Show indicators", "Показывать индикаторы"},
    {"Vibration when learnt", "Вибрация когда выучено"},
    {"Questions first", "Сначала вопросы"},
    {"View it", "Просмотр"},
    {"Mixed", "Перемешано"},
    {"Select dictionary to learn", "Выберите словарь для заучивания"},
    {"Are you sure?", "Вы уверены?"},
    {"Not vocabula!", "Не словарная статья!"},
    {"There are no proper lines in this file", "Нет правильных строк в этом словаре"},
    {"Sorted", "Отсортировано"},
    {"No words in dictionary", "Нет слов в словаре"},
    {"Answers to clipboard", "Ответы в буфер"},
    {"Questions to clipboard", "Вопросы в буфер"},
    {"Site", "Сайт"},
    {"Back", "Назад"},
    {"By our method!", "По нашей методике!"},
    {"Learnt Now", "Выучено Сейчас"},
    {"Show RightToLeft checkbox", "Показывать галочку СправаНалево"},
    {"Swap", "Вопросы <-> Ответы"},
    {"Font", "Шрифт"},
    {"Background", "Фон"},
    {"Show Phonetic checkbox", "Показать галочку Транскрипции"},
};

// Texts added to the window since the table above was drawn up.
constexpr Row addedRussianRows[] = {
    {"Saved as UTF-8", "Сохранено в UTF-8"},
    {"1 line that is not a card was left out", "1 строка, не являющаяся карточкой, не сохранена"},
    {"%1 lines that are not cards were left out",
     "Не сохранено строк, не являющихся карточками: %1"},
    {"the original is in %1", "оригинал — в %1"},
    {"This file has no card lines, but most of its lines are two fields. Make them into cards, "
     "first field = second field?",
     "В этом файле нет карточек, но большинство его строк состоит из двух полей. Сделать из них "
     "карточки: первое поле = второе поле?"},
    {"Your changes could not be saved. Close anyway?",
     "Не удалось сохранить изменения. Всё равно закрыть?"},
    {"Edit card", "Изменить карточку"},
    {"New card", "Новая карточка"},
    {"question = answer // comment [transcription]",
     "вопрос = ответ // комментарий [транскрипция]"},
    {"A card needs a question and an answer around \"=\".",
     "Карточке нужны вопрос и ответ по обе стороны от «=»."},
    {"Sides swapped", "Стороны обменены"},
    {"Copied to %1", "Скопировано в %1"},
    {"%1: %2 cards", "%1: карточек %2"},
    {"All learnt cards: %1", "Все выученные карточки: %1"},
    {"Learnt since the start: %1", "Выучено с начала: %1"},
    {"The manual could not be opened: %1", "Не удалось открыть руководство: %1"},
    {"The Vocadrill manual", "Руководство Vocadrill"},
    {"Goodbye", "До свидания"},
    {"Choose a dictionary on the Dictionaries tab, then tap an upper corner of this screen for the "
     "first card.",
     "Выберите словарь на вкладке «Словари», затем коснитесь верхнего угла этого экрана, чтобы "
     "увидеть первую карточку."},
    {"Double-click to mark this side as learnt",
     "Дважды щёлкните, чтобы отметить сторону как выученную"},
    {"Automatic mode: the cards change by themselves. Click to switch it on or off",
     "Автоматический режим: карточки сменяются сами. Щелчок включает и выключает его"},
    {"The open dictionary", "Открытый словарь"},
    {"Time since the start", "Время с начала работы"},
    {"Cards in this dictionary", "Карточек в этом словаре"},
    {"Cards learnt since the start", "Карточек выучено с начала работы"},
    {"Cards learnt from this dictionary; double-click to reset",
     "Карточек выучено из этого словаря; двойной щелчок — сбросить"},
    {"Actions: the card commands as tiles", "Действия: команды для карточки плитками"},
    {"Help and the interface language", "Справка и язык интерфейса"},
    {"The next card", "Следующая карточка"},
    {"Show the other side", "Показать другую сторону"},
    {"This side is learnt (double-click)", "Эта сторона выучена (двойной щелчок)"},
    {"Full screen on or off", "Полный экран: включить или выключить"},
    {"The card is learnt: it goes to the end of the dictionary",
     "Карточка выучена: она уходит в конец словаря"},
    {"Edit this card", "Изменить эту карточку"},
    {"Delete this card from the dictionary", "Удалить эту карточку из словаря"},
    {"Add a new card", "Добавить новую карточку"},
    {"Which side is asked", "Какая сторона спрашивается"},
    {"What goes to the clipboard", "Что копируется в буфер"},
    {"The look of the question half: background, font and colour",
     "Вид половины вопроса: фон, шрифт и цвет"},
    {"The look of the answer half: background, font and colour",
     "Вид половины ответа: фон, шрифт и цвет"},
    {"Undo", "Вернуть"},
    {"Bring back the last card removed (Ctrl+Z)", "Вернуть последнюю убранную карточку (Ctrl+Z)"},
    {"Deleted: %1. Ctrl+Z brings it back.", "Удалено: %1. Ctrl+Z вернёт карточку."},
    {"Learnt: %1. Ctrl+Z brings it back.", "Выучено: %1. Ctrl+Z вернёт карточку."},
    {"Replaced: %1. Ctrl+Z brings it back.", "Заменено: %1. Ctrl+Z вернёт карточку."},
    {"Nothing to bring back", "Нечего возвращать"},
    {"%1 was removed from another dictionary", "«%1» убрано из другого словаря"},
    {"Brought back: %1", "Возвращено: %1"},
    {"Tap an upper corner of this screen for the first card.",
     "Коснитесь верхнего угла этого экрана, чтобы увидеть первую карточку."},
    {"Pictures (*.jpg *.jpeg *.png *.bmp);;All files (*)",
     "Рисунки (*.jpg *.jpeg *.png *.bmp);;Все файлы (*)"},
    // The progress view.
    {"Progress", "Прогресс"},
    {"Cards learnt per day, last %1 days", "Карточек выучено за день, последние %1 дн."},
    {"All dictionaries", "Все словари"},
    {"Open dictionary", "Открытый словарь"},
    {"Days learnt in a row: %1", "Дней занятий подряд: %1"},
    {"No dictionary is open.", "Словарь не открыт."},
    {"%1 — cards learnt: %2, cards in the dictionary: %3",
     "%1 — выучено карточек: %2, карточек в словаре: %3"},
    // Saying the side shown.
    {"Say", "Произнести"},
    {"Say the side shown (S)", "Произнести показанную сторону (S)"},
    {"No speech engine is installed: the cards cannot be spoken",
     "Синтезатор речи не установлен: карточки нельзя произнести"},
    {"No audio device was found: the cards cannot be spoken",
     "Звуковое устройство не найдено: карточки нельзя произнести"},
    // Long work on the dictionary.
    {"Working on the dictionary…", "Идёт работа со словарём…"},
    {"Please wait until the work on the dictionary ends",
     "Подождите, пока закончится работа со словарём"},
};

} // namespace

InterfaceLanguage::InterfaceLanguage(QObject* parent) : QTranslator(parent)
{
    m_russian.reserve(std::size(russianTable) + std::size(addedRussianRows));
    const auto add = [this](const auto& table) {
        for (const Row& row : table)
            m_russian.insert(QString::fromUtf8(row.english), QString::fromUtf8(row.russian));
    };
    add(russianTable);
    add(addedRussianRows);
    // Qt's own texts (the buttons of message boxes and file dialogs) from the distribution's
    // translations; without them those texts stay English.
    (void)m_qtRussian.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

InterfaceLanguage::~InterfaceLanguage()
{
    QCoreApplication::removeTranslator(this);
    QCoreApplication::removeTranslator(&m_qtRussian);
}

bool InterfaceLanguage::select(const QString& name)
{
    if (name != English && name != Russian)
        return false;
    const bool russian = name == Russian;
    if (russian == m_russianSelected)
        return true;
    // The program's table is installed last, so that it is asked before Qt's own. Other threads
    // translate too; the flag changes only while this translator is out of the application.
    if (russian) {
        m_russianSelected = true;
        QCoreApplication::installTranslator(&m_qtRussian);
        QCoreApplication::installTranslator(this);
    } else {
        QCoreApplication::removeTranslator(this);
        QCoreApplication::removeTranslator(&m_qtRussian);
        m_russianSelected = false;
    }
    // The application posts the language change to its windows; deliver it now, so that every
    // text, the message labels included, reads in the new language when select() returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return true;
}

QString InterfaceLanguage::name() const
{
    return m_russianSelected ? Russian : English;
}

QString InterfaceLanguage::translate(const char*, const char* sourceText, const char*, int) const
{
    if (!m_russianSelected || !sourceText)
        return {};
    return m_russian.value(QString::fromUtf8(sourceText));
}

bool InterfaceLanguage::isEmpty() const
{
    return false;
}
