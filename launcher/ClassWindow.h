// The teacher's window of the class (zorbik --class-window DIR, or the
// launcher's class button): the table of the pupils, as the text report
// has it and sortable by any column, and two charts of the right answers per
// topic per week, for the class and for the pupil chosen in the table or
// the box above the chart.
#pragma once

#include "ClassTally.h"

#include <QWidget>

#include <string>

class QChart;
class QChartView;
class QComboBox;
class QTableView;

namespace zorbik {

class ClassTableModel;

class ClassWindow : public QWidget {
    Q_OBJECT
  public:
    ClassWindow(ClassTally tally, const std::string& folder, QWidget* parent = nullptr);

    QTableView* table() const { return table_; }
    QComboBox* pupilBox() const { return pupil_; }
    QChart* classChart() const;
    QChart* pupilChart() const;

    // Charts the pupil at `index` of the tally (by login).
    void showPupil(int index);

  private:
    ClassTally tally_;
    ClassTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QComboBox* pupil_ = nullptr;
    QChartView* classView_ = nullptr;
    QChartView* pupilView_ = nullptr;
};

// --class-window: reads the record and shows the window until it is
// closed. 0, or 1 when the record was not read (said on standard error and
// in a message).
int ShowClassWindow(const std::string& folder);

// The launcher's class button: the window for `folder`, or the message
// that says why the record was not read.
void OpenClassWindow(QWidget* parent, const std::string& folder);

} // namespace zorbik
