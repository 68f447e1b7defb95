#include "ClassTableModel.h"

#include "ClassReport.h"
#include "common/Utf8Text.h"

#include <QCoreApplication>

namespace zorbik {

namespace {

QString Shown(const std::string& text)
{
    return QString::fromStdString(WithoutInvisibleControls(text));
}

} // namespace

ClassTableModel::ClassTableModel(const ClassTally& tally, QObject* parent) : QAbstractTableModel(parent)
{
    rows_.reserve(tally.pupils.size());
    for (const PupilTally& p : tally.pupils) {
        Row row;
        row.login = Shown(p.login);
        row.name = Shown(p.name);
        row.lastGame = QString::fromStdString(GameDate(p.lastGame));
        row.games = p.games;
        for (std::size_t t = 0; t < RecordTopics; ++t) {
            row.topics[2 * t] = p.recent[t];
            row.topics[2 * t + 1] = p.before[t];
        }
        for (const NamedMistake& m : p.mistakes)
            row.mistakes += (row.mistakes.isEmpty() ? "" : ", ") +
                            QCoreApplication::translate("ClassReport", "%1 (%2)")
                                .arg(QString::fromStdString(MistakeInWords(m.word)))
                                .arg(m.times);
        rows_.push_back(std::move(row));
    }
}

int ClassTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int ClassTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant ClassTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()) ||
        (role != Qt::DisplayRole && role != SortRole && role != Qt::TextAlignmentRole &&
         role != Qt::ToolTipRole))
        return {};
    const Row& row = rows_[std::size_t(index.row())];
    const int column = index.column();
    if (role == Qt::ToolTipRole) // the whole mistakes, where the column cuts them
        return column == Mistakes ? QVariant(row.mistakes) : QVariant();
    const bool number = column == Games || (column >= FirstTopic && column < Mistakes);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (column >= FirstTopic && column < Mistakes) {
        const RightOfAsked& c = row.topics[std::size_t(column - FirstTopic)];
        if (role == SortRole) // the share right; below every share when nothing was asked
            return c.asked == 0 ? -1.0 : double(c.right) / c.asked;
        return QString::fromStdString(RightOfAskedText(c));
    }
    switch (column) {
    case Login:
        return row.login;
    case Name:
        return row.name;
    case Games:
        return row.games;
    case LastGame:
        return row.lastGame;
    default:
        return row.mistakes.isEmpty() && role == Qt::DisplayRole ? QString("-") : row.mistakes;
    }
}

QVariant ClassTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section >= FirstTopic && section < Mistakes) {
        const QString topic = QString::fromStdString(RecordTopicName(std::size_t(section - FirstTopic) / 2));
        return ((section - FirstTopic) % 2 == 0
                    ? QCoreApplication::translate("ClassReport", "%1\nlast 4 weeks")
                    : QCoreApplication::translate("ClassReport", "%1\nbefore"))
            .arg(topic);
    }
    switch (section) {
    case Login:
        return QCoreApplication::translate("ClassReport", "Login");
    case Name:
        return QCoreApplication::translate("ClassReport", "Name");
    case Games:
        return QCoreApplication::translate("ClassReport", "Games");
    case LastGame:
        return QCoreApplication::translate("ClassReport", "Last game");
    default:
        return QCoreApplication::translate("ClassReport", "Most frequent mistakes");
    }
}

} // namespace zorbik
