#pragma once

#include "model/CourseCollection.h"

#include <QString>

#include <functional>
#include <vector>

// The exchange sort done literally, O(n²): the oracle for the computed
// order. `exchanged` runs after each exchange of positions i < j.
void LiteralExchangeSort(CourseCollection& courses, const QString& key,
                         const std::function<void(int i, int j)>& exchanged);

// Element p is the position, before the sort, of the course that ends at p.
std::vector<int> LiteralExchangeOrder(CourseCollection courses, const QString& key);
