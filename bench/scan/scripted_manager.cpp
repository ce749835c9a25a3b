#include "scripted_manager.h"

#include <QFile>
#include <dlfcn.h>
#include <stdexcept>
#include <string>

namespace {

template <typename Function> Function symbol(void* handle, const char* name) {
    void* found = ::dlsym(handle, name);
    if (!found)
        throw std::runtime_error(std::string("the scripted manager lacks ") + name);
    return reinterpret_cast<Function>(found);
}

} // namespace

QString ScriptedManager::folder() {
    return QStringLiteral(FAKE_MANAGER_FOLDER);
}

ScriptedManager::ScriptedManager()
    : handle_(::dlopen(QFile::encodeName(folder() + "/libtwaindsm.so.2").constData(),
                       RTLD_NOW | RTLD_LOCAL)) {
    if (!handle_)
        throw std::runtime_error(::dlerror());
    symbol<void (*)()>(handle_, "fake_twain_reset")();
}

ScriptedManager::~ScriptedManager() {
    ::dlclose(handle_);
}

void ScriptedManager::addSource(const char* name) {
    symbol<void (*)(const char*)>(handle_, "fake_twain_add_source")(name);
}

void ScriptedManager::set(const char* key, long value) {
    symbol<void (*)(const char*, long)>(handle_, "fake_twain_set")(key, value);
}
