#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// Reads a picture file for the table, chip or wheel. The files are ordinary
// bitmaps under a ".dib" name, which Qt alone would not recognise; any other
// format Qt reads works too. Returns nothing for a missing, unreadable,
// truncated or absurdly large file, so a bad file can neither crash the
// program nor cost it more than a bounded amount of memory.
std::optional<QImage> loadDibPicture(const QString& path);

// The same reader for the bytes of a file already read: every check above
// that does not need the file system, then the decoding.
std::optional<QImage> decodeDibPicture(const QByteArray& bytes);
