#include "progress/ProgressView.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

ProgressView::ProgressView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("recProgress"));
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lbProgressTitle"));
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    layout->addWidget(m_title);

    m_chart = new QChart;
    m_all = new QBarSet(QString(), m_chart);
    m_open = new QBarSet(QString(), m_chart);
    auto* series = new QBarSeries(m_chart);
    series->append(m_all);
    series->append(m_open);
    m_chart->addSeries(series);
    m_days = new QBarCategoryAxis(m_chart);
    m_counts = new QValueAxis(m_chart);
    m_counts->setLabelFormat(QStringLiteral("%d"));
    m_chart->addAxis(m_days, Qt::AlignBottom);
    m_chart->addAxis(m_counts, Qt::AlignLeft);
    series->attachAxis(m_days);
    series->attachAxis(m_counts);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_chartView = new QChartView(m_chart, this);
    m_chartView->setObjectName(QStringLiteral("chProgress"));
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setMinimumSize(200, 150);
    layout->addWidget(m_chartView, 1);

    m_inARow = new QLabel(this);
    m_inARow->setObjectName(QStringLiteral("lbDaysInARow"));
    layout->addWidget(m_inARow);
    auto* bottom = new QHBoxLayout;
    m_dictionaryLearnt = new QLabel(this);
    m_dictionaryLearnt->setObjectName(QStringLiteral("lbDictionaryLearnt"));
    m_dictionaryLearnt->setWordWrap(true);
    bottom->addWidget(m_dictionaryLearnt, 1);
    m_back = new QPushButton(this);
    m_back->setObjectName(QStringLiteral("btProgressBack"));
    bottom->addWidget(m_back);
    layout->addLayout(bottom);
    connect(m_back, &QPushButton::clicked, this, &QWidget::hide);
    retranslate();
}

void ProgressView::showProgress(const ProgressSummary& summary, const QString& dictionary,
                                qint64 learnt, qint64 cards)
{
    m_summary = summary;
    m_dictionary = dictionary;
    m_learnt = learnt;
    m_cards = cards;

    m_all->remove(0, m_all->count());
    m_open->remove(0, m_open->count());
    QStringList days;
    qint64 highest = 0;
    for (qsizetype i = 0; i < summary.days.size(); ++i) {
        days.append(QString::number(summary.days[i].day()));
        m_all->append(qreal(summary.learntAll[i]));
        m_open->append(qreal(summary.learntOpen[i]));
        highest = std::max(highest, summary.learntAll[i]);
    }
    m_days->setCategories(days);
    m_counts->setRange(0, qreal(std::max<qint64>(highest, 1)));
    m_counts->applyNiceNumbers();
    retranslate();
}

// The keys go to Back, not to the tab's button under the view.
void ProgressView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_back->setFocus(Qt::OtherFocusReason);
}

void ProgressView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ProgressView::retranslate()
{
    m_title->setText(tr("Progress"));
    m_chart->setTitle(tr("Cards learnt per day, last %1 days").arg(m_summary.days.size()));
    m_all->setLabel(tr("All dictionaries"));
    m_open->setLabel(m_dictionary.isEmpty() ? tr("Open dictionary") : m_dictionary);
    m_inARow->setText(tr("Days learnt in a row: %1").arg(m_summary.daysInARow));
    m_dictionaryLearnt->setText(
        m_dictionary.isEmpty()
            ? tr("No dictionary is open.")
            : tr("%1 — cards learnt: %2, cards in the dictionary: %3")
                  .arg(m_dictionary, QString::number(m_learnt), QString::number(m_cards)));
    m_back->setText(tr("Back"));
}
