#pragma once
// The embedded pictures are uncompressed 8-bit palette bitmaps. Reading them straight into a
// 32-bit image, one palette look-up a pixel, costs a fraction of the general image reader
// (which reads the stream in small pieces, builds an indexed image and converts it), and a
// picture is read on every step through the list.

#include <QByteArrayView>
#include <QImage>

namespace zentaloger::toolkit {

// The picture in `bytes` as an opaque RGB32 image, or a null image when `bytes` is not an
// uncompressed 8-bit bitmap whose every part lies inside `bytes`. Palette entries the header
// does not declare read as black.
QImage ReadPaletteBitmap(QByteArrayView bytes);

// Embedded picture `path` (for example ":/BITMAP/101"): the fast reader for our own bitmaps,
// Qt's image reader for anything else; a null image if there is no such picture or it cannot
// be read.
QImage ReadEmbeddedPicture(const QString& path);

}  // namespace zentaloger::toolkit
