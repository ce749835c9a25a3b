#pragma once

#include <QString>

namespace quillox::twain {

// What a source's condition code means, for the user: "the paper is jammed".
QString conditionText(int condition);

} // namespace quillox::twain
