#pragma once
// A module window's one notifier for its calculation: hands every message on to the notifier
// currently set (the window's boxes, or a test's recorder).

#include "core/notifier.h"

#include <functional>
#include <string>
#include <utility>

namespace orvane {

// Lets the window bring the named control into sight (open its collapsed category) before the
// message is shown, whoever shows it.
class ForwardingNotifier : public Notifier {
public:
    explicit ForwardingNotifier(Notifier *target) : target_(target) {}
    void SetTarget(Notifier *target) { target_ = target; }
    void SetReveal(std::function<void(const std::string &)> reveal) { reveal_ = std::move(reveal); }
    Notifier *Target() const { return target_; }
    void warning(const std::string &text, const std::string &control) override {
        if (reveal_ && !control.empty())
            reveal_(control);
        if (target_)
            target_->warning(text, control);
    }
    void error(const std::string &text, const std::string &control) override {
        if (reveal_ && !control.empty())
            reveal_(control);
        if (target_)
            target_->error(text, control);
    }
    bool confirm(const std::string &text) override { return target_ && target_->confirm(text); }

private:
    Notifier *target_;
    std::function<void(const std::string &)> reveal_;
};

} // namespace orvane
