// What the Qt Test files share: table-driven rows, and the modal dialog that
// the next event loop shows.
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <cstddef>
#include <tuple>

namespace kalvex::test {

// Table-driven tests: a _data function adds a row for each entry of a table
// of tuples that begin with the row's name, and the test reads its entry.
template <typename Entry, std::size_t N>
void AddRows(const Entry (&table)[N]) {
  QTest::addColumn<int>("entry");
  for (std::size_t i = 0; i < N; ++i) QTest::newRow(std::get<0>(table[i])) << int(i);
}

template <typename Entry, std::size_t N>
const Entry& CurrentRow(const Entry (&table)[N]) {
  QFETCH(int, entry);
  return table[entry];
}

// Hands the modal W that the next event loop shows, if any, to `act`.
template <typename W, typename Act>
void WhenModal(Act act) {
  QTimer::singleShot(0, [act] {
    if (auto* widget = qobject_cast<W*>(QApplication::activeModalWidget())) act(widget);
  });
}

}  // namespace kalvex::test
