#pragma once
// The mark of a report whose inputs changed after the run: a banner above the viewer, the fan
// command disabled, and a question before such a report is saved. The window says when the
// report is stale; a new run clears the mark.

#include <QObject>
#include <QPointer>

#include <functional>

class QAbstractButton;
class QLabel;
class QVBoxLayout;
class QWidget;

namespace orvane {

class StaleReportMark : public QObject {
    Q_OBJECT
public:
    // panel: the report panel with its "Сохранить" (bbSaveToFile) and "Вентилятор" (bbFan)
    // buttons. fanAvailable: whether the fan command works at all. saveReport: what
    // "Сохранить" does (asked first while the report is stale).
    StaleReportMark(QWidget *panel, std::function<bool()> fanAvailable,
                    std::function<void()> saveReport);

    // The banner, hidden while the report is current.
    QLabel *Banner() const { return banner_; }
    // The banner above the panel, as the window's layout takes them.
    QVBoxLayout *BannerAndPanel() const;
    void SetStale(bool stale);
    bool IsStale() const { return stale_; }
    // The answer to the question before a stale report is saved (Yes or No); tests replace it.
    void SetSaveQuestion(std::function<int()> ask) { ask_ = std::move(ask); }

signals:
    void staleChanged(bool stale);

private:
    void SaveClicked();

    QWidget *panel_;
    QLabel *banner_;
    QPointer<QAbstractButton> fan_;
    std::function<bool()> fanAvailable_;
    std::function<void()> saveReport_;
    std::function<int()> ask_;
    bool stale_ = false;
};

} // namespace orvane
