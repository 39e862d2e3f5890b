#include "engine/data/parallel_chunks.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace vostrel {

namespace {

// Chunks pass through a ring of slots: read in order (one thread reads at a time), split
// on any thread, joined in order on the calling thread, then the slot is free again.
class ChunkPipeline {
  public:
    ChunkPipeline(ChunkedFile& file, int threads,
                  const std::function<bool(const DataFileChunk&)>& join)
        : file_(file), join_(join), slots_(static_cast<std::size_t>(threads) * 2 + 1) {}

    void Run(int threads);

  private:
    struct Slot {
        std::string text;
        DataFileChunk chunk;
        bool split = false;  // ready to be joined
    };

    Slot& SlotOf(std::int64_t number) {
        return slots_[static_cast<std::size_t>(number) % slots_.size()];
    }
    // With the lock held: a chunk can be read into a free slot.
    bool CanRead() const {
        return !stop_ && !endOfFile_ && read_ - joined_ < static_cast<std::int64_t>(slots_.size());
    }
    bool AllJoined() const { return endOfFile_ && joined_ == read_; }
    bool SplitNext(std::unique_lock<std::mutex>& lock);
    void Fail(std::unique_lock<std::mutex>& lock);
    void Work();

    ChunkedFile& file_;
    const std::function<bool(const DataFileChunk&)>& join_;
    std::vector<Slot> slots_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::int64_t read_ = 0;    // chunks read so far
    std::int64_t joined_ = 0;  // chunks joined so far
    bool endOfFile_ = false;
    bool stop_ = false;
    std::exception_ptr error_;
};

// Called with the lock held after catching an exception: everybody stops.
void ChunkPipeline::Fail(std::unique_lock<std::mutex>& lock) {
    if (!lock.owns_lock()) lock.lock();
    if (!error_) error_ = std::current_exception();
    stop_ = true;
    changed_.notify_all();
}

// Reads the next chunk and splits it, when a slot is free; false when there was nothing
// to do. Entered and left with the lock held; the split runs without it.
bool ChunkPipeline::SplitNext(std::unique_lock<std::mutex>& lock) {
    if (!CanRead()) return false;
    const std::int64_t number = read_;
    Slot& slot = SlotOf(number);
    try {
        if (!file_.Next(slot.text)) {
            endOfFile_ = true;
            changed_.notify_all();
            return false;
        }
        ++read_;
        lock.unlock();
        slot.chunk.Split(slot.text, number == 0);
        lock.lock();
    } catch (...) {
        Fail(lock);
        return false;
    }
    slot.split = true;
    changed_.notify_all();
    return true;
}

void ChunkPipeline::Work() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_ && !endOfFile_) {
        if (!SplitNext(lock))
            changed_.wait(lock, [this] { return stop_ || endOfFile_ || CanRead(); });
    }
}

void ChunkPipeline::Run(int threads) {
    std::vector<std::thread> workers;
    for (int t = 1; t < threads; ++t) {
        try {
            workers.emplace_back([this] { Work(); });
        } catch (const std::system_error&) {
            break;  // fewer threads do the same work
        }
    }
    {
        std::unique_lock<std::mutex> lock(mutex_);
        while (!stop_) {
            Slot& next = SlotOf(joined_);
            if (next.split) {
                lock.unlock();
                bool more = false;
                try {
                    more = join_(next.chunk);
                } catch (...) {
                    Fail(lock);
                    break;
                }
                lock.lock();
                if (!more) break;
                next.split = false;
                ++joined_;
                changed_.notify_all();
            } else if (AllJoined()) {
                break;
            } else if (!SplitNext(lock)) {
                // Nothing to join or read yet: a worker is still splitting.
                changed_.wait(lock, [this] {
                    return stop_ || SlotOf(joined_).split || AllJoined() || CanRead();
                });
            }
        }
        stop_ = true;
        changed_.notify_all();
    }
    for (std::thread& worker : workers) worker.join();
    if (error_) std::rethrow_exception(error_);
}

}  // namespace

void SplitChunksInParallel(ChunkedFile& file, int threads,
                           const std::function<bool(const DataFileChunk&)>& join) {
    ChunkPipeline pipeline(file, std::max(threads, 1), join);
    pipeline.Run(std::max(threads, 1));
}

}  // namespace vostrel
