#pragma once

#include <cstdint>

namespace quillox::db {
class TDbDataset;
}
class PlainStatement;

// Reading every row of a result to its end, the same way on both sides, as a grid would: text
// as QString from UTF-8, integers as numbers, dates as QDateTime at midnight. Each returns the
// number of rows read.

// From First to Eof, through the fields: AsString, AsInteger or AsDateTime by column type.
std::int64_t readEngineRows(quillox::db::TDbDataset& dataset);

// Steps a statement to its end; the column named InputDate is parsed as a date.
std::int64_t readPlainRows(PlainStatement& statement);
