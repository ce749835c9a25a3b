#pragma once

#include <string>

namespace quillox::db {

// Creates an empty file of the path, which must not exist: a file that is there, whatever it
// holds, is never taken over. Throws DbError with the "Cannot create file" message.
void createNewFile(const std::string& path);

} // namespace quillox::db
