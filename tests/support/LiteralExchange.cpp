#include "support/LiteralExchange.h"

#include "model/CourseOrder.h"

#include <numeric>

void LiteralExchangeSort(CourseCollection& courses, const QString& key,
                         const std::function<void(int i, int j)>& exchanged)
{
    const int count = courses.Count();
    for (int i = 0; i <= count - 2; ++i) {
        for (int j = i + 1; j <= count - 1; ++j) {
            if (!OutOfOrder(courses[i], courses[j], key))
                continue;
            courses.SwapRecords(i, j);
            exchanged(i, j);
        }
    }
}

std::vector<int> LiteralExchangeOrder(CourseCollection courses, const QString& key)
{
    std::vector<int> order(courses.Count());
    std::iota(order.begin(), order.end(), 0);
    LiteralExchangeSort(courses, key, [&](int i, int j) { std::swap(order[i], order[j]); });
    return order;
}
