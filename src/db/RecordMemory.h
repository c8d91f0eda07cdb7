#pragma once

#include <cstddef>
#include <new>
#include <string>
#include <utility>
#include <vector>

namespace db {

// The memory of the undo record, kept apart from the editor's heap. The record keeps a few
// kilobytes of every action for as long as the history lasts; taken from the heap, they would
// push its top up action by action, and the next action's own allocations would land on pages
// touched for the first time (a page fault each). Here the record lives in regions of its own,
// whose pages are touched when a region is made: the first one before any action runs
// (reserve()). A block freed goes back to the free list of its size, for the next record;
// regions stay for the life of the process, and a block larger than a region has a mapping of
// its own that goes back to the system when it is freed.
//
// Used from one thread at a time, the one that works the connections, like the record itself;
// a lock keeps it sound if another thread does too.
class RecordMemory {
public:
    // Throws std::bad_alloc when the system has no memory left.
    static void* allocate(std::size_t bytes);
    static void release(void* block, std::size_t bytes) noexcept;
    // Makes the first region, its pages touched, unless there is one.
    static void reserve();
    // The bytes of the regions made so far, and of the large blocks held now.
    static std::size_t held();
};

// An allocator over RecordMemory for the containers of the record.
template <class T> struct RecordAllocator {
    using value_type = T;
    RecordAllocator() noexcept = default;
    template <class U> RecordAllocator(const RecordAllocator<U>&) noexcept {}
    T* allocate(std::size_t count) {
        if (count > std::size_t(-1) / sizeof(T))
            throw std::bad_alloc();
        return static_cast<T*>(RecordMemory::allocate(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept {
        RecordMemory::release(block, count * sizeof(T));
    }
    // Made without a value, as new T would: a vector of bytes grown to be written over is not
    // cleared first.
    template <class U> void construct(U* at) noexcept(noexcept(::new (static_cast<void*>(at)) U)) {
        ::new (static_cast<void*>(at)) U;
    }
    template <class U, class... Arguments> void construct(U* at, Arguments&&... arguments) {
        ::new (static_cast<void*>(at)) U(std::forward<Arguments>(arguments)...);
    }
    template <class U> bool operator==(const RecordAllocator<U>&) const noexcept { return true; }
};

template <class T> using RecordVector = std::vector<T, RecordAllocator<T>>;
using RecordString = std::basic_string<char, std::char_traits<char>, RecordAllocator<char>>;

} // namespace db
