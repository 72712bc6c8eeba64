#include "tools/tsv.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {
std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> out;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t')) out.push_back(field);
    if (!line.empty() && line.back() == '\t') out.emplace_back();
    return out;
}
}  // namespace

bool TsvTable::Load(const std::string& path, std::string& error) {
    m_path = path;
    m_columns.clear();
    m_rows.clear();
    m_lines.clear();
    std::ifstream in(path);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::string line;
    if (!std::getline(in, line)) {
        error = path + ": no header line";
        return false;
    }
    std::vector<std::string> header = SplitTabs(line);
    for (size_t i = 0; i < header.size(); ++i) m_columns[header[i]] = i;
    int lineNo = 1;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::vector<std::string> fields = SplitTabs(line);
        if (fields.size() < header.size()) {
            error = path + ":" + std::to_string(lineNo) + ": expected " +
                    std::to_string(header.size()) + " fields, found " +
                    std::to_string(fields.size());
            return false;
        }
        m_rows.push_back(std::move(fields));
        m_lines.push_back(lineNo);
    }
    return true;
}

const std::string& TsvTable::Text(size_t r, const std::string& column) const {
    static const std::string empty;
    auto it = m_columns.find(column);
    if (r >= m_rows.size() || it == m_columns.end()) return empty;
    return m_rows[r][it->second];
}

bool TsvTable::Number(size_t r, const std::string& column, double& value,
                      std::string& error) const {
    const std::string& text = Text(r, column);
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || errno != 0) {
        error = m_path + ":" + std::to_string(r < m_lines.size() ? m_lines[r] : 0) +
                ": column " + column + " is not a number: '" + text + "'";
        return false;
    }
    return true;
}
