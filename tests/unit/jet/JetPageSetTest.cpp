#include "jet/JetPageSet.h"
#include "jet/JetStorage.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

using namespace kovex::jet::format;

namespace {

std::vector<quint32> pagesOf(const PageSet& s) {
    return {s.begin(), s.end()};
}

std::vector<quint32> pagesOf(const std::set<quint32>& s) {
    return {s.begin(), s.end()};
}

} // namespace

// Pages are reused lowest first and maps written in rising order, so the
// set must order and deduplicate exactly as an ordered set does, whatever
// order the pages come in.
TEST(JetPageSet, BehavesAsAnOrderedSetUnderMixedChanges) {
    std::mt19937 random(7);
    std::uniform_int_distribution<quint32> page(0, 60);
    PageSet pages;
    std::set<quint32> expected;
    for (int step = 0; step < 2000; ++step) {
        const quint32 p = page(random);
        switch (step % 4) {
        case 0:
        case 1:
            ASSERT_EQ(pages.insert(p), expected.insert(p).second) << "step " << step;
            break;
        case 2:
            pages.erase(p);
            expected.erase(p);
            break;
        default:
            if (!expected.empty()) {
                ASSERT_EQ(pages.takeFirst(), *expected.begin());
                expected.erase(expected.begin());
            }
        }
        ASSERT_EQ(pages.contains(p), expected.count(p) == 1);
    }
    EXPECT_EQ(pagesOf(pages), pagesOf(expected));
    EXPECT_EQ(*pages.lowerBound(30), *expected.lower_bound(30));
    EXPECT_EQ(pages.lowerBound(61), pages.end());
}

TEST(JetPageSet, MadeFromAnyOrderWithRepeats) {
    const std::vector<quint32> given{9, 3, 3, 12, 0, 9};
    EXPECT_EQ(pagesOf(PageSet(given.begin(), given.end())), (std::vector<quint32>{0, 3, 9, 12}));
    EXPECT_EQ(PageSet(given.begin(), given.end()), (PageSet{12, 9, 3, 0}));
    EXPECT_NE(PageSet{1}, (PageSet{1, 2}));
}

// Freed pages first, lowest first, then new pages at the end of the file.
TEST(JetPageSet, AllocatorReusesFreedPagesLowestFirst) {
    QByteArray file(qsizetype{4} * 4096, '\x7f');
    PageAllocator allocator(file, PageSet{3, 1});
    EXPECT_EQ(allocator.allocate(), 1u);
    EXPECT_EQ(allocator.allocate(), 3u);
    EXPECT_EQ(allocator.allocate(), 4u);
    EXPECT_EQ(allocator.taken(), (std::vector<quint32>{1, 3, 4}));
    EXPECT_EQ(file.size(), 5 * 4096);
    EXPECT_EQ(file.at(3 * 4096 + 100), '\0'); // a reused page starts empty
}
