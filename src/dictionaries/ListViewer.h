#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The read-only viewer of a whole list: a dictionary or a learnt list, with its line count.
class ListViewer : public QWidget
{
    Q_OBJECT

public:
    explicit ListViewer(QWidget* parent);

    void showLines(const QStringList& lines, const QString& count);
    QString text() const;
    QPushButton* okButton() const { return m_ok; }

private:
    QPlainTextEdit* m_memo;
    QLabel* m_count;
    QPushButton* m_ok;
};
