#include "ClassCharts.h"

#include "ClassReport.h"

#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QDate>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>

namespace zorbik {

namespace {

constexpr std::size_t WeekLabels = 6; // at most, so that each shows whole

QString WeekLabel(long long monday)
{
    const QDate date = QDate(1970, 1, 1).addDays(monday);
    return QLocale().toString(date, "d MMM");
}

QCategoryAxis* WeekAxis(const std::vector<long long>& weeks)
{
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const std::size_t every = std::max<std::size_t>(1, (weeks.size() + WeekLabels - 1) / WeekLabels);
    for (std::size_t w = 0; w < weeks.size(); w += every)
        axis->append(WeekLabel(weeks[w]), double(w));
    axis->setRange(-0.5, std::max(0.5, double(weeks.size()) - 0.5));
    axis->setTitleText(QCoreApplication::translate("ClassReport", "Week beginning"));
    axis->setGridLineVisible(false);
    return axis;
}

QValueAxis* ShareAxis()
{
    auto* axis = new QValueAxis;
    axis->setRange(0, 100);
    axis->setTickCount(6);
    axis->setLabelFormat("%d %%");
    axis->setTitleText(QCoreApplication::translate("ClassReport", "Right of those asked"));
    return axis;
}

} // namespace

QChart* WeeklyChart(const std::vector<long long>& weeks, const std::vector<TopicCounts>& counts,
                    const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QCategoryAxis* weekAxis = WeekAxis(weeks);
    QValueAxis* shareAxis = ShareAxis();
    chart->addAxis(weekAxis, Qt::AlignBottom);
    chart->addAxis(shareAxis, Qt::AlignLeft);
    for (std::size_t t = 0; t < RecordTopics; ++t) {
        auto* series = new QLineSeries;
        series->setName(QString::fromStdString(RecordTopicName(t)));
        series->setPointsVisible(true);
        for (std::size_t w = 0; w < counts.size() && w < weeks.size(); ++w)
            if (const RightOfAsked& c = counts[w][t]; c.asked > 0)
                series->append(double(w), 100.0 * c.right / c.asked);
        chart->addSeries(series);
        series->attachAxis(weekAxis);
        series->attachAxis(shareAxis);
    }
    return chart;
}

} // namespace zorbik
