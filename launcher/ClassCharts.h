// The charts of the teacher's window: the share of right answers per topic
// in each charted week, one line per topic, for the class or for one pupil.
#pragma once

#include "ClassTally.h"

#include <QString>

class QChart;

namespace zorbik {

// A new chart (the caller owns it) titled `title`: a line per topic through
// the weeks in which that topic was asked, the weeks by their Mondays on
// the bottom axis, the right answers in per cent of those asked upwards.
QChart* WeeklyChart(const std::vector<long long>& weeks, const std::vector<TopicCounts>& counts,
                    const QString& title);

} // namespace zorbik
