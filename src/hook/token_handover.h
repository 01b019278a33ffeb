// How a token crosses from the hook's thread to the window that holds its
// cell: through a TokenRing the hook owns, by ticket.
//
//   step        what happens
//   ----------  -------------------------------------------------------------------
//   put         the hook's thread stores the cell and the token under the next
//               ticket and posts only the ticket to the cell's window
//   take        the window's thread asks for (ticket, the window's own cell) and
//               gets the token when the ticket's slot still holds it, was stored
//               for that cell, and is newer than the last ticket taken for it
//   a forgery   a message another program posts can only name a ticket: one never
//               issued, overwritten, of another cell or already taken gives
//               nothing; at worst it takes a pending token of the cell a moment
//               early, and the real message for it then gives nothing. No memory
//               changes hands, so no message can make the program free any.
//
// The latest delivery wins: tickets of one cell are taken in the order they
// were issued (posted messages of one thread arrive in order), a later one is
// never refused for an earlier one, and a slot lost to a stalled window only
// drops a token that a later one of the same cell replaces.
//
// One writer (the hook's thread) and one taker (the program's window thread).
#pragma once

#include "hook/token_ring.h"
#include "hook/tokenizer.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tv::hook {

inline constexpr std::size_t kCellCount = static_cast<std::size_t>(Cell::SrfForm) + 1;

// The cell whose window has this class (cell_class), if any.
inline std::optional<Cell> cell_of_class(std::string_view class_name)
{
    for (std::size_t i = 0; i < kCellCount; ++i)
        if (class_name == cell_class(static_cast<Cell>(i)))
            return static_cast<Cell>(i);
    return std::nullopt;
}

class TokenHandover {
public:
    // The longest token that crosses whole; a longer one is cut.
    static constexpr std::size_t kTokenBytes = TokenRing::kTokenBytes - 1;

    // Writer side: the ticket to post to the cell's window.
    std::uint64_t put(Cell cell, std::string_view token)
    {
        char stored[TokenRing::kTokenBytes];
        stored[0] = static_cast<char>(cell);
        const std::size_t length = token.size() < kTokenBytes ? token.size() : kTokenBytes;
        token.copy(stored + 1, length);
        return ring_.put(std::string_view(stored, length + 1));
    }

    // Taker side: the token of `ticket` for the window holding `cell`, once.
    std::optional<std::string> take(std::uint64_t ticket, Cell cell)
    {
        const auto index = static_cast<std::size_t>(cell);
        if (index >= kCellCount || ticket <= newest_taken_[index].load(std::memory_order_relaxed))
            return std::nullopt;
        std::optional<std::string> stored = ring_.take(ticket);
        if (!stored || stored->empty() || static_cast<std::size_t>(static_cast<unsigned char>((*stored)[0])) != index)
            return std::nullopt;
        newest_taken_[index].store(ticket, std::memory_order_relaxed);
        return stored->substr(1);
    }

private:
    TokenRing ring_;
    std::array<std::atomic<std::uint64_t>, kCellCount> newest_taken_{};
};

} // namespace tv::hook
