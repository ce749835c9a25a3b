#pragma once

// The number of documents in the generated store: 100,000 unless the program is given
// "--documents N". The option is taken out of the arguments, so that the program reads the
// rest as it always has. Throws on a count that is not a positive number.
constexpr int defaultDocumentCount = 100'000;
int takeDocumentCount(int& argc, char** argv);
