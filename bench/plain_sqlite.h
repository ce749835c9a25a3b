#pragma once

#include <QString>
#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

// A bare SQLite connection, for the baseline and for filling the store. Failures throw
// std::runtime_error with SQLite's message.
class PlainDb {
public:
    explicit PlainDb(const QString& path);
    ~PlainDb();
    PlainDb(const PlainDb&) = delete;
    PlainDb& operator=(const PlainDb&) = delete;

    sqlite3* handle() const { return db_; }
    void exec(const std::string& sql);
    // Opens another database file under a schema name, for copying its rows across.
    void attach(const QString& file, const std::string& name);
    [[noreturn]] void fail() const;

private:
    sqlite3* db_ = nullptr;
};

// One prepared statement; bind numbers count from 1.
class PlainStatement {
public:
    PlainStatement(PlainDb& db, const std::string& sql);
    ~PlainStatement();
    PlainStatement(const PlainStatement&) = delete;
    PlainStatement& operator=(const PlainStatement&) = delete;

    sqlite3_stmt* handle() const { return statement_; }
    void bind(int number, std::int64_t value);
    // Empty text binds as no value, as the engine stores it.
    void bind(int number, const std::string& text);
    // True while a row is there to read.
    bool step();
    void reset();

private:
    PlainDb& db_;
    sqlite3_stmt* statement_ = nullptr;
};
