#include "AccessibleWidgets.h"

#include "MazeSurface.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QtGlobal>

#include <vector>

namespace zorbik {

namespace {

// The health bar: a progress bar whose value is the player's health.
class AccessibleHealthBar : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit AccessibleHealthBar(QWidget* w) : QAccessibleWidget(w, QAccessible::ProgressBar) {}
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QVariant currentValue() const override { return static_cast<const HealthBar*>(widget())->health(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 10; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(currentValue().toInt());
        return QAccessibleWidget::text(t);
    }
};

class AccessibleHighScores;

// One cell of the high-score table, the column names included (row -1).
class HighScoreCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    HighScoreCell(AccessibleHighScores* table, int row, int column)
        : table_(table), row_(row), column_(column)
    {
    }
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override
    {
        return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                    : nullptr;
    }
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

  private:
    AccessibleHighScores* table_;
    int row_;
    int column_;
};

// The high-score box as a table: one row per line that ends in the five
// numbers (items, enemies, doors, level, score), the name before them.
class AccessibleHighScores : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    static constexpr int Columns = 6;

    explicit AccessibleHighScores(QWidget* w) : QAccessibleWidget(w, QAccessible::Table) {}
    ~AccessibleHighScores() override
    {
        for (HighScoreCell* cell : cells_)
            if (cell)
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QCoreApplication::translate("Access", "High scores");
        return QAccessibleWidget::text(t);
    }

    // The cells, the column names first.
    int childCount() const override { return (rowCount() + 1) * Columns; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        return cell(index / Columns - 1, index % Columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (size_t i = 0; i < cells_.size(); ++i)
            if (cells_[i] == child)
                return int(i);
        return -1;
    }

    QString columnName(int column) const
    {
        static const char* const names[Columns] = {
            QT_TRANSLATE_NOOP("Access", "Name"),           QT_TRANSLATE_NOOP("Access", "Treasures"),
            QT_TRANSLATE_NOOP("Access", "Enemies beaten"), QT_TRANSLATE_NOOP("Access", "Doors opened"),
            QT_TRANSLATE_NOOP("Access", "Level"),          QT_TRANSLATE_NOOP("Access", "Score")};
        return column >= 0 && column < Columns ? QCoreApplication::translate("Access", names[column])
                                               : QString();
    }
    QStringList rowAt(int row) const
    {
        const QList<QStringList> all = rows();
        return row >= 0 && row < all.size() ? all[row] : QStringList();
    }

    HighScoreCell* cell(int row, int column) const
    {
        const size_t index = size_t((row + 1) * Columns + column);
        if (cells_.size() <= index)
            cells_.resize(index + 1, nullptr);
        if (!cells_[index]) {
            cells_[index] = new HighScoreCell(const_cast<AccessibleHighScores*>(this), row, column);
            QAccessible::registerAccessibleInterface(cells_[index]);
        }
        return cells_[index];
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return row >= 0 && row < rowCount() && column >= 0 && column < Columns ? cell(row, column) : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return columnName(column); }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Columns; }
    int rowCount() const override { return int(rows().size()); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    QList<QStringList> rows() const
    {
        QList<QStringList> out;
        const auto* box = qobject_cast<const QPlainTextEdit*>(widget());
        if (!box)
            return out;
        static const QRegularExpression line(
            QStringLiteral("^(.*\\S)?\\s+(\\d+)\\s+(\\d+)\\s+(\\d+)\\s+(\\d+)\\s+(\\d+)(\\s+\\*)?$"));
        for (const QString& text : box->toPlainText().split('\n')) {
            const QRegularExpressionMatch m = line.match(text);
            if (!m.hasMatch())
                continue;
            QStringList row{m.captured(1).trimmed()};
            for (int i = 2; i <= 6; ++i)
                row << m.captured(i);
            if (!m.captured(7).isEmpty())
                row[0] = QCoreApplication::translate("Access", "%1 (this game)").arg(row[0]);
            out << row;
        }
        return out;
    }

    mutable std::vector<HighScoreCell*> cells_;
};

QAccessibleInterface* HighScoreCell::parent() const
{
    return table_;
}

QAccessibleInterface* HighScoreCell::table() const
{
    return table_;
}

QString HighScoreCell::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return {};
    return row_ < 0 ? table_->columnName(column_) : table_->rowAt(row_).value(column_);
}

QRect HighScoreCell::rect() const
{
    return table_->rect();
}

QList<QAccessibleInterface*> HighScoreCell::columnHeaderCells() const
{
    return {table_->cell(-1, column_)};
}

// The maze surface: a focusable picture; its name and description are the game's.
class AccessibleMaze : public QAccessibleWidget {
  public:
    explicit AccessibleMaze(QWidget* w) : QAccessibleWidget(w, QAccessible::Canvas) {}
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (!w)
        return nullptr;
    if (className == QLatin1String("zorbik::HealthBar"))
        return new AccessibleHealthBar(w);
    if (className == QLatin1String("zorbik::MazeSurface"))
        return new AccessibleMaze(w);
    if (className == QLatin1String("zorbik::HighScoreBox"))
        return new AccessibleHighScores(w);
    return nullptr;
}

} // namespace

void InstallAccessibleWidgets()
{
    QAccessible::installFactory(Factory);
}

void TellValueChanged(QWidget* bar, int value)
{
    QAccessibleValueChangeEvent event(bar, value);
    QAccessible::updateAccessibility(&event);
}

void TellAnnouncement(QWidget* surface, const QString& text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(surface, text);
    QAccessible::updateAccessibility(&event);
#endif
    // Every screen reader speaks a change of the focused object's description.
    surface->setAccessibleDescription(text);
}

} // namespace zorbik
