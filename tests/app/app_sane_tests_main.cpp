#include "app/quillox_application.h"
#include "sane_workflow_test.h"
#include "test_classes.h"

// The scan workflow with our SANE manager, in a process of its own: the manager has the same
// file name as the scripted one the other window tests load.
int main(int argc, char** argv) {
    quillox::app::QuilloxApplication application(argc, argv);
    SaneWorkflowTest saneWorkflow;
    return runTestClasses(argc, argv, {&saneWorkflow});
}
