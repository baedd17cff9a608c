#pragma once

// A file descriptor of the platform, closed when it goes out of scope.

#include <unistd.h>
#include <utility>

class Deskriptor {
public:
    Deskriptor() = default;
    explicit Deskriptor(int fd) : m_fd(fd) {}
    ~Deskriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Deskriptor(Deskriptor&& anderer) noexcept : m_fd(std::exchange(anderer.m_fd, -1)) {}
    Deskriptor& operator=(Deskriptor&& anderer) noexcept {
        std::swap(m_fd, anderer.m_fd);
        return *this;
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;

    int fd() const { return m_fd; }
    bool offen() const { return m_fd >= 0; }
    // Hands the descriptor to an owner that closes it.
    int freigeben() { return std::exchange(m_fd, -1); }

private:
    int m_fd = -1;
};
