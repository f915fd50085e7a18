// The memory bound of the boxes' undo histories, shared by the line edit's rules and the plain
// text box's: beyond the budget the oldest steps go, whole, and the newest one always stays.
#pragma once

#include <cstddef>

namespace pellitor {

// Characters a history may hold (removed and inserted text): 32 MiB.
inline constexpr std::size_t DefaultUndoBudget = std::size_t(16) << 20;

// Drops steps of history from the oldest on while `held` exceeds `budget`: never at or past
// `undoState` (the steps undo would take back next stay), and only before a step k where
// canCutBefore(k) says an undo would stop anyway. Each step's `text` counts towards `held`.
// Returns how many steps went.
template <typename History, typename CanCutBefore>
std::size_t dropOldestUndoSteps(History& history, std::size_t undoState, std::size_t& held, std::size_t budget,
                                CanCutBefore canCutBefore)
{
    if (held <= budget)
        return 0;
    std::size_t dropped = 0;
    std::size_t cut = 0;
    for (std::size_t k = 1; k < undoState; ++k) {
        dropped += history[k - 1].text.size();
        if (!canCutBefore(k))
            continue;
        cut = k;
        if (held - dropped <= budget)
            break;
    }
    for (std::size_t k = 0; k < cut; ++k)
        held -= history[k].text.size();
    history.erase(history.begin(), history.begin() + static_cast<std::ptrdiff_t>(cut));
    return cut;
}

} // namespace pellitor
