#include "RecordMemory.h"

#include <array>
#include <mutex>
#include <sys/mman.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define ORBIS_POISON(block, bytes) ASAN_POISON_MEMORY_REGION(block, bytes)
#define ORBIS_UNPOISON(block, bytes) ASAN_UNPOISON_MEMORY_REGION(block, bytes)
#else
#define ORBIS_POISON(block, bytes) ((void)(block), (void)(bytes))
#define ORBIS_UNPOISON(block, bytes) ((void)(block), (void)(bytes))
#endif

namespace db {

namespace {

// Blocks come in sizes of powers of two, from 16 bytes to half a region.
constexpr std::size_t kRegionBytes = 256 * 1024;
constexpr int kSmallestClass = 4;
constexpr int kLargestClass = 17;

struct FreeBlock {
    FreeBlock* next;
};

class Memory {
public:
    void* allocate(std::size_t bytes) {
        if (bytes == 0)
            bytes = 1;
        const int size = classOf(bytes);
        if (size > kLargestClass)
            return allocateLarge(bytes);
        const std::lock_guard lock(m_lock);
        FreeBlock*& head = m_free[std::size_t(size)];
        void* block = head;
        if (head) {
            ORBIS_UNPOISON(head, sizeof(FreeBlock));
            head = head->next;
        } else {
            block = carve(std::size_t(1) << size);
        }
        ORBIS_UNPOISON(block, std::size_t(1) << size);
        return block;
    }

    void release(void* block, std::size_t bytes) noexcept {
        if (!block)
            return;
        if (bytes == 0)
            bytes = 1;
        const int size = classOf(bytes);
        if (size > kLargestClass) {
            const std::lock_guard lock(m_lock);
            m_large -= pagesFor(bytes);
            ::munmap(block, pagesFor(bytes));
            return;
        }
        const std::lock_guard lock(m_lock);
        ORBIS_POISON(block, std::size_t(1) << size);
        ORBIS_UNPOISON(block, sizeof(FreeBlock));
        auto* freed = static_cast<FreeBlock*>(block);
        freed->next = m_free[std::size_t(size)];
        ORBIS_POISON(freed, sizeof(FreeBlock));
        m_free[std::size_t(size)] = freed;
    }

    void reserve() {
        const std::lock_guard lock(m_lock);
        if (m_regions == 0)
            newRegion();
    }

    std::size_t held() {
        const std::lock_guard lock(m_lock);
        return m_regions * kRegionBytes + m_large;
    }

private:
    static int classOf(std::size_t bytes) {
        int size = kSmallestClass;
        while ((std::size_t(1) << size) < bytes && size <= kLargestClass)
            ++size;
        return size;
    }

    static std::size_t pagesFor(std::size_t bytes) {
        constexpr std::size_t kPage = 4096;
        return (bytes + kPage - 1) / kPage * kPage;
    }

    // Without MAP_POPULATE: a vector's room beyond its size need not be touched.
    void* allocateLarge(std::size_t bytes) {
        void* block = ::mmap(nullptr, pagesFor(bytes), PROT_READ | PROT_WRITE,
                             MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED)
            throw std::bad_alloc();
        const std::lock_guard lock(m_lock);
        m_large += pagesFor(bytes);
        return block;
    }

    void newRegion() {
        void* region = ::mmap(nullptr, kRegionBytes, PROT_READ | PROT_WRITE,
                              MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (region == MAP_FAILED)
            throw std::bad_alloc();
        ORBIS_POISON(region, kRegionBytes);
        m_next = static_cast<char*>(region);
        m_end = m_next + kRegionBytes;
        ++m_regions;
    }

    // A new block from the current region; what is left of a region too small for it is
    // handed to the free lists of smaller sizes first.
    void* carve(std::size_t bytes) {
        if (std::size_t(m_end - m_next) < bytes) {
            for (int size = kLargestClass; size >= kSmallestClass; --size) {
                const std::size_t piece = std::size_t(1) << size;
                while (std::size_t(m_end - m_next) >= piece) {
                    ORBIS_UNPOISON(m_next, sizeof(FreeBlock));
                    auto* freed = reinterpret_cast<FreeBlock*>(m_next);
                    freed->next = m_free[std::size_t(size)];
                    ORBIS_POISON(freed, sizeof(FreeBlock));
                    m_free[std::size_t(size)] = freed;
                    m_next += piece;
                }
            }
            newRegion();
        }
        void* block = m_next;
        m_next += bytes;
        return block;
    }

    std::mutex m_lock;
    std::array<FreeBlock*, kLargestClass + 1> m_free{};
    char* m_next = nullptr;
    char* m_end = nullptr;
    std::size_t m_regions = 0;
    std::size_t m_large = 0;
};

// Never destroyed: records may be freed by objects that outlive the others of static storage.
Memory& memory() {
    static Memory* const kept = new Memory;
    return *kept;
}

} // namespace

void* RecordMemory::allocate(std::size_t bytes) {
    return memory().allocate(bytes);
}

void RecordMemory::release(void* block, std::size_t bytes) noexcept {
    memory().release(block, bytes);
}

void RecordMemory::reserve() {
    memory().reserve();
}

std::size_t RecordMemory::held() {
    return memory().held();
}

} // namespace db
