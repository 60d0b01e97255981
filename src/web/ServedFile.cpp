#include "ServedFile.h"

#include <unistd.h>

#include <utility>

namespace corvanel::web {

ServedFile::~ServedFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

ServedFile::ServedFile(ServedFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), size_(other.size_) {}

ServedFile& ServedFile::operator=(ServedFile&& other) noexcept {
    if (this != &other) {
        ServedFile old(std::move(*this));
        descriptor_ = std::exchange(other.descriptor_, -1);
        size_ = other.size_;
    }
    return *this;
}

int ServedFile::release() {
    return std::exchange(descriptor_, -1);
}

}  // namespace corvanel::web
