// Whole-file saves under faults: whatever step fails, the target holds the old
// file or the new one whole, and no temporary file is left behind.
#include "platform/atomic_save.h"
#include "platform/sim/sim_desktop.h"

#include <gtest/gtest.h>

namespace tv {
namespace {

using Fault = sim::SimDesktop::SaveFault;

struct FaultCase {
    const char* name;
    Fault fault;
    int attempts;    // for busy faults: how many attempts find the file held
    bool saved;      // the new text is in place
    int pauses;      // pauses before retries
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

const FaultCase kFaults[] = {
    {"no fault", Fault::None, 0, true, 0},
    {"temporary cannot be created", Fault::CreateFails, 1, false, 0},
    {"disk full while writing", Fault::WriteCutShort, 1, false, 0},
    {"replacing fails", Fault::ReplaceFails, 1, false, 0},
    {"temporary held briefly", Fault::TemporaryBusy, 3, true, 3},
    {"target held briefly", Fault::TargetBusy, kSaveAttempts - 1, true, kSaveAttempts - 1},
    {"target held throughout", Fault::TargetBusy, kSaveAttempts, false, kSaveAttempts - 1},
    {"temporary held throughout", Fault::TemporaryBusy, kSaveAttempts + 5, false, kSaveAttempts - 1},
};

class SaveFaults : public ::testing::TestWithParam<FaultCase> {};

void expect_no_temporary(const sim::SimDesktop& desk)
{
    for (const auto& [name, bytes] : desk.files())
        EXPECT_FALSE(name.ends_with(kTemporarySuffix)) << name << " was left behind";
}

TEST_P(SaveFaults, OverAnOldFileLeaveTheOldOrTheNewWhole)
{
    const FaultCase& c = GetParam();
    sim::SimDesktop desk;
    const std::string old_text = "first line\r\nsecond line\r\n";
    const std::string new_text = "replaced first\r\nreplaced second\r\nthird\r\n";
    desk.put_file("url.txt", old_text);
    desk.inject_save_fault(c.fault, c.attempts);

    EXPECT_EQ(desk.write_file_atomic("url.txt", new_text), c.saved);

    EXPECT_EQ(desk.files().at("url.txt"), c.saved ? new_text : old_text);
    EXPECT_EQ(desk.save_retry_pauses(), c.pauses);
    expect_no_temporary(desk);
}

TEST_P(SaveFaults, OfANewFileLeaveNothingOrTheWholeFile)
{
    const FaultCase& c = GetParam();
    sim::SimDesktop desk;
    desk.inject_save_fault(c.fault, c.attempts);

    EXPECT_EQ(desk.write_file_atomic("ime.txt", "a\r\nb\r\n"), c.saved);

    EXPECT_EQ(desk.files().contains("ime.txt"), c.saved);
    if (c.saved) {
        EXPECT_EQ(desk.files().at("ime.txt"), "a\r\nb\r\n");
    }
    expect_no_temporary(desk);
}

INSTANTIATE_TEST_SUITE_P(EachStep, SaveFaults, ::testing::ValuesIn(kFaults));

TEST(SaveFaults, AFaultSpoilsOneSaveOnlyAndALockedTargetIsNeverOverwritten)
{
    sim::SimDesktop desk;
    desk.put_file("plan.txt", "old");
    desk.inject_save_fault(Fault::ReplaceFails);
    EXPECT_FALSE(desk.write_file_atomic("plan.txt", "lost"));
    EXPECT_TRUE(desk.write_file_atomic("plan.txt", "kept"));
    EXPECT_EQ(desk.files().at("plan.txt"), "kept");

    desk.locked_files.insert("plan.txt");
    EXPECT_FALSE(desk.write_file_atomic("plan.txt", "never"));
    EXPECT_EQ(desk.files().at("plan.txt"), "kept");
    expect_no_temporary(desk);
}

} // namespace
} // namespace tv
