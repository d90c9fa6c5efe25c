// The fuzzer's input read front to back; past its end every byte is 0.
#pragma once

#include <cstdint>
#include <cstring>

class FuzzBytes {
public:
    FuzzBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint8_t Byte() { return used_ < size_ ? data_[used_++] : 0; }
    void Fill(void* to, size_t count) {
        const size_t taken = count < Left() ? count : Left();
        if (taken)
            std::memcpy(to, data_ + used_, taken);
        if (count > taken)
            std::memset(static_cast<uint8_t*>(to) + taken, 0, count - taken);
        used_ += taken;
    }
    // The next sizeof(T) bytes as a T (a plain struct, number or array).
    template <class T> T Take() {
        T value;
        Fill(&value, sizeof value);
        return value;
    }
    // A terminated text of Byte() % limit characters; text holds at least limit bytes.
    void Text(char* text, size_t limit) {
        const size_t length = Byte() % limit;
        Fill(text, length);
        text[length] = '\0';
    }
    size_t Left() const { return size_ - used_; }
    // Until the input ends: each byte picks one of the actions (byte % their count) and
    // is handed to it, so the fuzzer chooses the order in which a page's steps run.
    template <class... Actions> void Steps(const Actions&... actions) {
        while (Left()) {
            const uint8_t step = Byte();
            int skip = step % sizeof...(actions);
            ((skip-- == 0 ? actions(step) : void()), ...);
        }
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t used_ = 0;
};

// The target's body: the shared LLVMFuzzerTestOneInput hands it each input.
void Fuzz(FuzzBytes& bytes);
