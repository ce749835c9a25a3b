#pragma once

#include "scan/twain/twain_protocol.h"

#include <QString>
#include <QStringList>

// The scripted manager of tests/fakes, reached in the library that the component loads.
class FakeManager {
public:
    FakeManager();
    ~FakeManager();
    FakeManager(const FakeManager&) = delete;
    FakeManager& operator=(const FakeManager&) = delete;

    static QString folder();

    void AddSource(const char* name);
    void Set(const char* key, long value);
    long Value(const char* key) const;
    void Post(quillox::twain::TW_UINT16 message);
    // The triplets received, "manager OPENDSM" or "source ENDXFER", in order.
    QStringList Calls() const;
    void ClearCalls();
    const quillox::twain::TW_IDENTITY& LastOrigin() const;

private:
    void* handle_;
};
