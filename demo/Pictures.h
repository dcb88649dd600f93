// The three pictures of the window's side panel, drawn by the program itself.
#pragma once

#include <QPixmap>
#include <QSize>

namespace demo {

// The vendor's mark: a blue Q whose tail is a green tick.
QPixmap markPicture(QSize size);
// A page of the SEF file: fixed-width lines of digits under the file's name.
QPixmap sefFilePicture(QSize size);
// The statistics of a session: one bar per record type, the rejected part in red.
QPixmap statisticsPicture(QSize size);

} // namespace demo
