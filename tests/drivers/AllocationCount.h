#pragma once

namespace tonalyx {

// How many allocations (operator new) the test program has made so far. The
// program that links AllocationCount.cpp counts every one of them.
long AllocationCount();

}  // namespace tonalyx
