#pragma once

#include <QByteArray>
#include <QImage>
#include <QStringList>

// SANE's own test backend in a private configuration, for the whole run: SANE reads where its
// configuration lies only once. SANE's libraries stay mapped for the whole run, so that the
// strings SANE itself never frees are traced to them and left out of the leak report, while
// ours are not.
//
// Each test may give the backend settings of its own (lines of test.conf); they take effect
// when the manager next starts SANE. The backend draws its colour pattern unless told
// otherwise.
void useSaneTestBackend(const QByteArray& settings = {});

// What SANE's own scanimage makes of a test device with these options, in the same
// configuration, as an RGB picture.
QImage scanimage(const QStringList& options, const QString& device = "test:0");
