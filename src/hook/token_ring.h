// The ring through which the hook's thread hands tokens to the program's
// windows in the same process.
//
// The hook stores a token in the ring and posts only its ticket, a number;
// the window's thread copies the token of that ticket while its slot still
// holds it. A message another program forges can name a ticket, never an
// address: at worst it delivers a recent token again, or nothing (the slot was
// reused, the ticket was never issued). No memory is freed on anyone's word.
//
// One writer (the hook's thread), any number of readers. Each slot is a
// sequence lock: its version is odd while the writer fills it, and even
// (twice the ticket) once the token is whole; a reader that sees the version
// change under it gives up. Every shared word is an atomic, so a reader that
// races the writer reads stale words, never torn ones it would trust.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace tv::hook {

class TokenRing {
public:
    static constexpr std::size_t kSlots = 256;
    // A longer token is cut: the hook's tokens are a few dozen bytes.
    static constexpr std::size_t kTokenBytes = 120;

    // Writer side: stores the token and answers its ticket (1, 2, ...).
    std::uint64_t put(std::string_view token)
    {
        const std::uint64_t ticket = ++last_ticket_;
        Slot& slot = slot_of(ticket);
        slot.version.store(2 * ticket - 1, std::memory_order_relaxed);
        std::atomic_thread_fence(std::memory_order_release);
        const std::size_t length = token.size() < kTokenBytes ? token.size() : kTokenBytes;
        for (std::size_t w = 0; w < kWords; ++w) {
            std::uint64_t word = 0;
            const std::size_t at = w * sizeof word;
            if (at < length)
                std::memcpy(&word, token.data() + at, length - at < sizeof word ? length - at : sizeof word);
            slot.words[w].store(word, std::memory_order_relaxed);
        }
        slot.length.store(length, std::memory_order_relaxed);
        slot.version.store(2 * ticket, std::memory_order_release);
        return ticket;
    }

    // Reader side: the token of `ticket`, while its slot still holds it.
    std::optional<std::string> take(std::uint64_t ticket) const
    {
        if (ticket == 0 || ticket > kMaxTicket)
            return std::nullopt;
        const Slot& slot = slot_of(ticket);
        const std::uint64_t before = slot.version.load(std::memory_order_acquire);
        if (before != 2 * ticket)
            return std::nullopt;
        std::array<std::uint64_t, kWords> words;
        for (std::size_t w = 0; w < kWords; ++w)
            words[w] = slot.words[w].load(std::memory_order_relaxed);
        const std::size_t length = slot.length.load(std::memory_order_relaxed);
        std::atomic_thread_fence(std::memory_order_acquire);
        if (slot.version.load(std::memory_order_relaxed) != before || length > kTokenBytes)
            return std::nullopt;
        std::string token(length, '\0');
        std::memcpy(token.data(), words.data(), length);
        return token;
    }

private:
    static constexpr std::size_t kWords = (kTokenBytes + 7) / 8;
    static constexpr std::uint64_t kMaxTicket = UINT64_MAX / 2;

    struct Slot {
        std::atomic<std::uint64_t> version{0};
        std::atomic<std::size_t> length{0};
        std::array<std::atomic<std::uint64_t>, kWords> words{};
    };

    Slot& slot_of(std::uint64_t ticket) { return slots_[ticket % kSlots]; }
    const Slot& slot_of(std::uint64_t ticket) const { return slots_[ticket % kSlots]; }

    std::array<Slot, kSlots> slots_{};
    std::uint64_t last_ticket_ = 0; // the writer's alone
};

} // namespace tv::hook
