#include "fake_manager.h"

#include <QFile>
#include <dlfcn.h>
#include <stdexcept>

namespace {

template <typename Function> Function symbol(void* handle, const char* name) {
    void* found = ::dlsym(handle, name);
    if (!found)
        throw std::runtime_error(std::string("the fake manager lacks ") + name);
    return reinterpret_cast<Function>(found);
}

} // namespace

QString FakeManager::folder() {
    return QStringLiteral(FAKE_MANAGER_FOLDER);
}

FakeManager::FakeManager()
    : handle_(::dlopen(QFile::encodeName(folder() + "/libtwaindsm.so.2").constData(),
                       RTLD_NOW | RTLD_LOCAL)) {
    if (!handle_)
        throw std::runtime_error(::dlerror());
    symbol<void (*)()>(handle_, "fake_twain_reset")();
}

FakeManager::~FakeManager() {
    ::dlclose(handle_);
}

void FakeManager::AddSource(const char* name) {
    symbol<void (*)(const char*)>(handle_, "fake_twain_add_source")(name);
}

void FakeManager::Set(const char* key, long value) {
    symbol<void (*)(const char*, long)>(handle_, "fake_twain_set")(key, value);
}

long FakeManager::Value(const char* key) const {
    return symbol<long (*)(const char*)>(handle_, "fake_twain_value")(key);
}

void FakeManager::Post(quillox::twain::TW_UINT16 message) {
    symbol<void (*)(quillox::twain::TW_UINT16)>(handle_, "fake_twain_post")(message);
}

QStringList FakeManager::Calls() const {
    const char* calls = symbol<const char* (*)()>(handle_, "fake_twain_calls")();
    return QString::fromLatin1(calls).split('\n', Qt::SkipEmptyParts);
}

void FakeManager::ClearCalls() {
    symbol<void (*)()>(handle_, "fake_twain_clear_calls")();
}

const quillox::twain::TW_IDENTITY& FakeManager::LastOrigin() const {
    return *symbol<const quillox::twain::TW_IDENTITY* (*)()>(handle_, "fake_twain_last_origin")();
}
