#include "url_recorder.h"

#include <QDesktopServices>

namespace {
const char* const schemes[] = {"file", "https"};
}

UrlRecorder::UrlRecorder() {
    for (const char* scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, this, "open");
}

UrlRecorder::~UrlRecorder() {
    for (const char* scheme : schemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

void UrlRecorder::open(const QUrl& url) {
    opened.append(url);
}
