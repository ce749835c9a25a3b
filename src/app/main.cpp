#include "app/quillox_application.h"

int main(int argc, char** argv) {
    quillox::app::QuilloxApplication application(argc, argv);
    return application.Run();
}
