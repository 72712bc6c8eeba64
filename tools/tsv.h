#pragma once
// Reading the tab-separated text sources of data/: a header line naming the
// columns, then one row per line. Errors name the file and the line.

#include <map>
#include <string>
#include <vector>

class TsvTable {
public:
    // Reads path; false with error set when the file is missing or a row has
    // fewer fields than the header.
    bool Load(const std::string& path, std::string& error);

    size_t Rows() const { return m_rows.size(); }
    // The text of a column by name in row r; throws nothing, empty when absent.
    const std::string& Text(size_t r, const std::string& column) const;
    // The number in a column; false with error set when it is not a number.
    bool Number(size_t r, const std::string& column, double& value, std::string& error) const;
    bool HasColumn(const std::string& column) const { return m_columns.count(column) != 0; }

private:
    std::string m_path;
    std::map<std::string, size_t> m_columns;
    std::vector<std::vector<std::string>> m_rows;
    std::vector<int> m_lines;  // file line of each row, for messages
};
