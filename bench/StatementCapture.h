// The statements a piece of work sends through the database layer, heard
// while a capture lives: how many a save sends (they must not grow with its
// lines) and the texts its raw replay sends again (RunRawOdbcReplay).
#pragma once
#include <StatementListener.h>

#include <mutex>
#include <string>
#include <vector>

class StatementCapture {
public:
    StatementCapture()
    {
        vornal::ado::SetStatementListener([this](const QString& sql) {
            std::lock_guard lock(m_mutex);
            m_statements.push_back(sql.toStdString());
        });
    }
    ~StatementCapture() { vornal::ado::SetStatementListener({}); }
    StatementCapture(const StatementCapture&) = delete;
    StatementCapture& operator=(const StatementCapture&) = delete;

    std::vector<std::string> statements() const
    {
        std::lock_guard lock(m_mutex);
        return m_statements;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_statements;
};
