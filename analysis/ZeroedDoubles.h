#pragma once

#include <cstddef>
#include <span>

// A table of doubles that starts all zero without being written: the system
// hands over memory already cleared, page by page as it is first touched, so
// that taking even the largest table costs no time up front and a stop can be
// heeded from the first moment. Throws std::bad_alloc when memory is short.
class ZeroedDoubles {
public:
    ZeroedDoubles() = default;
    explicit ZeroedDoubles(std::size_t count);
    ~ZeroedDoubles();
    ZeroedDoubles(ZeroedDoubles&& other) noexcept;
    ZeroedDoubles& operator=(ZeroedDoubles&& other) noexcept;
    ZeroedDoubles(const ZeroedDoubles&) = delete;
    ZeroedDoubles& operator=(const ZeroedDoubles&) = delete;

    double* data() { return data_; }
    const double* data() const { return data_; }
    std::size_t size() const { return size_; }
    double* begin() { return data_; }
    double* end() { return data_ + size_; }
    double& operator[](std::size_t i) { return data_[i]; }
    std::span<const double> span() const { return {data_, size_}; }

private:
    void release() noexcept;

    double* data_ = nullptr;
    std::size_t size_ = 0;
};
