// The fuzzer's input read front to back; past its end every byte is 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

class FuzzBytes {
public:
    FuzzBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint8_t Byte() { return used_ < size_ ? data_[used_++] : 0; }
    void Fill(void* to, size_t count) {
        const size_t left = size_ - used_;
        const size_t taken = count < left ? count : left;
        if (taken)
            std::memcpy(to, data_ + used_, taken);
        std::memset(static_cast<uint8_t*>(to) + taken, 0, count - taken);
        used_ += taken;
    }
    bool Empty() const { return used_ >= size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t used_ = 0;
};
