#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The read-only viewer of a whole list: a dictionary or a learnt list, under a title that names
// it, with its line count. Home and End go to the first and the last line.
class ListViewer : public QWidget
{
    Q_OBJECT

public:
    explicit ListViewer(QWidget* parent);

    void showLines(const QString& title, const QStringList& lines, const QString& count);
    QString text() const;
    QPushButton* okButton() const { return m_ok; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_title;
    QPlainTextEdit* m_memo;
    QLabel* m_count;
    QPushButton* m_ok;
};
