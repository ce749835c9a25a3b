#pragma once

#include <functional>
#include <string>

namespace quillox::db {

// Creates a file of the path, which must not exist: a file that is there, whatever it holds, is
// never taken over. The file is made under a name of its own beside the path, handed to prepare
// to be filled, and given the path only then, its name flushed to the disk: a crash leaves no
// half-made file of the path, only the staging file, which the next creation removes. Throws
// DbError with the "Cannot create file" message, or what prepare throws.
void createNewFile(const std::string& path,
                   const std::function<void(const std::string& staging)>& prepare = {});

} // namespace quillox::db
