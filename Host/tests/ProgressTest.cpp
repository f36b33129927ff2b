#include "Progress.h"

#include <gtest/gtest.h>

namespace {

struct ProgressCase {
    long done;
    long total;
    double elapsed;
    const char *text;
};

TEST(ProgressTest, ShowsDoneRateAndTimeLeft)
{
    const ProgressCase cases[] = {
        {0, 100, 0.0, "0/100 readings"},
        {10, 100, 2.0, "10/100 readings  5.0/s  18 s left"},
        {10, 1000, 2.0, "10/1000 readings  5.0/s  3 min 18 s left"},
        {10, 100000, 2.0, "10/100000 readings  5.0/s  5 h 33 min left"},
        {100, 100, 20.0, "100/100 readings  5.0/s  0 s left"},
        {37, 0, 6.0, "37 readings  6.2/s"}, // continuous: no end known
    };
    for (const ProgressCase &c : cases)
        EXPECT_EQ(ProgressText(c.done, c.total, c.elapsed), c.text);
}

} // namespace
