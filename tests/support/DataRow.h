#pragma once

#include <QTest>

// One row of a data table: the values in the order of its columns.
template <typename... Values> void dataRow(const char* name, const Values&... values)
{
    (QTest::newRow(name) << ... << values);
}
