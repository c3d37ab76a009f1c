#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace testing_support {

// Sets an environment variable, or removes it when no value is given, while the object lives;
// afterwards the variable is as it was.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const std::optional<QString>& value) : m_name(name) {
        if (qEnvironmentVariableIsSet(name)) {
            m_saved = qgetenv(name);
        }
        set(value ? std::optional<QByteArray>(value->toLocal8Bit()) : std::nullopt);
    }
    ~EnvironmentVariable() { set(m_saved); }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

private:
    void set(const std::optional<QByteArray>& value) const {
        if (value) {
            qputenv(m_name, *value);
        } else {
            qunsetenv(m_name);
        }
    }

    const char* m_name;
    std::optional<QByteArray> m_saved;
};

} // namespace testing_support
