// The ring that carries the hook's tokens to the program's windows: a ticket
// gives back its token while the slot holds it, and nothing else ever.
#include "hook/token_ring.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>

namespace tv::hook {
namespace {

TEST(TokenRing, ATicketGivesItsTokenUntilTheSlotIsReused)
{
    auto ring = std::make_unique<TokenRing>();
    const std::uint64_t first = ring->put("ystop wheel=///");
    const std::uint64_t second = ring->put("key--65");
    EXPECT_EQ(ring->take(first), "ystop wheel=///");
    EXPECT_EQ(ring->take(second), "key--65");
    EXPECT_EQ(ring->take(second), "key--65") << "taking does not consume";

    for (std::size_t i = 0; i < TokenRing::kSlots - 1; ++i)
        ring->put("old--move");
    EXPECT_EQ(ring->take(first), std::nullopt) << "its slot holds a newer token";
    EXPECT_EQ(ring->take(second), "key--65") << "one slot short of a lap";
}

TEST(TokenRing, ForgedTicketsDeliverNothing)
{
    auto ring = std::make_unique<TokenRing>();
    const std::uint64_t issued = ring->put("down/left//10,20");
    for (std::uint64_t forged : {std::uint64_t{0}, issued + 1, issued + TokenRing::kSlots, ~std::uint64_t{0},
                                 std::uint64_t{1} << 63, issued - TokenRing::kSlots})
        EXPECT_EQ(ring->take(forged), std::nullopt) << forged;
}

TEST(TokenRing, KeepsEmptyAndCutsOverlongTokens)
{
    auto ring = std::make_unique<TokenRing>();
    EXPECT_EQ(ring->take(ring->put("")), "");
    const std::string longest(TokenRing::kTokenBytes, 'x');
    EXPECT_EQ(ring->take(ring->put(longest + "tail")), longest);
    const std::string cp936 = "\xd5\xfd\xb3\xa3\0key"; // bytes, NUL included
    EXPECT_EQ(ring->take(ring->put(std::string_view(cp936.data(), 8))), std::string(cp936.data(), 8));
}

// A reader racing the writer sees either a whole token of the ticket it asked
// for or nothing: never a token mixed from two writes.
TEST(TokenRing, AReaderRacingTheWriterNeverSeesAMixedToken)
{
    auto ring = std::make_unique<TokenRing>();
    std::atomic<std::uint64_t> newest{0};
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int i = 0; i < 200000; ++i) {
            const std::string token(10 + i % 50, static_cast<char>('a' + i % 26));
            newest.store(ring->put(token), std::memory_order_release);
        }
        done = true;
    });
    while (!done) {
        const std::uint64_t ticket = newest.load(std::memory_order_acquire);
        for (std::uint64_t t = ticket; t > 0 && t + TokenRing::kSlots > ticket + 8; --t) {
            const auto token = ring->take(t);
            if (!token)
                continue;
            const int i = static_cast<int>(t - 1);
            ASSERT_EQ(*token, std::string(10 + i % 50, static_cast<char>('a' + i % 26))) << "ticket " << t;
        }
    }
    writer.join();
    const std::uint64_t last = newest.load();
    EXPECT_EQ(ring->take(last), std::string(10 + (last - 1) % 50, static_cast<char>('a' + (last - 1) % 26)));
}

} // namespace
} // namespace tv::hook
