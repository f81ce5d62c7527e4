#pragma once
// Asking the desktop for things outside the program: the manual, a new instance.

#include <QString>
#include <QStringList>

class QWidget;

namespace orvane {

// The user manual: Russian HTML pages in the "manual" folder beside the program (or, installed,
// in share/orvane/manual beside its bin folder). Opens `page` ("exhaust.html") at `topic` (an
// anchor; may be empty) in the system browser; when the manual is missing, says so in an
// information box. Returns whether the browser was asked to open it.
bool ShowManual(QWidget *parent, const QString &page, const QString &topic = {});
// The manual's `page` for a window: at the group of the window's focused field, else at
// `fallbackTopic` (the window's variant).
bool ShowManualForWindow(QWidget *window, const QString &page, const QString &fallbackTopic);
// The folder the manual is looked for in; empty: beside the program (tests point elsewhere).
void SetManualFolder(const QString &folder);
// The help topic of a widget: the object name of the nearest enclosing group box ("gbShaft"),
// or "" outside any group.
QString HelpTopicOf(const QWidget *widget);

// The arguments a new instance gets: the compact switch when this run is compact.
QStringList NewInstanceArguments(bool bannerMode);
// Starts another run of this program, detached, with `files` to open (a project each); false
// when it could not be started.
bool StartNewInstance(bool bannerMode, const QStringList &files = {});

} // namespace orvane
