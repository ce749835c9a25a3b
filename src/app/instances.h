#pragma once

#include "store/start_kind.h"

// The single instances of the run, reachable from every window. Each is created once at
// start-up, in the order of this list, and destroyed in the reverse order at the end.

namespace quillox::app {
class TfMain;
class TfAbout;
} // namespace quillox::app
namespace quillox::filing {
class TfNewDoc;
class TfNewDir;
} // namespace quillox::filing
namespace quillox::retrieval {
class TfBrowse;
class TfSearch;
class TfMoveDoc;
} // namespace quillox::retrieval
namespace quillox::scan {
class TfScan;
}
namespace quillox::store {
class TdmData;
}

extern quillox::app::TfMain* fMain;
extern quillox::filing::TfNewDoc* fNewDoc;
extern quillox::store::TdmData* dmData;
extern quillox::retrieval::TfBrowse* fBrowse;
extern quillox::scan::TfScan* fScan;
extern quillox::retrieval::TfSearch* fSearch;
extern quillox::filing::TfNewDir* fNewDir;
extern quillox::app::TfAbout* fAbout;
extern quillox::retrieval::TfMoveDoc* fMoveDoc;

namespace quillox::app {

// Creates the nine instances in order, each running its creation handler before the next is
// made, then connects the windows' flow. A handler's error goes to the error box through the
// handler guard, and start-up goes on with the next instance. The data module checks the store
// first after an unclean end, and asks in a box before it starts a store in an empty file.
void CreateInstances(store::StartKind previousRun = store::StartKind::AfterCleanEnd);

// Runs the destruction handlers and destroys the instances in the reverse order; the data
// module closes the database on the way.
void DestroyInstances();

} // namespace quillox::app
