#pragma once

#include <cstddef>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tonalyx::gen {

// A malformed table file. The message names the file and line.
class TableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One numeric key column of a table file: its header name and its largest value (the
// smallest is 0).
struct KeyColumn {
  std::string name;
  int max;
};

// The layout of one table file and of the dense array it fills. The file has the key
// columns in the order given, then a "name" column. A row's cell in the dense array is
// the sum over the key columns of value * stride, plus offset.
struct TableFormat {
  std::vector<KeyColumn> keys;
  std::vector<std::size_t> strides;
  std::size_t offset;
  std::size_t size;
};

// The layouts of the four tables.
TableFormat GsToneFormat();
TableFormat XgToneFormat();
TableFormat GsDrumFormat();
TableFormat XgDrumFormat();

// Reads one table file into a dense array of size format.size; cells without a row stay
// empty. Lines are split on the tab character only and fields are not trimmed. Throws
// TableError on a wrong header, a wrong column count, a key that is not a number or lies
// outside its range, a key that occurs twice, or an empty or non-printable name.
std::vector<std::string> ReadTable(std::istream& in, const std::string& source,
                                   const TableFormat& format);

}  // namespace tonalyx::gen
