// The link test and the move searches run after every click and every removal; they must not
// allocate. This file replaces the global allocation functions of the test binary with ones
// that count.

#include "tests/support/BoardText.h"
#include "ReferenceLink.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};

void* CountedAllocate(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t size) { return CountedAllocate(size); }
void* operator new[](std::size_t size) { return CountedAllocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    ++allocations;
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    ++allocations;
    return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(AllocationTest, LinkTestAndMoveSearchesDoNotAllocate)
{
    TLink link(nullptr);
    SetBoard(link, TextFromGrid(RandomGrid(7, SuperSize, 0.6, 12)));
    const int rows = link.Params->Rows;
    const int cols = link.Params->Cols;

    const long before = allocations.load();
    ::operator delete(::operator new(1));  // the counter sees the allocations of this binary
    const long afterProbe = allocations.load();

    long linkedPairs = 0;
    for (int r1 = 1; r1 < rows - 1; ++r1)
        for (int c1 = 1; c1 < cols - 1; ++c1)
            for (int r2 = 1; r2 < rows - 1; ++r2)
                for (int c2 = 1; c2 < cols - 1; ++c2)
                    if ((r1 != r2 || c1 != c2) && link.Grid[r1][c1] != EmptyCell &&
                        link.Grid[r2][c2] != EmptyCell)
                        linkedPairs += link.CanLink(c1, r1, c2, r2);
    link.Params->HintRequest = true;
    const bool found = link.FindMove();
    const std::int32_t count = link.CountMoves();
    const long afterSearch = allocations.load();

    EXPECT_EQ(afterProbe, before + 1);
    EXPECT_EQ(afterSearch, afterProbe);
    EXPECT_GT(linkedPairs, 0);
    EXPECT_TRUE(found);
    EXPECT_GT(count, 0);
}

}  // namespace
