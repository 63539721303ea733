#include "spectrum/enlarged_navigation.h"

#include <algorithm>

namespace tremblo {

namespace {

template <typename... Args>
void Call(const std::function<void(Args...)>& hook, Args... args) {
    if (hook) hook(args...);
}

}  // namespace

void RunEnlargedView(TMyGraph& enlarged, TMyGraph& superposed, const SpectrumData& data,
                     const SpectrumDisplaySettings& settings, EnlargedViewState& state,
                     EnlargedNavigator& navigator, const EnlargedViewWindows& windows) {
    const int count = EnlargedItemCount(data, settings);
    int item = 0;
    while (item < count) {
        const ItemCurves curves = EnlargedItemCurves(data, settings, item);
        DrawEnlargedItem(enlarged, curves, settings, data.linearAxis);
        Call(windows.showEnlarged);
        state.navigatorChoice = navigator.Choose().value_or(kChoiceClose);
        switch (state.navigatorChoice) {
            case kChoiceNext:
                ++item;
                break;
            case kChoiceBack:
                item = std::max(item - 1, 0);
                break;
            case kChoiceSaveEnlarged:
                Call(windows.saveEnlarged);
                break;
            case kChoiceNewSuperposed:
                state.overlayCount = 0;
                Call(windows.enableSuperposedButtons, false);
                StartSuperposed(superposed, curves, settings, data.linearAxis);
                Call(windows.enableSuperposedButtons, true);
                Call(windows.showSuperposed);
                break;
            case kChoiceAddSuperposed:
                ++state.overlayCount;
                AddSuperposed(superposed, curves, settings, state.overlayCount);
                Call(windows.enableSuperposedButtons, true);
                Call(windows.repaintSuperposed);
                break;
            case kChoiceSaveSuperposed:
                Call(windows.saveSuperposed);
                ++item;
                break;
            default:  // 閉じる
                Call(windows.enableSuperposedButtons, true);
                return;
        }
    }
}

}  // namespace tremblo
