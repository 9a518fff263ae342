#include "analysis/ZeroedDoubles.h"

#include <cstdlib>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

ZeroedDoubles::ZeroedDoubles(std::size_t count) : size_(count) {
    if (count == 0)
        return;
#if defined(__linux__)
    // Anonymous pages read as zero until written, so nothing is cleared here.
    void* pages = mmap(nullptr, count * sizeof(double), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED)
        throw std::bad_alloc();
    data_ = static_cast<double*>(pages);
#else
    // calloc of a large block gets fresh pages from the system the same way.
    data_ = static_cast<double*>(std::calloc(count, sizeof(double)));
    if (data_ == nullptr)
        throw std::bad_alloc();
#endif
}

ZeroedDoubles::~ZeroedDoubles() { release(); }

ZeroedDoubles::ZeroedDoubles(ZeroedDoubles&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

ZeroedDoubles& ZeroedDoubles::operator=(ZeroedDoubles&& other) noexcept {
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

void ZeroedDoubles::release() noexcept {
    if (data_ == nullptr)
        return;
#if defined(__linux__)
    munmap(data_, size_ * sizeof(double));
#else
    std::free(data_);
#endif
    data_ = nullptr;
}
