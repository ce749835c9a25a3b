#pragma once

#include <initializer_list>

class QObject;

// Runs Qt Test classes in one process: all of them, or only the one whose class name is the
// first argument, so that each class can be a test of its own. The arguments after the name go
// to Qt Test. Returns the number of failed test functions; an unknown name counts as a failure.
int runTestClasses(int argc, char** argv, std::initializer_list<QObject*> classes);
