// A library under the manager's file name that lacks the manager's entry point.
extern "C" __attribute__((visibility("default"))) int not_a_twain_manager() {
    return 0;
}
