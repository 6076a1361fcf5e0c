// A file descriptor closed when it goes out of scope; for the files of common/ that call the system.
#pragma once

#include <unistd.h>

namespace common {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { release(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes it now, saying whether the system took everything written (a close can fail).
    bool close() { return release() == 0; }

private:
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd >= 0 ? ::close(fd) : 0;
    }
    int fd_;
};

} // namespace common
