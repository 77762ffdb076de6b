#pragma once

#include <QWidget>

class ClickableText;

// The farewell panel the back step shows on the card screen: it names the program and its
// manual, and closes the program or goes back.
class FarewellPanel : public QWidget
{
    Q_OBJECT

public:
    explicit FarewellPanel(QWidget* parent);

signals:
    void closeRequested();
    void backRequested();
    void linkRequested();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void retranslate();

    ClickableText* m_method;
    ClickableText* m_back;
    ClickableText* m_link;
    ClickableText* m_goodbye;
};
