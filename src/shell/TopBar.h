#pragma once

#include <QWidget>

class AutoLamp;
class ClickableText;
class QCheckBox;
class QComboBox;
class QPushButton;

// The bar over the tabs: the learning mode, the automatic-mode strip with its lamp, and the
// actions and help buttons.
class TopBar : public QWidget
{
    Q_OBJECT

public:
    explicit TopBar(QWidget* parent);

    QComboBox* cbLearning() const { return m_learning; }
    QCheckBox* cbAuto() const { return m_auto; }
    AutoLamp* lamp() const { return m_lamp; }
    QWidget* recAuto() const { return m_strip; }
    QPushButton* btActions() const { return m_actions; }
    QPushButton* btHelp() const { return m_help; }

signals:
    // A press anywhere on the automatic-mode strip.
    void autoStripPressed();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslate();

    QComboBox* m_learning;
    QWidget* m_strip;
    QCheckBox* m_auto;
    AutoLamp* m_lamp;
    ClickableText* m_caption;
    QPushButton* m_actions;
    QPushButton* m_help;
};
