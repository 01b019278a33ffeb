// Tokens cross from the hook to the cells' windows by ticket: each real ticket
// gives its token once, to its own cell's window, the latest last; a ticket
// another program makes up gives nothing.
#include "hook/token_handover.h"
#include "sim_app.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace tv::hook {
namespace {

TEST(TokenHandover, EachCellsClassNamesThatCell)
{
    for (std::size_t i = 0; i < kCellCount; ++i) {
        const auto cell = static_cast<Cell>(i);
        EXPECT_EQ(cell_of_class(cell_class(cell)), cell) << cell_class(cell);
    }
    for (std::string_view other : {"", "Tlifeform", "tpyoil", "Tpyoil ", "Tpyoi"})
        EXPECT_EQ(cell_of_class(other), std::nullopt) << other;
}

TEST(TokenHandover, ATicketGivesItsTokenOnceToItsOwnCell)
{
    auto tokens = std::make_unique<TokenHandover>();
    const std::uint64_t key = tokens->put(Cell::Pyoil, "key--65");
    const std::uint64_t wheel = tokens->put(Cell::VykForm3, "ystop wheel=///");
    EXPECT_EQ(tokens->take(key, Cell::VykForm3), std::nullopt) << "another cell's token";
    EXPECT_EQ(tokens->take(key, Cell::Pyoil), "key--65");
    EXPECT_EQ(tokens->take(key, Cell::Pyoil), std::nullopt) << "taken already";
    EXPECT_EQ(tokens->take(wheel, Cell::VykForm3), "ystop wheel=///");
}

// What a forged message may name, against a hand-over holding a few tokens.
struct ForgedTicket {
    const char* what;
    std::uint64_t ticket; // relative to the first ticket issued when `relative`
    bool relative;
    Cell cell;
};

void PrintTo(const ForgedTicket& row, std::ostream* os) { *os << row.what; }

class ForgedTickets : public ::testing::TestWithParam<ForgedTicket> {};

TEST_P(ForgedTickets, GiveNothingAndKeepTheRealOnesWorking)
{
    auto tokens = std::make_unique<TokenHandover>();
    const std::uint64_t first = tokens->put(Cell::Pyoil, "key--65");
    tokens->put(Cell::Escmenu, "rbuttonup");
    ASSERT_EQ(tokens->take(first, Cell::Pyoil), "key--65");
    const ForgedTicket& row = GetParam();
    const std::uint64_t ticket = row.relative ? first + row.ticket : row.ticket;
    EXPECT_EQ(tokens->take(ticket, row.cell), std::nullopt);

    const std::uint64_t next = tokens->put(Cell::Pyoil, "key--66");
    EXPECT_EQ(tokens->take(next, Cell::Pyoil), "key--66") << "the real message after the forged one";
}

INSTANTIATE_TEST_SUITE_P(
    TokenHandover, ForgedTickets,
    ::testing::Values(ForgedTicket{"ticket 0", 0, false, Cell::Pyoil},
                      ForgedTicket{"the ticket taken, again", 0, true, Cell::Pyoil},
                      ForgedTicket{"another cell's ticket", 1, true, Cell::Pyoil},
                      ForgedTicket{"a ticket not yet issued", 2, true, Cell::Escmenu},
                      ForgedTicket{"a ticket a lap ahead", 1 + TokenRing::kSlots, true, Cell::Escmenu},
                      ForgedTicket{"the largest number", ~std::uint64_t{0}, false, Cell::Pyoil},
                      ForgedTicket{"a pointer-like number", 0x00007FF6'12345678, false, Cell::VykForm3}));

// The window's thread stalled while the hook delivered more tokens than the
// ring holds: the oldest are gone, the rest arrive in order, the latest last.
TEST(TokenHandover, AStalledWindowStillEndsWithTheLatestToken)
{
    auto tokens = std::make_unique<TokenHandover>();
    const std::size_t sent = TokenRing::kSlots + 40;
    std::vector<std::uint64_t> tickets;
    for (std::size_t i = 0; i < sent; ++i)
        tickets.push_back(tokens->put(Cell::Pyoil, "key--" + std::to_string(i)));
    std::vector<std::string> arrived;
    for (std::uint64_t ticket : tickets)
        if (auto token = tokens->take(ticket, Cell::Pyoil))
            arrived.push_back(*token);
    ASSERT_EQ(arrived.size(), TokenRing::kSlots);
    EXPECT_EQ(arrived.front(), "key--40");
    EXPECT_EQ(arrived.back(), "key--" + std::to_string(sent - 1));
}

TEST(TokenHandover, CutsAnOverlongTokenAndKeepsEveryByte)
{
    auto tokens = std::make_unique<TokenHandover>();
    const std::string longest(TokenHandover::kTokenBytes, 'x');
    EXPECT_EQ(tokens->take(tokens->put(Cell::SrfForm, longest + "tail"), Cell::SrfForm), longest);
    const std::string bytes("\xd5\xfd\0\x01key", 7);
    EXPECT_EQ(tokens->take(tokens->put(Cell::VykForm4, bytes), Cell::VykForm4), bytes);
    EXPECT_EQ(tokens->take(tokens->put(Cell::VykForm4, ""), Cell::VykForm4), "");
}

} // namespace
} // namespace tv::hook

namespace tv::test {
namespace {

using HookTickets = SimApp;

// Messages another program posts to the program's windows, naming tickets:
// no caption changes, and the hook's next token arrives as ever.
TEST_F(HookTickets, ForgedMessagesChangeNoCaption)
{
    start();
    desk.user_key('A', KeyAction::Down);
    ASSERT_EQ(caption("Tpyoil"), "key--65");
    const std::uint64_t key_ticket = desk.last_hook_ticket();
    desk.user_wheel(120);
    ASSERT_EQ(caption("TvykForm3"), "ystop wheel=///");
    set_caption("Tpyoil", "old--cap");
    set_caption("TvykForm3", "xx wheel");
    const std::string lifeform = caption("Tlifeform");

    struct Forgery {
        const char* to;
        std::uint64_t ticket;
    };
    for (const Forgery& f : {Forgery{"Tpyoil", key_ticket}, Forgery{"TvykForm3", key_ticket},
                             Forgery{"Tlifeform", key_ticket}, Forgery{"Tpyoil", 0},
                             Forgery{"Tpyoil", desk.last_hook_ticket() + 1}, Forgery{"TvykForm3", ~std::uint64_t{0}}})
        desk.post_hook_ticket(window(f.to), f.ticket);
    EXPECT_EQ(caption("Tpyoil"), "old--cap");
    EXPECT_EQ(caption("TvykForm3"), "xx wheel");
    EXPECT_EQ(caption("Tlifeform"), lifeform);

    desk.user_key('B', KeyAction::Down);
    EXPECT_EQ(caption("Tpyoil"), "key--66");
}

} // namespace
} // namespace tv::test
