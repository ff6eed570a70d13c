#pragma once

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace veldrane::testing {

// The row of a table test a failure belongs to: its number in the table (from 1) and what it
// is called, its `name` where it has one, else its input `text`.
template <class Table, class Row>
std::string DescribeRow(const Table& table, const Row& row) {
  std::string description = "row " + std::to_string(&row - std::data(table) + 1);
  if constexpr (requires { row.name; }) {
    description += ": " + ::testing::PrintToString(row.name);
  } else if constexpr (requires { row.text; }) {
    description += ": " + ::testing::PrintToString(row.text);
  }
  return description;
}

}  // namespace veldrane::testing

// First statement in the loop over a test table: every failure that follows in the loop's
// body names the file and line of the loop and the row being checked (see DescribeRow).
#define TRACE_ROW(table, row) SCOPED_TRACE(::veldrane::testing::DescribeRow((table), (row)))
