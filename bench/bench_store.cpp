#include "bench_store.h"

namespace {

BenchStore& current() {
    static BenchStore store;
    return store;
}

} // namespace

const BenchStore& benchStore() {
    return current();
}

void setBenchStore(BenchStore store) {
    current() = std::move(store);
}
