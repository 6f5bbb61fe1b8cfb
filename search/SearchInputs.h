#pragma once

#include "search/SearchCourse.h"

#include <QString>

#include <vector>

// The courses as the search reads them, kept from one click to the next.
// Refresh() brings them in line with the collection and tells whether
// anything the search reads changed. A slot text that the collection still
// shares with the copy kept here cannot have been changed in place (Qt
// copies shared text before writing), so an unchanged list is checked
// without reading a single mask again.
class SearchInputs
{
public:
    // True when priorities, VisitAll, offered cells and their order are
    // what they were at the last call.
    bool Refresh(const CourseCollection& collection);
    const std::vector<SearchCourse>& Courses() const { return courses_; }

private:
    std::vector<SearchCourse> courses_;
    std::vector<QString> times_;
};
