#pragma once

#include <QWidget>

class QLabel;

// The hidden container "recMessages": one hidden label per message the program shows, named
// after the message ("msNotVocabula" ...). A message is read from its label at the moment it is
// shown, so it follows the interface language like every other text of the window.
class MessageLabels : public QWidget
{
    Q_OBJECT

public:
    explicit MessageLabels(QWidget* parent = nullptr);

    // The current text of the label called `name`; empty when there is no such label.
    QString text(const QString& name) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
};
