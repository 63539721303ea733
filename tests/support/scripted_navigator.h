#pragma once
// An enlarged-view navigator whose choices a test scripts in advance.
#include <deque>
#include <functional>
#include <optional>

#include "spectrum/enlarged_navigation.h"

namespace tremblo::testing {

class ScriptedNavigator : public EnlargedNavigator {
public:
    ScriptedNavigator() = default;
    explicit ScriptedNavigator(std::deque<std::optional<int>> choices) : choices(std::move(choices)) {}

    // Handed out in order (nothing stands for the close box); 閉じる when
    // they run out.
    std::deque<std::optional<int>> choices;
    // Runs each time the navigator would be shown.
    std::function<void()> onShow;
    int shown = 0;

    std::optional<int> Choose() override {
        ++shown;
        if (onShow) onShow();
        if (choices.empty()) return kChoiceClose;
        const std::optional<int> choice = choices.front();
        choices.pop_front();
        return choice;
    }
};

}  // namespace tremblo::testing
