#pragma once
// What the calculation windows get from the shell: one instance of each, owned by main().

#include <functional>
#include <memory>
#include <utility>

namespace orvane {

class ShellSettings;
class AboutBox;
class SaveFolderDialog;
class PopupTip;

// A shell window built the first time it is asked for, so that a window nobody opens costs the
// start nothing. Copies share the one window; it lives as long as the last copy.
template <class Window> class OnDemandWindow {
public:
    OnDemandWindow() = default;
    // A window made elsewhere (a test's, or none).
    OnDemandWindow(Window *window) : state_(std::make_shared<State>()) { state_->window = window; }
    // A window `build` makes when it is first asked for.
    explicit OnDemandWindow(std::function<std::unique_ptr<Window>()> build)
        : state_(std::make_shared<State>()) {
        state_->build = std::move(build);
    }

    // The window, built now if it was not yet; null when there is none.
    Window *Get() const {
        if (!state_)
            return nullptr;
        if (!state_->window && state_->build) {
            state_->owned = std::exchange(state_->build, {})();
            state_->window = state_->owned.get();
        }
        return state_->window;
    }
    Window *operator->() const { return Get(); }
    // Whether there is a window, built or still to be built.
    explicit operator bool() const { return state_ && (state_->window || state_->build); }

private:
    struct State {
        Window *window = nullptr;
        std::unique_ptr<Window> owned;
        std::function<std::unique_ptr<Window>()> build;
    };
    std::shared_ptr<State> state_;
};

struct ShellWindows {
    ShellSettings *settings = nullptr;
    OnDemandWindow<AboutBox> about;
    OnDemandWindow<SaveFolderDialog> selectPathSave;
    PopupTip *popupTip = nullptr;
    bool bannerMode = true; // false: compact run; a new instance gets the compact switch too
};

} // namespace orvane
