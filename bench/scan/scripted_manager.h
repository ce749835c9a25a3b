#pragma once

#include <QString>

// The scripted TWAIN manager of tests/fakes, reached in the very library file that the
// component loads, so that both see one script.
class ScriptedManager {
public:
    ScriptedManager();
    ~ScriptedManager();
    ScriptedManager(const ScriptedManager&) = delete;
    ScriptedManager& operator=(const ScriptedManager&) = delete;

    static QString folder();

    void addSource(const char* name);
    void set(const char* key, long value);

private:
    void* handle_;
};
