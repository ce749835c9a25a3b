#pragma once

namespace quillox::store {

// How the run before this one ended, as far as the start-up can tell: a copy that died leaves
// its lock behind.
enum class StartKind {
    AfterCleanEnd,
    AfterUncleanEnd,
};

} // namespace quillox::store
