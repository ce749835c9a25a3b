#include "test_classes.h"

#include <QByteArray>
#include <QObject>
#include <QTest>
#include <cstdio>
#include <vector>

int runTestClasses(int argc, char** argv, std::initializer_list<QObject*> classes) {
    if (argc < 2 || argv[1][0] == '-') {
        int failures = 0;
        for (QObject* test : classes)
            failures += QTest::qExec(test, argc, argv);
        return failures;
    }
    // Qt Test sees the program's name and the arguments after the class's name.
    std::vector<char*> rest{argv[0]};
    rest.insert(rest.end(), argv + 2, argv + argc);
    for (QObject* test : classes) {
        if (QByteArray(test->metaObject()->className()) == argv[1])
            return QTest::qExec(test, static_cast<int>(rest.size()), rest.data());
    }
    std::fprintf(stderr, "No test class %s\n", argv[1]);
    return 1;
}
