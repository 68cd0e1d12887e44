#pragma once
// The embedded pictures are uncompressed 8-bit palette bitmaps. Reading them straight into a
// 32-bit image, one palette look-up a pixel, costs a fraction of the general image reader
// (which reads the stream in small pieces, builds an indexed image and converts it), and a
// picture is read on every step through the list.

#include <QByteArrayView>
#include <QImage>
#include <QPixmap>
#include <cstddef>

namespace zentaloger::toolkit {

// The picture in `bytes` as an opaque RGB32 image, or a null image when `bytes` is not an
// uncompressed 8-bit bitmap whose every part lies inside `bytes`. Palette entries the header
// does not declare read as black.
QImage ReadPaletteBitmap(QByteArrayView bytes);

// Embedded picture `path` (for example ":/BITMAP/101"): the fast reader for our own bitmaps,
// Qt's image reader for anything else; a null image if there is no such picture or it cannot
// be read.
QImage ReadEmbeddedPicture(const QString& path);

// Embedded bitmap `number` (":/BITMAP/<number>") as a pixmap, or a null pixmap. The pictures
// used last stay decoded, up to kPictureStoreBudget bytes besides the one used now, so that
// stepping back and forth through the list, a picture shown in two places, and a picture
// prepared ahead of its use are decoded once. User-interface thread only.
QPixmap EmbeddedPixmap(int number);
// Decodes bitmap `number` into the store while there is time, for an EmbeddedPixmap soon.
void PreparePicture(int number);

inline constexpr std::size_t kPictureStoreBudget = 1 << 20;
std::size_t PictureStoreBytes();  // the bytes of the decoded pictures the store holds

}  // namespace zentaloger::toolkit
