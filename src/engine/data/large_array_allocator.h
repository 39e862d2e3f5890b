#pragma once
// An allocator for the table's large per-column and per-row arrays. Arrays of several
// megabytes are placed on 2 MB boundaries and the kernel is asked to back them with huge
// pages: a million-row table then costs a few dozen page faults instead of tens of
// thousands, which is most of the time its derivation would otherwise spend.

#include <cstddef>
#include <cstdlib>
#include <new>

#include <sys/mman.h>

namespace vostrel {

template <typename T>
class LargeArrayAllocator {
  public:
    using value_type = T;

    LargeArrayAllocator() = default;
    template <typename U>
    LargeArrayAllocator(const LargeArrayAllocator<U>&) {}  // NOLINT(google-explicit-constructor)

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (!IsLarge(bytes)) return static_cast<T*>(::operator new(bytes));
        void* p = std::aligned_alloc(kHugePage, RoundUp(bytes));
        if (p == nullptr) throw std::bad_alloc();
        ::madvise(p, RoundUp(bytes), MADV_HUGEPAGE);  // a hint; failure changes nothing
        return static_cast<T*>(p);
    }

    void deallocate(T* p, std::size_t n) noexcept {
        if (IsLarge(n * sizeof(T)))
            std::free(p);
        else
            ::operator delete(p);
    }

    template <typename U>
    bool operator==(const LargeArrayAllocator<U>&) const {
        return true;
    }

  private:
    static constexpr std::size_t kHugePage = std::size_t{2} << 20;
    static bool IsLarge(std::size_t bytes) { return bytes >= 2 * kHugePage; }
    static std::size_t RoundUp(std::size_t bytes) {
        return (bytes + kHugePage - 1) / kHugePage * kHugePage;
    }
};

}  // namespace vostrel
