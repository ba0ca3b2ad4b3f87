#pragma once

#include <string>

namespace ov {

// The "control Nav: property Caption: " prefix that form-file failures carry: each step appends its
// part for as long as it runs, and the prefix is cut back when the step ends.
class FormFileWhere {
public:
    FormFileWhere(std::string& where, const std::string& part) : m_where(where), m_size(where.size()) {
        where += part;
    }
    ~FormFileWhere() { m_where.resize(m_size); }
    FormFileWhere(const FormFileWhere&) = delete;
    FormFileWhere& operator=(const FormFileWhere&) = delete;
    void replace(const std::string& part) {
        m_where.resize(m_size);
        m_where += part;
    }

private:
    std::string& m_where;
    size_t m_size;
};

} // namespace ov
