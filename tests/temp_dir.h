#pragma once
// A fresh folder under /tmp for one test, removed with everything in it.

#include <stdlib.h>

#include <filesystem>
#include <string>

class TempDir {
public:
    TempDir() {
        char tmpl[] = "/tmp/lumo-test-XXXXXX";
        const char* made = mkdtemp(tmpl);
        m_path = made ? made : "/tmp";
    }
    ~TempDir() { std::filesystem::remove_all(m_path); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};
