#pragma once
// How input steps talk to the user without knowing about windows: the window shows message
// boxes and focuses the control, the batch calculator prints, tests record.

#include <string>
#include <vector>

namespace orvane {

class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void warning(const std::string &text, const std::string &control) = 0;
    virtual void error(const std::string &text, const std::string &control) = 0;
    virtual bool confirm(const std::string &text) = 0;
};

// Keeps every message; `confirm` answers with `confirmAnswer`.
class RecordingNotifier : public Notifier {
public:
    struct Message {
        std::string kind; // "warning", "error" or "confirm"
        std::string text;
        std::string control;
    };
    void warning(const std::string &text, const std::string &control) override {
        messages.push_back({"warning", text, control});
    }
    void error(const std::string &text, const std::string &control) override {
        messages.push_back({"error", text, control});
    }
    bool confirm(const std::string &text) override {
        messages.push_back({"confirm", text, {}});
        return confirmAnswer;
    }
    std::vector<Message> messages;
    bool confirmAnswer = true;
};

} // namespace orvane
