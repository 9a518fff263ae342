#include "results/ResultHistory.h"

void ResultHistory::push(PocketCode code) {
    newest_ = (newest_ + kCapacity - 1) % kCapacity;
    ring_[static_cast<std::size_t>(newest_)] = code;
    if (filled_ < kCapacity)
        ++filled_;
    ++revision_;
}

void ResultHistory::clear() {
    filled_ = 0;
    ++revision_;
}

PocketCode ResultHistory::at(int index) const {
    if (index < 0 || index >= filled_)
        return kNoNumber;
    return ring_[static_cast<std::size_t>((newest_ + index) % kCapacity)];
}
