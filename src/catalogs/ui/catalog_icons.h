#pragma once
// Toolbar pictures of the catalogue dialogs, drawn in code so they scale and need no files.

#include <QIcon>

namespace orvane {

QIcon SaveIcon();
QIcon AddIcon();
QIcon DeleteIcon();
QIcon EditIcon();

} // namespace orvane
