#pragma once

#include "model/CourseCollection.h"

#include <QString>

#include <functional>

// The two orders of the course list. `key` is trimmed and lower-cased:
// "alphabet" puts names in ascending order of their 16-bit character codes,
// "priority" puts priorities in descending order; any other key keeps the
// order as it is.
bool OutOfOrder(const Termin& first, const Termin& second, const QString& key);

// The exchange sort over the collection: for each i, every later j whose
// course must come first changes places with it. Not stable, and on purpose:
// the order of equal keys is the one this exchange gives. `swapped` runs
// after each exchange, so the course chooser can follow the records.
void SortCollection(CourseCollection& courses, const QString& key,
                    const std::function<void(int first, int second)>& swapped = {});
