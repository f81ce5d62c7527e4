#pragma once
// The supply window's messages: a modal box with the given text, then the focus on the control
// the message is about.

#include "core/notifier.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <utility>

namespace orvane::inflow {

// The title of the program's message boxes.
QString InflowMessageTitle();

class InflowMessageNotifier : public Notifier {
public:
    explicit InflowMessageNotifier(QWidget *window) : window_(window) {}
    void warning(const std::string &text, const std::string &control) override;
    void error(const std::string &text, const std::string &control) override;
    bool confirm(const std::string &text) override;

    // Brings the control into view (inside the input page's scroll area) and focuses it.
    static void FocusControl(QWidget *window, const std::string &control);

private:
    QPointer<QWidget> window_;
};

// Hands every message to the notifier currently set (the window's boxes, or a test's recorder),
// first letting the window bring the named control into sight.
class ForwardingNotifier : public Notifier {
public:
    explicit ForwardingNotifier(Notifier *target) : target_(target) {}
    void setTarget(Notifier *target) { target_ = target; }
    void setReveal(std::function<void(const std::string &)> reveal) { reveal_ = std::move(reveal); }
    Notifier *target() const { return target_; }
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

} // namespace orvane::inflow
