#pragma once

#include "cards/ProgressSummary.h"

#include <QWidget>

class QBarCategoryAxis;
class QBarSet;
class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QValueAxis;

// The progress view: cards learnt per day over the last days, from all dictionaries and from
// the open one, the days learnt in a row, and how much of the open dictionary is learnt.
class ProgressView : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressView(QWidget* parent);

    // Shows the summary; learnt (its learnt count) and cards (its lines now) are the open
    // dictionary's, whose name is dictionary
    // (empty when none is open).
    void showProgress(const ProgressSummary& summary, const QString& dictionary, qint64 learnt,
                      qint64 cards);
    QPushButton* backButton() const { return m_back; }
    QChart* chart() const { return m_chart; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void retranslate();

    ProgressSummary m_summary;
    QString m_dictionary;
    qint64 m_learnt = 0;
    qint64 m_cards = 0;

    QLabel* m_title;
    QChart* m_chart;
    QChartView* m_chartView;
    QBarSet* m_all;
    QBarSet* m_open;
    QBarCategoryAxis* m_days;
    QValueAxis* m_counts;
    QLabel* m_inARow;
    QLabel* m_dictionaryLearnt;
    QPushButton* m_back;
};
