#pragma once
// Runs an independent piece of work for every column 1..columns, on several threads when
// the table is large enough to repay them. Each column is handled by exactly one thread.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace vostrel {

template <typename Work>
void ForEachColumnInParallel(int columns, std::size_t cells, Work work) {
    constexpr std::size_t kCellsWorthAThread = 200000;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const auto threads = static_cast<int>(std::min<std::size_t>(
        {static_cast<std::size_t>(cores), static_cast<std::size_t>(std::max(columns, 1)),
         cells / kCellsWorthAThread + 1, 8}));
    if (threads <= 1) {
        for (int col = 1; col <= columns; ++col) work(col);
        return;
    }
    std::atomic<int> next{1};
    auto worker = [&] {
        for (int col = next++; col <= columns; col = next++) work(col);
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
    worker();
    for (std::thread& thread : pool) thread.join();
}

}  // namespace vostrel
