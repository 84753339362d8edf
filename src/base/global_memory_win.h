#pragma once

#include <windows.h>

#include <utility>

// Sole owner of a global memory block until it is handed to the system.
class UniqueGlobal {
public:
    explicit UniqueGlobal(HGLOBAL block) : block_(block) {}
    ~UniqueGlobal() {
        if (block_) GlobalFree(block_);
    }
    UniqueGlobal(const UniqueGlobal&) = delete;
    UniqueGlobal& operator=(const UniqueGlobal&) = delete;

    explicit operator bool() const { return block_ != nullptr; }
    HGLOBAL get() const { return block_; }
    // The system owns the block from now on.
    HGLOBAL release() { return std::exchange(block_, nullptr); }

private:
    HGLOBAL block_;
};

// A global block locked for the scope.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL block) : block_(block), data_(GlobalLock(block)) {}
    ~GlobalLockGuard() {
        if (data_) GlobalUnlock(block_);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;

    void* data() const { return data_; }

private:
    HGLOBAL block_;
    void* data_;
};
