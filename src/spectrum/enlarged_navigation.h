#pragma once
// The enlarged view's navigation: each item drawn enlarged in turn, the
// navigator asked what next (forward, back, save, start or add to the
// superposed drawing), until the user closes the view or steps past the
// last item. The navigator and the windows are handed in, so a session can
// be scripted.
#include <functional>
#include <optional>

#include "spectrum/enlarged_drawing.h"

namespace tremblo {

// The navigator's choice codes.
enum NavigatorChoice : int {
    kChoiceNext = 0,            // 次　へ
    kChoiceBack = 1,            // 戻　る
    kChoiceClose = 2,           // 閉じる
    kChoiceSaveEnlarged = 3,    // PNGﾌｧｲﾙ of the enlarged view
    kChoiceNewSuperposed = 4,   // 新規作図
    kChoiceAddSuperposed = 5,   // 重ね合わせ
    kChoiceSaveSuperposed = 6,  // PNGﾌｧｲﾙ of the superposed drawing
};

class EnlargedNavigator {
public:
    virtual ~EnlargedNavigator() = default;
    // Shown modally after each enlarged drawing; nothing when it was closed
    // by its title-bar close box.
    virtual std::optional<int> Choose() = 0;
};

// What the loop asks of the windows; hooks left empty do nothing.
struct EnlargedViewWindows {
    std::function<void()> showEnlarged;       // show the enlarged window and repaint it
    std::function<void()> saveEnlarged;       // its PNG button
    std::function<void()> showSuperposed;     // after a new drawing
    std::function<void()> repaintSuperposed;  // after an addition
    std::function<void()> saveSuperposed;     // its PNG button
    std::function<void(bool)> enableSuperposedButtons;  // PNG and close of the superposed window
};

// Kept by the spectrum window from one enlarged view to the next.
struct EnlargedViewState {
    int navigatorChoice = 0;
    int overlayCount = 0;  // spectra added since the last new drawing
};

// Runs the view from the first item and returns when it ends (the caller
// then closes the enlarged window and returns to the three-panel view).
// The navigator's close box counts as 閉じる.
void RunEnlargedView(TMyGraph& enlarged, TMyGraph& superposed, const SpectrumData& data,
                     const SpectrumDisplaySettings& settings, EnlargedViewState& state,
                     EnlargedNavigator& navigator, const EnlargedViewWindows& windows);

}  // namespace tremblo
