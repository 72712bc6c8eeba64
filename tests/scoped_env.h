#pragma once
// An environment variable set for the life of one object, then put back
// (TZ takes effect at once: the zone is read again both times).

#include <stdlib.h>
#include <time.h>

#include <optional>
#include <string>

class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name) {
        if (const char* old = getenv(name)) m_old = old;
        setenv(name, value.c_str(), 1);
        tzset();
    }
    ~ScopedEnv() {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
        tzset();
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};
