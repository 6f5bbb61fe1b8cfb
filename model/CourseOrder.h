#pragma once

#include "model/CourseCollection.h"

#include <QString>

#include <functional>
#include <vector>

// The two orders of the course list. `key` is trimmed and lower-cased:
// "alphabet" puts names in ascending order of their 16-bit character codes,
// "priority" puts priorities in descending order; any other key keeps the
// order as it is.
bool OutOfOrder(const Termin& first, const Termin& second, const QString& key);

// The order in which the exchange sort leaves the courses: for each i, every
// later j whose course must come first changes places with it. Not stable,
// and on purpose: courses with equal keys end as that exchange leaves them.
// Element p is the position, before the sort, of the course that ends at p.
// Computed without the exchanges: O(n log n) comparisons, and where many
// courses share keys at most O(n √n) steps of turning them.
std::vector<int> ExchangeOrder(const CourseCollection& courses, const QString& key);

// Puts the courses in the exchange sort's order.
void SortCollection(CourseCollection& courses, const QString& key);

// The same exchange done one step at a time, in O(n²), for a caller that
// must act at every step: `exchanged` runs after positions i < j changed
// places.
void SortStepByStep(CourseCollection& courses, const QString& key,
                    const std::function<void(int i, int j)>& exchanged);
