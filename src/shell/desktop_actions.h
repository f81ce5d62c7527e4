#pragma once
// Asking the desktop for things outside the program: the help file, a new instance.

#include <QString>

class QWidget;

namespace orvane {

// Opens "Orvane.chm" of the program's folder with the desktop's viewer; when the file is missing
// or nothing opens it, says so in an information box. Returns whether a viewer was started.
bool ShowHelpContents(QWidget *parent, const QString &programFolder);

// The arguments a new instance gets: the compact switch when this run is compact.
QStringList NewInstanceArguments(bool bannerMode);
// Starts another run of this program, detached; false when it could not be started.
bool StartNewInstance(bool bannerMode);

} // namespace orvane
