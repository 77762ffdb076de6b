#pragma once

#include <QObject>
#include <QRgb>
#include <QString>

class AutomaticMode;
class Clipboard;
class PhoneticTable;
class ShownCards;
struct DataRecord;
struct TSettings;

// What the card screen shows; the window draws it and nothing else.
struct CardView
{
    QString TextQuestion;
    QString TextAnswer;
    QString TextPhonetic;
    QString TextIndicator;
    bool indicatorVisible = false;
    QRgb indicatorColor = 0;
    // The check boxes cbRightToLeft and cbPhonetic on the card screen.
    bool rightToLeftVisible = false;
    bool rightToLeftTicked = false;
    bool phoneticVisible = false;
    bool phoneticTicked = false;

    bool operator==(const CardView&) const = default;
};

inline constexpr QRgb LightIndicatorColor = 0xFFC0C0C0;
inline constexpr QRgb DimIndicatorColor = 0xFF696969;

// The characters of s in reverse order, a surrogate pair kept as one character so that the
// result is valid text.
QString MirrorText(QStringView s);

// The sides of the card CurrentLine on the card screen: showing them, counting the asked side's
// show in the card's entry, the phonetic line, the clipboard and the counters indicator.
// A side is on display when its text is non-empty.
class CardDisplay : public QObject
{
    Q_OBJECT

public:
    CardDisplay(const DataRecord& record, ShownCards& shownCards, const PhoneticTable& phonetic,
                Clipboard& clipboard, const AutomaticMode& automatic, QObject* parent = nullptr);

    const CardView& view() const { return m_view; }
    const QString& CurrentLine() const { return m_currentLine; }
    void setCurrentLine(const QString& line) { m_currentLine = line; }

    bool questionShown() const { return !m_view.TextQuestion.isEmpty(); }
    bool answerShown() const { return !m_view.TextAnswer.isEmpty(); }
    bool nothingShown() const { return !questionShown() && !answerShown(); }
    bool bothShown() const { return questionShown() && answerShown(); }

    // With AndCount the side is the asked one: its show and run counters grow.
    void ShowQ(bool AndCount);
    void ShowA(bool AndCount);
    // Both sides at once (order Simultaneously); AndCount counts a double show.
    void ShowQA(bool AndCount);
    void ShowT();
    void DoIndicator();
    void ClearAll();
    void clearQuestion();
    void clearAnswer();
    // The reminder's reveal of the hidden side, with its clipboard rule; no show is counted.
    void revealAnswer();
    void revealQuestion();
    // Follows the check boxes' switches and ticks in the record.
    void updateCheckBoxes();

signals:
    // Any part of the view changed; sent once per call.
    void changed();

private:
    class Change;

    const TSettings& settings() const;
    bool mirrored() const;
    QString displayedQuestion(const QString& question) const;
    void copyIfDifferent(const QString& text);

    const DataRecord& m_record;
    ShownCards& m_shownCards;
    const PhoneticTable& m_phonetic;
    Clipboard& m_clipboard;
    const AutomaticMode& m_automatic;

    QString m_currentLine;
    CardView m_view;
    int m_changeDepth = 0;
    CardView m_viewBefore;
};
