#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace zentaro {

// The steps of a calculation, one line each, as a reader follows them: a
// procedure writes what it does while it does it, so the working can never
// disagree with the answer. A default Working records nothing, and a step
// whose text is made by a callable costs one test of a pointer then: callers
// that do not ask for the working pay nothing for it.
//
// Passed by value (it is one pointer) as the last parameter, `Working working = {}`.
class Working {
public:
    Working() = default;
    explicit Working(std::vector<std::string>& lines) : lines_(&lines) {}

    bool recording() const { return lines_ != nullptr; }

    void step(std::string_view line) const
    {
        if (lines_ != nullptr)
            lines_->emplace_back(line);
    }

    // The line is made only when somebody records: step([&] { return ...; }).
    template <typename MakeLine>
        requires std::is_invocable_r_v<std::string, MakeLine>
    void step(MakeLine&& makeLine) const
    {
        if (lines_ != nullptr)
            lines_->push_back(std::forward<MakeLine>(makeLine)());
    }

private:
    std::vector<std::string>* lines_ = nullptr;
};

} // namespace zentaro
