#pragma once

#include <cstdint>

namespace corvanel::web {

// A file of the collection opened to be sent as it is: the HTTP library
// hands it to the kernel, so no byte of it is copied through the program.
// Closed with its owner, unless given away to the answer.
class ServedFile {
public:
    ServedFile() = default;
    ServedFile(int descriptor, std::uint64_t size) : descriptor_(descriptor), size_(size) {}
    ~ServedFile();
    ServedFile(ServedFile&& other) noexcept;
    ServedFile& operator=(ServedFile&& other) noexcept;
    ServedFile(const ServedFile&) = delete;
    ServedFile& operator=(const ServedFile&) = delete;

    bool isOpen() const { return descriptor_ >= 0; }
    int descriptor() const { return descriptor_; }
    std::uint64_t size() const { return size_; }
    // The descriptor, now the caller's to close.
    int release();

private:
    int descriptor_ = -1;
    std::uint64_t size_ = 0;
};

}  // namespace corvanel::web
