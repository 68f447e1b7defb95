#include "ClassWindow.h"

#include "ClassCharts.h"
#include "ClassReport.h"
#include "ClassTableModel.h"
#include "common/Utf8Text.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <cstdio>

namespace zorbik {

namespace {

QString Shown(const std::string& text)
{
    return QString::fromStdString(WithoutInvisibleControls(text));
}

QString Heading(const ClassTally& tally, const std::string& folder)
{
    QString text = QCoreApplication::translate("ClassReport", "The class in %1: %2, %3.")
                       .arg(Shown(folder), QString::fromStdString(PupilsText(tally.pupils.size())),
                            QString::fromStdString(GamesText(tally.games)));
    if (tally.unread > 0)
        text += "\n" + QString::fromStdString(UnreadText(tally.unread));
    return text + "\n" +
           QCoreApplication::translate("ClassReport", "Per topic: right answers of those asked in the last 4 "
                                                      "weeks (since %1) | in the weeks before.")
               .arg(QString::fromStdString(LocalDate(tally.recentSince)));
}

QChartView* ChartView(QChart* chart, const QString& accessibleName)
{
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(480, 340);
    view->setAccessibleName(accessibleName);
    return view;
}

// Puts `chart` into `view` and lets the one it replaces go.
void Replace(QChartView* view, QChart* chart)
{
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

} // namespace

ClassWindow::ClassWindow(ClassTally tally, const std::string& folder, QWidget* parent)
    : QWidget(parent), tally_(std::move(tally))
{
    setWindowTitle(QCoreApplication::translate("ClassReport", "The class - Zorbik on the maze"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(Heading(tally_, folder));
    heading->setWordWrap(true);
    layout->addWidget(heading);

    model_ = new ClassTableModel(tally_, this);
    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(model_);
    sorted->setSortRole(ClassTableModel::SortRole);
    table_ = new QTableView;
    table_->setModel(sorted);
    table_->setSortingEnabled(true);
    table_->sortByColumn(ClassTableModel::Login, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->resizeColumnsToContents();
    table_->setAccessibleName(QCoreApplication::translate("ClassReport", "The pupils of the class"));
    layout->addWidget(table_, 1);

    auto* pupilRow = new QHBoxLayout;
    auto* pupilLabel = new QLabel(QCoreApplication::translate("ClassReport", "Pupil in the right chart:"));
    pupil_ = new QComboBox;
    for (const PupilTally& p : tally_.pupils)
        pupil_->addItem(
            QCoreApplication::translate("ClassReport", "%1 (%2)").arg(Shown(p.login), Shown(p.name)));
    pupil_->setAccessibleName(QCoreApplication::translate("ClassReport", "Pupil shown in the right chart"));
    pupilLabel->setBuddy(pupil_);
    pupilRow->addStretch(1);
    pupilRow->addWidget(pupilLabel);
    pupilRow->addWidget(pupil_);
    layout->addLayout(pupilRow);

    auto* charts = new QHBoxLayout;
    classView_ = ChartView(
        WeeklyChart(tally_.weeks, tally_.classWeeks,
                    QCoreApplication::translate("ClassReport", "The class: right answers per week")),
        QCoreApplication::translate("ClassReport", "Chart of the class"));
    pupilView_ =
        ChartView(new QChart, QCoreApplication::translate("ClassReport", "Chart of the chosen pupil"));
    charts->addWidget(classView_, 1);
    charts->addWidget(pupilView_, 1);
    layout->addLayout(charts, 2);

    auto* close = new QPushButton(QCoreApplication::translate("ClassReport", "Close"));
    close->setAccessibleName(QCoreApplication::translate("ClassReport", "Close the class window"));
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(close);
    layout->addLayout(closeRow);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    connect(pupil_, &QComboBox::currentIndexChanged, this, &ClassWindow::showPupil);
    // A row picked in the table, however it is sorted, picks its pupil.
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, sorted](const QModelIndex& current) {
                if (current.isValid())
                    pupil_->setCurrentIndex(sorted->mapToSource(current).row());
            });
    showPupil(pupil_->currentIndex());
    resize(1200, 860);
}

QChart* ClassWindow::classChart() const
{
    return classView_->chart();
}

QChart* ClassWindow::pupilChart() const
{
    return pupilView_->chart();
}

void ClassWindow::showPupil(int index)
{
    if (index < 0 || index >= int(tally_.pupils.size()))
        return;
    Replace(pupilView_, WeeklyChart(tally_.weeks, tally_.pupils[std::size_t(index)].weeks,
                                    QCoreApplication::translate("ClassReport", "%1: right answers per week")
                                        .arg(pupil_->itemText(index))));
}

int ShowClassWindow(const std::string& folder)
{
    ClassTally tally;
    std::string refusal;
    if (!LoadClassTally(folder, std::time(nullptr), tally, refusal)) {
        std::fprintf(stderr, "zorbik: %s\n", refusal.c_str());
        QMessageBox::warning(nullptr,
                             QCoreApplication::translate("ClassReport", "The class - Zorbik on the maze"),
                             QString::fromStdString(refusal));
        return 1;
    }
    ClassWindow window(std::move(tally), folder);
    window.show();
    return QApplication::exec();
}

void OpenClassWindow(QWidget* parent, const std::string& folder)
{
    ClassTally tally;
    std::string refusal;
    if (!LoadClassTally(folder, std::time(nullptr), tally, refusal)) {
        QMessageBox::warning(parent,
                             QCoreApplication::translate("ClassReport", "The class - Zorbik on the maze"),
                             QString::fromStdString(refusal));
        return;
    }
    // A window of its own beside the launcher's, gone when it is closed.
    auto* window = new ClassWindow(std::move(tally), folder);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

} // namespace zorbik
