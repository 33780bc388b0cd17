// The program's answers to Wine's faults. A test build can switch each one
// off, alone, so that the test named after it shows that it catches the fault.
#pragma once
#include <string_view>

namespace lume {

struct Mends {
    bool selfPainting = true;  // captions composed in the window's own thread
    bool settleRepaint = true;  // a notified window painted once more after its late update
    bool uncoveredRepaint = true;  // captions another window laid bare painted again
    bool childrenThroughRoot = true;  // MDI children painted through their top-level window's DC
};

// All mends but those named in `words` ("selfpaint", "settle", "uncovered",
// "children", separated by blanks or commas).
constexpr Mends MendsWithout(std::string_view words)
{
    auto named = [words](std::string_view word) {
        for (size_t at = words.find(word); at != std::string_view::npos; at = words.find(word, at + 1)) {
            const size_t end = at + word.size();
            const bool starts = at == 0 || words[at - 1] == ' ' || words[at - 1] == ',';
            if (starts && (end == words.size() || words[end] == ' ' || words[end] == ','))
                return true;
        }
        return false;
    };
    return {!named("selfpaint"), !named("settle"), !named("uncovered"), !named("children")};
}

static_assert(!MendsWithout("settle,children").settleRepaint && MendsWithout("settle,children").selfPainting &&
              !MendsWithout("selfpaint uncovered").uncoveredRepaint && MendsWithout("settled").settleRepaint);

} // namespace lume
