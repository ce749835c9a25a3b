#include "app/quillox_application.h"
#include "browse_window_test.h"
#include "command_line_test.h"
#include "end_to_end_test.h"
#include "filing_dialogs_test.h"
#include "hand_over_test.h"
#include "main_window_test.h"
#include "scan_workflow_test.h"
#include "search_window_test.h"
#include "startup_test.h"
#include "test_classes.h"
#include "window_manager_test.h"

int main(int argc, char** argv) {
    quillox::app::QuilloxApplication application(argc, argv);
    StartupTest startup;
    HandOverTest handOver;
    CommandLineTest commandLine;
    FilingDialogsTest filingDialogs;
    MainWindowTest mainWindow;
    BrowseWindowTest browseWindow;
    SearchWindowTest searchWindow;
    EndToEndTest endToEnd;
    ScanWorkflowTest scanWorkflow;
    WindowManagerTest windowManager;
    return runTestClasses(argc, argv,
                          {&startup, &handOver, &commandLine, &filingDialogs, &mainWindow,
                           &browseWindow, &searchWindow, &endToEnd, &scanWorkflow, &windowManager});
}
