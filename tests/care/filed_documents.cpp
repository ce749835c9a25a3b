#include "filed_documents.h"

namespace quillox::testing {

QByteArray documentBytes(int number) {
    const QByteArray line = "document " + QByteArray::number(number) + "\n";
    return line.repeated((number % 7 + 1) * 150'000 / line.size());
}

} // namespace quillox::testing
