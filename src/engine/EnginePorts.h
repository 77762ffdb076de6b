#pragma once

#include "cards/RandomSource.h"

#include <QString>

// The engine's only ways to the outside. The main window passes real implementations; tests
// pass fakes.

class Clipboard
{
public:
    virtual ~Clipboard() = default;
    // The plain text now on the clipboard, empty when it holds none.
    virtual QString TextFromClipboard() = 0;
    virtual void TextToClipboard(const QString& text) = 0;
};

class Sound
{
public:
    virtual ~Sound() = default;
    // Starts the learnt signal and returns at once.
    virtual void Vibrate(const QString& soundPath) = 0;
};

// The language of a voice that says a card's words.
enum class SpeechLanguage
{
    Other,
    English,
    Russian,
};

// Text with more Cyrillic letters than Latin ones is Russian, other text with Latin letters is
// English, and text with neither is Other.
SpeechLanguage speechLanguageOf(QStringView text);

class Speech
{
public:
    virtual ~Speech() = default;
    // Starts saying the text with a voice of the language, where one exists, and returns at
    // once.
    virtual void say(const QString& text, SpeechLanguage language) = 0;
};

// The messages the engine shows, named after the hidden labels that hold their texts in the
// interface language.
enum class Message
{
    SelectDictionaryToLearn,
    NoWordsInDictionary,
};

// "msSelectDictionaryToLearn" and so on: the object name of the label holding the text.
QString messageLabelName(Message message);

class Messages
{
public:
    virtual ~Messages() = default;
    virtual QString text(Message message) = 0;
    // A modal box with the text and an OK button.
    virtual void showModal(const QString& text) = 0;
    // The text over the card screen for a short while, without blocking.
    virtual void MyMessage(const QString& text) = 0;
};

// The hint's pause: the window repaints, so the revealed side is seen, but user input waits
// until the pause is over.
class HintPause
{
public:
    virtual ~HintPause() = default;
    virtual void pause(int milliseconds) = 0;
};

// The input layer's guards on the card actions a gesture can trigger.
class InputGuards
{
public:
    virtual ~InputGuards() = default;
    // tmWaitAfterZoom runs: a zoom has just happened.
    virtual bool waitAfterZoomRunning() = 0;
    // Restarts tmGesture, so the press that acted is not also taken as a tap.
    virtual void restartGesture() = 0;
};

// The parts of the main window the engine switches.
class Screens
{
public:
    virtual ~Screens() = default;
    // Hides the actions overlay recActions.
    virtual void hideActions() = 0;
    // Brings the Dictionaries tab to the front, leaving full-screen mode first.
    virtual void showDictionaries() = 0;
};

struct EnginePorts
{
    Clipboard& clipboard;
    Sound& sound;
    Messages& messages;
    HintPause& hintPause;
    RandomSource& random;
    InputGuards& input;
    Screens& screens;
    Speech& speech;
};
