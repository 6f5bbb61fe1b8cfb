#pragma once

#include "model/CourseCollection.h"

#include <QString>

#include <functional>
#include <vector>

// The exchange sort done literally, one exchange at a time, O(n²): the
// oracle that the computed order is checked against. `exchanged` runs after
// each exchange of positions i < j, so a caller can follow the records as a
// window would.
void LiteralExchangeSort(CourseCollection& courses, const QString& key,
                         const std::function<void(int i, int j)>& exchanged = {});

// The same exchange on positions only: element p is the position, before
// the sort, of the course that ends at p.
std::vector<int> LiteralExchangeOrder(CourseCollection courses, const QString& key);
