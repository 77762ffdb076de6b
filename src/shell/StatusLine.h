#pragma once

#include <QWidget>

class ClickableText;

// The status line: the open dictionary's name, the clock, the number of its lines, the lines
// learnt in this run and the cards learnt from it, each with a tip that says what it counts.
class StatusLine : public QWidget
{
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent);

    ClickableText* TextDict;
    ClickableText* TextTime;
    ClickableText* TextMyDictSL;
    ClickableText* TextLearntToday;
    ClickableText* TextLearnt;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
};
