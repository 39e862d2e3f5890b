#pragma once
// Splits the chunks of a data file on several threads and joins them in file order.

#include <functional>

#include "engine/data/chunked_file.h"
#include "engine/data/data_file_chunk.h"

namespace vostrel {

// Reads the chunks of `file` one after the other, splits each on one of `threads` threads
// (the calling thread is one of them) and hands every split chunk to `join` on the calling
// thread, in file order, until `join` returns false. A few chunks per thread are held at most, so
// memory stays small however large the file. An exception from splitting or joining stops the work
// and is thrown again here.
void SplitChunksInParallel(ChunkedFile& file, int threads,
                           const std::function<bool(const DataFileChunk&)>& join);

}  // namespace vostrel
