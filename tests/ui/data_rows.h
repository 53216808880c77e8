// Qt Test data as a table of structs: one column "row", one row per struct,
// named by its `name`.
#pragma once

#include <QTest>
#include <initializer_list>

template <class Row>
void AddRows(std::initializer_list<Row> rows) {
  QTest::addColumn<Row>("row");
  for (const Row& row : rows) QTest::newRow(row.name) << row;
}
