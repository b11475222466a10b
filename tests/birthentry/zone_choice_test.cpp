#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tamovid/birthentry/zone_choice.h"

namespace tamovid {
namespace {

// Answers are kept for the questions a batch repeats; every part of a question must
// still count, however many others came between.
TEST(ChooseZoneRow, AnswersAgainAsAtFirstAfterManyOtherQuestions) {
    struct Question {
        int offset;
        bool dst;
        std::string abbreviation;
    };
    std::vector<Question> questions;
    for (int offset = -720; offset <= 840; offset += 15) {
        for (const bool dst : {false, true}) {
            for (const char* abbreviation : {"", "IST", "EDT", "+0545"}) {
                questions.push_back({offset, dst, abbreviation});
            }
        }
    }
    std::vector<ZoneRowChoice> first;
    for (const Question& q : questions) first.push_back(ChooseZoneRow(q.offset, q.dst, q.abbreviation));
    for (std::size_t i = questions.size(); i-- > 0;) {
        const Question& q = questions[i];
        EXPECT_EQ(ChooseZoneRow(q.offset, q.dst, q.abbreviation), first[i])
            << q.offset << " " << q.dst << " " << q.abbreviation;
        // Asked at once again, from what was kept.
        EXPECT_EQ(ChooseZoneRow(q.offset, q.dst, q.abbreviation), first[i]);
    }
    // A few answers, as they were before any were kept.
    EXPECT_EQ(ChooseZoneRow(330, false, "IST"), (ZoneRowChoice{34, false, true}));
    EXPECT_EQ(ChooseZoneRow(345, false, "+0545"), (ZoneRowChoice{34, false, false}));
}

}  // namespace
}  // namespace tamovid
