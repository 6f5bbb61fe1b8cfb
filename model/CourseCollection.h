#pragma once

#include "model/Termin.h"

#include <vector>

// The courses at positions 0 .. Count() - 1, and one spare position at
// Count() that holds a record with the initial values: a course added at the
// end starts out as that record.
class CourseCollection
{
public:
    static constexpr int MaxCount = 32767;

    CourseCollection() : records_(1) {}

    qint16 Count() const { return qint16(records_.size() - 1); }
    bool IsEmpty() const { return Count() == 0; }
    bool IsFull() const { return Count() >= MaxCount; }
    // Positions 0 .. Count(), the spare one included.
    Termin& operator[](int position) { return records_.at(position); }
    const Termin& operator[](int position) const { return records_.at(position); }

    // The spare record becomes the last course; a full collection raises error 6.
    Termin& Append();
    Termin& Append(Termin course);
    // The courses become these, taken without a copy; more than MaxCount
    // raise error 6 and change nothing.
    void Assign(std::vector<Termin> courses);
    void RemoveAt(int position);
    void SwapRecords(int first, int second);
    // order[p] is the position of the course that moves to p; anything but
    // an arrangement of 0 .. Count() - 1 raises error 5 and moves nothing.
    void Reorder(const std::vector<int>& order);
    void Clear() { records_.assign(1, Termin{}); }

    // The courses only, without the spare position.
    auto begin() const { return records_.begin(); }
    auto end() const { return records_.end() - 1; }

private:
    std::vector<Termin> records_;
};
