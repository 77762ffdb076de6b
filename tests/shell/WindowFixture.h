#pragma once

#include "cards/DictionaryStore.h"
#include "cardscreen/CardScreenInput.h"
#include "engine/LearningEngine.h"
#include "shell/FormVocadrill.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStringList>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <memory>

// A voice that notes what it is asked to say, "en cat" or "ru кошка", instead of speaking.
class RecordingVoice : public Speech
{
public:
    void say(const QString& text, SpeechLanguage language) override
    {
        const char* code = language == SpeechLanguage::English   ? "en"
                           : language == SpeechLanguage::Russian ? "ru"
                                                                 : "other";
        said << QLatin1String(code) + u' ' + text;
    }

    QStringList said;
};

// A program folder in a temporary directory, with dictionaries put in before the window starts,
// and the window built over it (the folder doubles as the documents folder). The window speaks
// through the fixture's recording voice.
class WindowFixture
{
public:
    QString path(const QString& relative) const { return m_dir.filePath(relative); }

    RecordingVoice voice;

    void putDictionary(const QString& name, const QByteArray& bytes)
    {
        QDir().mkpath(path("Vocadrill"));
        QFile file(path("Vocadrill/" + name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    // The dictionary the next window opens at start.
    void pointAt(const QString& name)
    {
        QFile file(path("LastDictFileName"));
        if (file.open(QIODevice::WriteOnly))
            file.write((path("Vocadrill/" + name) + "\r\n").toUtf8());
    }

    TFormVocadrill& start()
    {
        m_window =
            std::make_unique<TFormVocadrill>(TFormVocadrill::Folders{m_dir.path(), m_dir.path()});
        m_window->setVoice(voice);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        if (!QTest::qWaitForWindowActive(m_window.get()))
            QTest::qFail("The window did not become active", __FILE__, __LINE__);
        return *m_window;
    }

    // Starts with one dictionary in the folder, open.
    TFormVocadrill& startWith(const QString& name, const QByteArray& bytes)
    {
        putDictionary(name, bytes);
        pointAt(name);
        return start();
    }

    void stop() { m_window.reset(); }
    TFormVocadrill& window() { return *m_window; }

    QByteArray read(const QString& relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TFormVocadrill> m_window;
};

namespace WindowTest {

// A small dictionary of three cards, in the program's own format.
inline const QByteArray animals = "\xEF\xBB\xBF"
                                  "cat = кошка\r\ndog = собака\r\nbird = птица\r\n";
inline const QStringList animalLines{QStringLiteral("cat = кошка"), QStringLiteral("dog = собака"),
                                     QStringLiteral("bird = птица")};

// The window's child of that name; a test without it cannot go on.
template <typename T> T* child(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// Everything a card action can change: the dictionary, the learnt lines, the card on screen
// with its counters, and whether the editor is open.
inline QString state(TFormVocadrill& window)
{
    const TVocabula card = window.engine().MyVocabula();
    const CardView& view = window.engine().view();
    return QStringList{window.store().MyDictSL.lines().join(u';'),
                       window.store().LearntSL.lines().join(u';'),
                       window.engine().CurrentLine(),
                       view.TextQuestion + u'|' + view.TextAnswer,
                       QString::number(card.ShownQ + card.ShownA),
                       QString::number(card.DoneQ) + QString::number(card.DoneA),
                       child<QWidget>(window, "recWord")->isVisible() ? QStringLiteral("editor")
                                                                      : QString()}
        .join(QStringLiteral(" / "));
}

// Clicks at a point of the window, given in window coordinates, as a learner does: the widget
// that the window's own hit-testing finds there takes the click. Returns that widget.
inline QWidget* clickAt(QWidget& window, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget* target = window.childAt(at);
    if (!target)
        target = &window;
    QTest::mouseClick(target, button, {}, target->mapFrom(&window, at));
    return target;
}

// Two clicks at a point, as quickly as a learner double-clicks.
inline void doubleClickAt(QWidget& window, QPoint at)
{
    clickAt(window, at);
    clickAt(window, at);
}

// A wheel turn at a point of the window, delivered as the system delivers one: to the widget
// found there, then up its parents while they leave it. (A wheel event sent from a test is not
// passed on by Qt itself.)
inline void wheelAt(QWidget& window, QPoint at, int angle, Qt::KeyboardModifiers modifiers = {})
{
    QWidget* target = window.childAt(at);
    for (QWidget* widget = target ? target : &window; widget; widget = widget->parentWidget()) {
        const QPointF local = widget->mapFrom(&window, at);
        QWheelEvent event(local, widget->mapToGlobal(local), QPoint(), QPoint(0, angle),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        if (QApplication::sendEvent(widget, &event) && event.isAccepted())
            return;
        if (widget == &window)
            return;
    }
}

// A click on the header of the main tab control's tab.
inline void openTab(QWidget& window, int tab)
{
    QTabBar* tabs = child<QTabWidget>(window, "TabControl1")->tabBar();
    clickAt(window, tabs->mapTo(&window, tabs->tabRect(tab).center()));
}

// A tap that a click started has been performed, 40 ms later, or there is none.
inline void tapsSettle(TFormVocadrill& window)
{
    auto* input = window.findChild<CardScreenInput*>();
    QTRY_VERIFY(!input->tapPending());
}

// tmGesture's 100 ms and tmWaitAfterZoom's 2 seconds after a card action are over, so that
// the next tap counts.
inline void guardsExpire(TFormVocadrill& window)
{
    auto* input = window.findChild<CardScreenInput*>();
    input->tmGesture().stop();
    input->tmWaitAfterZoom().stop();
}

// A tap at a point of the card screen, given in shares of its size, and its 40 ms.
inline void tapAt(TFormVocadrill& window, QPointF share)
{
    auto* layer = child<QWidget>(window, "recGestures");
    clickAt(window, layer->mapTo(&window, QPoint(int(share.x() * layer->width()),
                                                 int(share.y() * layer->height()))));
    tapsSettle(window);
}

// The centre of a widget, in window coordinates.
inline QPoint centreOf(QWidget& window, const QWidget& widget)
{
    return widget.mapTo(&window, widget.rect().center());
}

// The centre of the text a label draws, in window coordinates.
inline QPoint textCentreOf(QWidget& window, const QLabel& label)
{
    const QRect drawn =
        label.style()->itemTextRect(label.fontMetrics(), label.contentsRect(),
                                    int(label.alignment()), label.isEnabled(), label.text());
    return label.mapTo(&window, drawn.center());
}

} // namespace WindowTest
