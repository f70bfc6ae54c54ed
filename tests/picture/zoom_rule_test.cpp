#include <gtest/gtest.h>

#include "picture/zoom_rule.h"

namespace qc {
namespace {

struct ZoomCase {
    int from;
    ZoomDirection direction;
    int to;
};

TEST(ZoomRule, StepsByATenthChoppedAndClamped) {
    const ZoomCase cases[] = {
        {384, ZoomDirection::In, 422},     {379, ZoomDirection::In, 416},
        {384, ZoomDirection::Out, 345},    {379, ZoomDirection::Out, 341},
        {234, ZoomDirection::In, 257},     {257, ZoomDirection::Out, 231},
        {9, ZoomDirection::In, 9},         {5, ZoomDirection::In, 5},
        {1, ZoomDirection::Out, 0},        {0, ZoomDirection::In, 0},
        {0, ZoomDirection::Out, 0},        {29660, ZoomDirection::In, 32626},
        {29661, ZoomDirection::In, 32627}, {32627, ZoomDirection::In, 32627},
    };
    for (const ZoomCase& c : cases) {
        SCOPED_TRACE(c.from);
        EXPECT_EQ(ZoomedExtent(c.from, c.direction), c.to);
    }
}

TEST(ZoomRule, AgreesWithIntegerTenthsForEverySize) {
    for (int x = 0; x <= 32627; ++x) {
        ASSERT_EQ(ZoomedExtent(x, ZoomDirection::In), std::min(x * 11 / 10, 32627)) << x;
        ASSERT_EQ(ZoomedExtent(x, ZoomDirection::Out), x * 9 / 10) << x;
    }
}

}  // namespace
}  // namespace qc
