// The class's table in the teacher's window: one row per pupil with the
// columns of the text report, each topic split into the last four weeks and
// the weeks before; sorted by what the cells mean (numbers, shares right),
// not by their text.
#pragma once

#include "ClassTally.h"

#include <QAbstractTableModel>

namespace zorbik {

class ClassTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // The role that sorts: a number, or the text where there is none.
    static constexpr int SortRole = Qt::UserRole;
    enum Column {
        Login,
        Name,
        Games,
        LastGame,
        FirstTopic,
        Mistakes = FirstTopic + 2 * int(RecordTopics),
        Columns
    };

    ClassTableModel(const ClassTally& tally, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    struct Row {
        QString login, name, lastGame, mistakes;
        int games = 0;
        std::array<RightOfAsked, 2 * RecordTopics> topics{};
    };
    std::vector<Row> rows_;
};

} // namespace zorbik
