// The document counter under two users saving at once: two connections (the
// shared one and a thread's own) take numbers concurrently and never share one.
#include "DocumentKinds.h"
#include "FreshDatabase.h"
#include "ndbcore.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>
#include <vector>

namespace {

std::vector<long> Take(int count)
{
    std::vector<long> ids;
    for (int i = 0; i < count; ++i)
        ids.push_back(I_GetNextDoc_Ptr());
    return ids;
}

TEST(DocumentCounter, TwoConnectionsNeverShareANumber)
{
    ASSERT_TRUE(vornal::testing::UseFreshDatabase());
    const int perUser = 200;
    std::vector<long> other;
    std::thread worker([&] {
        CDbThreadSession session;
        ASSERT_TRUE(session.IsOpen());
        other = Take(perUser);
    });
    std::vector<long> mine = Take(perUser);
    worker.join();

    std::set<long> all(mine.begin(), mine.end());
    all.insert(other.begin(), other.end());
    EXPECT_EQ(all.size(), size_t(2 * perUser));
    EXPECT_EQ(all.count(0), 0u);
    for (size_t i = 1; i < mine.size(); ++i)
        EXPECT_LT(mine[i - 1], mine[i]);
}

} // namespace
